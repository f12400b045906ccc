// Cell geometry of the grid and what its painting leaves outside the cells.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "app/grid/grid_model.h"
#include "app/platform/runtime_error.h"

namespace {

struct CellCase {
  const char* name;
  QVector<double> widths;
  double width, height;
  int rows, row, col;
  QRectF expected;
};

GridModel gridOf(const CellCase& c) {
  GridModel grid(c.rows, int(c.widths.size()));
  grid.setSize(c.width, c.height);
  for (int col = 0; col < c.widths.size(); ++col) grid.setColWidth(col, c.widths[col]);
  return grid;
}

class CellRectTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellRectTest, PlacesTheCell) {
  const CellCase& c = GetParam();
  const QRectF cell = gridOf(c).cellRect(c.row, c.col);
  EXPECT_DOUBLE_EQ(cell.left(), c.expected.left());
  EXPECT_DOUBLE_EQ(cell.top(), c.expected.top());
  EXPECT_DOUBLE_EQ(cell.width(), c.expected.width());
  EXPECT_DOUBLE_EQ(cell.height(), c.expected.height());
}

const QVector<double> kPoolsColumn(14, 290);

INSTANTIATE_TEST_SUITE_P(
    Grids, CellRectTest,
    ::testing::Values(
        CellCase{"PoolsFirstCell", kPoolsColumn, 4050, 645, 3, 0, 0, QRectF(0, 0, 290, 215)},
        CellCase{"PoolsMatchOne", kPoolsColumn, 4050, 645, 3, 2, 13, QRectF(3770, 430, 290, 215)},
        CellCase{"PoolsNarrowGrid", kPoolsColumn, 4035, 630, 3, 1, 13, QRectF(3770, 210, 290, 210)},
        CellCase{"UnevenRowsShareHeight", {310}, 285, 885, 4, 3, 0, QRectF(0, 663.75, 310, 221.25)},
        CellCase{"UnevenWidthsAddUp", {100, 250, 75, 40}, 500, 300, 2, 1, 2, QRectF(350, 150, 75, 150)},
        CellCase{"ColumnPastTheWidth", {100, 250, 75, 40}, 300, 300, 1, 0, 3, QRectF(425, 0, 40, 300)}),
    [](const ::testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

// Paints the grid at one pixel per twip on grey and gives the image.
QImage painted(const GridModel& grid, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::gray);
  QPainter painter(&image);
  paintGrid(painter, grid);
  return image;
}

TEST(PaintGrid, ClipsAColumnWiderThanTheGrid) {
  GridModel grid(4, 1);
  grid.setSize(285, 885);
  grid.setColWidth(0, 310);
  grid.setBorderStyle(0);
  grid.setCellBackColor(1, 0, Qt::black);
  const QImage image = painted(grid, QSize(400, 1000));
  EXPECT_EQ(image.pixelColor(280, 300), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(290, 300), QColor(Qt::gray)) << "the cell reached past the grid";
  EXPECT_EQ(image.pixelColor(100, 890), QColor(Qt::gray)) << "something was painted below the grid";
}

TEST(PaintGrid, LeavesUncoveredWidthUnpainted) {
  GridModel grid(2, 2);
  grid.setSize(600, 200);
  grid.setColWidth(0, 100);
  grid.setColWidth(1, 200);
  grid.setBorderStyle(0);
  const QImage image = painted(grid, QSize(700, 250));
  EXPECT_EQ(image.pixelColor(250, 50), QColor(Qt::white));
  EXPECT_EQ(image.pixelColor(400, 50), QColor(Qt::gray)) << "the grid painted past its last column";
}

TEST(PaintGrid, DrawsLinesInTheGridColourAndTheBorderOnlyWhenAsked) {
  GridModel grid(2, 2);
  grid.setSize(400, 200);
  grid.setColWidth(0, 200);
  grid.setColWidth(1, 200);
  grid.setGridColor(Qt::red);
  grid.setBorderStyle(0);
  QImage image = painted(grid, QSize(400, 200));
  EXPECT_EQ(image.pixelColor(195, 50), QColor(Qt::red)) << "no line between the columns";
  EXPECT_EQ(image.pixelColor(100, 95), QColor(Qt::red)) << "no line between the rows";
  EXPECT_EQ(image.pixelColor(2, 50), QColor(Qt::white)) << "a border without BorderStyle 1";
  grid.setBorderStyle(1);
  image = painted(grid, QSize(400, 200));
  EXPECT_EQ(image.pixelColor(2, 50), QColor(Qt::black));
}

TEST(GridModel, KeepsCellsWhenRowsAndColumnsChange) {
  GridModel grid(3, 14);
  grid.setText(2, 13, "x");
  grid.setCellBackColor(0, 1, Qt::cyan);
  grid.setColWidth(13, 290);
  grid.setRows(4);
  grid.setCols(15);
  EXPECT_EQ(grid.text(2, 13), "x");
  EXPECT_EQ(grid.cellBackColor(0, 1), QColor(Qt::cyan));
  EXPECT_EQ(grid.colWidth(13), 290);
  EXPECT_EQ(grid.cellBackColor(3, 14), QColor(Qt::white));
  EXPECT_TRUE(grid.text(3, 14).isEmpty());
  grid.clear();
  EXPECT_TRUE(grid.text(2, 13).isEmpty());
  EXPECT_EQ(grid.cellBackColor(0, 1), QColor(Qt::cyan)) << "Clear only empties the texts";
}

TEST(GridModel, CellsOutsideTheGridAreError9) {
  GridModel grid(4, 1);
  for (auto [row, col] : {std::pair{4, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
    try {
      grid.setText(row, col, "x");
      ADD_FAILURE() << "no error for cell " << row << "," << col;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), ErrorNumber::SubscriptOutOfRange);
    }
  }
  EXPECT_THROW(grid.setColWidth(1, 100), RuntimeError);
}

}  // namespace
