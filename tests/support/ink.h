#pragma once
// Where ink lies on paper: a page rendered at one pixel per twip (renderPdfPage), read in the
// page's own twips. Works as well on pages with no text layer (a real printer's output).
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QVector>
#include <optional>

struct InkBlob {
  QRect box;   // in page twips
  int pixels;  // how many ink pixels it holds
};

class PageInk {
 public:
  // `image` shows the page from `origin`, its top-left in page twips. A pixel is ink when its grey
  // is below `threshold`: by default when it is at least half covered.
  explicit PageInk(const QImage& image, QPoint origin = QPoint(), int threshold = 128);
  // The part `twips` of a page of a PDF.
  PageInk(const QString& pdfPath, int page, const QRect& twips, int threshold = 128);

  // The twips of the page that were rendered.
  QRect area() const { return QRect(origin_, image_.size()); }
  // Pieces of ink touching one another (diagonals too), top to bottom.
  QVector<InkBlob> blobs() const;
  // The bounding box of all ink inside `twips`, and its centre; nothing when there is none.
  QRect boundsIn(const QRect& twips) const;
  std::optional<QPointF> centreIn(const QRect& twips) const;

 private:
  QImage image_;
  QPoint origin_;
  int threshold_;
};
