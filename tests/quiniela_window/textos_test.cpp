// The window's own texts, exactly as the user reads them: title, menus,
// instructions, boxes, hover texts and the panel's clicks.
#include <QCoreApplication>
#include <QMenuBar>
#include <QMouseEvent>

#include "quiniela/textos_boletoqp.h"
#include "tests/quiniela_window/ventana_qp.h"

namespace {

// Credit, contact and advertising lines are the program's own wording.
namespace t = textosqp;

TEST_F(VentanaQp, EveryTextOfTheWindowAndThePanelsClicks) {
  carpeta.write("AD243", archivoAD243(2));
  auto w = abre();
  QStringList menus;
  for (QAction* a : w->menuBar()->actions()) menus << a->text();
  // The help line after the mouse moves over a control.
  const auto raton = [&](QWidget* control) {
    const QPointF centro(control->width() / 2.0, control->height() / 2.0);
    QMouseEvent e(QEvent::MouseMove, centro, control->mapToGlobal(centro), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(control, &e);
    return w->Label13->text();
  };
  const std::pair<QString, QString> textos[] = {
      {w->windowTitle(), t::lineaCredito + "  IMPRIME BOLETOS: QUINIELAS..   AD243,  *.TXT ....."},
      {menus.join('|'),
       "&Abrir archivo|&Configurar|&Imprime Boletos|&Repite Tiqueron |&Problemas Impr|A&yuda|&Hoja de prueba|"
       "Co&mprobar apuestas"},
      {w->Label14->text().section('\n', 2, 2) + '|' + w->Label14->text().section('\n', -1),
       "      IMPRESIÓN DE BOLETOS QUINIELÍSTICOS|    " + t::lineaCredito +
           "               Inicio: -30, 2085"},
      {w->Label11->text(), "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15"},
      {raton(w->Command11), "  Al hacer CliCK, permite desplazar la rejilla hacia la DCHA"},
      {raton(w->client()), t::textoPublicidad + "\n" + t::lineaContacto}};
  for (const auto& [texto, esperado] : textos) EXPECT_EQ(texto, esperado);
  // The panel's boxes: the bets cycle from 2 to 8, bold toggles, the rest clear.
  w->mnuConfigura_Click();
  w->Text3[0]->setText("6");
  QStringList clics;
  for (int caja : {0, 0, 0, 0, 4, 4, 4, 1, 5, 6, 7, 8}) {
    w->Text3_Click(caja);
    clics << w->Text3[caja]->text() + (caja == 0   ? "=" + QString::number(w->apuestasBoleto)
                                       : caja == 4 ? QString(w->negrita ? "+" : "-")
                                                   : QString());
  }
  EXPECT_EQ(clics,
            QStringList({"7=7", "8=8", "2=2", "3=3", "Falso-", "Verdadero+", "Falso-", "", "", "", "", ""}));
}

}  // namespace
