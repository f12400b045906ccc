// A selection of the help text printed on the real default printer from the
// start-up window's "Ayuda": one page, the selected lines and the closing
// line one under the other from the top of the sheet.
#include <QAction>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringDecoder>

#include "app/boletos.h"
#include "help/ayuda.h"
#include "tests/e2e/papel.h"
#include "tests/e2e/programa_real.h"

TEST_F(ProgramaReal, TheHelpSelectionPrintsItsLinesOnePageFromTheTop) {
  // Two index entries and a long line of the first section, chosen out of order.
  const QList<int> elegidas = {21, 8, 9};
  QStringDecoder ansi("windows-1252");
  const QStringList lineas = QString(ansi(carpeta.read("lotoAy.txt"))).split(QStringLiteral("\r\n"));
  // In list order, from the two blanks after the line number, then the closing line.
  QStringList esperadas;
  for (int posicion : {8, 9, 21}) esperadas << QStringLiteral("  ") + lineas[posicion];
  esperadas << QStringLiteral(" Vadrilo , Ayuda ---------");

  Boletos principal(plataforma, rutaPrograma);
  principal.show();
  conVentana<Ayuda>([&] { principal.mnuayuda->trigger(); },
                    [&](Ayuda& ayuda) {
                      for (int posicion : elegidas) ayuda.List1->item(posicion)->setSelected(true);
                      ayuda.Command2->click();  // Imprimir Seleccion
                    });
  const QStringList paginas = impresas(1);
  ASSERT_EQ(paginas.size(), 1) << "one document";
  const QString& pdf = paginas.first();
  EXPECT_EQ(pdfPageCount(pdf), 1);

  // Courier New of 10 points, one line under the other from the printable
  // area's top-left, which on this queue is the sheet's.
  QFont fuente(QStringLiteral("Courier New"));
  fuente.setStyleHint(QFont::TypeWriter);
  fuente.setPixelSize(200);
  const QFontMetricsF medidas(fuente);
  const double alto = medidas.height(), ancho = medidas.horizontalAdvance(QLatin1Char(' '));
  ASSERT_NEAR(ancho, 120, 1) << "a monospaced face of 0.6 em";

  // Where each line's glyphs lie, from its baseline: the font's own ink box
  // of the text, after the blanks that begin it.
  QVector<QRectF> renglones;
  for (int k = 0; k < esperadas.size(); ++k) {
    const QString texto = esperadas[k];
    const QString visible = QString(texto).remove(QRegularExpression(QStringLiteral("^ +")));
    renglones << medidas.tightBoundingRect(visible).translated(ancho * (texto.size() - visible.size()),
                                                               alto * k + medidas.ascent());
  }
  QRect zona;
  for (const QRectF& r : renglones) zona |= r.toAlignedRect();
  // Lines lie some 50 twips apart: a window of 25 around each sees only its own.
  const int ventana = 25;
  const PageInk tinta(pdf, 1, zona.adjusted(-ventana, -ventana, ventana, ventana));
  QVector<QRect> permitidas;
  for (int k = 0; k < renglones.size(); ++k) {
    SCOPED_TRACE(esperadas[k].toStdString());
    const QRectF& r = renglones[k];
    const QRect enRenglon = tinta.boundsIn(r.toAlignedRect().adjusted(-ventana, -ventana, ventana, ventana));
    ASSERT_FALSE(enRenglon.isNull()) << "no ink on line " << k + 1;
    const QRectF medido(enRenglon);  // a pixel covers one whole twip
    for (const auto& [lado, esperado, visto] :
         {std::tuple("left", r.left(), medido.left()), std::tuple("top", r.top(), medido.top()),
          std::tuple("right", r.right(), medido.right()), std::tuple("bottom", r.bottom(), medido.bottom())})
      EXPECT_NEAR(visto, esperado, kTolerancia) << lado << " of line " << k + 1;
    permitidas << r.toAlignedRect();
  }
  const PaginaEntera pagina(pdf);
  ASSERT_TRUE(pagina.leida());
  sinTintaFuera(pagina, permitidas);
}
