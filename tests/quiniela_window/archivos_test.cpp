// Choosing and opening the bet file, counting, and browsing the tickets.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/grid/grid.h"
#include "app/platform/runtime_error.h"
#include "quiniela/nombre_jornada.h"
#include "tests/quiniela_window/ventana_qp.h"

namespace {

// Marks of column b (0-7) of the window's ticket as the 14 signs they stand for.
QString signosMarcados(const boletoqp& w, int b) {
  QString signos;
  for (int partido = 1; partido <= 14; ++partido) {
    QString signo = QStringLiteral(" ");
    for (int fila = 0; fila < 3; ++fila)
      if (!w.tabla[b]->textMatrix(fila, 14 - partido).isEmpty()) signo = QStringLiteral("1X2").at(fila);
    signos += signo;
  }
  return signos;
}

TEST_F(VentanaQp, AD243OpensOnYesAndShowsTicketOne) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(3, QStringLiteral("23")));
  auto w = abreAD243();
  ASSERT_GE(dialogos.shown().size(), 2);
  const ShownBox& pregunta = dialogos.shown()[1];
  EXPECT_EQ(pregunta.text, QStringLiteral("Que archvo desea abrir:\n\n      AD243 (Si)    ó      (No)"));
  EXPECT_EQ(pregunta.title, QStringLiteral("Elegir archivo!"));
  EXPECT_EQ(pregunta.buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(dialogos.shown().size(), 2);

  EXPECT_EQ(w->tipoFile, 1);
  EXPECT_EQ(w->nombreArchivo, QStringLiteral("AD243"));
  EXPECT_EQ(w->rutaArchivo, carpeta.file(QStringLiteral("AD243")));
  EXPECT_EQ(w->napuestas, 24);
  EXPECT_EQ(w->nboletos, 3);
  EXPECT_EQ(w->boletoActual, 1);
  EXPECT_EQ(w->Text2->text(), QStringLiteral("3   Boleto nº1"));
  EXPECT_EQ(w->Text4->text(), QStringLiteral("23"));
  EXPECT_FALSE(w->Frame4->isHidden());
  for (int b = 0; b < 8; ++b) {
    EXPECT_EQ(signosMarcados(*w, b), apuesta(b + 1)) << "columna " << b;
    EXPECT_EQ(w->Text1[b]->text().remove(QLatin1Char('\n')), apuesta(b + 1));
  }
  const QString pleno = plenoDe(1);
  EXPECT_EQ(w->Label15->text(), QString(pleno.at(0)) + QStringLiteral(" ") + pleno.at(1));
  EXPECT_EQ(w->tablaq[0]->textMatrix(QStringLiteral("012M").indexOf(pleno.at(0)), 0), QStringLiteral("x"));
  EXPECT_EQ(w->tablaq[1]->textMatrix(QStringLiteral("012M").indexOf(pleno.at(1)), 0), QStringLiteral("x"));
}

TEST_F(VentanaQp, TextFileOpensOnNoAndMatchday) {
  carpeta.write(QStringLiteral("Qp07.TXT"), archivoTexto(17));
  auto w = abreTexto(QStringLiteral("7"));
  const ShownBox& jornada = dialogos.shown()[2];
  EXPECT_TRUE(jornada.isInput);
  EXPECT_EQ(jornada.text, QStringLiteral("Introduzca Nº de Jornada!\n Ej: 02,12, Ej: 02,  12  23 ..."));
  EXPECT_EQ(dialogos.shown().size(), 3);
  EXPECT_EQ(w->tipoFile, 2);
  EXPECT_EQ(w->nombreArchivo, QStringLiteral("Qp07.TXT"));
  EXPECT_EQ(w->rutaArchivo, carpeta.file(QStringLiteral("Qp07.TXT")));
  EXPECT_EQ(w->napuestas, 17);
  EXPECT_EQ(w->nboletos, 3);
  EXPECT_EQ(w->Text4->text(), QStringLiteral("07"));

  // The last ticket holds one bet and seven blank columns.
  w->boletoActual = 2;
  w->Command3->click();
  EXPECT_EQ(w->boletoActual, 3);
  EXPECT_EQ(signosMarcados(*w, 0), apuesta(17));
  for (int b = 1; b < 8; ++b) {
    EXPECT_EQ(signosMarcados(*w, b), QString(14, QLatin1Char(' '))) << "columna " << b;
    EXPECT_TRUE(w->Text1[b]->text().isEmpty());
  }
}

TEST_F(VentanaQp, LinuxLineEndsReadLikeWindowsOnes) {
  carpeta.write(QStringLiteral("Qp08.TXT"), archivoTexto(17, "\n"));
  auto w = abreTexto(QStringLiteral("08"));
  EXPECT_EQ(w->napuestas, 17);
  EXPECT_EQ(w->nboletos, 3);
  for (int b = 0; b < 8; ++b) EXPECT_EQ(signosMarcados(*w, b), apuesta(b + 1));
  EXPECT_EQ(w->Label15->text(), QString(plenoDe(1).at(0)) + QStringLiteral(" ") + plenoDe(1).at(1));
}

