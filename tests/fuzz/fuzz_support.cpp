#include "tests/fuzz/fuzz_support.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "app/comprobacion/informe_comprobacion.h"
#include "app/platform/delimited.h"
#include "app/platform/files.h"

QString fuzzFolder() {
  static const QTemporaryDir folder(
      (QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
      QStringLiteral("/tiqueron-fuzz-XXXXXX"));
  fuzzCheck(folder.isValid(), "no temporary folder for the fuzz inputs");
  static const QString path = folder.path() + QLatin1Char('/');
  return path;
}

QString fuzzWrite(const char* name, const QByteArray& bytes) {
  const QString path = fuzzFolder() + QLatin1String(name);
  writeFileAtomically(path, bytes);
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
