// The sheets a program run by itself printed on this machine's default
// printer (scripts/gui-check.sh: Tiqueron.exe under Wine, or a release),
// checked as the tests' own prints are. TIQUERON_PAPEL names their folder:
// quiniela-1.pdf to quiniela-5.pdf, the football-pools run of the sample
// AD243, and loto-<file>.pdf, the first ticket of each sample lotto file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <iostream>

#include "tests/e2e/papel.h"
#include "tests/support/tinta_centrada.h"

namespace {

class PapelImpreso : public ::testing::Test {
 protected:
  void SetUp() override {
    if (carpeta_.isEmpty()) GTEST_SKIP() << "TIQUERON_PAPEL names no folder of sheets to check";
  }
  QString hoja(const QString& nombre) const {
    const QString pdf = QDir(carpeta_).filePath(nombre);
    EXPECT_TRUE(QFile::exists(pdf)) << nombre.toStdString() << " was not printed";
    return pdf;
  }
  static QByteArray datos(const QString& nombre) {
    QFile archivo(QStringLiteral(TIQUERON_DATA_DIR) + nombre);
    return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
  }
  // The figures of the run, for the record.
  static void informa(const char* que, const Desvios& d) {
    if (d.marcas == 0) return;
    std::cout << que << ": " << d.marcas << " marks, ink centre off its box by " << d.x / d.marcas << ", "
              << d.y / d.marcas << " twips on average (x, y), " << d.mayor << " at most\n";
  }

 private:
  QString carpeta_ = qEnvironmentVariable("TIQUERON_PAPEL");
};

TEST_F(PapelImpreso, TheFootballPoolsRunHasEveryMarkInItsBox) {
  const QByteArray ad243 = datos("AD243");
  Desvios desvios;
  for (int t = 1; t <= 5; ++t) {
    SCOPED_TRACE(testing::Message() << "ticket " << t);
    const QString pdf = hoja(QStringLiteral("quiniela-%1.pdf").arg(t));
    if (QFile::exists(pdf)) esBoletoQuiniela(pdf, ad243, t, &desvios);
  }
  informa("football pools", desvios);
}

TEST_F(PapelImpreso, EachSampleLottoGameHasEveryMarkOfItsFirstTicketInItsBox) {
  Desvios desvios;
  for (const CasoLoto& c : kCasosLoto) {
    SCOPED_TRACE(c.nombre);
    const QString pdf = hoja(QStringLiteral("loto-%1.pdf").arg(c.nombre));
    if (QFile::exists(pdf)) esBoletoLoto(pdf, datos(c.nombre), c, 0, &desvios);
  }
  informa("lottos", desvios);
}

}  // namespace
