#include "app/program_folder.h"

#include <QDir>

QString programFolder(const QString& applicationDir, bool caseInsensitiveFileSystem) {
  QString folder = QDir::toNativeSeparators(applicationDir);
  while (folder.size() > 1 && folder.endsWith(QDir::separator())) folder.chop(1);
  if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
  return caseInsensitiveFileSystem ? folder.toUpper() : folder;
}
