#include "tests/support/hoja_en_papel.h"

#include <gtest/gtest.h>

#include <QLineF>
#include <QtMath>
#include <iostream>
#include <optional>

#include "tests/support/pagina_entera.h"
#include "tests/support/pdf_reader.h"
#include "tests/support/tinta_centrada.h"

namespace {

// How far from its place a line is looked for.
constexpr int kBusqueda = 17;
// How much of a line is looked at, either side of the point measured: little,
// so that a line crossing near it is not seen.
constexpr int kTramo = 3;
// A mark is looked for this far inside its box's outline, clear of its ink.
constexpr double kDentro = 5;
// How deep the rulers' ticks and numbers reach into the page.
constexpr int kBandaReglas = 400;

// The distance from `lugar` to the middle of the nearest run of ink across a
// line (vertical: running up and down) at `lugar`; nothing without ink.
std::optional<double> desvio(const PageInk& tinta, QPointF lugar, bool vertical) {
  const double centro = vertical ? lugar.x() : lugar.y();
  const int a = qRound(vertical ? lugar.y() : lugar.x()), desde = qFloor(centro) - kBusqueda;
  std::optional<double> mejor;
  int inicio = -1;
  for (int p = desde; p <= desde + 2 * kBusqueda + 1; ++p) {
    const QRect franja =
        vertical ? QRect(p, a - kTramo, 1, 2 * kTramo + 1) : QRect(a - kTramo, p, 2 * kTramo + 1, 1);
    const bool hayTinta = p <= desde + 2 * kBusqueda && !tinta.boundsIn(franja).isNull();
    if (hayTinta && inicio < 0) inicio = p;
    if (hayTinta || inicio < 0) continue;
    const double d = qAbs((inicio + p) / 2.0 - centro);  // the run covers pixels inicio .. p - 1
    if (!mejor || d < *mejor) mejor = d;
    inicio = -1;
  }
  return mejor;
}

// The worst of the distances measured at `lugares`; a line not found fails.
double peor(const PageInk& tinta, const QVector<std::pair<QPointF, bool>>& lugares, double tolerancia,
            const char* que) {
  double peor = 0;
  for (const auto& [lugar, vertical] : lugares) {
    const std::optional<double> d = desvio(tinta, lugar, vertical);
    EXPECT_TRUE(d && *d <= tolerancia)
        << que << (vertical ? " running down" : " running across") << " at " << lugar.x() << ", " << lugar.y()
        << ": " << (d ? QString::number(*d) + " twips away" : QStringLiteral("no ink")).toStdString();
    peor = qMax(peor, d.value_or(kBusqueda));
  }
  return peor;
}

// A point on each edge of `caja`, a little way from its top-left corner, where
// neither the mark in the box nor the edges crossing it lie; and whether the
// edge runs down.
QVector<std::pair<QPointF, bool>> bordes(const QRectF& caja) {
  const double dx = qMin(25.0, caja.width() / 2), dy = qMin(25.0, caja.height() / 2);
  return {{{caja.left(), caja.top() + dy}, true},
          {{caja.right(), caja.top() + dy}, true},
          {{caja.left() + dx, caja.top()}, false},
          {{caja.left() + dx, caja.bottom()}, false}};
}

// Where a mark's ink is looked for: its box within the outline, and short of
// any other box the form lays over it.
QRect dentro(const CajaEsperada& marca, const QVector<QRectF>& cajas) {
  QRectF zona = QRectF(marca.caja).adjusted(kDentro, kDentro, -kDentro, -kDentro);
  const QPointF c = marca.centro;
  for (const QRectF& caja : cajas) {
    if (caja.contains(c))
      zona &= caja.adjusted(kDentro, kDentro, -kDentro, -kDentro);  // as its frame cuts it
    const QRectF otra = caja.adjusted(-6, -6, 6, 6);
    if (!otra.intersects(zona) || caja.contains(c)) continue;
    if (otra.left() > c.x())
      zona.setRight(otra.left());
    else if (otra.right() < c.x())
      zona.setLeft(otra.right());
    else if (otra.top() > c.y())
      zona.setBottom(otra.top());
    else
      zona.setTop(otra.bottom());
  }
  return zona.toAlignedRect();
}

}  // namespace

