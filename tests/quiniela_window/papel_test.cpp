// What reaches paper: marks inked at their boxes' centres, texts at their pen positions, nothing else.
#include <QFile>
#include <QLineF>

#include "app/canvas/twip_geometry.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/formulario_quiniela.h"
#include "tests/support/tinta_centrada.h"

TEST_F(VentanaQp, MarksAndTextsLieWhereTheFormWantsThemAndNothingElseReachesPaper) {
  const double tolerancia = 0.1 * kTwipsPerMm;
  const struct {
    const char* calibracion;  // configqp.cfg; none: a new file
    double margen, x, y;
    int columnas;  // below 8: a partial print of the first columns
  } casos[] = {{nullptr, 3100, -30, 2085, 8},
               {R"("-15","True 09","000640x","2270","0","r")", 1, -15, 2270, 8},
               {R"("140","True 09","000640x","1990","3000","r")", 3000, 140, 1990, 8},
               {nullptr, 3100, -30, 2085, 3}};
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << "margin " << c.margen << ", x " << c.x << ", columns " << c.columnas);
    carpeta.remove("configqp.cfg");
    if (c.calibracion) carpeta.write("configqp.cfg", c.calibracion);
    carpeta.write("AD243", archivoAD243(3));
    auto w = abre();
    if (c.columnas < 8) {
      dialogos.answer(MessageResult::Ok);
      w->Text1_Click(c.columnas - 1);
    }
    w->Command1->click();
    const QString pdf = impresora.documents().last();

    // Ticket 2: the boxes of its marks and the top-left corners of its texts.
    const QPointF marco(c.margen + c.x, c.y);  // the grid frame's top-left on paper
    const FormularioQuiniela formulario{marco};
    const QVector<CajaEsperada> marcas = formulario.marcas(boletoDe(2, c.columnas, plenoDe(2)));
    QVector<std::pair<QString, QPointF>> textos = {{"AD243....", {c.margen + 3600, 1900}}};
    for (const auto& [texto, y] :
         {std::pair{"J07", 3600}, {"24", 4410}, {"16", 4610}, {"3", 5010}, {"2", 5210}})
      textos.append({texto, {c.margen + 4820 + c.x, double(y)}});

    const QVector<PdfWord> todas = pdfWords(pdf);
    QVector<PdfWord> palabras = todas;
    for (const auto& [texto, punto] : textos) {
      const auto encontrada = std::find_if(palabras.begin(), palabras.end(), [&](const PdfWord& p) {
        return p.text == texto && QLineF(p.box.topLeft(), punto).length() <= tolerancia;
      });
      ASSERT_NE(encontrada, palabras.end())
          << texto.toStdString() << " at " << punto.x() << ", " << punto.y();
      palabras.erase(encontrada);
    }
    const auto marcasEnTexto = palabras.removeIf([](const PdfWord& p) { return p.text == "x"; });
    EXPECT_EQ(marcasEnTexto, marcas.size());
    for (const PdfWord& sobra : palabras) ADD_FAILURE() << "on paper: " << sobra.text.toStdString();

    // Each mark's ink centred in its box.
    const QRect billete = twipRect(w->Frame4).toRect().adjusted(-100, -100, 100, 100);
    const PageInk tinta(pdf, 1, billete);
    ASSERT_EQ(tinta.area(), billete);
    tintaCentrada(tinta, marcas, tolerancia);
    if (HasFatalFailure()) return;
    if (c.columnas < 8) {
      QRect siguientes;
      for (int b = c.columnas; b < 8; ++b) siguientes |= formulario.columna(b).toAlignedRect();
      EXPECT_TRUE(tinta.boundsIn(siguientes).isNull()) << "ink in the columns left out";
    }

    // No ink but the marks' and the texts': no grid lines, rulers or borders (panels would be words).
    int deMarcas = 0;
    for (const InkBlob& mancha : tinta.blobs()) {
      const auto dentro = [&mancha](const QRect& caja) {
        return caja.adjusted(-1, -1, 1, 1).contains(mancha.box);
      };
      if (std::any_of(marcas.begin(), marcas.end(), [&](const CajaEsperada& m) { return dentro(m.caja); })) {
        ++deMarcas;
      } else if (std::none_of(todas.begin(), todas.end(), [&](const PdfWord& p) {
                   return p.text != "x" && dentro(p.box.adjusted(-20, -20, 20, 20).toAlignedRect());
                 })) {
        ADD_FAILURE() << "ink at " << mancha.box.x() << ", " << mancha.box.y() << ", " << mancha.box.width()
                      << " x " << mancha.box.height();
      }
    }
    EXPECT_GE(deMarcas, marcas.size());
  }
}
