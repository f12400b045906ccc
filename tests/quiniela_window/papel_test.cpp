// What reaches paper: marks at their boxes' centres, texts at their pen positions, nothing else.
#include <QFile>
#include <QImage>
#include <QPainter>

#include "app/canvas/twip_geometry.h"
#include "tests/quiniela_window/ventana_qp.h"

// The form's boxes in the grid frame, in twips: columns of 3 x 14 boxes, Pleno al 15 of 4.
const QRectF columnasBoleto[8] = {{330, 260, 4035, 630},  {315, 900, 4050, 645},  {315, 1535, 4050, 645},
                                  {315, 2175, 4050, 645}, {330, 2810, 4050, 645}, {315, 3455, 4050, 645},
                                  {315, 4085, 4050, 645}, {330, 4725, 4050, 660}};
const QRectF plenoBoleto[2] = {{60, 1710, 285, 885}, {30, 4500, 285, 885}};

TEST_F(VentanaQp, MarksAndTextsLieWhereTheFormWantsThemAndNothingElseReachesPaper) {
  const struct {
    const char* calibracion;  // configqp.cfg; none: a new file
    double margen, x, y;
  } casos[] = {{nullptr, 3100, -30, 2085},
               {R"("-15","True 09","000640x","2270","0","r")", 1, -15, 2270},
               {R"("140","True 09","000640x","1990","3000","r")", 3000, 140, 1990}};
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << "margin " << c.margen << ", x " << c.x);
    QFile::remove(carpeta.file("configqp.cfg"));
    if (c.calibracion) carpeta.write("configqp.cfg", c.calibracion);
    carpeta.write("AD243", archivoAD243(3));
    auto w = abre();
    w->Command1->click();
    const QString pdf = impresora.documents().last();

    // Ticket 2: the centres of its marks and the top-left corners of its texts.
    QVector<std::pair<QString, QPointF>> esperado;
    const QString boleto = boletoDe(2, 8, plenoDe(2));
    for (int i = 0; i < boleto.size(); ++i) {
      if (boleto[i] == ' ') continue;
      const bool pleno = i >= 112;  // else column i / 14, match i % 14 + 1
      const QRectF& caja = pleno ? plenoBoleto[i - 112] : columnasBoleto[i / 14];
      const QPointF centro(
          pleno ? 155 : (13.5 - i % 14) * 290,
          ((pleno ? u"012M"_s : u"1X2"_s).indexOf(boleto[i]) + 0.5) * caja.height() / (pleno ? 4 : 3));
      esperado.append({"x", QPointF(c.margen + c.x, c.y) + caja.topLeft() + centro});
    }
    esperado.append({"AD243....", {c.margen + 3600, 1900}});
    for (const auto& [texto, y] :
         {std::pair{"J07", 3600}, {"24", 4410}, {"16", 4610}, {"3", 5010}, {"2", 5210}})
      esperado.append({texto, {c.margen + 4820 + c.x, double(y)}});
    const QVector<PdfWord> todas = pdfWords(pdf);
    QVector<PdfWord> palabras = todas;
    for (const auto& [texto, punto] : esperado) {
      const auto encontrada = std::find_if(palabras.begin(), palabras.end(), [&](const PdfWord& p) {
        const QPointF lugar = p.text == "x" ? p.box.center() : p.box.topLeft();
        return p.text == texto && QLineF(lugar, punto).length() <= 0.1 * kTwipsPerMm;
      });
      ASSERT_NE(encontrada, palabras.end())
          << texto.toStdString() << " at " << punto.x() << ", " << punto.y();
      palabras.erase(encontrada);
    }
    for (const PdfWord& sobra : palabras) ADD_FAILURE() << "on paper: " << sobra.text.toStdString();

    // No ink but the words': no grid lines, rulers or borders (panels would be words).
    if (&c != casos) continue;
    const QRect billete = twipRect(w->Frame4).toRect().adjusted(-100, -100, 100, 100);
    QImage imagen = renderPdfPage(pdf, 1, billete);
    ASSERT_EQ(imagen.size(), billete.size());
    QPainter blanqueo(&imagen);
    for (const PdfWord& p : todas)
      blanqueo.fillRect(p.box.adjusted(-20, -20, 20, 20).translated(-billete.topLeft()), Qt::white);
    blanqueo.end();
    int tintaSuelta = 0;
    for (int y = 0; y < imagen.height(); ++y)
      for (int x = 0; x < imagen.width(); ++x) tintaSuelta += imagen.constScanLine(y)[x] <= 160;
    EXPECT_EQ(tintaSuelta, 0);
  }
}
