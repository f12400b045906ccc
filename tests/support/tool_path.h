#pragma once
// The build machine's own tools (poppler's), run from a test program.
#include <QByteArray>
#include <QString>
#include <QStringList>

// A file's path as those tools take it.
QString toolPath(const QString& path);

// What `program` wrote on its standard output, once it has ended; a failure
// is told on the test's output and gives nothing.
QByteArray runTool(const QString& program, const QStringList& arguments);
