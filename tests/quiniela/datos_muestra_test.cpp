// The sample files that go beside the program.
#include <gtest/gtest.h>

#include "quiniela/desarrollo_quiniela.h"
#include "tests/quiniela/ayudas.h"

namespace {

const QString datos = QStringLiteral(TIQUERON_DATA_DIR);

TEST(DatosMuestra, AD243HoldsFiveTicketsOfMatchdaySeven) {
  auto archivo = abrirDesarrollo(1, datos + "AD243", "AD243");
  EXPECT_EQ(archivo->recuento().nboletos, 5);
  for (qint32 t = 1; t <= 5; ++t) {
    const BoletoLeido leido = archivo->boleto(t);
    EXPECT_EQ(leido.recuento.napuestas, 40);
    EXPECT_EQ(leido.recuento.nboletos, 5);
    EXPECT_EQ(leido.boleto.jornada, "07");
    for (const QChar signo : leido.boleto.apuestas) EXPECT_TRUE(QStringLiteral("1X2").contains(signo));
    EXPECT_TRUE(QStringLiteral("012M").contains(leido.boleto.plenoLocal)) << t;
    EXPECT_TRUE(QStringLiteral("012M").contains(leido.boleto.plenoVisitante)) << t;
  }
}

TEST(DatosMuestra, Qp07HoldsSeventeenBetsWithAShortLastTicket) {
  auto archivo = abrirDesarrollo(2, datos + "Qp07.TXT", "Qp07.TXT");
  EXPECT_EQ(archivo->recuento().napuestas, 17);
  EXPECT_EQ(archivo->recuento().nboletos, 3);
  const BoletoQuiniela ultimo = archivo->boleto(3).boleto;
  EXPECT_EQ(ultimo.apuestas.mid(14), QString(98, ' '));
  EXPECT_EQ(ultimo.plenoLocal + ultimo.plenoVisitante, "12");
  EXPECT_EQ(archivo->boleto(2).boleto.plenoLocal + archivo->boleto(2).boleto.plenoVisitante, "0M");
  EXPECT_EQ(ultimo.jornada, "07");
}

}  // namespace
