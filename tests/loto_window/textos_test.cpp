// The lotto window's own texts, exactly as the user reads them: title, menus,
// captions, the calibration frame's labels, hover texts of the help line, the
// printer information and "Fin Impr".
#include <QCoreApplication>
#include <QMenuBar>
#include <QMouseEvent>

#include "tests/loto_window/ventana_lo.h"

namespace {

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

TEST_F(VentanaLo, EveryTextOfTheWindow) {
  carpeta.write("AE000010.TXT", archivoLotoTexto('E', 10));
  carpeta.write("AG000012.TXT", archivoLotoTexto('G', 12));
  carpeta.write("AB0123456789ABCDEFGHIJ.TXT", archivoLotoTexto('B', 3));
  auto w = abre();
  const QString inicio = u"*** BOLETOS DE LOTTOS, BONOLOTO:49/6, Euromillones 5/5, GORDO 54/5 "_s;
  const QString banner = w->windowTitle().chopped(inicio.size());
  ASSERT_TRUE(banner.startsWith("TIQUERON") && banner.trimmed().size() > 8) << "the maker line";
  const auto unidos = [](const auto& lista, auto texto) {
    QStringList textos;
    for (const auto* e : lista) textos << texto(e);
    return textos.join('|');
  };
  // The help line after the mouse passes over a control.
  const auto pasa = [&](QWidget* control) {
    w->Label21->setText(u"sin texto propio"_s);
    const QPointF centro(control->width() / 2.0, control->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, centro, control->mapToGlobal(centro), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(control, &e);
    return w->Label21->text();
  };
  // The label on the line of calibration box i, left of it.
  const auto rotulo = [&](int i) {
    const QRect campo = w->Text3[i]->geometry();
    QStringList alLado;
    for (QLabel* l : w->Frame2->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
      if (l->geometry().right() < campo.left() && l->geometry().top() <= campo.center().y() &&
          l->geometry().bottom() >= campo.center().y())
        alLado << l->text();
    return alLado.join('|');
  };
  // A name too long for the list is opened as the list would open it.
  const auto titulo = [&](const QString& archivo) {
    archivo.size() > 12 ? w->abrir(archivo) : elige(*w, archivo);
    return w->windowTitle().mid(banner.size()) + u'|' + w->Label3->text();
  };
  const QString columnas =
      "     Al pulsar sobre una columna del bloque actual (a la vista), marca las columnas del mismo a "
      "imprimir. \n"
      "    Después se imprimen con menu <<Repite Tiqueron>> ó -Repetir Tiqueron-.\n"
      "    Esto permite imprimir de forma parcial el boleto.";
  const std::pair<QString, QString> textos[] = {
      {w->windowTitle().right(inicio.size()), inicio},
      {unidos(w->menuBar()->actions(), [](const QAction* a) { return a->text(); }),
       "&Configurar|&Imprimir Bo+5|&Repetir Bo |Abrir File?  |Info Imp |Fin Impr|A&yuda|&Salir|&Hoja de "
       "prueba|"
       "Co&mprobar apuestas"},
      {unidos(QList{w->Command14, w->Command5, w->Command6, w->Command7, w->Command8, w->Command9,
                    w->Command11, w->Command10, w->Command12, w->Command13},
              [](const QPushButton* b) { return b->text(); }),
       "|<<|>>||<<5|5 >>|Anterior <|Siguiente>|Imprime Boleto Actual|Imprime "
       "Siguiente|Configurar|Restaurar "},
      {w->Label1->text(), "   1    2     3   4    5   6    7    8"},
      {w->Label11->text(), "Pulse OPCIÓN deseada !"},
      {w->Label10->text(), "Files"},
      {w->Text4->text(), "   25"},
      {w->Text2->text(), "Boleto Nº"},
      {w->Frame2->title(), "Configurar valores de la impresora"},
      {w->Label66->text(), "Lucida Console"},
      {rotulo(3), "Posición Bo: 0,  4840/ 4515"},
      {rotulo(4), "Negrita (Negrita=V/ Normal=F )"},
      {rotulo(5), "Signo a usar  (o,x, X, *, etc..)"},
      {rotulo(6), "  (4-9) Tamaño, tipo de fuente."},
      {rotulo(9), "Nº de Apuestas/Boleto (4 6 8)"},
      {pasa(w->Frame2),
       " Configura los diferentes valores, de entrada estan por defecto.\n"
       " Para GUARDAR los cambios, Salir por menú: <<Configurar>>."},
      {pasa(w->Frame3),
       "           Al pulsar en esta cruz de direcciones, se mueve el boleto hacia el lugar indicado\n"
       "      Igualmente en el centro se puede introducir el salto de cada movimiento."},
      {pasa(w->Command1), "       Al hacer CliCK, permite desplazar la rejilla hacia la DERECHA"},
      {pasa(w->Command3), "      Al hacer CliCK, permite desplazar la rejilla hacia la IZQUIERDA"},
      {pasa(w->Command2), "     Al hacer CliCK, permite desplazar la rejilla hacia ARRIBA"},
      {pasa(w->Command4), "      Al hacer CliCK, permite desplazar la rejilla hacia ABAJO"},
      {pasa(w->Command12),
       "     Configura los valores de impresión de boletos \n"
       " Cuando la impresora da problemas, pulse -Fin Impresora-: Cancela los trabajos \n"
       " de impresión en la cola, termina toda la impresión y manda una nueva pagina.\n"},
      {pasa(w->Command13), "    Restaura desplazamientos, vuelve al punto inicial."},
      {pasa(w->Command11), "   Imprime Boleto Actual o lo Repite"},
      {pasa(w->Command10),
       "       Imprime el Boleto Siguiente.\n  Obtenido el foco, se ejecuta al pulsar -SPACE-"},
      {pasa(w->Command8), "     Visualiza el boleto Anterior."},
      {pasa(w->Command9), "      Visualiza el boleto Siguiente."},
      {pasa(w->Text3[3]),
       "  Al hacer CliCK en la casilla, permite DESPLAZAR el bloque a la izquierda o al Centro, según el "
       "valor "
       "dado."},
      {pasa(w->Text3[4]), "  Al hacer CliCK en la casilla, permite cambiar de Normal a NEGRITA."},
      {pasa(w->tablar),
       "  Debe marcarse el signo del -Reintegro-, en otro caso debe colocarlo en la Combinación\n"
       "  para que al obtener el file AP???????.TXT lo introduzca en cada serie."},
      {pasa(w->tbe[4]),
       "  Debe marcarse el signo de las -ESTRELLAS-, en otro caso debe colocarlo en la Combinación\n"
       "  para que al obtener el file AE????????.TXT lo introduzca en cada serie."},
      {pasa(w->tbg[0]),
       "  Marque el signo de la -Clave- en cada col., en otro caso debe colocarlo en la Combinación\n"
       "  para que al obtener el file AG???????.TXT lo introduzca en cada serie."},
      {pasa(w->Text1[0]), columnas},
      {pasa(w->Text1[7]), columnas},
      {pasa(w->Text3[5]) + pasa(w->Text3[9]), ""},
      {pasa(w->Command14) + pasa(w->Command7), "sin texto propiosin texto propio"},
      // Each game: the title names the open file (its last 18 characters), the header line its blocks.
      {titulo("AE000010.TXT"),
       "*** IMPRIME BOLETOS DE LOTO,49/6, 50/5, 54/5 ...AE000010.TXT|"
       "1             2             3             4             5  "},
      {titulo("AG000012.TXT"),
       "*** IMPRIME BOLETOS DE LOTO,49/6, 50/5, 54/5 ...AG000012.TXT|"
       "1         2         3         4         5            6  "},
      {titulo("AB0123456789ABCDEFGHIJ.TXT"),
       "*** IMPRIME BOLETOS DE LOTO,49/6, 50/5, 54/5 ...6789ABCDEFGHIJ.TXT|"
       "1        2        3        4        5        6        7        8"}};
  for (const auto& [texto, esperado] : textos) EXPECT_EQ(texto, esperado);
}

TEST_F(VentanaLo, ThePrinterInformationShowsThePrinterAndTheValuesInForce) {
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
    EXPECT_EQ(std::tuple(int(dialogos.shown().size()), dialogos.last().title, dialogos.last().buttons),
              std::tuple(1, u"Información Impresión"_s, MessageButtons::Ok));
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
  for (int i : {4, 5, 7, 9}) w.Text3[i]->setText("3");
  EXPECT_EQ(informacion(), euromillones);
}

TEST_F(VentanaLo, FinImprCancelsTheQueueAndSendsTheDocumentLeftOpen) {
  auto w = abre();
  dialogos.forget();
  impresora.printLine("Ayuda a medio imprimir");
  w->mnuFI->trigger();
  ASSERT_EQ(std::pair(impresora.cancelRequests, int(impresora.documents().size())), std::pair(1, 1))
      << "the document is ended, not dropped";
  EXPECT_TRUE(pdfText(impresora.documents().first()).contains("Ayuda a medio imprimir"));
  // With nothing open, no blank sheet.
  w->mnuFI->trigger();
  EXPECT_EQ(std::pair(impresora.cancelRequests, int(impresora.documents().size())), std::pair(2, 1));
  EXPECT_TRUE(dialogos.shown().isEmpty()) << "Fin Impr shows nothing";
}
