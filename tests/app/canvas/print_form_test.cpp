// The window on paper: marks in their cells at 1:1, drawn text at its pen, nothing else.
#include <QFrame>
#include <QLabel>
#include <QLineF>
#include <algorithm>

#include "app/canvas/twip_geometry.h"
#include "app/canvas/twip_window.h"
#include "app/grid/grid.h"
#include "tests/app/canvas/paper.h"

namespace {

constexpr double kTolerance = 0.1 * kTwipsPerMm;
const FontSpec kMarkFont{"Lucida Console", 9, true, 8};

bool near(const QPointF& a, const QPointF& b) { return QLineF(a, b).length() <= kTolerance; }

// Non-white pixels of a page region rendered at one pixel per twip, outside and inside `allowed`.
struct Ink { int outside = 0, inside = 0; };

Ink inkIn(const QString& pdf, const QRect& region, const QRegion& allowed) {
  Ink ink;
  const QImage image = renderPdfPage(pdf, 1, region);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.constScanLine(y)[x] != 255)
        ++(allowed.contains(region.topLeft() + QPoint(x, y)) ? ink.inside : ink.outside);
  return ink;
}

class PrintFormTest : public PaperTest {
 protected:
  PrintFormTest() {
    window.setClientSizeTwips(9000, 7000);
    window.setBackColor(qbColor(15));
    window.setAutoRedraw(true);
  }
  QVector<QRectF> boxes(const QString& text) const {
    QVector<QRectF> found;
    for (const PdfWord& word : pdfWords(document()))
      if (word.text == text) found << word.box;
    return found;
  }
  // Centred columns; in print look (white lines, no border) unless told, else red lines and a border.
  static Grid* addGrid(QWidget* parent, const QRectF& twips, int rows, int cols, double colWidth,
                       const FontSpec& font = kMarkFont, bool printLook = true) {
    auto* grid = new Grid(parent);
    grid->setRows(rows);
    grid->setCols(cols);
    placeTwips(grid, twips.left(), twips.top(), twips.width(), twips.height());
    for (int col = 0; col < cols; ++col) {
      grid->setColWidth(col, colWidth);
      grid->setColAlignment(col, 4);
    }
    grid->model().font() = font;
    grid->setGridColor(printLook ? QColor(Qt::white) : QColor(Qt::red));
    grid->setBorderStyle(printLook ? 0 : 1);
    return grid;
  }
  TwipWindow window;
};

class MarkTest : public PrintFormTest, public ::testing::WithParamInterface<std::pair<FontSpec, bool>> {};

// A pools column and a Pleno al 15 grid (column wider than the grid) in a white frame at
// (600, 400), and the ticket number drawn beside it; expected places come from the twips alone.
TEST_P(MarkTest, MarksAndDrawnTextLandInPlaceAndPrintLookLeavesNoLine) {
  const auto& [font, printLook] = GetParam();
  auto* frame = new QFrame(window.client());
  placeTwips(frame, 600, 400, 4650, 5400);
  setBackColor(frame, qbColor(15));
  const QRectF columnTwips(330, 260, 4035, 630), plenoTwips(60, 1710, 285, 885);
  Grid* column = addGrid(frame, columnTwips, 3, 14, 290, font, printLook);
  Grid* pleno = addGrid(frame, plenoTwips, 4, 1, 310, font, printLook);
  QVector<QPointF> centres;
  for (int col = 0; col < 14; ++col) {
    column->setTextMatrix(col * 2 % 3, col, "x");
    centres << QPointF(930 + 290 * col + 145, 660 + 210 * (col * 2 % 3) + 105);
  }
  pleno->setTextMatrix(2, 0, "x");
  centres << QPointF(660 + 155, 2110 + 885 / 4.0 * 2.5);
  window.setFontSize(9);
  window.setFontBold(true);
  window.setCurrentX(5420);
  window.setCurrentY(3600);
  window.print("J12");
  window.print("3456");
  window.printForm(printer);

  const QVector<QRectF> marks = boxes("x");
  ASSERT_EQ(marks.size(), centres.size());
  QRegion markBoxes;
  for (const QRectF& mark : marks) markBoxes += mark.adjusted(-15, -15, 15, 15).toAlignedRect();
  for (const QPointF& centre : centres)
    EXPECT_TRUE(std::any_of(marks.begin(), marks.end(), [&](QRectF m) { return near(m.center(), centre); }))
        << "no mark centred at " << centre.x() << "," << centre.y();
  for (const char* text : {"J12", "3456"}) ASSERT_EQ(boxes(text).size(), 1) << text;
  EXPECT_TRUE(near(boxes("J12")[0].topLeft(), QPointF(5420, 3600)));
  EXPECT_TRUE(near(boxes("3456")[0].topLeft(), QPointF(0, boxes("J12")[0].bottom())));

  const QRect grids = columnTwips.united(plenoTwips).translated(600, 400).adjusted(-30, -30, 30, 30).toRect();
  const Ink ink = inkIn(document(), grids, markBoxes);
  EXPECT_GT(ink.inside, 15 * 20) << "the marks did not reach paper as ink";
  if (printLook)
    EXPECT_EQ(ink.outside, 0) << "grid lines or borders reached paper";
  else
    EXPECT_GT(ink.outside, 4035 * 15) << "the screen look's lines did not print";
}

