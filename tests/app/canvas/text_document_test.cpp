// The printer's text document on paper.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QTemporaryDir>

#include "tests/support/pdf_printer.h"
#include "tests/support/pdf_reader.h"

namespace {

// Ten points are 200 twips of Courier New, each line as high as that font: the page holds as many
// as fit, the rest go to the next, each page from its top; what KillDoc drops never prints.
TEST(TextDocument, LinesGoDownThePageAtTheirSizeAndBreakOntoTheNext) {
  QTemporaryDir carpeta;
  PdfPrinter impresora{carpeta.path()};
  impresora.printLine("CANCELADO");
  impresora.killDoc();
  impresora.setFontSize(10);
  for (int line = 1; line <= 100; ++line) impresora.printLine(QString("L%1").arg(line));
  impresora.endDoc();
  QFont courier("Courier New");
  courier.setPixelSize(200);
  QStringList primeras;
  for (const PdfWord& w : pdfWords(impresora.documents().value(0)))
    if (w.box.top() < 10) primeras << QString("%1:%2").arg(w.text).arg(w.page);
  EXPECT_EQ(primeras.join(' '), QString("L1:1 L%1:2").arg(int(16838 / QFontMetricsF(courier).height()) + 1));
}

}  // namespace
