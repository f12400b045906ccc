// The print commands: next ticket, runs, a partial ticket, and what stops them.

#include "quiniela/nombre_jornada.h"
#include "tests/quiniela_window/ventana_qp.h"

// Each page as the ticket number at the foot of its right-hand column and its number of marks.
static QStringList impresos(const QStringList& documentos) {
  QStringList paginas;
  for (const QString& pdf : documentos) {
    PdfWord ultima{};
    int marcas = 0;
    for (const PdfWord& palabra : pdfWords(pdf)) {
      marcas += palabra.text == "x";
      if (palabra.text != "x" && palabra.box.top() >= ultima.box.top()) ultima = palabra;
    }
    paginas << ultima.text + ":" + QString::number(marcas);
  }
  return paginas;
}

TEST_F(VentanaQp, PrintNextAndRunsOfAtMostFiveTicketsStopAtTheLast) {
  carpeta.write("AD243", archivoAD243(10));
  auto w = abre();
  w->Command1->click();
  EXPECT_EQ(impresos(impresora.documents()), QStringList({"2:114"}));
  EXPECT_FALSE(w->Frame1->isHidden() || w->Frame3->isHidden() || w->Tregla->isHidden()) << "screen look back";
  w->boletoActual = 9;
  w->mnuTiqueron_Click();
  EXPECT_EQ(impresos(impresora.documents()).mid(1), QStringList({"9:114", "10:114"}));
  EXPECT_EQ(w->boletoActual, 11);
  EXPECT_EQ(w->Text2->text(), "10   Boleto nº10") << "the last printed";
  w->mnuTiqueron_Click();  // past the last ticket: a page without bets
  w->Command1->click();    // at the last ticket
  EXPECT_EQ(impresora.documents().size(), 3);
  EXPECT_EQ(w->boletoActual, 10);

  carpeta.write("AD243", archivoAD243(20));
  w = abre();
  w->mnuTiqueron_Click();
  EXPECT_EQ(impresos(impresora.documents().mid(3)),
            QStringList({"1:114", "2:114", "3:114", "4:114", "5:114"}));
  EXPECT_EQ(w->boletoActual, 6);
}

TEST_F(VentanaQp, PartialPrintOfTheFirstColumnsThenRepeat) {
  carpeta.write("AD243", archivoAD243(2));
  auto w = abre();
  w->Command8->click();
  dialogos.answer(MessageResult::Ok);
  w->Text1_Click(2);
  EXPECT_EQ(
      std::tuple(dialogos.last().text, dialogos.last().title, w->Text3[0]->text()),
      std::tuple(u"Ha seleccionado las  3\n Apuestas primeras para Imprimir\nSi esta de acuerdo continue?"_s,
                 u"Imprimir parte del boleto!!"_s, u"3"_s));
  EXPECT_EQ(enPantalla(*w), boletoDe(1, 3, plenoDe(1)));
  w->mnuIF_Click();
  w->Command1->click();  // the choice stays for the next ticket
  EXPECT_EQ(impresos(impresora.documents()), QStringList({"1:114", "1:44", "2:44"}));
}

TEST_F(VentanaQp, AMatchdayThatIsNoNumberStopsAndOneWithAFolderOpensNothing) {
  carpeta.write("QpAB.TXT", archivoTexto(16));
  auto w = abre("AB");
  EXPECT_EQ(std::tuple(dialogos.last().text, dialogos.last().title, dialogos.last().icon),
            std::tuple(u"Debe introducir la Jornada!!"_s, u"Imprimir Boletos"_s, MessageIcon::Stop));
  EXPECT_EQ(w->Text4->text(), "JJ");
  EXPECT_FALSE(w->Frame1->isHidden() || w->Label13->isHidden() || w->Label14->isHidden());
  w->Command1->click();
  w->mnuTiqueron_Click();
  EXPECT_TRUE(impresora.documents().isEmpty());
  EXPECT_EQ(w->boletoActual, 2) << "the run ends at once";
  w = abre("../AB");
  EXPECT_EQ(dialogos.last().text, textoJornadaConRuta);
  EXPECT_EQ(w->nombreArchivo + w->rutaArchivo, "Preuba");
}

TEST_F(VentanaQp, BadSignsGiveOneMessageEachAndNoMark) {
  // Matches 4 and 9 of bet 1 spoilt, a Pleno al 15 with no row; an empty line ends the ticket.
  QString malo = apuesta(1);
  malo[3] = ' ';
  malo[8] = 'x';
  carpeta.write("Qp07.TXT", (malo + "Z \r\n\r\n" + apuesta(3) + "\r\n").toLatin1());
  auto w = abre("07");
  ASSERT_EQ(dialogos.shown().size(), 5);
  for (int i : {3, 4})
    EXPECT_EQ(dialogos.shown()[i].text, errorDescription(ErrorNumber::SubscriptOutOfRange) + "9");
  EXPECT_EQ(enPantalla(*w), malo.replace('x', ' ') + QString(7 * 14 + 2, ' '));
  w->Command8->click();
  EXPECT_EQ(impresos(impresora.documents()), QStringList({"1:12"}));
}
