#include "app/printer/qt_printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinterInfo>

#include "app/canvas/twips.h"
#include "app/platform/runtime_error.h"
#include "app/printer/printer_text.h"

namespace {

const QString kTextFamily = QStringLiteral("Courier New");

FontSpec textFont(double points) { return FontSpec{kTextFamily, points, false, 0}; }

// Starts painting with the twip as unit and the printable area's top-left as
// origin, at 1:1 physical scale.
void beginTwips(QPainter& painter, QPrinter& printer) {
  if (!painter.begin(&printer)) throw RuntimeError(ErrorNumber::PrinterError);
  const double scale = printer.resolution() / kTwipsPerInch;
  painter.scale(scale, scale);
}

void endPainting(QPainter& painter) {
  if (!painter.end()) throw RuntimeError(ErrorNumber::PrinterError);
}

}  // namespace

QtPrinter::~QtPrinter() {
  try {
    endDoc();
  } catch (const RuntimeError&) {
    // Nobody is left to tell.
  }
}

std::unique_ptr<QPrinter> QtPrinter::openDocument() {
  std::unique_ptr<QPrinter> printer = newDocument();
  if (!printer) throw RuntimeError(ErrorNumber::PrinterError);
  // The page is the printable area, what the device itself can reach; Qt
  // would otherwise keep margins of its own (10 pt) inside it.
  printer->setFullPage(false);
  printer->setDocName(kPrintJobName);
  printer->setPageMargins(printer->pageLayout().minimumMargins(), printer->pageLayout().units());
  return printer;
}

void QtPrinter::printPage(const std::function<void(QPainter&)>& paint) {
  std::unique_ptr<QPrinter> printer = openDocument();
  QPainter painter;
  beginTwips(painter, *printer);
  paint(painter);
  endPainting(painter);
}

void QtPrinter::printLine(const QString& text) {
  if (!textPrinter_) {
    textPrinter_ = openDocument();
    pages_ = {QVector<TextLine>()};
    lineY_ = 0;
  }
  const double height = QFontMetricsF(twipFont(textFont(fontSize_))).height();
  const double pageHeight = textPrinter_->pageLayout().paintRect(QPageLayout::Point).height() * kTwipsPerPoint;
  if (lineY_ > 0 && lineY_ + height > pageHeight) startPage();
  pages_.last().append(TextLine{lineY_, text, fontSize_});
  lineY_ += height;
}

void QtPrinter::startPage() {
  pages_.append(QVector<TextLine>());
  lineY_ = 0;
  ++page_;
}

void QtPrinter::newPage() {
  if (textPrinter_) startPage();
}

void QtPrinter::endDoc() {
  if (!textPrinter_) return;
  // The document is released before it is painted, so a failure leaves none
  // half open.
  const std::unique_ptr<QPrinter> printer = std::move(textPrinter_);
  const QVector<QVector<TextLine>> pages = pages_;
  closeTextDocument();
  QPainter painter;
  beginTwips(painter, *printer);
  for (int index = 0; index < pages.size(); ++index) {
    if (index > 0) printer->newPage();
    for (const TextLine& line : pages[index]) {
      const QFont font = twipFont(textFont(line.points));
      painter.setFont(font);
      painter.drawText(QPointF(0, line.top + QFontMetricsF(font).ascent()), line.text);
    }
  }
  endPainting(painter);
}

void QtPrinter::killDoc() {
  textPrinter_.reset();
  closeTextDocument();
}

void QtPrinter::closeTextDocument() {
  pages_.clear();
  lineY_ = 0;
  page_ = 1;
}

QString QtPrinter::deviceName() const { return QPrinterInfo::defaultPrinter().printerName(); }

QString QtPrinter::driverName() const {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) return QString();
  return printer.makeAndModel().isEmpty() ? QStringLiteral("CUPS") : printer.makeAndModel();
}

QString QtPrinter::fontName() const { return kTextFamily; }

QStringList QtPrinter::fonts() const { return QFontDatabase::families(); }

int QtPrinter::orientation() const {
  return textPrinter_ && textPrinter_->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

std::unique_ptr<QPrinter> SystemPrinter::newDocument() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  if (!printer->isValid()) return nullptr;
  setPrinterText(*printer);
  return printer;
}
