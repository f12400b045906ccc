#include "version/version_label.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "version/file_version_info.h"

QString versionLabelText(const QString& programFile) {
  CFileVersionInfo info;
  info.FullPathName(programFile);
  return QStringLiteral("Ver.: ") + info.ProductVersion();
}

QString programFile(const QString& rutaPrograma) {
#ifdef Q_OS_WIN
  return rutaPrograma + QStringLiteral("Tiqueron.exe");
#else
  return rutaPrograma + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
#endif
}