INSTANTIATE_TEST_SUITE_P(Fonts, MarkTest,
                         ::testing::Values(std::pair{kMarkFont, true},
                                           std::pair{FontSpec{"Lucida Console", 7, false, 8}, false},
                                           std::pair{FontSpec{"MS Sans Serif", 12, false, 0}, true}),
                         [](const auto& i) { return "Points" + std::to_string(int(i.param.first.points)); });

// Paper gets the window as it stands: moved controls at their new place, no hidden ones (nor
// what lies in a hidden frame), only the text drawn with AutoRedraw on since the last Cls,
// though the screen shows all of it, and nothing outside the client area.
TEST_F(PrintFormTest, PaperGetsTheWindowAsItStands) {
  window.setClientSizeTwips(3000, 2000);
  auto* moved = new QLabel("MOVIDO", window.client());
  moved->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  placeTwips(moved, 1000, 1000, 1200, 400);
  setLeftTwips(moved, 1500);
  setTopTwips(moved, 800);
  auto* panel = new QFrame(window.client());
  placeTwips(panel, 100, 1000, 1000, 500);
  new QLabel("DENTRO", panel);
  panel->hide();
  (new QLabel("OCULTO", window.client()))->hide();
  auto* label = new QLabel(window.client());
  placeTwips(label, 2700, 1700, 1000, 600);
  setBackColor(label, qbColor(0));
  addGrid(window.client(), QRectF(100, 1800, 500, 400), 2, 1, 500)->setCellBackColor(Qt::black);
  const QImage blank = window.client()->grab().toImage();
  window.setFontSize(12);
  window.print("BORRADO");
  window.cls();
  EXPECT_EQ(QPointF(window.currentX(), window.currentY()), QPointF(0, 0));
  EXPECT_EQ(window.client()->grab().toImage(), blank) << "Cls left the text on screen";
  window.setAutoRedraw(false);
  window.print("PANTALLA");
  EXPECT_NE(window.client()->grab().toImage(), blank) << "the text is not shown on screen";
  window.setAutoRedraw(true);
  window.print("PAPEL");
  window.setCurrentX(2800);
  window.print("FUERA DEL ÁREA");
  window.printForm(printer);

  for (const char* text : {"OCULTO", "DENTRO", "BORRADO", "PANTALLA"})
    EXPECT_TRUE(boxes(text).isEmpty()) << text;
  for (const char* text : {"MOVIDO", "PAPEL"}) ASSERT_EQ(boxes(text).size(), 1) << text;
  EXPECT_TRUE(near(boxes("MOVIDO")[0].topLeft(), QPointF(1500, 800)));
  // One pixel (a twip) of smoothing along the clip edge is allowed.
  const Ink ink = inkIn(document(), QRect(0, 0, 4500, 2700), QRect(0, 0, 3001, 2001));
  EXPECT_EQ(ink.outside, 0) << "something outside the client area reached paper";
  EXPECT_GT(ink.inside, 300 * 300 + 500 * 180) << "the visible parts of the label and grid did not print";
}

}  // namespace
