#pragma once
// Reads back what reached paper, with poppler's tools.
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
// The words of the PDF as plain text, one line per printed line (pdftotext -layout).
QString pdfText(const QString& pdfPath);
// One page in grey at one pixel per twip (pdftoppm), or at `dpi`; only its
// part `twips` (in pixels at another `dpi`) when given, placed at the image's
// (0, 0): a whole A4 page is 200 MB at one pixel per twip.
QImage renderPdfPage(const QString& pdfPath, int page = 1, const QRect& twips = QRect(), int dpi = 1440);
int pdfPageCount(const QString& pdfPath);

constexpr double kTwipsPerMm = 1440.0 / 25.4;
