#pragma once
// The check every paper test makes of its marks: each box (`caja`) holds ink
// whose centre lies within `tolerancia` twips of the box's centre (`centro`).
#include <gtest/gtest.h>

#include <QLineF>
#include <QVector>
#include <algorithm>
#include <optional>

#include "tests/support/ink.h"

// How far the ink centres lay from their boxes' centres, in twips, summed
// over the marks checked.
struct Desvios {
  int marcas = 0;
  double x = 0, y = 0, mayor = 0;
};

template <typename Marca>
void tintaCentrada(const PageInk& tinta, const QVector<Marca>& marcas, double tolerancia,
                   Desvios* desvios = nullptr) {
  for (const Marca& m : marcas) {
    const std::optional<QPointF> centro = tinta.centreIn(m.caja);
    ASSERT_TRUE(centro) << "no ink in the box centred at " << m.centro.x() << ", " << m.centro.y();
    if (desvios) {
      ++desvios->marcas;
      desvios->x += centro->x() - m.centro.x();
      desvios->y += centro->y() - m.centro.y();
      desvios->mayor = std::max(desvios->mayor, QLineF(*centro, m.centro).length());
    }
    EXPECT_LE(QLineF(*centro, m.centro).length(), tolerancia)
        << "ink centred at " << centro->x() << ", " << centro->y() << " (ink " << tinta.boundsIn(m.caja).left()
        << " to " << tinta.boundsIn(m.caja).right() << "), box centre " << m.centro.x() << ", " << m.centro.y();
  }
}

// The ink of `pdf`'s first page around the marks, finely.
template <typename Marca>
PageInk tintaDeMarcas(const QString& pdf, const QVector<Marca>& marcas) {
  QRect zona;
  for (const Marca& m : marcas) zona |= m.caja;
  return PageInk(pdf, 1, zona.adjusted(-20, -20, 20, 20));
}
