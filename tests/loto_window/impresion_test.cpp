// Browsing the tickets and the print commands: current, next, runs of five,
// a partial ticket.
#include <QRegularExpression>
#include <QTest>

#include "tests/loto_window/ventana_lo.h"

namespace {

// The ticket each page printed, as its info label gives it (" 7 Bo"), and its marks.
QStringList impresos(const QStringList& documentos) {
  QStringList paginas;
  static const QRegularExpression boleto(QStringLiteral("(\\d+) Bo\\b"));
  for (const QString& pdf : documentos) {
    int marcas = 0;
    for (const PdfWord& palabra : pdfWords(pdf)) marcas += palabra.text == "o" || palabra.text == "X";
    paginas << boleto.match(pdfText(pdf)).captured(1) + ":" + QString::number(marcas);
  }
  return paginas;
}

}  // namespace

TEST_F(VentanaLo, EveryButtonMovesWithinTheFileAndOnlyShows) {
  auto w = abreCon("AB000320.TXT", archivoLotoTexto('B', 320));  // 40 tickets
  ASSERT_EQ(w->nboletos, 40);
  const std::tuple<QPushButton * boletoLO::*, qint32, qint32> casos[] = {
      {&boletoLO::Command5, 1, 33},  {&boletoLO::Command5, 33, 40}, {&boletoLO::Command14, 40, 8},
      {&boletoLO::Command14, 20, 1}, {&boletoLO::Command7, 1, 6},   {&boletoLO::Command7, 38, 40},
      {&boletoLO::Command6, 10, 5},  {&boletoLO::Command6, 3, 1},   {&boletoLO::Command9, 7, 8},
      {&boletoLO::Command9, 40, 40}, {&boletoLO::Command8, 7, 6},   {&boletoLO::Command8, 1, 1}};
  for (const auto& [boton, desde, hasta] : casos) {
    w->boletoActual = desde;
    ((*w).*boton)->click();
    EXPECT_EQ(std::pair(w->boletoActual, w->Text2->text()),
              std::pair(hasta, u" 40   %1    R:Sin R"_s.arg(hasta)))
        << ((*w).*boton)->text().toStdString() << " from " << desde;
    EXPECT_EQ(w->Text1[0]->text().remove('\n'), apuestaLoto('B', 8 * hasta - 7));
    EXPECT_EQ(w->Label4->text(),
              u"Tiqueron\nAB000320\n.TXT\n 320 Apts\n %1 Ap\n\n 40 Btos\n %2 Bo"_s.arg(8 * hasta).arg(hasta));
  }
  EXPECT_TRUE(impresora.documents().isEmpty());
}

TEST_F(VentanaLo, PrintTheShownTicketTheNextOneAndRunsOfFive) {
  auto w = abreCon("AP000160.TXT", archivoLotoTexto('P', 160));  // 20 tickets
  w->Command11->click();
  w->Command10->click();
  // Every bet of the ticket marks six numbers; the reintegro box an "X", beside the form's fixed "X".
  EXPECT_EQ(impresos(impresora.documents()), QStringList({"1:50", "2:50"}));
  EXPECT_EQ(w->boletoActual, 2);
  EXPECT_TRUE(w->Command10->hasFocus() || !w->isVisible()) << "SPACE repeats it";
  EXPECT_FALSE(w->Frame1->isHidden() || w->Frame3->isHidden() || w->Label21->isHidden())
      << "screen look back";

  for (const auto& [desde, impresas, despues] :
       {std::tuple{2, QStringList({"3:50", "4:50", "5:50", "6:50", "7:50"}), 7},
        {17, QStringList({"18:50", "19:50", "20:50"}), 21}}) {
    const qsizetype antes = impresora.documents().size();
    w->boletoActual = desde;
    w->mnuTiqueron_Click();
    EXPECT_EQ(impresos(impresora.documents().mid(antes)), impresas) << "run after ticket " << desde;
    EXPECT_EQ(w->boletoActual, despues);
  }
  // At the last ticket there is no next one: nothing is printed twice.
  const qsizetype antes = impresora.documents().size();
  w->Command5->click();
  w->Command10->click();
  w->mnuTiqueron_Click();
  EXPECT_EQ(impresora.documents().size(), antes);
  // Printing the shown ticket while the calibration frame is open leaves it closed.
  w->mnuConfigura_Click();
  w->mnuMuno_Click();
  EXPECT_EQ(impresos(impresora.documents().mid(antes)), QStringList({"20:50"}));
  EXPECT_TRUE(w->Frame2->isHidden());
}

TEST_F(VentanaLo, SpaceOnImprimeSiguientePrintsTheFollowingTickets) {
  auto w = abreCon("AB000040.TXT", archivoLotoTexto('B', 40));
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  w->Command10->setFocus();
  for (int i = 0; i < 3; ++i) QTest::keyClick(w->Command10, Qt::Key_Space);
  EXPECT_EQ(impresos(impresora.documents()), QStringList({"2:49", "3:49", "4:49"}));
}

TEST_F(VentanaLo, APartialSelectionMarksAndPrintsOnlyTheFirstBets) {
  auto w = abreCon("AB000016.TXT", archivoLotoTexto('B', 16));
  dialogos.answer(MessageResult::Ok);
  w->Text1_Click(2);
  EXPECT_EQ(
      std::tuple(dialogos.last().text, dialogos.last().title, dialogos.last().buttons),
      std::tuple(u"Ha seleccionado las  3\n Apuestas primeras para Imprimir\nSi esta de acuerdo continue?"_s,
                 u"Imprimir parte del boleto!!"_s, MessageButtons::OkCancel));
  EXPECT_EQ(w->nParcial, 0) << "used by the redraw";
  EXPECT_EQ(w->Text1[2]->text().remove('\n'), apuestaLoto('B', 3));
  EXPECT_EQ(w->Text1[3]->text(), "");
  w->Command11->click();
  EXPECT_EQ(impresos(impresora.documents()), QStringList({"1:19"}));
  // The first box chooses two; Cancel leaves every bet.
  dialogos.answer(MessageResult::Cancel);
  w->Text1_Click(0);
  EXPECT_EQ(w->nParcial, 0);
  EXPECT_EQ(w->Text1[3]->text(), "") << "nothing redrawn";
  w->Command9->click();
  EXPECT_EQ(w->Text1[7]->text().remove('\n'), apuestaLoto('B', 16));
}
