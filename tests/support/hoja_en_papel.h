#pragma once
// A printed calibration test sheet checked against what it should hold:
// every box outline and every ruler tick measured across its line, the marks
// by the ink check of the ticket prints, and no ink anywhere else.
#include <QRectF>
#include <QString>
#include <QVector>

#include "tests/support/formulario_loto.h"

struct HojaEsperada {
  QVector<QRectF> cajas;         // the box outlines, twips from the page's top-left
  QVector<CajaEsperada> marcas;  // the ticket's marks in them
  QVector<QRect> fijas;          // the fixed marks: inked, inside their boxes
  double altoVentana;            // the values in force go below the window
};

// The worst distances found from a line to its place, in twips.
struct DesvioHoja {
  double cajas = 0;
  double reglas = 0;
};

// Checks the first page of `pdf`: each edge of each box, measured near its
// start, and each ruler tick (every millimetre along the top and left edges,
// but the last), measured near the edge, lie within `tolerancia`; each mark's
// ink is centred within `toleranciaMarcas` of its box's centre, the fixed
// marks are inked; there is no ink but on those lines, in those boxes, in the
// rulers' bands and below the window. Failures are added to the running test; the worst distances are
// answered and written out.
DesvioHoja compruebaHoja(const QString& pdf, const HojaEsperada& hoja, double tolerancia,
                         double toleranciaMarcas);

// The words written below the window, clear of the left ruler, line by line.
QString valoresEscritos(const QString& pdf, double altoVentana);
