// What reaches paper: every mark at the centre of its box on the form, the
// reference texts at their pen positions, and nothing else.
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/pdf_reader.h"

namespace {

// The boxes of the La Quiniela form inside the grid frame, in twips.
const QRectF columnasBoleto[8] = {{330, 260, 4035, 630},  {315, 900, 4050, 645},  {315, 1535, 4050, 645},
                                  {315, 2175, 4050, 645}, {330, 2810, 4050, 645}, {315, 3455, 4050, 645},
                                  {315, 4085, 4050, 645}, {330, 4725, 4050, 660}};
const QRectF plenoBoleto[2] = {{60, 1710, 285, 885}, {30, 4500, 285, 885}};
constexpr double anchoCasilla = 290;
constexpr double anchoCasillaPleno = 310;
constexpr double tolerancia = 0.1 * kTwipsPerMm;

struct Esperado {
  QString texto;
  QPointF punto;  // the centre of a mark, the top-left of a text
};

struct Calibracion {
  const char* caso;
  QByteArray archivo;  // configqp.cfg; empty: a new file is made
  double margen, inicioX, inicioY;
  bool miraTinta;  // render the page (half a minute) to look for stray ink
};

QByteArray configuracion(const char* x, const char* y, const char* margen) {
  QByteArray datos = QByteArray("\"") + x + "\",\"True 09\",\"000640x\",\"" + y + "\",\"" + margen +
                     "\",\"reservadoqp0123456789abcdefghi\"\r\n";
  for (const char* reservado : {"0.5", "500000", "60000", "900", "120", "9", "5", "5"})
    datos += QByteArray("\"") + reservado + "\"\r\n";
  return datos + "\"C:\\\"\r\n";
}

// The marks of ticket t of the test AD243, and its texts.
QVector<Esperado> papelDelBoleto(int t, int boletos, const Calibracion& c) {
  QVector<Esperado> esperado;
  const QPointF marco(c.margen + c.inicioX, c.inicioY);
  for (int b = 0; b < 8; ++b) {
    const QString signos = apuesta(8 * (t - 1) + b + 1);
    const QRectF& columna = columnasBoleto[b];
    for (int partido = 1; partido <= 14; ++partido) {
      const int fila = QStringLiteral("1X2").indexOf(signos.at(partido - 1));
      const double x = columna.left() + (14 - partido) * anchoCasilla + anchoCasilla / 2;
      const double y = columna.top() + (fila + 0.5) * columna.height() / 3;
      esperado.append({QStringLiteral("x"), marco + QPointF(x, y)});
    }
  }
  for (int q = 0; q < 2; ++q) {
    const int fila = QStringLiteral("012M").indexOf(plenoDe(t).at(q));
    const QRectF& pleno = plenoBoleto[q];
    esperado.append({QStringLiteral("x"), marco + QPointF(pleno.left() + anchoCasillaPleno / 2,
                                                          pleno.top() + (fila + 0.5) * pleno.height() / 4)});
  }
  const double derecha = c.margen + 4820 + c.inicioX;
  esperado.append({QStringLiteral("AD243...."), {c.margen + 3600, 1900}});
  esperado.append({QStringLiteral("J07"), {derecha, 3600}});
  esperado.append({QString::number(8 * boletos), {derecha, 4410}});
  esperado.append({QString::number(8 * t), {derecha, 4610}});
  esperado.append({QString::number(boletos), {derecha, 5010}});
  esperado.append({QString::number(t), {derecha, 5210}});
  return esperado;
}

QPointF puntoDe(const PdfWord& palabra) {
  return palabra.text == QLatin1String("x") ? palabra.box.center() : palabra.box.topLeft();
}

class PapelQp : public VentanaQp, public ::testing::WithParamInterface<Calibracion> {};

TEST_P(PapelQp, MarksAndTextsLieWhereTheFormWantsThem) {
  const Calibracion& c = GetParam();
  if (!c.archivo.isEmpty()) carpeta.write(QStringLiteral("configqp.cfg"), c.archivo);
  carpeta.write(QStringLiteral("AD243"), archivoAD243(3));
  auto w = abreAD243();
  ASSERT_EQ(w->inicioX, c.inicioX);
  w->Command1->click();
  ASSERT_EQ(impresora.documents().size(), 1);
  const QString pdf = impresora.documents()[0];

  QVector<PdfWord> palabras = pdfWords(pdf);
  for (const Esperado& e : papelDelBoleto(2, 3, c)) {
    const auto encontrada = std::find_if(palabras.begin(), palabras.end(), [&](const PdfWord& p) {
      return p.text == e.texto && QLineF(puntoDe(p), e.punto).length() <= tolerancia;
    });
    if (encontrada == palabras.end()) {
      ADD_FAILURE() << e.texto.toStdString() << " missing at " << e.punto.x() << ", " << e.punto.y();
      continue;
    }
    palabras.erase(encontrada);
  }
  for (const PdfWord& sobra : palabras)
    ADD_FAILURE() << "unexpected on paper: " << sobra.text.toStdString() << " at " << sobra.box.x() << ", "
                  << sobra.box.y();

  // No ink but the words': no grid lines, rulers, frames or panels.
  if (!c.miraTinta) return;
  const QRect ventana(0, 0, qRound(w->clientWidthTwips()), qRound(w->clientHeightTwips()));
  const QImage pagina = renderPdfPage(pdf, 1, ventana);
  ASSERT_FALSE(pagina.isNull());
  const QVector<PdfWord> todas = pdfWords(pdf);
  int tintaSuelta = 0;
  for (int y = 0; y < pagina.height(); ++y) {
    const uchar* linea = pagina.constScanLine(y);
    for (int x = 0; x < pagina.width(); ++x) {
      if (linea[x] > 160) continue;
      const QPointF punto(x + 0.5, y + 0.5);
      const bool enPalabra = std::any_of(todas.begin(), todas.end(), [&](const PdfWord& p) {
        return p.box.adjusted(-20, -20, 20, 20).contains(punto);
      });
      tintaSuelta += !enPalabra;
    }
  }
  EXPECT_EQ(tintaSuelta, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Calibraciones, PapelQp,
    ::testing::Values(Calibracion{"nuevo", QByteArray(), 3100, -30, 2085, true},
                      Calibracion{"sin_margen", configuracion("-15", "2270", "0"), 1, -15, 2270, false},
                      Calibracion{"desplazado", configuracion("140", "1990", "3000"), 3000, 140, 1990,
                                  false}),
    [](const ::testing::TestParamInfo<Calibracion>& info) { return std::string(info.param.caso); });

}  // namespace
