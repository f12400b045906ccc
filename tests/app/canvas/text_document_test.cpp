// The printer's text document: lines at their true size, pages, cancelling; and no printer.
#include <QFontMetricsF>
#include <algorithm>

#include "app/canvas/twip_window.h"
#include "tests/app/canvas/paper.h"
#include "tests/support/error_number.h"

namespace {

using TextDocumentTest = PaperTest;

TEST_F(TextDocumentTest, LinesGoDownThePageAtTheirSizeAndBreakOntoTheNext) {
  printer.setFontSize(10);
  for (int line = 1; line <= 100; ++line) printer.printLine(QString("LINEA%1").arg(line));
  EXPECT_EQ(printer.page(), 2);
  printer.newPage();
  printer.printLine("FIN");
  EXPECT_EQ(printer.page(), 3);
  EXPECT_TRUE(printer.documents().isEmpty()) << "the document left before EndDoc";
  printer.endDoc();
  EXPECT_EQ(printer.page(), 1);
  EXPECT_EQ(pdfPageCount(document()), 3);
  const QVector<PdfWord> words = pdfWords(document());
  ASSERT_EQ(words.size(), 101);
  for (int line = 1; line <= 100; ++line) EXPECT_EQ(words[line - 1].text, QString("LINEA%1").arg(line));
  const auto pageTwo = std::find_if(words.begin(), words.end(), [](const PdfWord& w) { return w.page == 2; });
  ASSERT_GT(pageTwo - words.begin(), 50);
  EXPECT_LE(pageTwo[-1].box.bottom(), 16838 + 1) << "the page's last line runs past the paper";
  for (const PdfWord& first : {words.first(), *pageTwo, words.last()}) EXPECT_NEAR(first.box.top(), 0, 1);
  EXPECT_NEAR(words.first().box.left(), 0, 1);
  // Ten points are 200 twips: a tenth of the width the font gives at 2000 pixels.
  QFont large("Courier New");
  large.setPixelSize(2000);
  EXPECT_NEAR(words.first().box.width(), QFontMetricsF(large).horizontalAdvance("LINEA1") / 10, 2)
      << "10 points did not print as 10 points";
}

// With nothing pending, EndDoc, KillDoc and NewPage print nothing, not even a
// blank sheet; KillDoc drops the whole document.
TEST_F(TextDocumentTest, KillDocAndIdleCallsPrintNothing) {
  printer.endDoc();
  printer.killDoc();
  printer.newPage();
  printer.endDoc();
  printer.printLine("CANCELADO");
  printer.newPage();
  printer.killDoc();
  EXPECT_EQ(printer.page(), 1);
  printer.printLine("SIGUE");
  printer.endDoc();
  EXPECT_EQ(pdfText(document()).trimmed(), "SIGUE");
}

TEST_F(TextDocumentTest, NoPrinterIsError482) {
  printer.setUnavailable(true);
  TwipWindow window;
  EXPECT_EQ(errorNumberOf([&] { window.printForm(printer); }), ErrorNumber::PrinterError);
  EXPECT_EQ(errorNumberOf([&] { printer.printLine("NADA"); }), ErrorNumber::PrinterError);
  EXPECT_TRUE(printer.documents().isEmpty());
}

}  // namespace
