// The window image on paper: marks in their boxes at 1:1 scale, drawn text at
// its pen position, and nothing that should not be there.
#include <gtest/gtest.h>

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtMath>
#include <iostream>

#include "app/canvas/twip_geometry.h"
#include "app/canvas/twip_window.h"
#include "app/grid/grid.h"
#include "app/platform/runtime_error.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/pdf_reader.h"

namespace {

constexpr double kTolerance = 0.1 * kTwipsPerMm;

struct GridLook {
  QColor lines, firstRow;
  int border;
};
const GridLook kScreenLook{QColor(242, 41, 13), QColor(115, 189, 227), 1};
const GridLook kPrintLook{Qt::white, Qt::white, 0};

Grid* addGrid(QWidget* parent, const QRectF& twips, int rows, int cols, double colWidth, const FontSpec& font) {
  auto* grid = new Grid(parent);
  grid->setRows(rows);
  grid->setCols(cols);
  placeTwips(grid, twips.left(), twips.top(), twips.width(), twips.height());
  for (int col = 0; col < cols; ++col) {
    grid->setColWidth(col, colWidth);
    grid->setColAlignment(col, 4);
  }
  grid->setFontName(font.family);
  grid->setFontSize(font.points);
  grid->setFontBold(font.bold);
  grid->setFontWidth(font.widthPoints);
  return grid;
}

void giveLook(Grid* grid, const GridLook& look) {
  grid->setGridColor(look.lines);
  grid->setBorderStyle(look.border);
  grid->setRow(0);
  for (int col = 0; col < grid->model().cols(); ++col) {
    grid->setCol(col);
    grid->setCellBackColor(look.firstRow);
  }
}

QVector<PdfWord> wordsReading(const QVector<PdfWord>& words, const QString& text) {
  QVector<PdfWord> found;
  for (const PdfWord& word : words)
    if (word.text == text) found << word;
  return found;
}

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

class PrintFormTest : public ::testing::Test {
 protected:
  PrintFormTest() : printer(folder.path()) {
    window.setClientSizeTwips(9000, 7000);
    window.setBackColor(qbColor(15));
    window.setForeColor(qbColor(0));
    window.setAutoRedraw(true);
  }

  QString printed() {
    window.printForm(printer);
    const QStringList documents = printer.documents();
    EXPECT_EQ(documents.size(), 1);
    return documents.value(0);
  }

  // A white, borderless frame like the ticket's, at (600, 400).
  QFrame* addTicketFrame() {
    auto* frame = new QFrame(window.client());
    placeTwips(frame, 600, 400, 4650, 5400);
    setBackColor(frame, qbColor(15));
    return frame;
  }

