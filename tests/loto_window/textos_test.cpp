// The lotto window's own texts, exactly as the user reads them: title, menus,
// captions and hover texts of the help line.
#include <QCoreApplication>
#include <QMenuBar>
#include <QMouseEvent>

#include "tests/loto_window/ventana_lo.h"

TEST_F(VentanaLo, EveryTextOfTheWindow) {
  carpeta.write("AE000010.TXT", archivoLotoTexto('E', 10));
  carpeta.write("AB0123456789ABCDEFGHIJ.TXT", archivoLotoTexto('B', 3));
  auto w = abre();
  QStringList menus, botones;
  for (const QAction* a : w->menuBar()->actions()) menus << a->text();
  for (const QPushButton* b : {w->Command14, w->Command5, w->Command6, w->Command7, w->Command8, w->Command9,
                               w->Command11, w->Command10, w->Command12, w->Command13})
    botones << b->text();
  // The help line after the mouse passes over a control.
  const auto pasa = [&](QWidget* control) {
    w->Label21->setText(u"sin texto propio"_s);
    const QPointF centro(control->width() / 2.0, control->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, centro, control->mapToGlobal(centro), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(control, &e);
    return w->Label21->text();
  };
  // The title names the open file (its last 18 characters), the header line the game's blocks, the
  // ticket box the tickets and the extra (Bonoloto's form has no reintegro).
  const auto titulo = [&](const QString& archivo) {
    archivo.size() > 12 ? w->abrir(archivo) : elige(*w, archivo);
    return w->windowTitle().section("*** IMPRIME BOLETOS DE LOTO,49/6, 50/5, 54/5 ...", 1) + '|' +
           w->Label3->text() + '|' + w->Text2->text();
  };
  const std::pair<QString, QString> textos[] = {
      {w->windowTitle(),
       "TIQUERON  Impresión de boletos  *** BOLETOS DE LOTTOS, BONOLOTO:49/6, Euromillones 5/5, GORDO 54/5 "},
      {menus.join('|'),
       "&Configurar|&Imprimir Bo+5|&Repetir Bo |Abrir File?  |Info Imp |Fin Impr|A&yuda|&Salir|&Hoja de "
       "prueba|"
       "Co&mprobar apuestas"},
      {botones.join('|'),
       "|<<|>>||<<5|5 >>|Anterior <|Siguiente>|Imprime Boleto Actual|Imprime "
       "Siguiente|Configurar|Restaurar "},
      {w->Label1->text() + '|' + w->Label11->text() + '|' + w->Label10->text() + '|' + w->Text4->text() +
           '|' + w->Text2->text() + '|' + w->Frame2->title(),
       "   1    2     3   4    5   6    7    8|Pulse OPCIÓN deseada !|Files|   25|Boleto Nº|"
       "Configurar valores de la impresora"},
      {pasa(w->Command1), "       Al hacer CliCK, permite desplazar la rejilla hacia la DERECHA"},
      {pasa(w->Command10),
       "       Imprime el Boleto Siguiente.\n  Obtenido el foco, se ejecuta al pulsar -SPACE-"},
      {titulo("AE000010.TXT"), "AE000010.TXT|1             2             3             4             5  | 2   1    R:204"},
      {titulo("AB0123456789ABCDEFGHIJ.TXT"),
       "6789ABCDEFGHIJ.TXT|1        2        3        4        5        6        7        8| 1   1    R:Sin R"}};
  for (const auto& [texto, esperado] : textos) EXPECT_EQ(texto, esperado);
}
