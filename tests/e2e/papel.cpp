#include "tests/e2e/papel.h"

#include <gtest/gtest.h>

#include <QLineF>

#include "tests/e2e/cola_pdf.h"
#include "tests/support/formulario_loto.h"
#include "tests/support/pagina_entera.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/tinta_centrada.h"

const double kTolerancia = 0.3 * kTwipsPerMm;

const CasoLoto kCasosLoto[5] = {{"AB000017.TXT", 8, 1505, 80, 4485},
                                {"AP000017.TXT", 8, 1505, 80, 4485},
                                {"AG000014.TXT", 6, 3190, 130, 7690},
                                {"AE000012.TXT", 5, 1860, 605, 4815},
                                {"AB000020.LOT", 8, 1505, 80, 4485}};

// Nothing on the sheet but inside `permitidas`: no grid line, ruler, border,
// panel or button of the screen.
void sinTintaFuera(const PaginaEntera& pagina, const QVector<QRect>& permitidas) {
  const QVector<QRect> fuera = pagina.tintaFuera(permitidas);
  for (qsizetype i = 0; i < std::min<qsizetype>(fuera.size(), 5); ++i)
    ADD_FAILURE() << "ink on the sheet at " << fuera[i].x() << ", " << fuera[i].y() << " twips";
  EXPECT_EQ(fuera.size(), 0) << "pixels of ink where the ticket has nothing to print";
}

namespace {

// The La Quiniela form in the grid frame, in twips: 8 columns of 3 rows by
// 14 boxes of 290, and the Pleno al 15's two columns of 4 rows, 310 wide.
const QRectF kColumnas[8] = {{330, 260, 4035, 630},  {315, 900, 4050, 645},  {315, 1535, 4050, 645},
                             {315, 2175, 4050, 645}, {330, 2810, 4050, 645}, {315, 3455, 4050, 645},
                             {315, 4085, 4050, 645}, {330, 4725, 4050, 660}};
const QRectF kPlenos[2] = {{60, 1710, 285, 885}, {30, 4500, 285, 885}};

// A new configqp.cfg: margin 3100, the grid frame 30 twips left of it and 2085 down.
constexpr double kMargen = 3100, kInicioX = -30, kInicioY = 2085;

struct Marca {
  QRect caja;      // where its ink may lie: the box cut by its grid
  QPointF centro;  // the whole box's centre
};

// Ticket t of an AD243: its record's 112 signs and the two Pleno al 15 signs.
QString registro(const QByteArray& ad243, int t) {
  return QString::fromLatin1(ad243.mid(124 * t + 10, 114));
}

QVector<Marca> marcasDe(const QString& signos) {
  const QPointF marco(kMargen + kInicioX, kInicioY);
  QVector<Marca> marcas;
  for (int i = 0; i < 114; ++i) {
    const bool pleno = i >= 112;
    const QRectF rejilla = (pleno ? kPlenos[i - 112] : kColumnas[i / 14]).translated(marco);
    const int filas = pleno ? 4 : 3;
    const int fila = int((pleno ? QStringLiteral("012M") : QStringLiteral("1X2")).indexOf(signos[i]));
    // Match 1 is the rightmost box of its column.
    const QRectF caja =
        pleno ? QRectF(rejilla.left(), rejilla.top() + fila * rejilla.height() / filas, 310,
                       rejilla.height() / filas)
              : QRectF(rejilla.left() + (13 - i % 14) * 290.0,
                       rejilla.top() + fila * rejilla.height() / filas, 290, rejilla.height() / filas);
    marcas.append({caja.intersected(rejilla).toAlignedRect(), caja.center()});
  }
  return marcas;
}

// A reference text drawn from its pen position: where its glyphs may lie.
QRect areaTexto(double x, double y, const QString& texto) {
  return QRectF(x - 30, y - 10, 140.0 * texto.size() + 40, 210).toAlignedRect();
}

}  // namespace

void esBoletoQuiniela(const QString& pdf, const QByteArray& ad243, int t, Desvios* desvios) {
  EXPECT_EQ(pdfPageCount(pdf), 1);
  const QVector<Marca> marcas = marcasDe(registro(ad243, t));
  const double derecha = kMargen + 4820 + kInicioX;
  const QVector<QRect> textos = {areaTexto(kMargen + 3600, 1900, "AD243...."),
                                 areaTexto(derecha, 3600, "J07"),
                                 areaTexto(derecha, 4410, "40"),
                                 areaTexto(derecha, 4610, QString::number(8 * t)),
                                 areaTexto(derecha, 5010, "5"),
                                 areaTexto(derecha, 5210, QString::number(t))};

  // The marks in detail, the rest of the sheet coarsely.
  tintaCentrada(tintaDeMarcas(pdf, marcas), marcas, kTolerancia, desvios);
  if (::testing::Test::HasFatalFailure()) return;
  const PaginaEntera pagina(pdf);
  ASSERT_TRUE(pagina.leida());
  for (const QRect& r : textos) EXPECT_TRUE(pagina.tintaEn(r)) << "no text at " << r.x() << ", " << r.y();
  QVector<QRect> permitidas = textos;
  for (const Marca& m : marcas) permitidas << m.caja;
  sinTintaFuera(pagina, permitidas);
}

namespace {

// The bets of a sample file as seven two-digit fields each: text lines, or
// after a six-byte header seven bytes a bet, each the field plus 46.
QVector<QVector<int>> apuestas(const QByteArray& datos, bool binario) {
  QVector<QVector<int>> todas;
  if (binario) {
    for (qsizetype i = 6; i + 7 <= datos.size(); i += 7) {
      QVector<int> campos;
      for (int k = 0; k < 7; ++k) campos << int(uchar(datos[i + k])) - 46;
      todas << campos;
    }
    return todas;
  }
  for (const QByteArray& linea : datos.split('\n')) {
    if (linea.trimmed().size() < 14) continue;
    QVector<int> campos;
    for (int k = 0; k < 7; ++k) campos << linea.mid(2 * k, 2).toInt();
    todas << campos;
  }
  return todas;
}

}  // namespace

void esBoletoLoto(const QString& pdf, const QByteArray& datos, const CasoLoto& c, int boleto,
                  Desvios* desvios) {
  EXPECT_EQ(pdfPageCount(pdf), 1);
  const QString nombre = c.nombre;
  const QVector<QVector<int>> apuestasBoleto =
      apuestas(datos, nombre.endsWith(".LOT")).mid(boleto * c.apuestasBoleto, c.apuestasBoleto);
  ASSERT_EQ(apuestasBoleto.size(), c.apuestasBoleto);
  const FormularioLoto formulario = formularioLoto(c.nombre[1], c.izquierda, c.arriba);
  const QVector<CajaEsperada> marcas = formulario.marcas(apuestasBoleto);
  const QRect fija = formulario.fija;
  const QRect info(int(c.info), 1740, 945, 1650);

  tintaCentrada(tintaDeMarcas(pdf, marcas), marcas, kTolerancia, desvios);
  if (::testing::Test::HasFatalFailure()) return;
  const PaginaEntera pagina(pdf);
  ASSERT_TRUE(pagina.leida());
  EXPECT_TRUE(pagina.tintaEn(info)) << "the info label";
  EXPECT_TRUE(pagina.tintaEn(fija)) << "the fixed X";
  QVector<QRect> permitidas = {info, fija};
  for (const CajaEsperada& e : marcas) permitidas << e.caja;
  sinTintaFuera(pagina, permitidas);
}