DesvioHoja compruebaHoja(const QString& pdf, const HojaEsperada& hoja, double tolerancia,
                         double toleranciaMarcas) {
  DesvioHoja resultado;
  const PaginaEntera pagina(pdf);
  EXPECT_TRUE(pagina.leida());
  if (!pagina.leida()) return resultado;
  const QSize area = pagina.tamano();
  const double mm = kTwipsPerMm;

  // The boxes and the marks inside them, finely.
  QRect zona;
  QVector<std::pair<QPointF, bool>> lineas;
  QVector<QRect> permitidas = {QRect(0, 0, area.width(), kBandaReglas),
                               QRect(0, 0, kBandaReglas, area.height()),
                               QRect(0, int(hoja.altoVentana), area.width(), area.height())};
  for (const QRectF& caja : hoja.cajas) {
    zona |= caja.toAlignedRect().adjusted(-30, -30, 30, 30);
    lineas += bordes(caja);
    for (const QRectF& borde :
         {QRectF(caja.topLeft(), caja.bottomLeft()), QRectF(caja.topRight(), caja.bottomRight()),
          QRectF(caja.topLeft(), caja.topRight()), QRectF(caja.bottomLeft(), caja.bottomRight())})
      permitidas << borde.toAlignedRect().adjusted(-12, -12, 12, 12);
  }
  const PageInk tinta(pdf, 1, zona);
  resultado.cajas = peor(tinta, lineas, tolerancia, "box edge");

  // Each mark's ink inside its box's outline.
  QVector<CajaEsperada> marcas;
  for (const CajaEsperada& m : hoja.marcas) {
    marcas << CajaEsperada{m.texto, dentro(m, hoja.cajas), m.centro};
    permitidas << m.caja;
  }
  tintaCentrada(tinta, marcas, toleranciaMarcas);
  for (const QRect& fija : hoja.fijas) {
    EXPECT_FALSE(tinta.boundsIn(fija).isNull()) << "no fixed mark at " << fija.x() << ", " << fija.y();
    permitidas << fija;
  }

  // The rulers' ticks, near the edge where they start.
  QVector<std::pair<QPointF, bool>> arriba, izquierda;
  for (int k = 1; (k + 1) * mm < area.width(); ++k) arriba.append({{k * mm, 25}, true});
  for (int k = 1; (k + 1) * mm < area.height(); ++k) izquierda.append({{25, k * mm}, false});
  resultado.reglas =
      qMax(peor(PageInk(pdf, 1, QRect(0, 0, area.width(), 60)), arriba, tolerancia, "top ruler tick"),
           peor(PageInk(pdf, 1, QRect(0, 0, 60, area.height())), izquierda, tolerancia, "left ruler tick"));

  const QVector<QRect> fuera = pagina.tintaFuera(permitidas);
  for (qsizetype i = 0; i < std::min<qsizetype>(fuera.size(), 5); ++i)
    ADD_FAILURE() << "ink on the sheet at " << fuera[i].x() << ", " << fuera[i].y() << " twips";
  EXPECT_EQ(fuera.size(), 0) << "pixels of ink where the sheet has nothing to print";
  std::cout << "[ sheet ] worst box edge " << resultado.cajas / mm << " mm, worst ruler tick "
            << resultado.reglas / mm << " mm, " << lineas.size() << " edges, "
            << arriba.size() + izquierda.size() << " ticks, " << marcas.size() << " marks\n";
  return resultado;
}

QString valoresEscritos(const QString& pdf, double altoVentana) {
  QVector<PdfWord> palabras = pdfWords(pdf);
  palabras.removeIf(
      [&](const PdfWord& p) { return p.box.top() < altoVentana || p.box.left() < kBandaReglas; });
  std::sort(palabras.begin(), palabras.end(), [](const PdfWord& a, const PdfWord& b) {
    return std::pair(qRound(a.box.top() / 40), a.box.left()) <
           std::pair(qRound(b.box.top() / 40), b.box.left());
  });
  QStringList texto;
  for (const PdfWord& p : palabras) texto << p.text;
  return texto.join(u' ');
}
