#include "version/version_label.h"

QString programFile(const QString& rutaPrograma) {
  return rutaPrograma + QStringLiteral("Tiqueron.exe");
}
