#include "tests/support/pagina_entera.h"

#include <algorithm>

#include "tests/support/pdf_reader.h"

namespace {

constexpr int kDpiEntera = 144;
constexpr double kTwipsPorPixel = 1440.0 / kDpiEntera;
constexpr int kBlanco = 250;

}  // namespace

PaginaEntera::PaginaEntera(const QString& pdf) : imagen_(renderPdfPage(pdf, 1, QRect(), kDpiEntera)) {}

QSize PaginaEntera::tamano() const {
  return imagen_.size() * kTwipsPorPixel;
}

QRect PaginaEntera::cuadro(int x, int y) const {
  return QRectF(x * kTwipsPorPixel, y * kTwipsPorPixel, kTwipsPorPixel, kTwipsPorPixel).toAlignedRect();
}

bool PaginaEntera::tintaEn(const QRect& twips) const {
  for (int y = 0; y < imagen_.height(); ++y) {
    const uchar* linea = imagen_.constScanLine(y);
    for (int x = 0; x < imagen_.width(); ++x)
      if (linea[x] < kBlanco && cuadro(x, y).intersects(twips)) return true;
  }
  return false;
}

QVector<QRect> PaginaEntera::tintaFuera(const QVector<QRect>& permitidas) const {
  QVector<QRect> fuera;
  for (int y = 0; y < imagen_.height(); ++y) {
    const uchar* linea = imagen_.constScanLine(y);
    for (int x = 0; x < imagen_.width(); ++x) {
      if (linea[x] >= kBlanco) continue;
      const QRect pixel = cuadro(x, y);
      if (std::none_of(permitidas.begin(), permitidas.end(),
                       [&pixel](const QRect& r) { return r.intersects(pixel); }))
        fuera << pixel;
    }
  }
  return fuera;
}
