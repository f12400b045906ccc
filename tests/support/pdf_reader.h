#pragma once
// Reads back what reached paper, with poppler's tools: the words of a PDF and where ink lies on its
// first page, in the page's own twips. The ink is read as well on pages with no text layer (a real
// printer's output).
#include <QImage>
#include <QRectF>
#include <QString>
#include <QVector>

struct PdfWord {
  QString text;
  QRectF box;  // glyph box in twips from the page's top-left
  int page;    // from 1
};

// Every word of the PDF with its box (pdftotext -bbox).
QVector<PdfWord> pdfWords(const QString& pdfPath);
// The words of the PDF as plain text, one line per printed line, a form feed after each page
// (pdftotext -layout).
QString pdfText(const QString& pdfPath);

constexpr double kTwipsPerMm = 1440.0 / 25.4;

class PageInk {
 public:
  // The part `twips` of the first page (the whole page when null) at `dpi`: at 1440 a pixel is a
  // twip, and a whole A4 page 200 MB. A pixel is ink when its grey is below `threshold`: by default
  // when at least half covered.
  PageInk(const QString& pdfPath, const QRect& twips = QRect(), int dpi = 1440, int threshold = 128);

  // The twips rendered.
  QRect area() const { return pixels(image_.rect()); }
  // The bounding box of the ink touching `twips`; null when there is none.
  QRect boundsIn(const QRect& twips) const;
  // The ink pixels, as squares in twips, that touch none of `allowed`.
  QVector<QRect> outside(const QVector<QRect>& allowed) const;

 private:
  QRect pixels(const QRect& p) const;
  QImage image_;
  QPoint origin_;
  double scale_;  // twips a pixel
  int threshold_;
};
