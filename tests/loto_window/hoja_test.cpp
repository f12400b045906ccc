// The calibration test sheet of the lotto window, on the PDF printer: the
// open file's game, or Bonoloto's form before any file is opened.
#include <QAction>

#include "tests/loto_window/ventana_lo.h"
#include "tests/support/formulario_loto.h"
#include "tests/support/hoja_en_papel.h"

TEST_F(VentanaLo, TheTestSheetOutlinesEveryBoxOfTheGameInForceWithTheTicketsMarks) {
  const double tolerancia = 0.1 * kTwipsPerMm;
  const struct {
    const char* nombre;  // none: no file opened
    int apuestas;
    double label4;  // the info label's left
    const char* valores;
  } casos[] = {
      {nullptr, 0, 4485,
       "HOJA DE PRUEBA BONOLOTO Margen izquierdo: 1505 twips (26,5 mm) Tope superior: 155 twips"},
      {"AP000016.TXT", 16, 4485,
       "LA PRIMITIVA Margen izquierdo: 1505 twips (26,5 mm) Tope superior: 80 twips (1,4 mm)"},
      {"AG000012.TXT", 12, 7690, "EL GORDO DE LA PRIMITIVA Margen izquierdo: 3190 twips (56,3 mm)"},
      {"AE000010.TXT", 10, 4815,
       "HOJA DE PRUEBA EUROMILLONES Margen izquierdo: 1860 twips (32,8 mm) Tope superior: 605 twips (10,7 "
       "mm) "
       "Marca: o Tamaño: 7 Negrita: Sí Impresora: PDF"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre ? c.nombre : "no file");
    auto w = c.nombre ? abreCon(c.nombre, archivoLotoTexto(c.nombre[1], c.apuestas)) : abre();
    const qsizetype antes = impresora.documents().size();
    w->mnuHoja->trigger();
    ASSERT_EQ(impresora.documents().size(), antes + 1);
    const QString pdf = impresora.documents().last();

    const char juego = c.nombre ? c.nombre[1] : 'B';
    const FormularioLoto formulario = formularioLoto(juego, w->margenIzq, w->topeSup);
    QVector<QVector<int>> boleto;
    for (int n = 1; c.nombre && n <= w->nBole; ++n) boleto << camposDe(apuestaLoto(juego, n));
    HojaEsperada hoja{
        formulario.cajas(), formulario.marcas(boleto), {formulario.fija}, w->clientHeightTwips()};
    hoja.cajas << QRectF(c.label4, 1740, 945, 1650);
    compruebaHoja(pdf, hoja, tolerancia, tolerancia);
    EXPECT_TRUE(valoresEscritos(pdf, w->clientHeightTwips()).contains(QString::fromUtf8(c.valores)))
        << valoresEscritos(pdf, w->clientHeightTwips()).toStdString();
  }
}