  QTemporaryDir folder;
  PdfPrinter printer;
  TwipWindow window;
};

struct MarkCase {
  const char* name;
  FontSpec font;
  GridLook look;
};

class MarkPlacementTest : public PrintFormTest, public ::testing::WithParamInterface<MarkCase> {};

// Every mark of a pools column and of a Pleno al 15 grid lands with its glyph
// box centred on its cell, computed from the twips alone.
TEST_P(MarkPlacementTest, MarksAreCentredInTheirCells) {
  const MarkCase& c = GetParam();
  QFrame* frame = addTicketFrame();
  Grid* column = addGrid(frame, QRectF(330, 260, 4035, 630), 3, 14, 290, c.font);
  Grid* pleno = addGrid(frame, QRectF(60, 1710, 285, 885), 4, 1, 310, c.font);
  giveLook(column, c.look);
  giveLook(pleno, c.look);
  QVector<QPointF> expected;
  for (int col = 0; col < 14; ++col) {
    const int row = (col * 2) % 3;
    column->setTextMatrix(row, col, "x");
    expected << QPointF(600 + 330 + 290 * col + 145, 400 + 260 + 210 * row + 105);
  }
  pleno->setTextMatrix(2, 0, "x");
  expected << QPointF(600 + 60 + 155, 400 + 1710 + 885.0 / 4 * 2.5);

  const QVector<PdfWord> marks = wordsReading(pdfWords(printed()), "x");
  ASSERT_EQ(marks.size(), expected.size());
  double worst = 0;
  for (const QPointF& centre : expected) {
    double nearest = 1e9;
    for (const PdfWord& mark : marks) nearest = qMin(nearest, distance(mark.box.center(), centre));
    EXPECT_LE(nearest, kTolerance) << "mark for the cell centred at " << centre.x() << "," << centre.y();
    worst = qMax(worst, nearest);
  }
  std::cout << "[ measured ] " << c.name << ": worst mark-centre error " << worst / kTwipsPerMm << " mm (" << worst
            << " twips)\n";
  RecordProperty("worst_mark_error_twips", QString::number(worst, 'f', 3).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, MarkPlacementTest,
    ::testing::Values(MarkCase{"LucidaBold9Width8", FontSpec{"Lucida Console", 9, true, 8}, kScreenLook},
                      MarkCase{"Lucida7Width8", FontSpec{"Lucida Console", 7, false, 8}, kPrintLook},
                      MarkCase{"LucidaBold12Width8", FontSpec{"Lucida Console", 12, true, 8}, kPrintLook},
                      MarkCase{"SansSerif12", FontSpec{"MS Sans Serif", 12, false, 0}, kScreenLook}),
    [](const ::testing::TestParamInfo<MarkCase>& info) { return std::string(info.param.name); });

TEST_F(PrintFormTest, DrawnTextStartsAtThePen) {
  window.setFontName("Ms Sans Serif");
  window.setFontSize(9);
  window.setFontBold(true);
  window.setCurrentX(600 + 4820);
  window.setCurrentY(3600);
  window.print("J12");
  const float nextY = window.currentY();
  EXPECT_EQ(window.currentX(), 0);
  EXPECT_GT(nextY, 3600);
  window.print("3456");

  const QVector<PdfWord> words = pdfWords(printed());
  const QVector<PdfWord> first = wordsReading(words, "J12"), second = wordsReading(words, "3456");
  ASSERT_EQ(first.size(), 1);
  ASSERT_EQ(second.size(), 1);
  const double error = distance(first[0].box.topLeft(), QPointF(5420, 3600));
  EXPECT_LE(error, kTolerance);
  EXPECT_LE(distance(second[0].box.topLeft(), QPointF(0, nextY)), kTolerance);
  // The next line starts right under the first one.
  EXPECT_NEAR(first[0].box.bottom(), nextY, kTolerance);
  std::cout << "[ measured ] drawn text top-left error " << error / kTwipsPerMm << " mm\n";
}

// Fraction of the page rendered that is not white outside `allowed`, and the
// count of dark pixels inside it.
struct InkCount {
  int outside = 0, inside = 0;
};

InkCount countInk(const QImage& page, const QVector<QRectF>& allowed) {
  InkCount count;
  for (int y = 0; y < page.height(); ++y) {
    const uchar* line = page.constScanLine(y);
    for (int x = 0; x < page.width(); ++x) {
      if (line[x] == 255) continue;
      bool masked = false;
      for (const QRectF& box : allowed) masked = masked || box.contains(x + 0.5, y + 0.5);
      (masked ? count.inside : count.outside)++;
    }
  }
  return count;
}

TEST_F(PrintFormTest, PrintLookLeavesOnlyTheMarks) {
  QFrame* frame = addTicketFrame();
  const FontSpec font{"Lucida Console", 9, true, 8};
  Grid* column = addGrid(frame, QRectF(330, 260, 4035, 630), 3, 14, 290, font);
  Grid* empty = addGrid(frame, QRectF(315, 900, 4050, 645), 3, 14, 290, font);
  Grid* pleno = addGrid(frame, QRectF(60, 1710, 285, 885), 4, 1, 310, font);
  for (Grid* grid : {column, empty, pleno}) giveLook(grid, kPrintLook);
  for (int col = 0; col < 14; ++col) column->setTextMatrix(col % 3, col, "x");
  pleno->setTextMatrix(3, 0, "x");

  const QString pdf = printed();
  QVector<QRectF> markBoxes;
  for (const PdfWord& word : pdfWords(pdf)) markBoxes << word.box.adjusted(-15, -15, 15, 15);
  ASSERT_EQ(markBoxes.size(), 15);
  // The ticket frame and a margin round it.
  const QImage page = renderPdfPage(pdf, 1, QRect(0, 0, 6000, 6500));
  ASSERT_FALSE(page.isNull());
  const InkCount ink = countInk(page, markBoxes);
  EXPECT_EQ(ink.outside, 0) << "grid lines, borders or cells reached paper";
  EXPECT_GT(ink.inside, 15 * 20) << "the marks did not reach paper";
}

TEST_F(PrintFormTest, NothingOutsideTheClientAreaReachesPaper) {
  window.setClientSizeTwips(3000, 2000);
  auto* label = new QLabel(window.client());
  placeTwips(label, 2500, 1500, 2000, 1000);
  setBackColor(label, qbColor(0));
  FontSpec black{"Lucida Console", 12, true, 0};
  Grid* grid = addGrid(window.client(), QRectF(100, 1800, 1000, 600), 2, 1, 1000, black);
  grid->setRow(0);
  grid->setCol(0);
  grid->setCellBackColor(Qt::black);
  window.setFontSize(24);
  window.setCurrentX(2700);
  window.setCurrentY(100);
  window.print("FUERA DEL ÁREA");

  // Beyond the right and bottom edges as far as the controls and text reach.
  const QImage page = renderPdfPage(printed(), 1, QRect(0, 0, 8000, 4000));
  ASSERT_FALSE(page.isNull());
  // One pixel (a twip) of smoothing along the clip edge is allowed.
  const InkCount ink = countInk(page, {QRectF(0, 0, 3001, 2001)});
  EXPECT_EQ(ink.outside, 0);
  EXPECT_LT(qGray(page.pixel(2700, 1700)), 64) << "the label's visible part did not print";
  EXPECT_LT(qGray(page.pixel(500, 1950)), 64) << "the grid's visible part did not print";
}

TEST_F(PrintFormTest, TextDrawnWithoutAutoRedrawShowsButDoesNotPrint) {
  window.setFontSize(24);
  window.setAutoRedraw(false);
  window.setCurrentX(1440);
  window.setCurrentY(1440);
  window.print("PANTALLA");
  window.setAutoRedraw(true);
  window.print("PAPEL");

  const QImage screen = window.client()->grab().toImage();
  const int x = qRound(1440 * window.client()->logicalDpiX() / 1440.0);
  const int y = qRound(1440 * window.client()->logicalDpiY() / 1440.0);
  int dark = 0;
  for (int dy = 0; dy < 20; ++dy)
    for (int dx = 0; dx < 100; ++dx) dark += qGray(screen.pixel(x + dx, y + dy)) < 128;
  EXPECT_GT(dark, 0) << "the text is not shown on screen";

  const QVector<PdfWord> words = pdfWords(printed());
  EXPECT_TRUE(wordsReading(words, "PANTALLA").isEmpty());
  EXPECT_EQ(wordsReading(words, "PAPEL").size(), 1);
}

TEST_F(PrintFormTest, ClsRemovesDrawnTextAndResetsThePen) {
  window.setCurrentX(2000);
  window.setCurrentY(2000);
  window.print("BORRADO");
  window.cls();
  window.print("QUEDA");

  const QVector<PdfWord> words = pdfWords(printed());
  EXPECT_TRUE(wordsReading(words, "BORRADO").isEmpty());
  const QVector<PdfWord> kept = wordsReading(words, "QUEDA");
  ASSERT_EQ(kept.size(), 1);
  EXPECT_LE(distance(kept[0].box.topLeft(), QPointF(0, 0)), kTolerance);
}

TEST_F(PrintFormTest, HiddenControlsDoNotPrint) {
  auto* shown = new QLabel("VISIBLE", window.client());
  placeTwips(shown, 100, 100, 2000, 300);
  auto* hidden = new QLabel("OCULTO", window.client());
  placeTwips(hidden, 100, 500, 2000, 300);
  hidden->hide();
  auto* panel = new QFrame(window.client());
  placeTwips(panel, 100, 1000, 3000, 1000);
  new QLabel("DENTRO", panel);
  panel->hide();
  Grid* grid = addGrid(window.client(), QRectF(100, 2500, 290, 215), 1, 1, 290, FontSpec{});
  grid->setTextMatrix(0, 0, "G");
  grid->hide();

  const QVector<PdfWord> words = pdfWords(printed());
  EXPECT_EQ(wordsReading(words, "VISIBLE").size(), 1);
  for (const char* text : {"OCULTO", "DENTRO", "G"}) EXPECT_TRUE(wordsReading(words, text).isEmpty()) << text;
}

TEST_F(PrintFormTest, MovedControlsPrintAtTheirNewPlace) {
  auto* label = new QLabel("MOVIDO", window.client());
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  placeTwips(label, 1000, 1000, 2000, 400);
  Grid* grid = addGrid(window.client(), QRectF(100, 100, 290, 215), 1, 1, 290, FontSpec{"Lucida Console", 9, true, 8});
  grid->setTextMatrix(0, 0, "x");
  setLeftTwips(label, 3000);
  setTopTwips(label, 2000);
  setLeftTwips(grid, 5000);

  const QVector<PdfWord> words = pdfWords(printed());
  const QVector<PdfWord> moved = wordsReading(words, "MOVIDO"), mark = wordsReading(words, "x");
  ASSERT_EQ(moved.size(), 1);
  ASSERT_EQ(mark.size(), 1);
  EXPECT_LE(distance(moved[0].box.topLeft(), QPointF(3000, 2000)), kTolerance);
  EXPECT_LE(distance(mark[0].box.center(), QPointF(5145, 207.5)), kTolerance);
}

TEST_F(PrintFormTest, PlainControlsPrintTheirTexts) {
  auto* button = new QPushButton("&Imprimir", window.client());
  placeTwips(button, 100, 100, 1500, 400);
  auto* box = new QGroupBox("Marco", window.client());
  placeTwips(box, 100, 700, 3000, 1500);
  auto* line = new QLineEdit("texto", box);
  placeTwips(line, 200, 400, 1500, 300);
  auto* edit = new QTextEdit(window.client());
  edit->setPlainText("varias");
  placeTwips(edit, 100, 2400, 1500, 600);

  const QVector<PdfWord> words = pdfWords(printed());
  for (const char* text : {"Imprimir", "Marco", "texto", "varias"})
    EXPECT_EQ(wordsReading(words, text).size(), 1) << text;
  // The line edit lies inside the frame: its text sits right of 100 + 200.
  const QVector<PdfWord> inner = wordsReading(words, "texto");
  ASSERT_FALSE(inner.isEmpty());
  EXPECT_GT(inner[0].box.left(), 300);
  EXPECT_GT(inner[0].box.top(), 1100);
}

TEST_F(PrintFormTest, NoPrinterIsError482) {
  printer.setUnavailable(true);
  try {
    window.printForm(printer);
    ADD_FAILURE() << "printing without a printer succeeded";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), ErrorNumber::PrinterError);
  }
  EXPECT_TRUE(printer.documents().isEmpty());
}

}  // namespace
