#pragma once
// A file's path as the build machine's own tools (poppler's) take it.
#include <QString>

QString toolPath(const QString& path);
