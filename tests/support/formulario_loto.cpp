#include "tests/support/formulario_loto.h"

#include <QRectF>
#include <QSizeF>

namespace {

// A grid of a form, twips inside its frame: every column one box of 290 twips,
// the rows sharing the grid's height.
struct Rejilla {
  QRectF lugar;
  int filas, columnas;
};
// clang-format off
const Rejilla kNumeros49[8] = {{{30, 0, 2835, 1050}, 5, 10}, {{30, 1065, 2835, 1050}, 5, 10},
    {{45, 2130, 2835, 1050}, 5, 10}, {{30, 3195, 2835, 1050}, 5, 10}, {{30, 4260, 2835, 1035}, 5, 10},
    {{30, 5310, 2835, 1035}, 5, 10}, {{30, 6375, 2835, 1050}, 5, 10}, {{15, 7440, 2835, 1035}, 5, 10}};
const Rejilla kReintegro{{570, 0, 300, 2640}, 11, 1};
const Rejilla kNumeros54[6] = {{{1380, 30, 2880, 1245}, 6, 10}, {{1350, 1305, 2880, 1245}, 6, 10},
    {{1350, 2565, 2880, 1245}, 6, 10}, {{1320, 3855, 2880, 1245}, 6, 10}, {{1320, 5145, 2880, 1245}, 6, 10},
    {{1320, 6420, 2880, 1245}, 6, 10}};
const Rejilla kClaves[6] = {{{570, 30, 615, 1245}, 6, 2}, {{570, 1290, 615, 1245}, 6, 2},
    {{570, 2550, 615, 1245}, 6, 2}, {{540, 3840, 615, 1245}, 6, 2}, {{540, 5100, 615, 1245}, 6, 2},
    {{540, 6390, 615, 1245}, 6, 2}};
const Rejilla kNumeros50[5] = {{{1425, 0, 2610, 1260}, 6, 9}, {{1425, 1485, 2610, 1275}, 6, 9},
    {{1410, 2955, 2610, 1260}, 6, 9}, {{1395, 4455, 2610, 1260}, 6, 9}, {{1380, 5955, 2550, 1260}, 6, 9}};
const Rejilla kEstrellas[5] = {{{30, 0, 1425, 1275}, 5, 4}, {{30, 1485, 1440, 1275}, 5, 4},
    {{0, 2955, 1440, 1275}, 5, 4}, {{0, 4455, 1425, 1275}, 5, 4}, {{-30, 5955, 1455, 1275}, 5, 4}};
// clang-format on

QRectF celda(QPointF marco, const Rejilla& r, int fila, int col) {
  const QRectF rejilla = r.lugar.translated(marco);
  const double alto = rejilla.height() / r.filas;
  return QRectF(rejilla.left() + 290.0 * col, rejilla.top() + alto * fila, 290, alto);
}

CajaEsperada marca(QPointF marco, const Rejilla& r, int fila, int col) {
  const QRectF caja = celda(marco, r, fila, col);
  return {caja.intersected(r.lugar.translated(marco)).toAlignedRect(), caja.center()};
}

// Every box of `n` grids in a frame at `marco` of `tamano`.
void todas(QVector<QRectF>& cajas, QPointF marco, QSizeF tamano, const Rejilla* r, int n) {
  for (int i = 0; i < n; ++i)
    for (int fila = 0; fila < r[i].filas; ++fila)
      for (int col = 0; col < r[i].columnas; ++col)
        cajas << celda(marco, r[i], fila, col)
                     .intersected(r[i].lugar.translated(marco))
                     .intersected(QRectF(marco, tamano));
}

}  // namespace

FormularioLoto formularioLoto(char juego, double m, double t, const QVector<QVector<int>>& apuestas) {
  const QPointF marco = juego == 'E' ? QPointF(m - 1360, t) : QPointF(m, t);
  const QPointF reintegro(m - 1095, t + (juego == 'B' ? 3180 : 4470));
  FormularioLoto f;
  if (juego == 'B' || juego == 'P') {
    f.cajas << QRectF(60, 390, 270, 255).translated(reintegro);
    todas(f.cajas, marco, {2865, 8565}, kNumeros49, 8);
    if (juego == 'P') todas(f.cajas, reintegro, {840, 2745}, &kReintegro, 1);
    for (int b = 0; b < apuestas.size(); ++b)
      for (int n : apuestas[b].mid(0, 6)) f.marcas << marca(marco, kNumeros49[b], n / 10, 9 - n % 10);
    if (juego == 'P' && !apuestas.isEmpty()) f.marcas << marca(reintegro, kReintegro, apuestas[0][6], 0);
  } else if (juego == 'G') {
    // Inside El Gordo's frame, which cuts it.
    f.cajas << QRectF(-5, 6200, 225, 165).translated(marco).intersected(QRectF(marco, QSizeF(4215, 7740)));
    todas(f.cajas, marco, {4215, 7740}, kNumeros54, 6);
    todas(f.cajas, marco, {4215, 7740}, kClaves, 6);
    for (int b = 0; b < apuestas.size(); ++b) {
      for (int n : apuestas[b].mid(0, 5)) f.marcas << marca(marco, kNumeros54[b], n / 10, 9 - n % 10);
      f.marcas << marca(marco, kClaves[b], apuestas[b][5] % 5, apuestas[b][5] < 5 ? 1 : 0);
    }
  } else {
    f.cajas << QRectF(m - 1540, t + 3340, 165, 255);
    todas(f.cajas, marco, {4170, 7215}, kNumeros50, 5);
    todas(f.cajas, marco, {4170, 7215}, kEstrellas, 5);
    // Rows of nine from the right; the stars four a row from the right, every other row.
    for (int b = 0; b < apuestas.size(); ++b) {
      for (int n : apuestas[b].mid(0, 5))
        f.marcas << marca(marco, kNumeros50[b], (n - 1) / 9, 8 - (n - 1) % 9);
      for (int n : apuestas[b].mid(5, 2))
        f.marcas << marca(marco, kEstrellas[b], (n - 1) / 4 * 2, 3 - (n - 1) % 4);
    }
  }
  return f;
}

QVector<int> camposDe(const QString& apuesta) {
  QVector<int> campos;
  for (int k = 0; k < 7; ++k) campos << apuesta.mid(2 * k, 2).toInt();
  return campos;
}
