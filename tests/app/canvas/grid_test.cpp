// The help line follows the pointer over a grid, no button held.
#include "app/grid/grid.h"

#include <gtest/gtest.h>

#include <QTest>

namespace {

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
