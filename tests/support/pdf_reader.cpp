#include "tests/support/pdf_reader.h"

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

constexpr double kTwipsPerPdfPoint = 20.0;

// Runs one of poppler's tools and returns what it wrote; a failure is told on
// the test's output and gives nothing.
QByteArray run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QByteArray();
  }
  return process.readAllStandardOutput();
}

}  // namespace

QVector<PdfWord> pdfWords(const QString& pdfPath) {
  QVector<PdfWord> words;
  QXmlStreamReader xml(run("pdftotext", {"-bbox", pdfPath, "-"}));
  int page = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("page")) {
      ++page;
    } else if (xml.name() == QLatin1String("word")) {
      const QXmlStreamAttributes at = xml.attributes();
      const QPointF topLeft(at.value("xMin").toDouble(), at.value("yMin").toDouble());
      const QPointF bottomRight(at.value("xMax").toDouble(), at.value("yMax").toDouble());
      const QRectF box(topLeft * kTwipsPerPdfPoint, bottomRight * kTwipsPerPdfPoint);
      words.append(PdfWord{xml.readElementText(), box, page});
    }
  }
  if (xml.hasError()) qWarning("pdftotext -bbox output unreadable: %s", qPrintable(xml.errorString()));
  return words;
}

QString pdfText(const QString& pdfPath) {
  return QString::fromUtf8(run("pdftotext", {"-layout", pdfPath, "-"}));
}

QImage renderPdfPage(const QString& pdfPath, int page, const QRect& twips) {
  QTemporaryDir dir;
  const QString prefix = dir.filePath("page"), number = QString::number(page);
  QStringList arguments = {"-r", "1440", "-gray", "-f", number, "-l", number, "-singlefile"};
  if (!twips.isNull())
    arguments << "-x" << QString::number(twips.x()) << "-y" << QString::number(twips.y()) << "-W"
              << QString::number(twips.width()) << "-H" << QString::number(twips.height());
  // A plain grey map (PGM) is written and read far faster than a PNG.
  run("pdftoppm", arguments << pdfPath << prefix);
  QImageReader reader(prefix + ".pgm");
  reader.setAllocationLimit(0);  // a whole page is more than Qt's guard allows
  return reader.read().convertToFormat(QImage::Format_Grayscale8);
}

// pdftotext ends every page, even an empty one, with a form feed.
int pdfPageCount(const QString& pdfPath) {
  return int(pdfText(pdfPath).count(QLatin1Char('\f')));
}
