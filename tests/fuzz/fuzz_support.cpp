#include "tests/fuzz/fuzz_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "app/comprobacion/informe_comprobacion.h"

QString fuzzFolder() {
  static const QTemporaryDir folder(
      (QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
      QStringLiteral("/tiqueron-fuzz-XXXXXX"));
  if (!folder.isValid()) {
    std::fprintf(stderr, "no temporary folder for the fuzz inputs\n");
    std::abort();
  }
  static const QString path = folder.path() + QLatin1Char('/');
  return path;
}

QString fuzzFile(const QString& name, const QByteArray& bytes) {
  const QString path = fuzzFolder() + name;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::abort();
  }
  return path;
}

void fuzzCheck(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

bool FuzzAttributes::exists(const QString& path) const {
  return SystemFileAttributes().exists(path);
}

void compruebaInforme(const InformeComprobacion& informe, qint64 apuestas) {
  fuzzCheck(informe.apuestas() == apuestas, "check: the bets the opening counts");
  for (qint64 i = 0; i < informe.problemas(); ++i)
    fuzzCheck(informe.boletoDe(i) >= 1 && informe.boletoDe(i) <= informe.boletos(),
              "check: every problem is of a bet of the file");
  informe.texto();
}
