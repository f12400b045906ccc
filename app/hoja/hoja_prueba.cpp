#include "app/hoja/hoja_prueba.h"

#include <QFontMetricsF>
#include <QLocale>

namespace {

// Tick lengths: every millimetre, every five, every ten.
constexpr double kMarcaCorta = 1 * kTwipsPorMm, kMarcaMedia = 2 * kTwipsPorMm, kMarcaLarga = 3 * kTwipsPorMm;
// The centimetre numbers start just past the long ticks.
constexpr double kDistanciaNumero = 3.3 * kTwipsPorMm;
// What the rulers keep clear of every box of the form.
constexpr double kHolgura = 0.5 * kTwipsPorMm;
// A tick cut shorter than this is left out.
constexpr double kMarcaMinima = 0.2 * kTwipsPorMm;
// The values start one centimetre in from the left and below the window.
constexpr double kValoresIzquierda = 10 * kTwipsPorMm, kValoresDebajo = 5 * kTwipsPorMm;

const FontSpec kFuenteNumeros{QStringLiteral("Arial"), 7, false, 0};
const FontSpec kFuenteValores{QStringLiteral("Arial"), 9, false, 0};

double largoMarca(int mm) {
  return mm % 10 == 0 ? kMarcaLarga : mm % 5 == 0 ? kMarcaMedia : kMarcaCorta;
}

QString milimetros(double twips) {
  return QLocale(QLocale::Spanish).toString(twips / kTwipsPorMm, 'f', 1);
}

}  // namespace

void HojaPrueba::anadeCaja(const QRectF& caja) {
  const QRectF visible = caja.intersected(ventana_);
  if (!visible.isEmpty()) cajas_ << visible;
}

void HojaPrueba::anadeRejilla(const QPointF& lugar, const GridModel& rejilla, const QRectF& recorte) {
  const QRectF limites = QRectF(QPointF(0, 0), QSizeF(rejilla.width(), rejilla.height())).translated(lugar);
  for (int fila = 0; fila < rejilla.rows(); ++fila)
    for (int col = 0; col < rejilla.cols(); ++col)
      anadeCaja(rejilla.cellRect(fila, col).translated(lugar).intersected(limites).intersected(recorte));
  rejillas_ << RejillaHoja{lugar, rejilla, recorte};
}

void HojaPrueba::anadeMarcaFija(const QRectF& lugar, const QString& texto, const QFont& fuente,
                                int alineacion, const QRectF& recorte) {
  anadeCaja(lugar.intersected(recorte));
  marcasFijas_ << TextoHoja{lugar, texto, fuente, alineacion, recorte};
}

void HojaPrueba::anadeLugar(const QRectF& lugar) {
  anadeCaja(lugar);
}

void HojaPrueba::anadeValores(const QStringList& lineas) {
  const QFont fuente = twipFont(kFuenteValores);
  const double alto = QFontMetricsF(fuente).height();
  double arriba = ventana_.bottom() + kValoresDebajo;
  for (const QString& linea : lineas) {
    const QRectF caja(kValoresIzquierda, arriba, QFontMetricsF(fuente).horizontalAdvance(linea), alto);
    textos_ << TextoHoja{caja, linea, fuente, Qt::AlignLeft | Qt::AlignTop, caja};
    arriba += alto;
  }
}

bool HojaPrueba::libre(const QRectF& zona) const {
  for (const QRectF& caja : cajas_)
    if (caja.adjusted(-kHolgura, -kHolgura, kHolgura, kHolgura).intersects(zona)) return false;
  return true;
}

// A tick runs inwards from the edge; it ends before the first box in its way.
QLineF HojaPrueba::recortaMarca(const QLineF& marca) const {
  const bool vertical = marca.x1() == marca.x2();
  double fin = vertical ? marca.y2() : marca.x2();
  const double a = vertical ? marca.x1() : marca.y1();
  for (const QRectF& caja : cajas_) {
    const QRectF zona = caja.adjusted(-kHolgura, -kHolgura, kHolgura, kHolgura);
    const double desde = vertical ? zona.left() : zona.top(), hasta = vertical ? zona.right() : zona.bottom();
    if (a >= desde && a <= hasta) fin = qMin(fin, vertical ? zona.top() : zona.left());
  }
  return vertical ? QLineF(marca.p1(), QPointF(a, fin)) : QLineF(marca.p1(), QPointF(fin, a));
}

void HojaPrueba::anadeReglas(const QSizeF& area) {
  const QFont fuente = twipFont(kFuenteNumeros);
  const double alto = QFontMetricsF(fuente).height();
  const auto regla = [&](double largo, bool arriba) {
    for (int mm = 1; mm * kTwipsPorMm < largo; ++mm) {
      const double p = mm * kTwipsPorMm;
      const QLineF marca =
          recortaMarca(arriba ? QLineF(p, 0, p, largoMarca(mm)) : QLineF(0, p, largoMarca(mm), p));
      if (marca.length() >= kMarcaMinima) marcasRegla_ << marca;
      if (mm % 10 != 0) continue;
      const QString numero = QString::number(mm / 10);
      const double ancho = QFontMetricsF(fuente).horizontalAdvance(numero);
      const QRectF caja = arriba ? QRectF(p - ancho / 2, kDistanciaNumero, ancho, alto)
                                 : QRectF(kDistanciaNumero, p - alto / 2, ancho, alto);
      if (libre(caja) && QRectF(QPointF(0, 0), area).contains(caja))
        textos_ << TextoHoja{caja, numero, fuente, Qt::AlignCenter, caja};
    }
  };
  regla(area.width(), true);
  regla(area.height(), false);
}

QRectF cajaTexto(const QPointF& posicion, const QString& texto, const FontSpec& fuente) {
  const QFontMetricsF medidas(twipFont(fuente));
  return QRectF(posicion, QSizeF(medidas.horizontalAdvance(texto), medidas.height()));
}

QStringList lineasValores(const ValoresHoja& v) {
  QStringList desplazamientos;
  for (const auto& [nombre, twips] : v.desplazamientos)
    desplazamientos << QStringLiteral("%1: %2 twips (%3 mm)").arg(nombre).arg(twips).arg(milimetros(twips));
  return {QStringLiteral("HOJA DE PRUEBA   ") + v.juego, desplazamientos.join(QStringLiteral("     ")),
          QStringLiteral("Marca: %1     Tamaño: %2     Negrita: %3")
              .arg(v.signo, QLocale(QLocale::Spanish).toString(v.tamano),
                   v.negrita ? QStringLiteral("Sí") : QStringLiteral("No")),
          QStringLiteral("Impresora: ") + v.impresora,
          QStringLiteral("1 mm = 56,7 twips; 1440 twips = 1 pulgada")};
}
