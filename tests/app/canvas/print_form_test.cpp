// The window image on paper: marks in their cells at 1:1 scale, drawn text at
// its pen position, and nothing that should not be there.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

#include "app/canvas/twip_geometry.h"
#include "app/canvas/twip_window.h"
#include "app/grid/grid.h"
#include "tests/app/canvas/paper.h"

namespace {

constexpr double kTolerance = 0.1 * kTwipsPerMm;
const FontSpec kMarkFont{"Lucida Console", 9, true, 8};

// Non-white pixels of page regions rendered at one pixel per twip, outside
// and inside the `allowed` part of the page.
struct Ink {
  int outside = 0, inside = 0;
};

Ink inkIn(const QString& pdf, const QVector<QRect>& regions, const QRegion& allowed) {
  Ink ink;
  for (const QRect& region : regions) {
    const QImage image = renderPdfPage(pdf, 1, region);
    EXPECT_EQ(image.size(), region.size());
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.constScanLine(y)[x] != 255)
          ++(allowed.contains(region.topLeft() + QPoint(x, y)) ? ink.inside : ink.outside);
  }
  return ink;
}

class PrintFormTest : public PaperTest {
 protected:
  PrintFormTest() {
    window.setClientSizeTwips(9000, 7000);
    window.setBackColor(qbColor(15));
    window.setAutoRedraw(true);
  }
  QString printed() {
    window.printForm(printer);
    return document();
  }
  // The words reading `text` on paper, and the boxes of them.
  QVector<QRectF> boxes(const QString& text) {
    if (words.isEmpty()) words = pdfWords(printed());
    QVector<QRectF> found;
    for (const PdfWord& word : words)
      if (word.text == text) found << word.box;
    return found;
  }
  static Grid* addGrid(QWidget* parent, const QRectF& twips, int rows, int cols, double colWidth,
                       const FontSpec& font = kMarkFont) {
    auto* grid = new Grid(parent);
    grid->setRows(rows);
    grid->setCols(cols);
    placeTwips(grid, twips.left(), twips.top(), twips.width(), twips.height());
    for (int col = 0; col < cols; ++col) {
      grid->setColWidth(col, colWidth);
      grid->setColAlignment(col, 4);
    }
    grid->model().font() = font;
    return grid;
  }
  TwipWindow window;
  QVector<PdfWord> words;
};

struct MarkCase {
  const char* name;
  FontSpec font;
  bool printLook;  // white lines, no border; else red lines and a border
};

void PrintTo(const MarkCase& c, std::ostream* out) {
  *out << c.name;
}

class MarkTest : public PrintFormTest, public ::testing::WithParamInterface<MarkCase> {};

// A pools column and a Pleno al 15 grid, whose column is wider than the grid,
// in a white frame at (600, 400), and the ticket number drawn beside it;
// expected places come from the twips alone.
TEST_P(MarkTest, MarksAndDrawnTextLandInPlaceAndPrintLookLeavesNoLine) {
  const MarkCase& c = GetParam();
  auto* frame = new QFrame(window.client());
  placeTwips(frame, 600, 400, 4650, 5400);
  setBackColor(frame, qbColor(15));
  const QRectF columnTwips(330, 260, 4035, 630), plenoTwips(60, 1710, 285, 885);
  Grid* column = addGrid(frame, columnTwips, 3, 14, 290, c.font);
  Grid* pleno = addGrid(frame, plenoTwips, 4, 1, 310, c.font);
  QVector<QPointF> centres;
  for (int col = 0; col < 14; ++col) {
    column->setTextMatrix(col * 2 % 3, col, "x");
    centres << QPointF(930 + 290 * col + 145, 660 + 210 * (col * 2 % 3) + 105);
  }
  pleno->setTextMatrix(2, 0, "x");
  centres << QPointF(660 + 155, 2110 + 885 / 4.0 * 2.5);
  for (Grid* grid : {column, pleno}) {
    grid->setGridColor(c.printLook ? QColor(Qt::white) : QColor(Qt::red));
    grid->setBorderStyle(c.printLook ? 0 : 1);
  }
  window.setFontSize(9);
  window.setFontBold(true);
  window.setCurrentX(5420);
  window.setCurrentY(3600);
  window.print("J12");
  const QPointF next(window.currentX(), window.currentY());
  window.print("3456");

  const QVector<QRectF> marks = boxes("x");
  ASSERT_EQ(marks.size(), centres.size());
  QRegion markBoxes;
  for (const QRectF& mark : marks) markBoxes += mark.adjusted(-15, -15, 15, 15).toAlignedRect();
  for (const QPointF& centre : centres)
    EXPECT_TRUE(std::any_of(
        marks.begin(), marks.end(),
        [&centre](const QRectF& mark) { return QLineF(mark.center(), centre).length() <= kTolerance; }))
        << "no mark centred at " << centre.x() << "," << centre.y();
  for (const char* text : {"J12", "3456"}) ASSERT_EQ(boxes(text).size(), 1) << text;
  EXPECT_LE(QLineF(boxes("J12")[0].topLeft(), QPointF(5420, 3600)).length(), kTolerance);
  EXPECT_LE(QLineF(boxes("3456")[0].topLeft(), QPointF(0, next.y())).length(), kTolerance);
  EXPECT_NEAR(boxes("J12")[0].bottom(), next.y(), kTolerance) << "the next line does not start right under";

  const auto around = [](const QRectF& grid) {
    return grid.translated(600, 400).adjusted(-30, -30, 30, 30).toRect();
  };
  const Ink ink = inkIn(document(), {around(columnTwips), around(plenoTwips)}, markBoxes);
  EXPECT_GT(ink.inside, 15 * 20) << "the marks did not reach paper as ink";
  if (c.printLook)
    EXPECT_EQ(ink.outside, 0) << "grid lines or borders reached paper";
  else
    EXPECT_GT(ink.outside, 4035 * 15) << "the screen look's lines did not print";
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, MarkTest,
    ::testing::Values(MarkCase{"TicketFont", kMarkFont, true},
                      MarkCase{"Lucida7Width8", FontSpec{"Lucida Console", 7, false, 8}, false},
                      MarkCase{"SansSerif12", FontSpec{"MS Sans Serif", 12, false, 0}, true}),
    [](const ::testing::TestParamInfo<MarkCase>& info) { return std::string(info.param.name); });