TEST_F(VentanaQp, AD243CountsFromLengthThenFromHeader) {
  const struct {
    const char* caso;
    QByteArray datos;
    bool muestraBoleto;
    qint32 napuestas, nboletos;
  } casos[] = {
      {"125 bytes: no complete ticket", archivoAD243(0) + "1", false, 0, 0},
      {"247 bytes: no complete ticket", archivoAD243(0) + QByteArray(123, '1'), false, 0, 0},
      // Opened by its length, then counted by its header.
      {"header promising more", archivoAD243(2, "07", 40, 5), true, 40, 5},
      {"header of no bets and three tickets", archivoAD243(2, "07", 0, 3), true, 24, 3},
      {"header of nothing", archivoAD243(2, "07", 0, 0), true, 0, 0},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caso);
    carpeta.write(QStringLiteral("AD243"), c.datos);
    dialogos.forget();
    auto w = abreAD243();
    EXPECT_EQ(w->Frame4->isHidden(), !c.muestraBoleto);
    EXPECT_EQ(w->napuestas, c.napuestas);
    EXPECT_EQ(w->nboletos, c.nboletos);
    EXPECT_EQ(w->Text2->text().isEmpty(), !c.muestraBoleto);
    EXPECT_EQ(dialogos.shown().size(), 2) << "no error box";
  }
}

TEST_F(VentanaQp, TicketBeyondTheRecordsIsBlank) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(2, "07", 40, 5));
  auto w = abreAD243();
  w->Command6->click();  // to the header's last ticket, 5
  EXPECT_EQ(w->boletoActual, 5);
  EXPECT_EQ(w->Text2->text(), QStringLiteral("5   Boleto nº5"));
  for (int b = 0; b < 8; ++b) EXPECT_EQ(signosMarcados(*w, b), QString(14, QLatin1Char(' ')));
  for (int q = 0; q < 2; ++q)
    for (int fila = 0; fila < 4; ++fila) EXPECT_TRUE(w->tablaq[q]->textMatrix(fila, 0).isEmpty());
  EXPECT_EQ(dialogos.shown().size(), 2) << "no error box";
}

TEST_F(VentanaQp, MatchdayNamingAFolderOpensNothing) {
  carpeta.write(QStringLiteral("Qp07.TXT"), archivoTexto(8));
  for (const QString& respuesta : {QStringLiteral("../07"), QStringLiteral("a/b"), QStringLiteral("..")}) {
    SCOPED_TRACE(respuesta.toStdString());
    dialogos.forget();
    auto w = abreTexto(respuesta);
    ASSERT_EQ(dialogos.shown().size(), 4);
    EXPECT_EQ(dialogos.last().text, textoJornadaConRuta);
    EXPECT_EQ(dialogos.last().buttons, MessageButtons::Ok);
    EXPECT_EQ(w->nombreArchivo, QStringLiteral("Preuba"));
    EXPECT_TRUE(w->rutaArchivo.isEmpty());
    EXPECT_EQ(w->napuestas, 0);
    EXPECT_TRUE(w->Frame4->isHidden());
  }
}

TEST_F(VentanaQp, EmptyMatchdayFailsAndTheNextOpeningTakesAD243) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreTexto(QString());
  ASSERT_EQ(dialogos.shown().size(), 4);
  EXPECT_FALSE(dialogos.last().isInput);
  EXPECT_EQ(dialogos.last().buttons, MessageButtons::Ok);
  EXPECT_TRUE(w->nombreArchivo.isEmpty());
  EXPECT_EQ(w->rutaArchivo, rutaPrograma);
  EXPECT_TRUE(w->Frame4->isHidden());

  dialogos.forget();
  w->mnuAbrir_Click();
  EXPECT_TRUE(dialogos.shown().isEmpty()) << "no question";
  EXPECT_EQ(w->nombreArchivo, QStringLiteral("AD243"));
  EXPECT_EQ(w->nboletos, 1);
  EXPECT_EQ(w->Text2->text(), QStringLiteral("1   Boleto nº1"));
}

TEST_F(VentanaQp, MissingFileReportsAndCancelKeepsTheTicket) {
  carpeta.write(QStringLiteral("Qp07.TXT"), archivoTexto(16));
  auto w = abreTexto(QStringLiteral("07"));
  dialogos.forget();
  dialogos.answer(MessageResult::Cancel);
  w->mnuAbrir_Click();
  EXPECT_EQ(w->nombreArchivo, QStringLiteral("Qp07.TXT"));
  EXPECT_EQ(dialogos.shown().size(), 1);

  dialogos.answer(MessageResult::Yes);
  w->mnuAbrir_Click();
  ASSERT_EQ(dialogos.shown().size(), 3);
  EXPECT_EQ(dialogos.last().text, errorDescription(ErrorNumber::FileNotFound));
  EXPECT_EQ(w->nombreArchivo, QStringLiteral("AD243"));
  EXPECT_EQ(w->Text2->text(), QStringLiteral("2   Boleto nº1")) << "the previous ticket stays";
}

TEST_F(VentanaQp, NavigationKeepsWithinTheFile) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(20));
  auto w = abreAD243();
  const struct {
    QPushButton* boletoqp::*boton;
    qint32 desde, hasta;
  } casos[] = {
      {&boletoqp::Command6, 5, 20},  {&boletoqp::Command6, 20, 20}, {&boletoqp::Command7, 20, 1},
      {&boletoqp::Command7, 19, 1},  {&boletoqp::Command4, 1, 1},   {&boletoqp::Command4, 7, 6},
      {&boletoqp::Command3, 20, 20}, {&boletoqp::Command3, 7, 8},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(
        (((*w).*c.boton)->text() + QStringLiteral(" desde ") + QString::number(c.desde)).toStdString());
    w->boletoActual = c.desde;
    w->Text2->clear();
    ((*w).*c.boton)->click();
    EXPECT_EQ(w->boletoActual, c.hasta);
    EXPECT_EQ(w->Text2->text(), QStringLiteral("20   Boleto nº") + QString::number(c.hasta)) << "redrawn";
  }
  EXPECT_TRUE(impresora.documents().isEmpty());
}

}  // namespace
