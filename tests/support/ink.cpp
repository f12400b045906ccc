#include "tests/support/ink.h"

#include <vector>

#include "tests/support/pdf_reader.h"

PageInk::PageInk(const QImage& image, QPoint origin, int threshold)
    : image_(image.convertToFormat(QImage::Format_Grayscale8)), origin_(origin), threshold_(threshold) {}

PageInk::PageInk(const QString& pdfPath, int page, const QRect& twips, int threshold)
    : PageInk(renderPdfPage(pdfPath, page, twips), twips.topLeft(), threshold) {}

QVector<InkBlob> PageInk::blobs() const {
  const int width = image_.width(), height = image_.height();
  std::vector<bool> seen(size_t(width) * size_t(height));
  const auto ink = [&](int x, int y) { return image_.constScanLine(y)[x] < threshold_; };
  QVector<InkBlob> found;
  std::vector<QPoint> pending;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (seen[size_t(y) * width + x] || !ink(x, y)) continue;
      seen[size_t(y) * width + x] = true;
      InkBlob blob{QRect(x, y, 1, 1), 0};
      pending.push_back(QPoint(x, y));
      while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        ++blob.pixels;
        blob.box |= QRect(p, QSize(1, 1));
        for (int ny = qMax(0, p.y() - 1); ny <= qMin(height - 1, p.y() + 1); ++ny)
          for (int nx = qMax(0, p.x() - 1); nx <= qMin(width - 1, p.x() + 1); ++nx)
            if (!seen[size_t(ny) * width + nx] && ink(nx, ny)) {
              seen[size_t(ny) * width + nx] = true;
              pending.push_back(QPoint(nx, ny));
            }
      }
      blob.box.translate(origin_);
      found << blob;
    }
  return found;
}

QRect PageInk::boundsIn(const QRect& twips) const {
  const QRect pixels = twips.translated(-origin_) & image_.rect();
  QRect bounds;
  for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
    const uchar* line = image_.constScanLine(y);
    for (int x = pixels.left(); x <= pixels.right(); ++x)
      if (line[x] < threshold_) bounds |= QRect(x, y, 1, 1);
  }
  return bounds.isNull() ? bounds : bounds.translated(origin_);
}

std::optional<QPointF> PageInk::centreIn(const QRect& twips) const {
  const QRect bounds = boundsIn(twips);
  if (bounds.isNull()) return std::nullopt;
  return QRectF(bounds).center();  // a pixel covers one whole twip
}
