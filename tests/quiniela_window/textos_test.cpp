// The window's own texts, exactly as the user reads them: title, menus,
// instructions, boxes, hover texts, the panel's clicks and the error formats.
#include <QCoreApplication>
#include <QDir>
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
};

TEST_F(TextosQp, EveryTextOfTheWindow) {
  auto w = abre();
  const ShownBox presentacion = dialogos.shown().at(0);
  w->mnuP_Click();
  const ShownBox problemas = dialogos.last();
  QStringList menus;
  for (QAction* a : w->menuBar()->actions()) menus << a->text();
  // The help line after the mouse moves over, presses or releases a control.
  const auto raton = [&](QWidget* control, QEvent::Type tipo = QEvent::MouseMove) {
    w->Label13->setText(u"sin texto propio"_s);
    const QPointF centro(control->width() / 2.0, control->height() / 2.0);
    const Qt::MouseButton boton = tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(tipo, centro, control->mapToGlobal(centro), boton,
                  tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
    QCoreApplication::sendEvent(control, &e);
    return w->Label13->text();
  };
  const QString casilla =
      " Al marcar el campo, este se borra, y cambia al nuevo valor. \n"
      "  Tenga en cuenta los valores por defecto entre parentesis.\n"
      " Al pulsar ENTER se guarda y cierra la ventana.";
  const QString columnas =
      " Al pulsar sobre una columna del bloque actual (a la vista), marca las columnas del mismo a "
      "imprimir.\n"
      "  Después se imprimen con menu <<Repite Tiqueron>> ó -Repetir Tiqueron-.\n"
      "  Esto permite imprimir de forma parcial el boleto.";
  const QString inicio =
      "       Si la impresora detecta códigos y pasa del boleto\n"
      " Se debe tapar el comienzo de la linea de separación de la banda \n";
  const QString fin =
      "  El papel del boleto es de 104 x 150 mm o aproximado.\n\n"
      " Si la impresora imprime los boletos en medio del papel,\n poner margen Izquierdo a 3100.";
  const std::pair<QString, QString> textos[] = {
      {w->windowTitle(), t::lineaCredito + "  IMPRIME BOLETOS: QUINIELAS..   AD243,  *.TXT ....."},
      {menus.join('|'),
       "&Abrir archivo|&Configurar|&Imprime Boletos|&Repite Tiqueron |&Problemas Impr|A&yuda|&Hoja de prueba|"
       "Co&mprobar apuestas"},
      {w->Label14->text(),
       "\n\n      IMPRESIÓN DE BOLETOS QUINIELÍSTICOS\n"
       "    COLOQUE EL BOLETO EN LA IMPRESORA DE CABEZA \n"
       "    CON LOS EQUIPOS AL PRINCIPIO.\n"
       "    LA 1ª APUESTA A IMPRIMIR ES LA NÚMERO UNO.\n" +
           t::lineaContacto + "\n    " + t::lineaCredito + "               Inicio: -30, 2085"},
      {presentacion.text,
       "   IMPRIME BOLETOS SENCILLOS DE QUINIELAS DE FUTBOL DE ESPAÑA\n \n"
       "   Imprime boletos quinielísticos, contenidos en el archivo <<AD243>>, \n"
       " informatizado por la O.N.L.A.E., o bien archivos de texto (*.TXT) que\n"
       " contenga el desarrollo quinielístico.\n" +
           t::textoPublicidad + "\n" + t::lineaContacto + "\n"},
      {presentacion.title, t::lineaCredito + "    Impresión de QUINIELAS!!!"},
      {QString::number(int(presentacion.icon)) + QString::number(int(problemas.icon)), "23"},
      {problemas.title, t::lineaCredito},
      {problemas.text.left(inicio.size()), inicio},
      {problemas.text.right(fin.size()), fin},
      {QString::number(problemas.text.count('\n')), "14"},
      {w->Frame2->title(), "                          Configuración  valores de impresora :"},
      {w->Label16->text(), "    Desplazar Rejilla:         Restaurar"},
      {w->Text5->text(), "   25"},
      {w->Label1->text(), "     1  2  3   4  5   6  7   8"},
      {raton(w->Command1),
       "  Permite imprimir el boleto SIGUIENTE, NO IMPRIMA LAS COLUMNAS DE SIGNOS SEGUIDOS DE 1,X ó 2, "
       "que separan bloques."},
      {raton(w->Command8),
       "  Permite imprimir el boleto actual, NO IMPRIMA LAS COLUMNAS DE SIGNOS SEGUIDOS DE 1,X ó 2."},
      {raton(w->Command3, QEvent::MouseButtonRelease),
       "  Estas teclas permiten desplazarse por el desarrollo sin imprimir"},
      {raton(w->Command4, QEvent::MouseButtonPress), "  Esta tecla desplaza Un boleto a la izquierda"},
      {raton(w->Command7), " Estas teclas permiten imprimir el boleto siguiente"},
      {raton(w->Command11), "  Al hacer CliCK, permite desplazar la rejilla hacia la DCHA"},
      {raton(w->Command9), "  Al hacer CliCK, permite desplazar la rejilla hacia la IZQUIERDA"},
      {raton(w->Command2), "  Al hacer CliCK, permite desplazar la rejilla hacia ABAJO"},
      {raton(w->Command10), "  Al hacer CliCK, permite desplazar la rejilla hacia ARRIBA"},
      {raton(w->Frame3),
       "  Al pulsar en esta cruz de direcciones, se mueve el boleto hacia el lugar indicado\n"
       "  Igualmente en el centro se puede introducir el salto de cada movimiento."},
      {raton(w->Label16), "  Al Hacer CLICK, Permite obtener la rejilla inicial."},
      {raton(w->Text5), " Permite borrar e introducir nuevo desplazamiento  10 25 40 50 .. "},
      {raton(w->Frame2),
       " Permite configurar la posición de la impresión, modificando los diferentes valores que se indican"},
      {raton(w->Command5), " Guarda los valores y cierra la ventana"},
      {raton(w->Text3[1]), casilla},
      {raton(w->Text3[4]), casilla},
      {raton(w->Text3[8]), casilla},
      {raton(w->Text1[0]), columnas},
      {raton(w->Text1[7]), columnas},
      {raton(w->Text4), " Al pulsar sobre esta casilla se borra, permitiendo introducir la nueva jornada."},
      {raton(w->client()), t::textoPublicidad + "\n" + t::lineaContacto},
      {raton(w->Text3[0]), "sin texto propio"}};
  for (const auto& [texto, esperado] : textos) EXPECT_EQ(texto, esperado);
}

TEST_F(TextosQp, PanelClicksCycleToggleAndClear) {
  auto w = abre();
  EXPECT_TRUE(w->Frame2->isHidden());
  w->mnuConfigura_Click();
  EXPECT_FALSE(w->Frame2->isHidden());
  QStringList clics;
  for (int i : {4, 5, 6, 7, 8}) clics << w->Text3[i]->text();
  w->Text3[0]->setText("6");
  for (int i = 0; i < 4; ++i) {
    w->Text3_Click(0);
    clics << w->Text3[0]->text() + "=" + QString::number(w->apuestasBoleto);
  }
  for (int i = 0; i < 3; ++i) {
    w->Text3_Click(4);
    clics << w->Text3[4]->text() + (w->negrita ? "+" : "-") + (w->Text3[4]->font().bold() ? "b" : "");
  }
  for (int caja : {1, 5, 6, 7, 8}) {
    w->Text3_Click(caja);
    clics << w->Text3[caja]->text();
  }
  w->Text4_Click();
  clics << w->Text4->text();
  EXPECT_EQ(clics, QStringList({"Verdadero", "x", "9", "2085", "-30", "7=7", "8=8", "2=2", "3=3", "Falso-",
                                "Verdadero+b", "Falso-", "", "", "", "", "", "  "}));
  w->mnuConfigura_Click();
  EXPECT_TRUE(w->Frame2->isHidden());
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