TEST_F(PrintFormTest, NothingOutsideTheClientAreaReachesPaper) {
  window.setClientSizeTwips(1500, 1000);
  auto* label = new QLabel(window.client());
  placeTwips(label, 1200, 700, 1000, 600);
  setBackColor(label, qbColor(0));
  addGrid(window.client(), QRectF(100, 800, 500, 400), 2, 1, 500)->setCellBackColor(Qt::black);
  window.setFontSize(12);
  window.setCurrentX(1300);
  window.print("FUERA DEL ÁREA");
  // One pixel (a twip) of smoothing along the clip edge is allowed.
  const Ink ink = inkIn(printed(), {QRect(0, 0, 4000, 1500)}, QRect(0, 0, 1501, 1001));
  EXPECT_EQ(ink.outside, 0);
  EXPECT_GT(ink.inside, 300 * 300 + 500 * 180) << "the visible parts of the label and grid did not print";
}

// Paper gets the window as it stands: moved controls at their new place, no
// hidden ones (nor what lies in a hidden frame), plain controls with their
// texts, and only the text drawn with AutoRedraw on since the last Cls, though
// the screen shows all of it.
TEST_F(PrintFormTest, PaperGetsTheWindowAsItStands) {
  auto* moved = new QLabel("MOVIDO", window.client());
  moved->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  placeTwips(moved, 1000, 1000, 2000, 400);
  setLeftTwips(moved, 3000);
  setTopTwips(moved, 2000);
  auto* panel = new QFrame(window.client());
  placeTwips(panel, 100, 1000, 3000, 1000);
  new QLabel("DENTRO", panel);
  panel->hide();
  (new QLabel("OCULTO", window.client()))->hide();
  placeTwips(new QPushButton("&Imprimir", window.client()), 100, 3000, 1500, 400);
  auto* box = new QGroupBox("Marco", window.client());
  placeTwips(box, 100, 3700, 3000, 1500);
  placeTwips(new QLineEdit("texto", box), 200, 400, 1500, 300);
  auto* edit = new QTextEdit(window.client());
  edit->setPlainText("varias");
  placeTwips(edit, 100, 5400, 1500, 600);
  const QImage blank = window.client()->grab().toImage();
  window.setFontSize(24);
  window.print("BORRADO");
  window.cls();
  EXPECT_EQ(QPointF(window.currentX(), window.currentY()), QPointF(0, 0));
  EXPECT_EQ(window.client()->grab().toImage(), blank) << "Cls left the text on screen";
  window.setAutoRedraw(false);
  window.print("PANTALLA");
  EXPECT_NE(window.client()->grab().toImage(), blank) << "the text is not shown on screen";
  window.setAutoRedraw(true);
  window.print("PAPEL");

  for (const char* text : {"OCULTO", "DENTRO", "BORRADO", "PANTALLA"})
    EXPECT_TRUE(boxes(text).isEmpty()) << text;
  for (const char* text : {"MOVIDO", "Imprimir", "Marco", "texto", "varias", "PAPEL"})
    ASSERT_EQ(boxes(text).size(), 1) << text;
  EXPECT_LE(QLineF(boxes("MOVIDO")[0].topLeft(), QPointF(3000, 2000)).length(), kTolerance);
  // The line edit lies inside the frame, whose top-left is at (100, 3700).
  EXPECT_GT(boxes("texto")[0].left(), 300);
  EXPECT_GT(boxes("texto")[0].top(), 4100);
}

}  // namespace
