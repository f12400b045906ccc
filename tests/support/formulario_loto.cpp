#include "tests/support/formulario_loto.h"

#include <QRectF>
#include <QSizeF>

namespace {

// The grids of the forms, twips inside their frames, and their rows. Every
// column is one box of 290 twips; the rows share the grid's height.
struct Rejilla {
  QRectF lugar;
  int filas;
};
const Rejilla kNumeros49[8] = {{{30, 0, 2835, 1050}, 5},    {{30, 1065, 2835, 1050}, 5},
                               {{45, 2130, 2835, 1050}, 5}, {{30, 3195, 2835, 1050}, 5},
                               {{30, 4260, 2835, 1035}, 5}, {{30, 5310, 2835, 1035}, 5},
                               {{30, 6375, 2835, 1050}, 5}, {{15, 7440, 2835, 1035}, 5}};
const Rejilla kReintegro{{570, 0, 300, 2640}, 11};
const Rejilla kNumeros54[6] = {{{1380, 30, 2880, 1245}, 6},   {{1350, 1305, 2880, 1245}, 6},
                               {{1350, 2565, 2880, 1245}, 6}, {{1320, 3855, 2880, 1245}, 6},
                               {{1320, 5145, 2880, 1245}, 6}, {{1320, 6420, 2880, 1245}, 6}};
const Rejilla kClaves[6] = {{{570, 30, 615, 1245}, 6},   {{570, 1290, 615, 1245}, 6},
                            {{570, 2550, 615, 1245}, 6}, {{540, 3840, 615, 1245}, 6},
                            {{540, 5100, 615, 1245}, 6}, {{540, 6390, 615, 1245}, 6}};
const Rejilla kNumeros50[5] = {{{1425, 0, 2610, 1260}, 6},
                               {{1425, 1485, 2610, 1275}, 6},
                               {{1410, 2955, 2610, 1260}, 6},
                               {{1395, 4455, 2610, 1260}, 6},
                               {{1380, 5955, 2550, 1260}, 6}};
const Rejilla kEstrellas[5] = {{{30, 0, 1425, 1275}, 5},
                               {{30, 1485, 1440, 1275}, 5},
                               {{0, 2955, 1440, 1275}, 5},
                               {{0, 4455, 1425, 1275}, 5},
                               {{-30, 5955, 1455, 1275}, 5}};

CajaEsperada enCelda(QPointF marco, const Rejilla& r, int fila, int col, const QString& texto) {
  const QRectF rejilla = r.lugar.translated(marco);
  const double alto = rejilla.height() / r.filas;
  const QRectF caja(rejilla.left() + 290.0 * col, rejilla.top() + alto * fila, 290, alto);
  return {texto, caja.intersected(rejilla).toAlignedRect(), caja.center()};
}

// Every box of `n` grids of `columnas` columns in a frame at `marco` of `tamano`.
QVector<QRectF> todas(QPointF marco, QSizeF tamano, const Rejilla* r, int n, int columnas) {
  QVector<QRectF> cajas;
  for (int i = 0; i < n; ++i)
    for (int fila = 0; fila < r[i].filas; ++fila)
      for (int col = 0; col < columnas; ++col) {
        const QRectF rejilla = r[i].lugar.translated(marco);
        const double alto = rejilla.height() / r[i].filas;
        cajas << QRectF(rejilla.left() + 290.0 * col, rejilla.top() + alto * fila, 290, alto)
                     .intersected(rejilla)
                     .intersected(QRectF(marco, tamano));
      }
  return cajas;
}

}  // namespace

QVector<QRectF> FormularioLoto::cajas() const {
  QVector<QRectF> c = {fija};
  if (juego == 'B' || juego == 'P') c += todas(marco, {2865, 8565}, kNumeros49, 8, 10);
  if (juego == 'P') c += todas(reintegro, {840, 2745}, &kReintegro, 1, 1);
  if (juego == 'G')
    c += todas(marco, {4215, 7740}, kNumeros54, 6, 10) + todas(marco, {4215, 7740}, kClaves, 6, 2);
  if (juego == 'E')
    c += todas(marco, {4170, 7215}, kNumeros50, 5, 9) + todas(marco, {4170, 7215}, kEstrellas, 5, 4);
  return c;
}

FormularioLoto formularioLoto(char juego, double m, double t) {
  FormularioLoto f{juego, juego == 'E' ? QPointF(m - 1360, t) : QPointF(m, t),
                   QPointF(m - 1095, t + (juego == 'B' ? 3180 : 4470)), QRect()};
  if (juego == 'B' || juego == 'P')
    f.fija = QRectF(60, 390, 270, 255).translated(f.reintegro).toAlignedRect();
  if (juego == 'E') f.fija = QRect(int(m) - 1540, int(t) + 3340, 165, 255);
  // Inside El Gordo's frame, which cuts it.
  if (juego == 'G')
    f.fija = QRectF(-5, 6200, 225, 165)
                 .translated(f.marco)
                 .intersected(QRectF(f.marco, QSizeF(4215, 7740)))
                 .toAlignedRect();
  return f;
}

QVector<CajaEsperada> FormularioLoto::marcas(const QVector<QVector<int>>& apuestas,
                                             const QString& signo) const {
  QVector<CajaEsperada> cajas;
  for (int b = 0; b < apuestas.size(); ++b) {
    const QVector<int>& campo = apuestas[b];
    if (juego == 'B' || juego == 'P') {
      for (int k = 0; k < 6; ++k)
        cajas << enCelda(marco, kNumeros49[b], campo[k] / 10, 9 - campo[k] % 10, signo);
      if (juego == 'P' && b == 0) cajas << enCelda(reintegro, kReintegro, campo[6], 0, QStringLiteral("X"));
    } else if (juego == 'G') {
      for (int k = 0; k < 5; ++k)
        cajas << enCelda(marco, kNumeros54[b], campo[k] / 10, 9 - campo[k] % 10, signo);
      const int clave = campo[5];
      cajas << enCelda(marco, kClaves[b], clave < 5 ? clave : clave - 5, clave < 5 ? 1 : 0, signo);
    } else {
      // Rows of nine from the right; the stars four a row from the right, every other row.
      for (int k = 0; k < 5; ++k) {
        const int n = campo[k], resto = n % 9 == 0 ? 9 : n % 9;
        cajas << enCelda(marco, kNumeros50[b], (n - 1) / 9, 9 - resto, signo);
      }
      for (int k : {5, 6})
        cajas << enCelda(marco, kEstrellas[b], (campo[k] - 1) / 4 * 2, 3 - (campo[k] - 1) % 4, signo);
    }
  }
  return cajas;
}

QVector<int> camposDe(const QString& apuesta) {
  QVector<int> campos;
  for (int k = 0; k < 7; ++k) campos << apuesta.mid(2 * k, 2).toInt();
  return campos;
}
