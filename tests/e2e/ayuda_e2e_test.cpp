// A selection of the help text printed on the real default printer from the start-up window's
// "Ayuda": one page, the selected lines and the closing line one under the other from the top.
#include <QAction>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>

#include "app/boletos.h"
#include "help/ayuda.h"
#include "tests/e2e/programa_real.h"
#include "tests/support/hoja_en_papel.h"

TEST_F(ProgramaReal, TheHelpSelectionPrintsItsLinesOnePageFromTheTop) {
  Boletos principal(plataforma, carpeta.path());
  principal.show();
  conVentana<Ayuda>([&] { principal.mnuayuda->trigger(); },
                    [&](Ayuda& ayuda) {
                      // Two index entries and a long line of the first section, chosen out of order.
                      for (int posicion : {21, 8, 9}) ayuda.List1->item(posicion)->setSelected(true);
                      ayuda.Command2->click();  // Imprimir Seleccion
                    });
  const QStringList hojas = impresas(1);
  ASSERT_EQ(hojas.size(), 1);

  // In list order, from the two blanks after the line number, then the closing line: Courier New
  // of 10 points, one line under the other from the sheet's top-left.
  const QStringList lineas =
      QString(QStringDecoder("windows-1252")(carpeta.read("lotoAy.txt"))).split("\r\n");
  const QStringList esperadas = {"  " + lineas[8], "  " + lineas[9], "  " + lineas[21],
                                 " Vadrilo , Ayuda ---------"};
  QFont fuente(QStringLiteral("Courier New"));
  fuente.setStyleHint(QFont::TypeWriter);
  fuente.setPixelSize(200);
  const QFontMetricsF medidas(fuente);
  // The ink of each line is its glyphs' box: lines some 50 twips apart, each looked for 25 around.
  QVector<CajaEsperada> renglones;
  for (int k = 0; k < esperadas.size(); ++k) {
    const QString visible = QString(esperadas[k]).remove(QRegularExpression("^ +"));
    const QRectF r = medidas.tightBoundingRect(visible).translated(
        medidas.horizontalAdvance(' ') * (esperadas[k].size() - visible.size()),
        medidas.height() * k + medidas.ascent());
    renglones << CajaEsperada{visible, r.toAlignedRect().adjusted(-25, -25, 25, 25), r.center()};
  }
  compruebaTinta(hojas[0], renglones, {}, {}, kToleranciaCola);
}
