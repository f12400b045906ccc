// The printer's text document: lines one under the other, at their true size.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QTemporaryDir>

#include "app/platform/runtime_error.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/pdf_reader.h"

namespace {

class TextDocumentTest : public ::testing::Test {
 protected:
  TextDocumentTest() : printer(folder.path()) {}
  QTemporaryDir folder;
  PdfPrinter printer;
};

TEST_F(TextDocumentTest, LinesComeInOrderFromTheTopAtTheirSize) {
  printer.setFontSize(10);
  for (const char* line : {"PRIMERA", "SEGUNDA", "TERCERA"}) printer.printLine(line);
  EXPECT_TRUE(printer.documents().isEmpty()) << "the document left before EndDoc";
  printer.endDoc();
  ASSERT_EQ(printer.documents().size(), 1);

  const QVector<PdfWord> words = pdfWords(printer.documents()[0]);
  ASSERT_EQ(words.size(), 3);
  EXPECT_EQ(words[0].text, "PRIMERA");
  EXPECT_EQ(words[1].text, "SEGUNDA");
  EXPECT_EQ(words[2].text, "TERCERA");
  EXPECT_NEAR(words[0].box.top(), 0, 1);
  EXPECT_NEAR(words[0].box.left(), 0, 1);
  EXPECT_LT(words[0].box.top(), words[1].box.top());
  EXPECT_LT(words[1].box.top(), words[2].box.top());
  // Ten points are 200 twips: the width the font gives at 10 points, taken
  // from its width per em at a large size.
  QFont large("Courier New");
  large.setPixelSize(2000);
  const double expected = QFontMetricsF(large).horizontalAdvance("PRIMERA") / 10;
  EXPECT_NEAR(words[0].box.width(), expected, 2) << "10 points did not print as 10 points";
}

TEST_F(TextDocumentTest, AFullPageGoesOnToTheNext) {
  printer.setFontSize(10);
  for (int line = 1; line <= 100; ++line) printer.printLine(QString("L%1").arg(line));
  EXPECT_EQ(printer.page(), 2);
  printer.endDoc();
  EXPECT_EQ(printer.page(), 1);
  ASSERT_EQ(printer.documents().size(), 1);
  const QString pdf = printer.documents()[0];
  EXPECT_EQ(pdfPageCount(pdf), 2);
  const QVector<PdfWord> words = pdfWords(pdf);
  ASSERT_EQ(words.size(), 100);
  for (const PdfWord& word : words) EXPECT_LE(word.box.bottom(), 16838 + 1) << "past the page: " << word.text.toStdString();
  const int firstOnPageTwo = int(std::find_if(words.begin(), words.end(), [](const PdfWord& w) { return w.page == 2; }) -
                                 words.begin());
  EXPECT_GT(firstOnPageTwo, 50);
  EXPECT_NEAR(words[firstOnPageTwo].box.top(), 0, 1);
}

TEST_F(TextDocumentTest, NewPageStartsAPageWithinTheDocument) {
  printer.printLine("UNO");
  printer.newPage();
  EXPECT_EQ(printer.page(), 2);
  printer.printLine("DOS");
  printer.endDoc();
  ASSERT_EQ(printer.documents().size(), 1);
  const QVector<PdfWord> words = pdfWords(printer.documents()[0]);
  ASSERT_EQ(words.size(), 2);
  EXPECT_EQ(words[1].page, 2);
  EXPECT_NEAR(words[1].box.top(), 0, 1);
}

TEST_F(TextDocumentTest, EndKillAndNewPageWithNothingPendingPrintNothing) {
  printer.endDoc();
  printer.killDoc();
  printer.newPage();
  EXPECT_EQ(printer.page(), 1);
  printer.endDoc();
  EXPECT_TRUE(printer.documents().isEmpty());
}

TEST_F(TextDocumentTest, KillDocCancelsTheDocument) {
  printer.printLine("CANCELADO");
  printer.killDoc();
  EXPECT_EQ(printer.page(), 1);
  printer.endDoc();
  EXPECT_TRUE(printer.documents().isEmpty());
  printer.printLine("SIGUE");
  printer.endDoc();
  ASSERT_EQ(printer.documents().size(), 1);
  EXPECT_EQ(pdfText(printer.documents()[0]).trimmed(), "SIGUE");
}

TEST_F(TextDocumentTest, NoPrinterIsError482) {
  printer.setUnavailable(true);
  try {
    printer.printLine("NADA");
    ADD_FAILURE() << "a line went to no printer";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), ErrorNumber::PrinterError);
  }
}

TEST_F(TextDocumentTest, TellsItsFontAndFonts) {
  EXPECT_EQ(printer.fontName(), "Courier New");
  EXPECT_FALSE(printer.fonts().isEmpty());
  EXPECT_EQ(printer.orientation(), 1);
}

}  // namespace
