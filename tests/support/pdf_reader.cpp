#include "tests/support/pdf_reader.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>

#include "tests/support/tool_path.h"

QVector<PdfWord> pdfWords(const QString& pdfPath) {
  QVector<PdfWord> words;
  QXmlStreamReader xml(runTool("pdftotext", {"-bbox", toolPath(pdfPath), "-"}));
  int page = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("page")) ++page;
    if (xml.name() != QLatin1String("word")) continue;
    const QXmlStreamAttributes at = xml.attributes();
    const auto twips = [&at](const char* x, const char* y) {  // a PDF point is 20 twips
      return QPointF(at.value(x).toDouble(), at.value(y).toDouble()) * 20;
    };
    words.append(PdfWord{xml.readElementText(), QRectF(twips("xMin", "yMin"), twips("xMax", "yMax")), page});
  }
  return words;
}

QString pdfText(const QString& pdf) {
  return QString::fromUtf8(runTool("pdftotext", {"-layout", toolPath(pdf), "-"}));
}

PageInk::PageInk(const QString& pdfPath, const QRect& twips, int dpi, int threshold)
    : origin_(twips.topLeft()), scale_(1440.0 / dpi), threshold_(threshold) {
  QTemporaryDir dir;
  QStringList arguments = {"-r", QString::number(dpi), "-gray", "-f", "1", "-l", "1", "-singlefile"};
  if (!twips.isNull())
    for (const auto& [option, value] :
         {std::pair{"-x", twips.x()}, {"-y", twips.y()}, {"-W", twips.width()}, {"-H", twips.height()}})
      arguments << option << QString::number(value * dpi / 1440);
  // A plain grey map (PGM) is written and read far faster than a PNG.
  runTool("pdftoppm", arguments << toolPath(pdfPath) << toolPath(dir.path()) + "/page");
  QImageReader reader(dir.filePath("page.pgm"));
  reader.setAllocationLimit(0);  // a whole page is more than Qt's guard allows
  image_ = reader.read().convertToFormat(QImage::Format_Grayscale8);
}

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
