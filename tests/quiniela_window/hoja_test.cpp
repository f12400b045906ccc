// The calibration test sheet of the football-pools window, on the PDF printer.
#include <QAction>
#include <QFile>

#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/formulario_quiniela.h"
#include "tests/support/hoja_en_papel.h"

TEST_F(VentanaQp, TheTestSheetOutlinesEveryBoxWhereTheCalibrationPutsItWithTheTicketsMarks) {
  const double tolerancia = 0.1 * kTwipsPerMm;
  const struct {
    const char* calibracion;  // configqp.cfg; none: a new file
    double margen, x, y;
    int boleto, columnas;  // the ticket shown, and how many of its columns
    const char* valores;
  } casos[] = {
      {nullptr, 3100, -30, 2085, 1, 8,
       "HOJA DE PRUEBA QUINIELAS 1X2 Margen izquierdo: 3100 twips (54,7 mm) Horizontal: -30 twips (-0,5 mm) "
       "Vertical: 2085 twips (36,8 mm) Marca: x Tamaño: 9 Negrita: Sí Impresora: PDF "
       "1 mm = 56,7 twips; 1440 twips = 1 pulgada"},
      {R"("140","True 09","000640x","1990","3000","r")", 3000, 140, 1990, 2, 3,
       "Margen izquierdo: 3000 twips (52,9 mm) Horizontal: 140 twips (2,5 mm) "
       "Vertical: 1990 twips (35,1 mm)"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.margen);
    carpeta.remove("configqp.cfg");
    if (c.calibracion) carpeta.write("configqp.cfg", c.calibracion);
    carpeta.write("AD243", archivoAD243(3));
    auto w = abre();
    if (c.boleto > 1) w->Command3->click();
    if (c.columnas < 8) {
      dialogos.answer(MessageResult::Ok);
      w->Text1_Click(c.columnas - 1);
    }
    const qsizetype antes = impresora.documents().size();
    w->mnuHoja->trigger();
    ASSERT_EQ(impresora.documents().size(), antes + 1);
    const QString pdf = impresora.documents().last();

    const FormularioQuiniela formulario{{c.margen + c.x, c.y}};
    HojaEsperada hoja{formulario.cajas(),
                      formulario.marcas(boletoDe(c.boleto, c.columnas, plenoDe(c.boleto))),
                      {},
                      w->clientHeightTwips()};
    hoja.cajas += lugaresTextos(
        formulario, c.margen,
        {"AD243....", "J07", "24", QString::number(8 * c.boleto), "3", QString::number(c.boleto)});
    compruebaHoja(pdf, hoja, tolerancia, tolerancia);

    EXPECT_TRUE(valoresEscritos(pdf, w->clientHeightTwips()).contains(QString::fromUtf8(c.valores)))
        << valoresEscritos(pdf, w->clientHeightTwips()).toStdString();
  }
}
