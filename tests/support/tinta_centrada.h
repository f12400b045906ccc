#pragma once
// The check every paper test makes of its marks: each box (`caja`) holds ink
// whose centre lies within `tolerancia` twips of the box's centre (`centro`).
#include <gtest/gtest.h>

#include <QLineF>
#include <QVector>
#include <optional>

#include "tests/support/ink.h"

template <typename Marca>
void tintaCentrada(const PageInk& tinta, const QVector<Marca>& marcas, double tolerancia) {
  for (const Marca& m : marcas) {
    const std::optional<QPointF> centro = tinta.centreIn(m.caja);
    ASSERT_TRUE(centro) << "no ink in the box centred at " << m.centro.x() << ", " << m.centro.y();
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
