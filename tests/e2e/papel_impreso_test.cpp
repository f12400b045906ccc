// The sheets a program run by itself printed on this machine's default printer
// (scripts/gui-check.sh: Tiqueron.exe under Wine, or a release), checked as the tests' own prints
// are. TIQUERON_PAPEL names their folder: quiniela-1.pdf to quiniela-5.pdf, the football-pools run of
// the sample AD243, and loto-<file>.pdf, the first ticket of each sample lotto file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "tests/support/hoja_en_papel.h"

TEST(PapelImpreso, EverySampleTicketHasEveryMarkInItsBox) {
  const QDir carpeta(qEnvironmentVariable("TIQUERON_PAPEL"));
  if (carpeta.path() == ".") GTEST_SKIP() << "TIQUERON_PAPEL names no folder of sheets to check";
  for (const Muestra& m : kMuestras) {
    QFile archivo(QStringLiteral(TIQUERON_DATA_DIR) + m.archivo);
    ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
    const QByteArray datos = archivo.readAll();
    for (int t = 1; t <= (m.apuestas == 0 ? 5 : 1); ++t) {
      const QString pdf = carpeta.filePath(m.apuestas == 0 ? QStringLiteral("quiniela-%1.pdf").arg(t)
                                                           : QStringLiteral("loto-%1.pdf").arg(m.archivo));
      ASSERT_TRUE(QFile::exists(pdf)) << pdf.toStdString() << " was not printed";
      const PapelEsperado papel = papelEsperado(m, datos, t);
      compruebaTinta(pdf, papel.marcas, papel.textos + papel.fijas, {}, kToleranciaCola);
    }
  }
}
