#include <QFileInfo>

#include "tests/support/tool_path.h"

QString toolPath(const QString& path) {
  return QFileInfo(path).absoluteFilePath();
}
