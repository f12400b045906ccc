// The window on paper: marks in their cells at 1:1, drawn text at its pen, nothing else.
#include <QFrame>
#include <QLabel>
#include <QLineF>
#include <QPainter>
#include <algorithm>

#include "app/canvas/twip_geometry.h"
#include "app/canvas/twip_window.h"
#include "app/grid/grid.h"
#include "tests/app/canvas/paper.h"
#include "tests/support/ink.h"

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
  // Each mark's box on paper, where its ink should be centred, and the part of it where the ink is
  // looked for: inside its grid (the last pools column and the Pleno al 15's reach past it) and
  // short of the lines and the border.
  QVector<std::pair<QRect, QPointF>> marks;
  const auto mark = [&marks](const QRectF& box, const QRectF& grid) {
    marks.append(
        {box.intersected(grid.translated(600, 400)).adjusted(16, 16, -16, -16).toRect(), box.center()});
  };
  for (int col = 0; col < 14; ++col) {
    const int row = col * 2 % 3;
    column->setTextMatrix(row, col, "x");
    mark(QRectF(930 + 290 * col, 660 + 210 * row, 290, 210), columnTwips);
  }
  pleno->setTextMatrix(2, 0, "x");
  mark(QRectF(660, 2110 + 885 / 2.0, 310, 885 / 4.0), plenoTwips);
  window.setFontSize(9);
  window.setFontBold(true);
  window.setCurrentX(5420);
  window.setCurrentY(3600);
  window.print("J12");
  window.print("3456");
  window.printForm(printer);

  for (const char* text : {"J12", "3456"}) ASSERT_EQ(boxes(text).size(), 1) << text;
  EXPECT_TRUE(near(boxes("J12")[0].topLeft(), QPointF(5420, 3600)));
  EXPECT_TRUE(near(boxes("3456")[0].topLeft(), QPointF(0, boxes("J12")[0].bottom())));

  const QRect grids = columnTwips.united(plenoTwips).translated(600, 400).adjusted(-30, -30, 30, 30).toRect();
  const PageInk ink(document(), 1, grids);
  for (const auto& [box, centre] : marks) {
    const std::optional<QPointF> found = ink.centreIn(box);
    ASSERT_TRUE(found) << "no mark in the box at " << centre.x() << "," << centre.y();
    EXPECT_TRUE(near(*found, centre)) << "mark centred at " << found->x() << "," << found->y() << " not at "
                                      << centre.x() << "," << centre.y();
  }
  int loose = 0;  // ink pixels of no mark
  for (const InkBlob& blob : ink.blobs())
    if (std::none_of(marks.begin(), marks.end(),
                     [&blob](const auto& m) { return m.first.contains(blob.box); }))
      loose += blob.pixels;
  if (printLook)
    EXPECT_EQ(loose, 0) << "grid lines or borders reached paper";
  else
    EXPECT_GT(loose, 4035 * 15) << "the screen look's lines did not print";
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

using GridOnPaper = PaperTest;

// Every mark the windows offer, at every size they allow, bold or not, in the pools' font (8
// points wide) and the lottos' (its own width): its ink centred in its box.
TEST_F(GridOnPaper, EveryMarkHasItsInkCentredInItsBox) {
  const QString marks[] = {"x", "o", "*", "»", "«", "X"};
  QVector<std::pair<GridModel, QPointF>> grids;
  for (double width : {8.0, 0.0})
    for (bool bold : {false, true})
      for (int points = 7; points <= 12; ++points) {
        GridModel grid(1, 6);
        grid.setSize(6 * 290, 210);
        grid.font() = FontSpec{"Lucida Console", double(points), bold, width};
        grid.setGridColor(Qt::white);
        grid.setBorderStyle(0);
        for (int col = 0; col < 6; ++col) {
          grid.setColWidth(col, 290);
          grid.setColAlignment(col, 4);
          grid.setText(0, col, marks[col]);
        }
        grids.append({grid, QPointF(300, 300 + 300 * grids.size())});
      }
  printer.printPage([&grids](QPainter& painter) {
    for (const auto& [grid, at] : grids) {
      painter.save();
      painter.translate(at);
      paintGrid(painter, grid);
      painter.restore();
    }
  });

  const PageInk ink(document(), 1, QRect(0, 0, 2400, 300 * int(grids.size() + 1)));
  for (const auto& [grid, at] : grids)
    for (int col = 0; col < 6; ++col) {
      const FontSpec& font = grid.font();
      SCOPED_TRACE(testing::Message() << marks[col].toStdString() << " at " << font.points << " points"
                                      << (font.bold ? " bold" : "") << ", width " << font.widthPoints);
      const QRectF cell = grid.cellRect(0, col).translated(at);
      const std::optional<QPointF> centre = ink.centreIn(cell.toAlignedRect());
      ASSERT_TRUE(centre) << "no ink";
      EXPECT_TRUE(near(*centre, cell.center()))
          << "ink centred at " << centre->x() - cell.center().x() << ", " << centre->y() - cell.center().y()
          << " from the box's centre";
    }
}

}  // namespace
