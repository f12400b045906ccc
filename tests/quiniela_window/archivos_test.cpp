// Choosing and opening the bet file, counting, moving through the tickets, a
// matchday that is no number, and signs no bet has.
#include "quiniela/nombre_jornada.h"
#include "tests/quiniela_window/ventana_qp.h"

TEST_F(VentanaQp, OpensTheChosenFileCountsItAndShowsTheFirstAndLastTickets) {
  const struct {
    const char* archivo;
    QByteArray datos;
    std::optional<QString> respuesta;  // No and this matchday; none: Yes
    qint32 napuestas, nboletos;
    QString jornada, pleno;  // of ticket 1
    int enElUltimo;          // columns of the last ticket
    QString plenoUltimo;
  } casos[] = {
      {"AD243", archivoAD243(0) + "1", {}, 0, 0, "", "", 0, ""},  // 125 bytes: no whole ticket
      {"AD243", archivoAD243(0, 40, 5) + QByteArray(123, '1'), {}, 0, 0, "", "", 0, ""},  // 247 bytes
      // Header 000000 / 000003: 24 bets; ticket 3 is half a record and blank.
      {"AD243", archivoAD243(2, 0, 3) + QByteArray(60, '1'), {}, 24, 3, "07", plenoDe(1), 0, "  "},
      {"Qp07.TXT", archivoTexto(17), "7", 17, 3, "07", plenoDe(1), 1, plenoDe(3)},
      {"Qp08.TXT", archivoTexto(17, "\n"), "08", 17, 3, "08", plenoDe(1), 1, plenoDe(3)},  // LF line ends
      {"Qp09.TXT", apuesta(1).toLatin1() + "\r\n", "9", 1, 1, "09", "11", 1, "11"},        // no Pleno al 15
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.archivo);
    carpeta.write(c.archivo, c.datos);
    dialogos.forget();
    auto w = abre(c.respuesta);
    ASSERT_EQ(dialogos.shown().size(), c.respuesta ? 3 : 2) << "no error box";
    const auto& p = dialogos.shown()[1];
    EXPECT_EQ(std::tuple(p.text, p.title, p.buttons),
              std::tuple(u"Que archvo desea abrir:\n\n      AD243 (Si)    ó      (No)"_s,
                         u"Elegir archivo!"_s, MessageButtons::YesNoCancel));
    EXPECT_EQ(dialogos.last().text,
              c.respuesta ? u"Introduzca Nº de Jornada!\n Ej: 02,12, Ej: 02,  12  23 ..."_s : p.text);
    EXPECT_EQ(std::tuple(w->nombreArchivo, w->rutaArchivo, w->tipoFile, w->napuestas, w->nboletos),
              std::tuple(QString(c.archivo), carpeta.file(c.archivo), c.respuesta ? 2 : 1, c.napuestas,
                         c.nboletos));
    EXPECT_EQ(w->Frame4->isHidden(), c.nboletos == 0);
    if (c.nboletos == 0) {
      w->Command1->click();
      w->mnuTiqueron_Click();
      EXPECT_TRUE(impresora.documents().isEmpty()) << "nothing to print";
      continue;
    }
    EXPECT_EQ(QStringList({w->Text2->text(), w->Text4->text(), w->Label15->text()}),
              QStringList(
                  {u"%1   Boleto nº1"_s.arg(c.nboletos), c.jornada, c.pleno.left(1) + " " + c.pleno.mid(1)}));
    EXPECT_EQ(enPantalla(*w), boletoDe(1, c.napuestas, c.pleno));
    w->Command6->click();
    EXPECT_EQ(w->boletoActual, c.nboletos);
    EXPECT_EQ(enPantalla(*w), boletoDe(c.nboletos, c.enElUltimo, c.plenoUltimo));
    EXPECT_EQ(w->Text1[0]->text().remove('\n'), c.enElUltimo ? apuesta(8 * c.nboletos - 7) : "");
  }
}

TEST_F(VentanaQp, NavigationStaysWithinTheFile) {
  carpeta.write("AD243", archivoAD243(40));
  auto w = abre();
  const std::tuple<QPushButton * boletoqp::*, qint32, qint32> casos[] = {
      {&boletoqp::Command6, 1, 33}, {&boletoqp::Command6, 33, 40}, {&boletoqp::Command7, 40, 8},
      {&boletoqp::Command7, 20, 1}, {&boletoqp::Command3, 7, 8},   {&boletoqp::Command3, 40, 40},
      {&boletoqp::Command4, 7, 6},  {&boletoqp::Command4, 1, 1}};
  for (const auto& [boton, desde, hasta] : casos) {
    w->boletoActual = desde;
    w->Text2->clear();
    ((*w).*boton)->click();
    EXPECT_EQ(w->Text2->text(), u"40   Boleto nº%1"_s.arg(hasta))
        << ((*w).*boton)->text().toStdString() << desde;
    EXPECT_EQ(enPantalla(*w), boletoDe(hasta, 8, plenoDe(hasta)));
  }
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
  int marcas = 0;
  for (const PdfWord& palabra : pdfWords(impresora.documents().value(0))) marcas += palabra.text == "x";
  EXPECT_EQ(marcas, 12);
}
