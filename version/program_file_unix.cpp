#include <QCoreApplication>
#include <QFileInfo>

#include "version/version_label.h"

// Programs here carry no ".exe"; the file is whichever the program runs from.
QString programFile(const QString& rutaPrograma) {
  return rutaPrograma + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}
