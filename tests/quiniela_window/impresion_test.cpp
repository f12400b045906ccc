// The print commands: next ticket, runs, the window again, partial tickets,
// and what stops or troubles the drawing.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "app/platform/runtime_error.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/pdf_reader.h"

namespace {

// Printed numbers of the right-hand column, top to bottom: matchday, bets,
// bets up to this ticket, tickets, ticket.
QStringList textosDerecha(const QString& pdf) {
  QStringList textos;
  for (const PdfWord& palabra : pdfWords(pdf))
    if (palabra.text != QLatin1String("x") && !palabra.text.endsWith(QLatin1String("....")))
      textos << palabra.text;
  return textos;
}

int marcas(const QString& pdf) {
  int cuenta = 0;
  for (const PdfWord& palabra : pdfWords(pdf)) cuenta += palabra.text == QLatin1String("x");
  return cuenta;
}

TEST_F(VentanaQp, PrintNextPrintsTheFollowingTicket) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(3));
  auto w = abreAD243();
  w->Command1->click();
  EXPECT_EQ(w->boletoActual, 2);
  ASSERT_EQ(impresora.documents().size(), 1);
  EXPECT_EQ(textosDerecha(impresora.documents()[0]),
            QStringList({QStringLiteral("J07"), QStringLiteral("24"), QStringLiteral("16"),
                         QStringLiteral("3"), QStringLiteral("2")}));
  // The screen look is back.
  EXPECT_FALSE(w->Frame1->isHidden());
  EXPECT_FALSE(w->Frame3->isHidden());
  EXPECT_FALSE(w->Tregla->isHidden());
  EXPECT_EQ(w->tabla[0]->model().borderStyle(), 1);
  EXPECT_EQ(w->tabla[0]->model().gridColor(), QColor(242, 41, 13));
  EXPECT_EQ(w->tabla[0]->model().cellBackColor(0, 5), QColor(115, 189, 227));
}

TEST_F(VentanaQp, PrintNextAtTheLastTicketPrintsNothing) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(3));
  auto w = abreAD243();
  w->boletoActual = 3;
  w->Command1->click();
  EXPECT_EQ(w->boletoActual, 3);
  EXPECT_TRUE(impresora.documents().isEmpty());
}

TEST_F(VentanaQp, RunsPrintAtMostFiveTicketsFromTheCurrentOne) {
  const struct {
    int boletos, desde;
    QStringList impresos;
    qint32 despues;
  } casos[] = {
      {10, 9, {QStringLiteral("9"), QStringLiteral("10")}, 11},
      {20,
       1,
       {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
        QStringLiteral("5")},
       6},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.desde);
    TempFolder otra;
    PdfPrinter impresoraRun(otra.path());
    Platform p{dialogos, impresoraRun, atributos};
    QString ruta = otra.path();
    otra.write(QStringLiteral("AD243"), archivoAD243(c.boletos));
    dialogos.answer(MessageResult::Ok);
    dialogos.answer(MessageResult::Yes);
    boletoqp w(p, ruta);
    w.boletoActual = c.desde;
    w.mnuTiqueron_Click();
    EXPECT_EQ(w.boletoActual, c.despues);
    ASSERT_EQ(impresoraRun.documents().size(), c.impresos.size());
    for (int i = 0; i < c.impresos.size(); ++i)
      EXPECT_EQ(textosDerecha(impresoraRun.documents()[i]).last(), c.impresos[i]);
    // The screen shows the last ticket printed.
    EXPECT_EQ(w.Text2->text(),
              QString::number(c.boletos) + QStringLiteral("   Boleto nº") + c.impresos.last());
  }
}

TEST_F(VentanaQp, RunPastTheLastTicketPrintsNothing) {
  carpeta.write(QStringLiteral("Qp07.TXT"), archivoTexto(16));
  auto w = abreTexto(QStringLiteral("07"));
  w->boletoActual = 2;
  w->mnuTiqueron_Click();
  ASSERT_EQ(impresora.documents().size(), 1);
  EXPECT_EQ(w->boletoActual, 3);
  w->mnuTiqueron_Click();
  EXPECT_EQ(impresora.documents().size(), 1) << "no page of a ticket with no bets";
  EXPECT_EQ(w->boletoActual, 2);
}

TEST_F(VentanaQp, RepeatPrintsTheWindowAsItStands) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(2));
  auto w = abreAD243();
  w->Command8->click();
  w->mnuIF_Click();
  ASSERT_EQ(impresora.documents().size(), 2);
  EXPECT_EQ(marcas(impresora.documents()[0]), 8 * 14 + 2);
  EXPECT_EQ(textosDerecha(impresora.documents()[1]).last(), QStringLiteral("1"));
  EXPECT_EQ(w->boletoActual, 1);
  for (QWidget* visible : {static_cast<QWidget*>(w->Frame1), static_cast<QWidget*>(w->Frame3),
                           static_cast<QWidget*>(w->Label13), static_cast<QWidget*>(w->Label14),
                           static_cast<QWidget*>(w->Label15), static_cast<QWidget*>(w->Tregla2)})
    EXPECT_FALSE(visible->isHidden());
  EXPECT_TRUE(w->Frame2->isHidden());
}

