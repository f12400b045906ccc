// Browsing the tickets, Space on "Imprime Siguiente", and a partial choice
// cancelled.
#include <QTest>

#include "tests/loto_window/ventana_lo.h"

TEST_F(VentanaLo, EveryButtonMovesWithinTheFileAndOnlyShows) {
  auto w = abreCon("AB000320.TXT", archivoLotoTexto('B', 320));  // 40 tickets
  const std::tuple<QPushButton * boletoLO::*, qint32, qint32> casos[] = {
      {&boletoLO::Command5, 1, 33},  {&boletoLO::Command5, 33, 40}, {&boletoLO::Command14, 40, 8},
      {&boletoLO::Command14, 20, 1}, {&boletoLO::Command7, 1, 6},   {&boletoLO::Command7, 38, 40},
      {&boletoLO::Command6, 10, 5},  {&boletoLO::Command6, 3, 1},   {&boletoLO::Command9, 7, 8},
      {&boletoLO::Command9, 40, 40}, {&boletoLO::Command8, 7, 6},   {&boletoLO::Command8, 1, 1}};
  for (const auto& [boton, desde, hasta] : casos) {
    w->boletoActual = desde;
    ((*w).*boton)->click();
    EXPECT_EQ(
        std::tuple(w->boletoActual, w->Text2->text(), w->Text1[0]->text().remove('\n'), w->Label4->text()),
        std::tuple(
            hasta, u" 40   %1    R:Sin R"_s.arg(hasta), apuestaLoto('B', 8 * hasta - 7),
            u"Tiqueron\nAB000320\n.TXT\n 320 Apts\n %1 Ap\n\n 40 Btos\n %2 Bo"_s.arg(8 * hasta).arg(hasta)))
        << ((*w).*boton)->text().toStdString() << " from " << desde;
  }
  EXPECT_TRUE(impresora.documents().isEmpty());
}

TEST_F(VentanaLo, SpaceOnImprimeSiguientePrintsTheFollowingTickets) {
  auto w = abreCon("AB000040.TXT", archivoLotoTexto('B', 40));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  w->Command10->setFocus();
  for (int i = 0; i < 3; ++i) QTest::keyClick(w->Command10, Qt::Key_Space);
  EXPECT_EQ(w->boletoActual, 4);
  EXPECT_EQ(impresora.documents().size(), 3);
  EXPECT_TRUE(w->Command10->hasFocus()) << "SPACE repeats it";
}

TEST_F(VentanaLo, APartialChoiceDrawsOnlyTheFirstBetsAndCancelLeavesThemAll) {
  auto w = abreCon("AB000016.TXT", archivoLotoTexto('B', 16));
  dialogos.answer(MessageResult::Ok);
  w->Text1_Click(2);
  EXPECT_EQ(std::tuple(w->nParcial, w->Text1[2]->text().remove('\n'), w->Text1[3]->text()),
            std::tuple(qint16(0), apuestaLoto('B', 3), QString()))
      << "nParcial is used by the redraw";
  dialogos.answer(MessageResult::Cancel);
  w->Text1_Click(0);
  EXPECT_EQ(std::pair(w->nParcial, w->Text1[3]->text()), std::pair(qint16(0), QString()))
      << "nothing redrawn";
  w->Command9->click();
  EXPECT_EQ(w->Text1[7]->text().remove('\n'), apuestaLoto('B', 16));
}
