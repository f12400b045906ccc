#include "version/version_label.h"

#include "version/file_version_info.h"

QString versionLabelText(const QString& programFile) {
  CFileVersionInfo info;
  info.FullPathName(programFile);
  return QStringLiteral("Ver.: ") + info.ProductVersion();
}
