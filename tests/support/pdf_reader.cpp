#include "tests/support/pdf_reader.h"

#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

constexpr double kTwipsPerPdfPoint = 20.0;

// Runs one of poppler's tools and returns what it wrote; a failure is told on
// the test's output and gives nothing.
QByteArray run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QByteArray();
  }
  return process.readAllStandardOutput();
}

}  // namespace

QVector<PdfWord> pdfWords(const QString& pdfPath) {
  QVector<PdfWord> words;
  QXmlStreamReader xml(run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}));
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
  return QString::fromUtf8(run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")}));
}

QImage renderPdfPage(const QString& pdfPath, int page, const QRect& twips) {
  QTemporaryDir dir;
  const QString prefix = dir.filePath(QStringLiteral("page"));
  const QString number = QString::number(page);
  QStringList arguments = {QStringLiteral("-r"), QStringLiteral("1440"), QStringLiteral("-gray"),
                           QStringLiteral("-f"),  number, QStringLiteral("-l"), number};
  if (!twips.isNull())
    arguments << QStringLiteral("-x") << QString::number(twips.x()) << QStringLiteral("-y") << QString::number(twips.y())
              << QStringLiteral("-W") << QString::number(twips.width()) << QStringLiteral("-H")
              << QString::number(twips.height());
  arguments << QStringLiteral("-singlefile") << QStringLiteral("-png") << pdfPath << prefix;
  run(QStringLiteral("pdftoppm"), arguments);
  QImageReader reader(prefix + QStringLiteral(".png"));
  reader.setAllocationLimit(0);  // a whole page is more than Qt's guard allows
  return reader.read().convertToFormat(QImage::Format_Grayscale8);
}

int pdfPageCount(const QString& pdfPath) {
  const QString info = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {pdfPath}));
  const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                                           QRegularExpression::MultilineOption)
                                            .match(info);
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}
