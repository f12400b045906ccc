#include "tests/support/pdf_reader.h"

#include <QImageReader>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "tests/support/tool_path.h"

// pdftotext's output on `pdfPath`.
static QByteArray text(const QString& option, const QString& pdfPath) {
  return runTool("pdftotext", {option, toolPath(pdfPath), "-"});
}

QVector<PdfWord> pdfWords(const QString& pdfPath) {
  QVector<PdfWord> words;
  QXmlStreamReader xml(text("-bbox", pdfPath));
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

QString pdfText(const QString& pdf) { return QString::fromUtf8(text("-layout", pdf)); }

QImage renderPdfPage(const QString& pdfPath, int page, const QRect& twips, int dpi) {
  QTemporaryDir dir;
  const QString number = QString::number(page);
  QStringList arguments = {"-r", QString::number(dpi), "-gray", "-f", number, "-l", number, "-singlefile"};
  if (!twips.isNull())
    arguments << "-x" << QString::number(twips.x()) << "-y" << QString::number(twips.y()) << "-W"
              << QString::number(twips.width()) << "-H" << QString::number(twips.height());
  // A plain grey map (PGM) is written and read far faster than a PNG.
  runTool("pdftoppm", arguments << toolPath(pdfPath) << toolPath(dir.path()) + "/page");
  QImageReader reader(dir.filePath("page.pgm"));
  reader.setAllocationLimit(0);  // a whole page is more than Qt's guard allows
  return reader.read().convertToFormat(QImage::Format_Grayscale8);
}

// pdftotext ends every page, even an empty one, with a form feed.
int pdfPageCount(const QString& pdfPath) { return int(pdfText(pdfPath).count(QLatin1Char('\f'))); }
