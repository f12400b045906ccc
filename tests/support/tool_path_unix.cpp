#include <QFileInfo>
#include <QProcess>

#include "tests/support/tool_path.h"

QString toolPath(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}

QByteArray runTool(const QString& program, const QStringList& arguments) {
  QProcess tool;
  tool.start(program, arguments);
  if (tool.waitForFinished(120000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0)
    return tool.readAllStandardOutput();
  qWarning("%s failed: %s", qPrintable(program), tool.readAllStandardError().constData());
  return QByteArray();
}