TEST_F(VentanaQp, PartialPrintOfTheFirstColumns) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(2));
  auto w = abreAD243();
  dialogos.forget();
  dialogos.answer(MessageResult::Ok);
  w->Text1_Click(2);
  ASSERT_EQ(dialogos.shown().size(), 1);
  EXPECT_EQ(dialogos.last().text,
            QStringLiteral(
                "Ha seleccionado las  3\n Apuestas primeras para Imprimir\nSi esta de acuerdo continue?"));
  EXPECT_EQ(dialogos.last().title, QStringLiteral("Imprimir parte del boleto!!"));
  EXPECT_EQ(dialogos.last().buttons, MessageButtons::OkCancel);
  EXPECT_EQ(w->apuestasBoleto, 3);
  EXPECT_EQ(w->Text3[0]->text(), QStringLiteral("3"));
  for (int b = 0; b < 8; ++b) EXPECT_EQ(w->Text1[b]->text().isEmpty(), b >= 3) << b;
  EXPECT_EQ(w->Text1[0]->palette().color(w->Text1[0]->backgroundRole()), qbColor(7)) << "highlight removed";

  w->Command8->click();
  ASSERT_EQ(impresora.documents().size(), 1);
  EXPECT_EQ(marcas(impresora.documents()[0]), 3 * 14 + 2);
  // The choice stays for the next ticket.
  w->Command1->click();
  EXPECT_EQ(marcas(impresora.documents()[1]), 3 * 14 + 2);
}

TEST_F(VentanaQp, PartialPrintCancelledKeepsAllColumns) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(2));
  auto w = abreAD243();
  dialogos.answer(MessageResult::Cancel);
  w->Text1_Click(0);
  EXPECT_TRUE(dialogos.last().text.startsWith(QStringLiteral("Ha seleccionado las  2\n")));
  EXPECT_EQ(w->apuestasBoleto, 0);
  for (int b = 0; b < 2; ++b)
    EXPECT_EQ(w->Text1[b]->palette().color(w->Text1[b]->backgroundRole()), qbColor(7));
  w->Command1->click();
  EXPECT_EQ(marcas(impresora.documents()[0]), 8 * 14 + 2);
}

TEST_F(VentanaQp, MatchdayThatIsNoNumberStopsTheDrawing) {
  carpeta.write(QStringLiteral("QpAB.TXT"), archivoTexto(16));
  auto w = abreTexto(QStringLiteral("AB"));
  const ShownBox& aviso = dialogos.last();
  EXPECT_EQ(aviso.text, QStringLiteral("Debe introducir la Jornada!!"));
  EXPECT_EQ(aviso.title, QStringLiteral("Imprimir Boletos"));
  EXPECT_EQ(aviso.icon, MessageIcon::Stop);
  EXPECT_EQ(aviso.buttons, MessageButtons::Ok);
  EXPECT_EQ(w->Text4->text(), QStringLiteral("JJ"));
  EXPECT_FALSE(w->Frame1->isHidden());
  EXPECT_FALSE(w->Label13->isHidden());
  EXPECT_FALSE(w->Label14->isHidden());

  w->Command1->click();
  w->mnuTiqueron_Click();
  EXPECT_TRUE(impresora.documents().isEmpty());
  EXPECT_EQ(w->boletoActual, 2) << "the run ends at once";
}

TEST_F(VentanaQp, BadSignsGiveOneMessageEachAndTheRestIsDrawn) {
  // Bet 1: match 1 good, matches 4 and 9 spoilt; bet 2 an empty line, which ends the ticket.
  QByteArray malo = apuesta(1).toLatin1();
  malo[3] = ' ';
  malo[8] = 'x';
  const QByteArray datos = malo + plenoDe(1).toLatin1() + "\r\n\r\n" + apuesta(3).toLatin1() + "\r\n";
  carpeta.write(QStringLiteral("Qp07.TXT"), datos);
  auto w = abreTexto(QStringLiteral("07"));
  ASSERT_EQ(dialogos.shown().size(), 5);
  for (int i = 3; i < 5; ++i) {
    EXPECT_EQ(dialogos.shown()[i].text,
              errorDescription(ErrorNumber::SubscriptOutOfRange) + QStringLiteral("9"));
    EXPECT_EQ(dialogos.shown()[i].buttons, MessageButtons::Ok);
  }
  int marcasColumna1 = 0;
  for (int fila = 0; fila < 3; ++fila)
    for (int col = 0; col < 14; ++col) marcasColumna1 += !w->tabla[0]->textMatrix(fila, col).isEmpty();
  EXPECT_EQ(marcasColumna1, 12);
  EXPECT_TRUE(w->Text1[1]->text().isEmpty());
  EXPECT_TRUE(w->tabla[1]->textMatrix(0, 0).isEmpty() && w->tabla[1]->textMatrix(1, 0).isEmpty() &&
              w->tabla[1]->textMatrix(2, 0).isEmpty());
}

TEST_F(VentanaQp, PlenoSignWithNoRowMarksNothing) {
  QByteArray datos = archivoAD243(1);
  datos[124 + 122] = ' ';
  datos[124 + 123] = 'Z';
  carpeta.write(QStringLiteral("AD243"), datos);
  auto w = abreAD243();
  EXPECT_EQ(dialogos.shown().size(), 2) << "no error box";
  for (int q = 0; q < 2; ++q)
    for (int fila = 0; fila < 4; ++fila) EXPECT_TRUE(w->tablaq[q]->textMatrix(fila, 0).isEmpty());
  w->Command8->click();
  EXPECT_EQ(marcas(impresora.documents()[0]), 8 * 14);
}

TEST_F(VentanaQp, PrinterFailureIsReportedAndTheScreenComesBack) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(2));
  auto w = abreAD243();
  impresora.setUnavailable(true);
  dialogos.forget();
  w->Command1->click();
  ASSERT_EQ(dialogos.shown().size(), 1);
  EXPECT_TRUE(dialogos.last().text.endsWith(QStringLiteral("482")));
  EXPECT_EQ(w->boletoActual, 2);
  EXPECT_FALSE(w->Frame1->isHidden());
  EXPECT_FALSE(w->Frame3->isHidden());
  EXPECT_FALSE(w->Tregla->isHidden());
}

}  // namespace
