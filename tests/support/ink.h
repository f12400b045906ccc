#pragma once
// Where ink lies on paper: part of a page rendered by poppler, read in the page's own twips. Works
// as well on pages with no text layer (a real printer's output).
#include <QImage>
#include <QRect>
#include <QString>
#include <QVector>
#include <optional>

class PageInk {
 public:
  // The part `twips` of a page of a PDF (the whole page when null) at `dpi`: at 1440 a pixel is a
  // twip. A pixel is ink when its grey is below `threshold`: by default when at least half covered.
  PageInk(const QString& pdfPath, int page, const QRect& twips = QRect(), int dpi = 1440,
          int threshold = 128);

  bool read() const { return !image_.isNull(); }
  // The twips rendered.
  QRect area() const { return pixels(image_.rect()); }
  // The bounding box of the ink touching `twips`, and its centre; nothing when there is none.
  QRect boundsIn(const QRect& twips) const;
  std::optional<QPointF> centreIn(const QRect& twips) const;
  // The ink pixels, as squares in twips, that touch none of `allowed`.
  QVector<QRect> outside(const QVector<QRect>& allowed) const;

 private:
  QRect pixels(const QRect& p) const;
  QImage image_;
  QPoint origin_;
  double scale_;  // twips a pixel
  int threshold_;
};
