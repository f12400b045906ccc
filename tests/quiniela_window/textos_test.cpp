// The window's own texts, exactly as the user reads them: title, menus,
// instructions, boxes, hover texts, the panel's clicks and the error formats.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenuBar>
#include <QMouseEvent>

#include "app/canvas/fitted_text.h"
#include "quiniela/textos_boletoqp.h"
#include "tests/quiniela_window/ventana_qp.h"

namespace {

// Credit, contact and advertising lines are the program's own wording.
namespace t = textosqp;

class TextosQp : public VentanaQp {
 protected:
  void SetUp() override { carpeta.write("AD243", archivoAD243(2)); }
  static void raton(QWidget* control, QEvent::Type tipo) {
    const QPointF centro(control->width() / 2.0, control->height() / 2.0);
    const Qt::MouseButton boton = tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons pulsados = tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent evento(tipo, centro, control->mapToGlobal(centro), boton, pulsados, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &evento);
  }
};

TEST_F(TextosQp, TitleMenusInstructionsAndTheTwoInformationBoxes) {
  auto w = abre();
  EXPECT_EQ(w->windowTitle(), t::lineaCredito + "  IMPRIME BOLETOS: QUINIELAS..   AD243,  *.TXT .....");
  QStringList menus;
  for (QAction* a : w->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, QStringList({"&Abrir archivo", "&Configurar", "&Imprime Boletos", "&Repite Tiqueron ",
                                "&Problemas Impr", "A&yuda", "&Hoja de prueba",
                                "Co&mprobar apuestas"}));
  EXPECT_EQ(w->Label14->text(),
            "\n\n      IMPRESIÓN DE BOLETOS QUINIELÍSTICOS\n"
            "    COLOQUE EL BOLETO EN LA IMPRESORA DE CABEZA \n"
            "    CON LOS EQUIPOS AL PRINCIPIO.\n"
            "    LA 1ª APUESTA A IMPRIMIR ES LA NÚMERO UNO.\n" +
                t::lineaContacto + "\n    " + t::lineaCredito + "               Inicio: -30, 2085");
  const ShownBox& presentacion = dialogos.shown().at(0);
  EXPECT_EQ(std::tuple(presentacion.text, presentacion.title, presentacion.icon),
            std::tuple("   IMPRIME BOLETOS SENCILLOS DE QUINIELAS DE FUTBOL DE ESPAÑA\n \n"
                       "   Imprime boletos quinielísticos, contenidos en el archivo <<AD243>>, \n"
                       " informatizado por la O.N.L.A.E., o bien archivos de texto (*.TXT) que\n"
                       " contenga el desarrollo quinielístico.\n" +
                           t::textoPublicidad + "\n" + t::lineaContacto + "\n",
                       t::lineaCredito + "    Impresión de QUINIELAS!!!", MessageIcon::Exclamation));
  w->mnuP_Click();
  EXPECT_EQ(std::tuple(dialogos.last().title, dialogos.last().icon),
            std::tuple(t::lineaCredito, MessageIcon::Information));
  EXPECT_TRUE(
      dialogos.last().text.startsWith("       Si la impresora detecta códigos y pasa del boleto\n"
                                      " Se debe tapar el comienzo de la linea de separación de la banda \n"));
  EXPECT_TRUE(
      dialogos.last().text.endsWith("  El papel del boleto es de 104 x 150 mm o aproximado.\n\n"
                                    " Si la impresora imprime los boletos en medio del papel,\n"
                                    " poner margen Izquierdo a 3100."));
  EXPECT_EQ(dialogos.last().text.count('\n'), 14);
  EXPECT_EQ(
      QStringList({w->Frame2->title(), w->Label16->text(), w->Text5->text(), w->Label1->text()}),
      QStringList({"                          Configuración  valores de impresora :",
                   "    Desplazar Rejilla:         Restaurar", "   25", "     1  2  3   4  5   6  7   8"}));
}

TEST_F(TextosQp, EveryHoverTextReachesTheHelpLine) {
  auto w = abre();
  const QString casilla =
      " Al marcar el campo, este se borra, y cambia al nuevo valor. \n"
      "  Tenga en cuenta los valores por defecto entre parentesis.\n"
      " Al pulsar ENTER se guarda y cierra la ventana.";
  const QString columnas =
      " Al pulsar sobre una columna del bloque actual (a la vista), marca las columnas del "
      "mismo a imprimir.\n  Después se imprimen con menu <<Repite Tiqueron>> ó -Repetir "
      "Tiqueron-.\n  Esto permite imprimir de forma parcial el boleto.";
  const std::tuple<QWidget*, QEvent::Type, QString> casos[] = {
      {w->Command1, QEvent::MouseMove,
       "  Permite imprimir el boleto SIGUIENTE, NO IMPRIMA LAS COLUMNAS DE SIGNOS SEGUIDOS DE 1,X ó 2, que "
       "separan bloques."},
      {w->Command8, QEvent::MouseMove,
       "  Permite imprimir el boleto actual, NO IMPRIMA LAS COLUMNAS DE SIGNOS SEGUIDOS DE 1,X ó 2."},
      {w->Command3, QEvent::MouseButtonRelease,
       "  Estas teclas permiten desplazarse por el desarrollo sin imprimir"},
      {w->Command4, QEvent::MouseButtonPress, "  Esta tecla desplaza Un boleto a la izquierda"},
      {w->Command7, QEvent::MouseMove, " Estas teclas permiten imprimir el boleto siguiente"},
      {w->Command11, QEvent::MouseMove, "  Al hacer CliCK, permite desplazar la rejilla hacia la DCHA"},
      {w->Command9, QEvent::MouseMove, "  Al hacer CliCK, permite desplazar la rejilla hacia la IZQUIERDA"},
      {w->Command2, QEvent::MouseMove, "  Al hacer CliCK, permite desplazar la rejilla hacia ABAJO"},
      {w->Command10, QEvent::MouseMove, "  Al hacer CliCK, permite desplazar la rejilla hacia ARRIBA"},
      {w->Frame3, QEvent::MouseMove,
       "  Al pulsar en esta cruz de direcciones, se mueve el boleto hacia el lugar indicado\n"
       "  Igualmente en el centro se puede introducir el salto de cada movimiento."},
      {w->Label16, QEvent::MouseMove, "  Al Hacer CLICK, Permite obtener la rejilla inicial."},
      {w->Text5, QEvent::MouseMove, " Permite borrar e introducir nuevo desplazamiento  10 25 40 50 .. "},
      {w->Frame2, QEvent::MouseMove,
       " Permite configurar la posición de la impresión, modificando los diferentes valores que se indican"},
      {w->Command5, QEvent::MouseMove, " Guarda los valores y cierra la ventana"},
      {w->Text3[1], QEvent::MouseMove, casilla},
      {w->Text3[4], QEvent::MouseMove, casilla},
      {w->Text3[8], QEvent::MouseMove, casilla},
      {w->Text1[0], QEvent::MouseMove, columnas},
      {w->Text1[7], QEvent::MouseMove, columnas},
      {w->Text4, QEvent::MouseMove,
       " Al pulsar sobre esta casilla se borra, permitiendo introducir la nueva jornada."},
      {w->client(), QEvent::MouseMove, t::textoPublicidad + "\n" + t::lineaContacto},
      {w->Text3[0], QEvent::MouseMove, "sin texto propio"}};
  for (const auto& [control, suceso, texto] : casos) {
    w->Label13->setText("sin texto propio");
    raton(control, suceso);
    EXPECT_EQ(w->Label13->text(), texto) << control->metaObject()->className() << " " << int(suceso);
  }
}

TEST_F(TextosQp, PanelClicksCycleToggleAndClear) {
  auto w = abre();
  EXPECT_TRUE(w->Frame2->isHidden());
  w->mnuConfigura_Click();
  EXPECT_FALSE(w->Frame2->isHidden());
  EXPECT_EQ(QStringList({w->Text3[4]->text(), w->Text3[5]->text(), w->Text3[6]->text(), w->Text3[7]->text(),
                         w->Text3[8]->text()}),
            QStringList({"Verdadero", "x", "9", "2085", "-30"}));
  QStringList ciclo;
  w->Text3[0]->setText("6");
  for (int i = 0; i < 4; ++i) {
    w->Text3_Click(0);
    ciclo << w->Text3[0]->text() + "=" + QString::number(w->apuestasBoleto);
  }
  EXPECT_EQ(ciclo, QStringList({"7=7", "8=8", "2=2", "3=3"}));
  QStringList negrita;
  for (int i = 0; i < 3; ++i) {
    w->Text3_Click(4);
    negrita << w->Text3[4]->text() + (w->negrita ? "+" : "-") + (w->Text3[4]->font().bold() ? "b" : "");
  }
  EXPECT_EQ(negrita, QStringList({"Falso-", "Verdadero+b", "Falso-"}));
  for (int caja : {1, 5, 6, 7, 8}) {
    w->Text3_Click(caja);
    EXPECT_EQ(w->Text3[caja]->text(), "") << caja;
  }
  w->mnuConfigura_Click();
  EXPECT_TRUE(w->Frame2->isHidden());
  w->Text4_Click();
  EXPECT_EQ(w->Text4->text(), "  ");
  // The status box keeps a long count readable whole.
  setFittedText(w->Text2, "597872   Boleto nº1");
  EXPECT_LE(QFontMetricsF(w->Text2->font()).horizontalAdvance(w->Text2->text()), w->Text2->width() - 8);
  EXPECT_EQ(w->Text2->cursorPosition(), 0);
}

TEST_F(TextosQp, ErrorBoxesAtStartInCerrarAndForAMissingFile) {
  // A configqp.cfg with too few fields: the description right after its number.
  carpeta.write("configqp.cfg", "\"-30\",\"True 09\"\r\n");
  auto w = abre();
  EXPECT_EQ(dialogos.shown().at(1).text, errorDescription(ErrorNumber::InputPastEnd) + "62");
  // Cerrar that cannot write the file: " Nº  " between them.
  carpeta.remove("configqp.cfg");
  QDir().mkdir(carpeta.file("configqp.cfg"));
  w->Command5->click();
  EXPECT_TRUE(dialogos.last().text.endsWith(" Nº  75") || dialogos.last().text.endsWith(" Nº  70"))
      << dialogos.last().text.toStdString();
  QDir().rmdir(carpeta.file("configqp.cfg"));
  // A missing AD243: the description alone.
  carpeta.remove("AD243");
  dialogos.answer(MessageResult::Yes);
  w->mnuAbrir_Click();
  EXPECT_EQ(std::tuple(dialogos.last().text, dialogos.last().title, dialogos.last().buttons),
            std::tuple(errorDescription(ErrorNumber::FileNotFound), kDefaultTitle, MessageButtons::Ok));
}

}  // namespace
