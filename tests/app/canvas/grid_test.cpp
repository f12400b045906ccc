// The grid: cell geometry, what its painting leaves, cells kept through changes, pointer moves.
#include "app/grid/grid.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>

#include "tests/support/error_number.h"

namespace {

TEST(GridModel, PlacesCellsByColumnWidthsAndSharedRowHeight) {
  GridModel grid(4, 3);
  grid.setSize(285, 885);
  for (auto [col, width] : {std::pair{0, 310.0}, {1, 250.0}, {2, 75.0}}) grid.setColWidth(col, width);
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

// Painted at one pixel per twip on grey, the grid leaves alone what lies past its last column or rectangle.
TEST(PaintGrid, PaintsWithinItsColumnsAndItsRectangleOnly) {
  GridModel grid(2, 2);
  for (int col : {0, 1}) grid.setColWidth(col, 100 * (col + 1));
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

// The help line follows the pointer over a grid, no button held.
TEST(GridWidget, TellsOfPointerMovesOverItWithoutAButton) {
  Grid grid;
  grid.resize(200, 100);
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  int moves = 0;
  QObject::connect(&grid, &Grid::mouseMoved, [&moves] { ++moves; });
  QTest::mouseMove(&grid, QPoint(50, 50));
  QTest::mouseMove(&grid, QPoint(120, 60));
  EXPECT_EQ(moves, 2);
}

}  // namespace
