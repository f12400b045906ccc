// The lotto window's own texts, exactly as the user reads them: title, menus,
// captions, hover texts of the help line, message boxes, the printer
// information and "Fin Impr".
#include <QCoreApplication>
#include <QMenuBar>
#include <QMouseEvent>

#include "tests/loto_window/ventana_lo.h"

namespace {

const QString kInicio = u"*** BOLETOS DE LOTTOS, BONOLOTO:49/6, Euromillones 5/5, GORDO 54/5 "_s;
const QString kTablas = u"*** IMPRIME BOLETOS DE LOTO,49/6, 50/5, 54/5"_s;

class TextosLo : public VentanaLo {
 protected:
  static void mueve(QWidget* control) {
    const QPointF centro(control->width() / 2.0, control->height() / 2.0);
    QMouseEvent evento(QEvent::MouseMove, centro, control->mapToGlobal(centro), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
    QCoreApplication::sendEvent(control, &evento);
  }
};

// The PDF printer with a short font list, so that the information box names
// fonts past its end.
class PocasFuentes : public PdfPrinter {
 public:
  using PdfPrinter::PdfPrinter;
  QStringList fonts() const override {
    return {"Courier New", "Arial", "Times New Roman", "Lucida Console", "Symbol", "Wingdings", "Verdana"};
  }
};

}  // namespace

TEST_F(TextosLo, TitleMenusAndCaptions) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  carpeta.write("AP000017.TXT", archivoLotoTexto('P', 17));
  carpeta.write("AG000012.TXT", archivoLotoTexto('G', 12));
  carpeta.write("AE000010.TXT", archivoLotoTexto('E', 10));
  auto w = abre();
  const QString titulo = w->windowTitle();
  ASSERT_TRUE(titulo.startsWith("TIQUERON") && titulo.endsWith(kInicio)) << titulo.toStdString();
  const QString banner = titulo.chopped(kInicio.size());
  EXPECT_GT(banner.trimmed().size(), QString("TIQUERON").size()) << "the maker line";

  QStringList menus;
  for (QAction* a : w->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, QStringList({"&Configurar", "&Imprimir Bo+5", "&Repetir Bo ", "Abrir File?  ", "Info Imp ",
                                "Fin Impr", "A&yuda", "&Salir", "&Hoja de prueba",
                                "Co&mprobar apuestas"}));
  QStringList botones;
  for (QPushButton* b : {w->Command14, w->Command5, w->Command6, w->Command7, w->Command8, w->Command9,
                         w->Command11, w->Command10, w->Command12, w->Command13})
    botones << b->text();
  EXPECT_EQ(botones, QStringList({"|<<", ">>|", "<<5", "5 >>", "Anterior <", "Siguiente>",
                                  "Imprime Boleto Actual", "Imprime Siguiente", "Configurar", "Restaurar "}));
  EXPECT_EQ(QStringList({w->Label1->text(), w->Label11->text(), w->Label10->text(), w->Text4->text(),
                         w->Text2->text()}),
            QStringList({"   1    2     3   4    5   6    7    8", "Pulse OPCIÓN deseada !", "Files", "   25",
                         "Boleto Nº"}));

