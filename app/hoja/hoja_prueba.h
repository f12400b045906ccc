#pragma once
// The calibration test sheet ("Hoja de prueba"), printed on plain paper and
// laid over a real form against the light: the outline of every box of the
// form where the calibration in force puts it, the current ticket's marks in
// them, millimetre rulers along the printable area's top and left edges, and
// the values in force below the form. All in twips from the printable area's
// top-left, the origin a ticket print has.
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVector>
#include <utility>

#include "app/canvas/twips.h"
#include "app/grid/grid_model.h"

// The menu entry of both ticket windows.
inline const QString kMenuHoja = QStringLiteral("&Hoja de prueba");

// Thin lines: a tenth of a millimetre.
constexpr double kTwipsPorMm = kTwipsPerInch / 25.4;
constexpr double kLineaHoja = 0.1 * kTwipsPorMm;

// A text of the sheet, drawn in `caja` with `alineacion` and cut to `recorte`.
struct TextoHoja {
  QRectF caja;
  QString texto;
  QFont fuente;  // sized for a painter whose unit is the twip
  int alineacion;
  QRectF recorte;
};

// A grid of the form: its cells' marks are painted as the grid paints them
// on a ticket, cut to the grid and to `recorte`, its container on paper.
struct RejillaHoja {
  QPointF lugar;
  GridModel rejilla;
  QRectF recorte;
};

class HojaPrueba {
 public:
  // The form is cut to `ventana`, the window's client area, as a ticket is.
  explicit HojaPrueba(const QRectF& ventana) : ventana_(ventana) {}

  // Every cell of `rejilla` as a box, with the marks it holds; `recorte` is
  // the container that cuts the grid on the window.
  void anadeRejilla(const QPointF& lugar, const GridModel& rejilla, const QRectF& recorte);
  // A fixed mark: its place as a box, and the mark as its label prints it.
  void anadeMarcaFija(const QRectF& lugar, const QString& texto, const QFont& fuente, int alineacion,
                      const QRectF& recorte);
  // The place of a text the ticket prints, as a box.
  void anadeLugar(const QRectF& lugar);
  // The values in force, one line each, below the form.
  void anadeValores(const QStringList& lineas);
  // The rulers of a printable area of `area`: a tick every millimetre, longer
  // every five and ten, and the centimetres numbered. A tick stops short of
  // the form's boxes and a number that would touch one, or the area's edge,
  // is left out, so that nothing of the rulers falls into a box.
  void anadeReglas(const QSizeF& area);

  const QRectF& ventana() const { return ventana_; }
  // The boxes as they show inside the window; they are outlined.
  const QVector<QRectF>& cajas() const { return cajas_; }
  const QVector<RejillaHoja>& rejillas() const { return rejillas_; }
  // Texts cut to the window: the fixed marks.
  const QVector<TextoHoja>& marcasFijas() const { return marcasFijas_; }
  // The rulers' ticks and numbers, and the values: not cut to the window.
  const QVector<QLineF>& marcasRegla() const { return marcasRegla_; }
  const QVector<TextoHoja>& textos() const { return textos_; }

 private:
  void anadeCaja(const QRectF& caja);
  QLineF recortaMarca(const QLineF& marca) const;
  bool libre(const QRectF& zona) const;
  QRectF ventana_;
  QVector<QRectF> cajas_;
  QVector<RejillaHoja> rejillas_;
  QVector<TextoHoja> marcasFijas_;
  QVector<QLineF> marcasRegla_;
  QVector<TextoHoja> textos_;
};

// The box a text printed from `posicion` (the top-left of its glyph box) takes.
QRectF cajaTexto(const QPointF& posicion, const QString& texto, const FontSpec& fuente);

// The values in force as the sheet writes them.
struct ValoresHoja {
  QString juego;
  // The calibration's offsets, each with the name the window gives it.
  QVector<std::pair<QString, qint32>> desplazamientos;
  QString signo;
  double tamano;
  bool negrita;
  QString impresora;
};
QStringList lineasValores(const ValoresHoja& valores);
