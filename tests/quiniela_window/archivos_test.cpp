// Choosing and opening the bet file, counting, the first and last tickets.
#include "tests/quiniela_window/ventana_qp.h"

TEST_F(VentanaQp, OpensTheChosenFileCountsItAndShowsTheFirstAndLastTickets) {
  const struct {
    const char* archivo;
    QByteArray datos;
    std::optional<QString> respuesta;  // No and this matchday; none: Yes
    qint32 napuestas, nboletos;
    QString jornada, pleno;  // of ticket 1
    int enElUltimo;          // columns of the last ticket
  } casos[] = {
      // Header 000000 / 000003: 24 bets; ticket 3 is half a record and blank.
      {"AD243", archivoAD243(2, 0, 3) + QByteArray(60, '1'), {}, 24, 3, "07", plenoDe(1), 0},
      {"Qp07.TXT", archivoTexto(17), "7", 17, 3, "07", plenoDe(1), 1},
      {"Qp08.TXT", archivoTexto(17, "\n"), "08", 17, 3, "08", plenoDe(1), 1},  // LF line ends
      {"Qp09.TXT", apuesta(1).toLatin1() + "\r\n", "9", 1, 1, "09", "11", 1},  // no Pleno al 15
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.archivo);
    carpeta.write(c.archivo, c.datos);
    dialogos.forget();
    auto w = abre(c.respuesta);
    ASSERT_EQ(dialogos.shown().size(), c.respuesta ? 3 : 2) << "no error box";
    const auto& p = dialogos.shown()[1];
    EXPECT_EQ(
        std::tuple(p.text, p.title, p.buttons, dialogos.last().text),
        std::tuple(u"Que archvo desea abrir:\n\n      AD243 (Si)    ó      (No)"_s, u"Elegir archivo!"_s,
                   MessageButtons::YesNoCancel,
                   c.respuesta ? u"Introduzca Nº de Jornada!\n Ej: 02,12, Ej: 02,  12  23 ..."_s : p.text));
    EXPECT_EQ(std::tuple(w->rutaArchivo, w->tipoFile, w->napuestas, w->nboletos),
              std::tuple(carpeta.file(c.archivo), c.respuesta ? 2 : 1, c.napuestas, c.nboletos));
    EXPECT_EQ(QStringList(
                  {w->Text2->text(), w->Text4->text(), w->Label15->text(), w->Text1[0]->text().remove('\n')}),
              QStringList({u"%1   Boleto nº1"_s.arg(c.nboletos), c.jornada,
                           c.pleno.left(1) + " " + c.pleno.mid(1), c.napuestas ? apuesta(1) : ""}));
    w->Command6->click();  // the last ticket: its columns past the file's end are blank
    EXPECT_EQ(std::pair(w->Text1[c.enElUltimo]->text(), w->Text1[0]->text().remove('\n')),
              std::pair(QString(), c.enElUltimo ? apuesta(8 * c.nboletos - 7) : ""));
  }
}

TEST_F(VentanaQp, AMatchdayBelowOneIsAskedForWithThePanelsOpen) {
  carpeta.write("AD243", archivoAD243(1).replace(6, 2, "00"));
  auto w = abre();
  EXPECT_EQ(std::tuple(dialogos.last().text, w->Text4->text(), w->Frame1->isHidden()),
            std::tuple(u"Debe introducir la Jornada!!"_s, u"JJ"_s, false));
}
