#include <QFile>

#include "tests/support/carpeta_solo_lectura.h"

void ponSoloLectura(const QString& carpeta, bool soloLectura) {
  QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner | (soloLectura ? QFile::Permissions() : QFile::WriteOwner));
}
