#include "tests/fuzz/fuzz_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "app/platform/delimited.h"

QString fuzzFolder() {
  static const QTemporaryDir folder(
      (QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
      QStringLiteral("/tiqueron-fuzz-XXXXXX"));
  fuzzCheck(folder.isValid(), "no temporary folder for the fuzz inputs");
  static const QString path = folder.path() + QLatin1Char('/');
  return path;
}

void fuzzCheck(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

QStringList fuzzFields(const QByteArray& bytes) {
  QStringList campos;
  for (DelimitedReader lector(bytes); !lector.atEnd();) campos.append(lector.next());
  return campos;
}
