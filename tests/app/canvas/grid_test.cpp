// The grid: cell geometry, what its painting leaves, cells kept through
// changes, and the widget on screen.
#include "app/grid/grid.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "app/canvas/twip_geometry.h"
#include "tests/support/error_number.h"

namespace {

TEST(GridModel, PlacesCellsByColumnWidthsAndSharedRowHeight) {
  GridModel grid(4, 3);
  grid.setSize(285, 885);
  const double widths[] = {310, 250, 75};
  for (int col = 0; col < 3; ++col) grid.setColWidth(col, widths[col]);
  EXPECT_EQ(grid.cellRect(3, 0), QRectF(0, 663.75, 310, 221.25))
      << "a column wider than the grid is kept whole";
  EXPECT_EQ(grid.cellRect(1, 2), QRectF(560, 221.25, 75, 221.25));
}

TEST(GridModel, KeepsCellsWhenRowsAndColumnsChangeAndClearOnlyEmptiesTexts) {
  GridModel grid(3, 14);
  grid.setText(2, 13, "x");
  grid.setCellBackColor(0, 1, Qt::cyan);
  grid.setColWidth(13, 290);
  grid.setRows(4);
  grid.setCols(15);
  EXPECT_EQ(grid.text(2, 13), "x");
  EXPECT_EQ(grid.colWidth(13), 290);
  EXPECT_EQ(grid.cellBackColor(3, 14), QColor(Qt::white));
  grid.clear();
  EXPECT_TRUE(grid.text(2, 13).isEmpty());
  EXPECT_EQ(grid.cellBackColor(0, 1), QColor(Qt::cyan));
  for (auto [row, col] : {std::pair{4, 0}, {-1, 0}, {0, 15}, {0, -1}})
    EXPECT_EQ(errorNumberOf([&] { grid.setText(row, col, "x"); }), ErrorNumber::SubscriptOutOfRange)
        << row << "," << col;
}

// Painted at one pixel per twip on grey, the grid leaves alone what lies past
// its last column or past its own rectangle.
TEST(PaintGrid, PaintsWithinItsColumnsAndItsRectangleOnly) {
  GridModel grid(2, 2);
  grid.setColWidth(0, 100);
  grid.setColWidth(1, 200);
  for (int width : {400, 250}) {
    grid.setSize(width, 200);
    QImage image(500, 300, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    paintGrid(painter, grid);
    const int edge = qMin(width, 300);
    EXPECT_EQ(image.pixelColor(edge - 20, 150), QColor(Qt::white)) << width;
    EXPECT_EQ(image.pixelColor(edge + 10, 150), QColor(Qt::gray)) << width;
    EXPECT_EQ(image.pixelColor(50, 210), QColor(Qt::gray)) << width;
  }
}

TEST(GridWidget, ShowsItsTwipRectangleScaledToTheScreenAndKeepsItWhileHidden) {
  QWidget parent;
  Grid grid(&parent);
  grid.hide();
  grid.setRows(2);
  grid.setCols(2);
  placeTwips(&grid, 0, 0, 2880, 1440);
  EXPECT_EQ(QSizeF(grid.model().width(), grid.model().height()), QSizeF(2880, 1440));
  grid.setRow(1);
  grid.setCol(0);
  grid.setCellBackColor(Qt::black);
  const QImage image = grid.grab().toImage();
  const double scale = grid.logicalDpiX() / 1440.0;
  EXPECT_EQ(image.pixelColor((QPointF(480, 1080) * scale).toPoint()), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor((QPointF(1400, 1080) * scale).toPoint()), QColor(Qt::white));
}

TEST(GridWidget, TellsOfPointerMovesWithoutAButton) {
  Grid grid;
  int moved = 0;
  QObject::connect(&grid, &Grid::mouseMoved, [&moved] { ++moved; });
  QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(&grid, &move);
  EXPECT_EQ(moved, 1);
  EXPECT_TRUE(grid.hasMouseTracking());
}

}  // namespace
