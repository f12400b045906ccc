#include "tests/support/ink.h"

#include <algorithm>

#include "tests/support/pdf_reader.h"

PageInk::PageInk(const QString& pdfPath, int page, const QRect& twips, int dpi, int threshold)
    : image_(renderPdfPage(
          pdfPath, page,
          twips.isNull() ? twips : QRect(twips.topLeft() * dpi / 1440, twips.size() * dpi / 1440), dpi)),
      origin_(twips.topLeft()),
      scale_(1440.0 / dpi),
      threshold_(threshold) {}

QRect PageInk::pixels(const QRect& p) const {
  return QRectF(origin_ + QPointF(p.topLeft()) * scale_, QSizeF(p.size()) * scale_).toAlignedRect();
}

QRect PageInk::boundsIn(const QRect& twips) const {
  const QRect range =
      QRectF(QPointF(twips.topLeft() - origin_) / scale_, QSizeF(twips.size()) / scale_).toAlignedRect() &
      image_.rect();
  QRect bounds;
  for (int y = range.top(); y <= range.bottom(); ++y)
    for (int x = range.left(); x <= range.right(); ++x)
      if (image_.constScanLine(y)[x] < threshold_) bounds |= QRect(x, y, 1, 1);
  return bounds.isNull() ? bounds : pixels(bounds);
}

std::optional<QPointF> PageInk::centreIn(const QRect& twips) const {
  const QRect bounds = boundsIn(twips);
  if (bounds.isNull()) return std::nullopt;
  return QRectF(bounds).center();  // a pixel covers one whole twip
}

QVector<QRect> PageInk::outside(const QVector<QRect>& allowed) const {
  QVector<QRect> found;
  for (int y = 0; y < image_.height(); ++y)
    for (int x = 0; x < image_.width(); ++x) {
      const QRect pixel = pixels(QRect(x, y, 1, 1));
      if (image_.constScanLine(y)[x] < threshold_ &&
          std::none_of(allowed.begin(), allowed.end(), [&](const QRect& r) { return r.intersects(pixel); }))
        found << pixel;
    }
  return found;
}
