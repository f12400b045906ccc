// Choosing and opening the bet file, counting, and moving through the tickets.

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
      {"AD243", archivoAD243(0) + QByteArray(123, '1'), {}, 0, 0, "", "", 0, ""},  // 247 bytes
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
    if (c.nboletos == 0) continue;
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

TEST_F(VentanaQp, AFileWithoutWholeTicketsLeavesNothingToPrint) {
  carpeta.write("AD243", archivoAD243(3));
  auto w = abre();
  ASSERT_EQ(w->nboletos, 3);
  for (int bytes : {125, 247}) {
    // The header promises five tickets that the file does not hold.
    carpeta.write("AD243", archivoAD243(0, 40, 5) + QByteArray(bytes - 124, '1'));
    dialogos.answer(MessageResult::Yes);
    w->mnuAbrir_Click();
    EXPECT_EQ(std::pair(w->napuestas, w->nboletos), std::pair(0, 0)) << bytes;
    w->Command1->click();
    w->mnuTiqueron_Click();
    EXPECT_TRUE(impresora.documents().isEmpty()) << bytes;
  }
}

TEST_F(VentanaQp, ATextFileThatGoesAwayOrShrinksIsReportedAndNothingPrinted) {
  const QString desaparecido = errorDescription(ErrorNumber::FileNotFound) + "53";
  const QString acortado = errorDescription(ErrorNumber::InputPastEnd) + "62";
  for (const auto& [despues, mensaje] :
       {std::pair{QByteArray(), desaparecido}, {archivoTexto(9), acortado}}) {
    carpeta.write("Qp07.TXT", archivoTexto(24));
    auto w = abre("7");
    if (despues.isEmpty())
      carpeta.remove("Qp07.TXT");
    else
      carpeta.write("Qp07.TXT", despues);
    dialogos.forget();
    w->Command1->click();  // ticket 2
    ASSERT_EQ(dialogos.shown().size(), 1);
    EXPECT_EQ(dialogos.last().text, mensaje);
    EXPECT_EQ(w->Text4->text(), "07") << "the matchday of the name";
    EXPECT_TRUE(impresora.documents().isEmpty());
    EXPECT_EQ(enPantalla(*w), QString(114, ' '));
    EXPECT_FALSE(w->Frame1->isHidden() || w->Label13->isHidden());
    w->mnuTiqueron_Click();  // a run stops at the first ticket it cannot read
    EXPECT_EQ(std::pair(int(dialogos.shown().size()), int(impresora.documents().size())), std::pair(2, 0));
  }
}
