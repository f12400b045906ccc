#pragma once
// The La Quiniela form as the tests expect it on paper, written from the
// form's own tables: the grid frame's boxes for a frame at `marco`, and the
// box each sign of a ticket marks.
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <QVector>

#include "tests/support/formulario_loto.h"

struct FormularioQuiniela {
  QPointF marco;  // the grid frame's top-left on paper

  // Every box, cut by its grid: 8 columns of 3 x 14 boxes 290 wide, and the
  // Pleno al 15's two columns of 4 boxes 310 wide.
  QVector<QRectF> cajas() const;
  // The boxes of a ticket's 114 signs: 8 bets of 14 (match 1 first; a blank
  // marks nothing), then the Pleno al 15's home and away signs.
  QVector<CajaEsperada> marcas(const QString& signos) const;
  // The grid of ticket column b (from 0) on paper.
  QRectF columna(int b) const;
};

// The glyph boxes of the six reference texts (file name, matchday, bets,
// bets printed, tickets, ticket) drawn from their pen positions in
// Ms Sans Serif of 9 points, bold, for a margin `margen`.
QVector<QRectF> lugaresTextos(const FormularioQuiniela& formulario, double margen, const QStringList& textos);
