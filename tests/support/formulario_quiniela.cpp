#include "tests/support/formulario_quiniela.h"

#include <QFontMetricsF>

namespace {

const QRectF kColumnas[8] = {{330, 260, 4035, 630},  {315, 900, 4050, 645},  {315, 1535, 4050, 645},
                             {315, 2175, 4050, 645}, {330, 2810, 4050, 645}, {315, 3455, 4050, 645},
                             {315, 4085, 4050, 645}, {330, 4725, 4050, 660}};
const QRectF kPlenos[2] = {{60, 1710, 285, 885}, {30, 4500, 285, 885}};

// Sign i of a ticket: its grid on paper, row and column, the column's width
// and the grid's rows. Match 1 is the rightmost box of its column.
struct Casilla {
  QRectF rejilla;
  int fila, columna;
  double ancho;
  int filas;
  QRectF caja() const {
    const double alto = rejilla.height() / filas;
    return QRectF(rejilla.left() + columna * ancho, rejilla.top() + fila * alto, ancho, alto);
  }
};

Casilla casilla(QPointF marco, int i, int fila) {
  if (i >= 112) return {kPlenos[i - 112].translated(marco), fila, 0, 310, 4};
  return {kColumnas[i / 14].translated(marco), fila, 13 - i % 14, 290, 3};
}

}  // namespace

QVector<QRectF> FormularioQuiniela::cajas() const {
  QVector<QRectF> todas;
  for (int i = 0; i < 114; ++i)
    for (int fila = 0; fila < (i < 112 ? 3 : 4); ++fila) {
      const Casilla c = casilla(marco, i, fila);
      todas << c.caja().intersected(c.rejilla);
    }
  return todas;
}

QVector<CajaEsperada> FormularioQuiniela::marcas(const QString& signos) const {
  QVector<CajaEsperada> cajas;
  for (int i = 0; i < signos.size(); ++i) {
    if (signos[i] == u' ') continue;
    const int fila = int((i < 112 ? QStringLiteral("1X2") : QStringLiteral("012M")).indexOf(signos[i]));
    const Casilla c = casilla(marco, i, fila);
    cajas << CajaEsperada{QStringLiteral("x"), c.caja().intersected(c.rejilla).toAlignedRect(),
                          c.caja().center()};
  }
  return cajas;
}

QRectF FormularioQuiniela::columna(int b) const {
  return kColumnas[b].translated(marco);
}

QVector<QRectF> lugaresTextos(const FormularioQuiniela& formulario, double margen,
                              const QStringList& textos) {
  QFont fuente(QStringLiteral("Ms Sans Serif"));
  fuente.setPixelSize(180);
  fuente.setBold(true);
  const QFontMetricsF medidas(fuente);
  // The file name from the margin, the rest in a column right of the grid frame.
  const double derecha = formulario.marco.x() + 4820;
  const QPointF lugares[6] = {{margen + 3600, 1900}, {derecha, 3600}, {derecha, 4410},
                              {derecha, 4610},       {derecha, 5010}, {derecha, 5210}};
  QVector<QRectF> cajas;
  for (int i = 0; i < 6; ++i)
    cajas << QRectF(lugares[i], QSizeF(medidas.horizontalAdvance(textos[i]), medidas.height()));
  return cajas;
}