  // The calibration frame: its caption, the font name, and each field's label on the field's line.
  EXPECT_EQ(w->Frame2->title(), "Configurar valores de la impresora");
  EXPECT_EQ(w->Label66->text(), "Lucida Console");
  const std::pair<int, QString> rotulos[] = {{3, "Posición Bo: 0,  4840/ 4515"},
                                             {4, "Negrita (Negrita=V/ Normal=F )"},
                                             {5, "Signo a usar  (o,x, X, *, etc..)"},
                                             {6, "  (4-9) Tamaño, tipo de fuente."},
                                             {9, "Nº de Apuestas/Boleto (4 6 8)"}};
  for (const auto& [caja, rotulo] : rotulos) {
    const QRect campo = w->Text3[caja]->geometry();
    QStringList alLado;
    for (QLabel* l : w->Frame2->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
      if (l->geometry().right() < campo.left() && l->geometry().top() <= campo.center().y() &&
          l->geometry().bottom() >= campo.center().y())
        alLado << l->text();
    EXPECT_EQ(alLado, QStringList({rotulo})) << "Text3(" << caja << ")";
  }

  // Each game: the title names the open file, the header line its blocks.
  for (const auto& [nombre, cabecera] :
       {std::pair{"AB000017.TXT", "1        2        3        4        5        6        7        8"},
        {"AP000017.TXT", "1        2        3        4        5        6        7        8"},
        {"AG000012.TXT", "1         2         3         4         5            6  "},
        {"AE000010.TXT", "1             2             3             4             5  "}}) {
    elige(*w, nombre);
    EXPECT_EQ(w->windowTitle(), banner + kTablas + " ..." + nombre);
    EXPECT_EQ(w->Label3->text(), cabecera) << nombre;
  }
  // Only the last 18 characters of a longer name.
  const QString largo = "AB0123456789ABCDEFGHIJ.TXT";
  carpeta.write(largo, archivoLotoTexto('B', 3));
  w->abrir(largo);
  EXPECT_EQ(w->windowTitle(), banner + kTablas + " ...6789ABCDEFGHIJ.TXT");
}

TEST_F(TextosLo, EveryHoverTextReachesTheHelpLine) {
  auto w = abre();
  const QString columnas =
      "     Al pulsar sobre una columna del bloque actual (a la vista), marca las columnas del mismo a "
      "imprimir. \n"
      "    Después se imprimen con menu <<Repite Tiqueron>> ó -Repetir Tiqueron-.\n"
      "    Esto permite imprimir de forma parcial el boleto.";
  const QString estrellas =
      "  Debe marcarse el signo de las -ESTRELLAS-, en otro caso debe colocarlo en la Combinación\n"
      "  para que al obtener el file AE????????.TXT lo introduzca en cada serie.";
  const QString clave =
      "  Marque el signo de la -Clave- en cada col., en otro caso debe colocarlo en la Combinación\n"
      "  para que al obtener el file AG???????.TXT lo introduzca en cada serie.";
  const QString sinCambio = "sin texto propio";
  QVector<std::pair<QWidget*, QString>> casos = {
      {w->Frame2,
       " Configura los diferentes valores, de entrada estan por defecto.\n"
       " Para GUARDAR los cambios, Salir por menú: <<Configurar>>."},
      {w->Frame3,
       "           Al pulsar en esta cruz de direcciones, se mueve el boleto hacia el lugar indicado\n"
       "      Igualmente en el centro se puede introducir el salto de cada movimiento."},
      {w->Command1, "       Al hacer CliCK, permite desplazar la rejilla hacia la DERECHA"},
      {w->Command3, "      Al hacer CliCK, permite desplazar la rejilla hacia la IZQUIERDA"},
      {w->Command2, "     Al hacer CliCK, permite desplazar la rejilla hacia ARRIBA"},
      {w->Command4, "      Al hacer CliCK, permite desplazar la rejilla hacia ABAJO"},
      {w->Command12,
       "     Configura los valores de impresión de boletos \n"
       " Cuando la impresora da problemas, pulse -Fin Impresora-: Cancela los trabajos \n"
       " de impresión en la cola, termina toda la impresión y manda una nueva pagina.\n"},
      {w->Command13, "    Restaura desplazamientos, vuelve al punto inicial."},
      {w->Command11, "   Imprime Boleto Actual o lo Repite"},
      {w->Command10, "       Imprime el Boleto Siguiente.\n  Obtenido el foco, se ejecuta al pulsar -SPACE-"},
      {w->Command8, "     Visualiza el boleto Anterior."},
      {w->Command9, "      Visualiza el boleto Siguiente."},
      {w->Text3[3],
       "  Al hacer CliCK en la casilla, permite DESPLAZAR el bloque a la izquierda o al Centro, según el "
       "valor "
       "dado."},
      {w->Text3[4], "  Al hacer CliCK en la casilla, permite cambiar de Normal a NEGRITA."},
      {w->tablar,
       "  Debe marcarse el signo del -Reintegro-, en otro caso debe colocarlo en la Combinación\n"
       "  para que al obtener el file AP???????.TXT lo introduzca en cada serie."},
      // The jump buttons have no text of their own.
      {w->Command14, sinCambio},
      {w->Command7, sinCambio}};
  for (QLabel* caja : w->Text1) casos.append({caja, columnas});
  for (int i : {5, 6, 7, 8, 9}) casos.append({w->Text3[i], QString()});
  for (Grid* g : w->tbe) casos.append({g, estrellas});
  for (Grid* g : w->tbg) casos.append({g, clave});
  for (const auto& [control, texto] : casos) {
    w->Label21->setText(sinCambio);
    mueve(control);
    EXPECT_EQ(w->Label21->text(), texto) << control->metaObject()->className() << " "
                                         << control->geometry().x() << ", " << control->geometry().y();
  }
}

TEST_F(TextosLo, TheBoxesOfChoosingDeletingAndOpeningAFile) {
  const QString eleccion =
      "     Tipo de Loto= %1\n Números de apuestas= %2\n\n\n\n"
      "               Imprimir,                  No  ó                BORRAR?";
  const QString incorrecto = " Este desarrollo no corresponde\n con el tipo Impresión posible";
  using Caja = std::tuple<QString, QString, MessageButtons, MessageIcon>;
  const struct {
    const char* nombre;
    QByteArray datos;
    QVector<MessageResult> respuestas;
    QVector<Caja> cajas;
  } casos[] = {
      {"AB000017.TXT",
       archivoLotoTexto('B', 17),
       {MessageResult::No},
       {{eleccion.arg("BONOLOTO", " 17"), "TIQUERON", MessageButtons::YesNoCancel, MessageIcon::None}}},
      {"AP000009.TXT",
       archivoLotoTexto('P', 9),
       {MessageResult::No},
       {{eleccion.arg("LA PRIMITIVA", " 9"), "TIQUERON", MessageButtons::YesNoCancel, MessageIcon::None}}},
      {"AG000006.LOT",
       archivoLotoBinario('G', 6),
       {MessageResult::No},
       {{eleccion.arg("EL GORDO DE LA PRIMITIVA", " 6"), "TIQUERON", MessageButtons::YesNoCancel,
         MessageIcon::None}}},
      {"AE000005.TXT",
       archivoLotoTexto('E', 5),
       {MessageResult::No},
       {{eleccion.arg("EUROMILLONES", " 5"), "TIQUERON", MessageButtons::YesNoCancel, MessageIcon::None}}},
      {"AX000003.TXT",
       archivoLotoTexto('B', 3),
       {MessageResult::Yes},
       {{eleccion.arg(incorrecto + "\nDesarrollo incorrecto!!", " 3"), "TIQUERON",
         MessageButtons::YesNoCancel, MessageIcon::None},
        {incorrecto, "Desarrollo incorrecto!!", MessageButtons::Ok, MessageIcon::Stop}}},
      {"AB000000.TXT",
       "",
       {MessageResult::Yes},
       {{eleccion.arg("BONOLOTO", " 0"), "TIQUERON", MessageButtons::YesNoCancel, MessageIcon::None},
        {" No existen Apuestas", kDefaultTitle, MessageButtons::Ok, MessageIcon::None}}},
      {"AB000000.LOT",
       "TIQLOT",
       {MessageResult::Yes},
       {{eleccion.arg("BONOLOTO", " 0"), "TIQUERON", MessageButtons::YesNoCancel, MessageIcon::None},
        {" No Existen apuestas?", kDefaultTitle, MessageButtons::Ok, MessageIcon::None}}},
      {"AP000017.TXT",
       archivoLotoTexto('P', 17),
       {MessageResult::Cancel, MessageResult::Cancel},
       {{eleccion.arg("LA PRIMITIVA", " 17"), "TIQUERON", MessageButtons::YesNoCancel, MessageIcon::None},
        {"Seguro que desea borrar el file\nAP000017.TXT\n", "Borrar File", MessageButtons::OkCancel,
         MessageIcon::None}}}};
  for (const auto& c : casos) carpeta.write(c.nombre, c.datos);
  auto w = abre();
  for (const auto& c : casos) {
    dialogos.forget();
    for (MessageResult r : c.respuestas) dialogos.answer(r);
    w->File2->setCurrentItem(w->File2->findItems(c.nombre, Qt::MatchExactly).value(0));
    ASSERT_NE(w->File2->currentItem(), nullptr) << c.nombre;
    w->File2_Click();
    QVector<Caja> mostradas;
    for (const ShownBox& b : dialogos.shown()) mostradas.append({b.text, b.title, b.buttons, b.icon});
    EXPECT_EQ(mostradas, c.cajas) << c.nombre;
  }
}

TEST_F(TextosLo, ThePrinterInformationShowsThePrinterAndTheValuesInForce) {
  carpeta.write("AE000010.TXT", archivoLotoTexto('E', 10));
  PocasFuentes pocas(carpeta.path());
  Platform conPocas{dialogos, pocas, atributos};
  boletoLO w(conPocas, rutaPrograma);
  // Fonts 7 to 15 are past the list's end and name nothing.
  const QString impresora =
      " Impresora=PDF,   Qt PDF\n"
      " Nº Impresoras= 7 Fuente= Courier New\n"
      " Fuente Nº= 1 Arial   6 Verdana     11 \n"
      " Fuente Nº= 2 Times New Roman   7      12 \n"
      " Fuente Nº= 3 Lucida Console   8      13 \n"
      " Fuente Nº= 4 Symbol   9      14 \n"
      " Fuente Nº= 5 Wingdings   10      15 \n"
      " Autoredraw= True Nº Página=   1  Orientación=  1\n\n";
  const auto informacion = [&] {
    dialogos.forget();
    w.mnuInfo->trigger();
    EXPECT_EQ(dialogos.shown().size(), 1);
    EXPECT_EQ(std::tuple(dialogos.last().title, dialogos.last().buttons, dialogos.last().icon),
              std::tuple(u"Información Impresión"_s, MessageButtons::Ok, MessageIcon::None));
    EXPECT_TRUE(w.autoRedraw());
    return dialogos.last().text;
  };
  EXPECT_EQ(informacion(), impresora +
                               " T.Loto=  0 Nº Ap/Bo= 8 Signo= o Negrita= True\n"
                               " Tope Superior=  155 Margen Izquierdo=  1505\n");

  elige(w, "AE000010.TXT");
  ASSERT_FALSE(w.autoRedraw());
  const QString euromillones = impresora +
                               " T.Loto=  1 Nº Ap/Bo= 5 Signo= o Negrita= True\n"
                               " Tope Superior=  605 Margen Izquierdo=  1860\n";
  EXPECT_EQ(informacion(), euromillones);
  // The calibration frame's unsaved texts are not in force yet.
  w.Command12->click();
  w.Text3[4]->setText("F");
  w.Text3[5]->setText("*");
  w.Text3[7]->setText("999");
  w.Text3[9]->setText("3");
  EXPECT_EQ(informacion(), euromillones);
}

TEST_F(TextosLo, FinImprCancelsTheQueueAndSendsTheDocumentLeftOpen) {
  auto w = abre();
  dialogos.forget();
  impresora.printLine("Ayuda a medio imprimir");
  w->mnuFI->trigger();
  EXPECT_EQ(impresora.cancelRequests, 1);
  ASSERT_EQ(impresora.documents().size(), 1) << "the document is ended, not dropped";
  EXPECT_TRUE(pdfText(impresora.documents().first()).contains("Ayuda a medio imprimir"));
  EXPECT_EQ(impresora.page(), 1);
  // With nothing open, no blank sheet; a later line starts a document of its own.
  w->mnuFI->trigger();
  EXPECT_EQ(impresora.cancelRequests, 2);
  EXPECT_EQ(impresora.documents().size(), 1);
  impresora.printLine("Otra");
  impresora.endDoc();
  ASSERT_EQ(impresora.documents().size(), 2);
  EXPECT_FALSE(pdfText(impresora.documents().last()).contains("Ayuda"));
  EXPECT_TRUE(dialogos.shown().isEmpty()) << "Fin Impr shows nothing";
}
