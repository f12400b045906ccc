// Controls and the client area placed in twips, drawn at the screen's scale.
#include "app/canvas/twip_geometry.h"

#include <gtest/gtest.h>

#include <QMenuBar>

#include "app/canvas/twip_window.h"
#include "app/grid/grid.h"

namespace {

TEST(PlaceTwips, KeepsTheTwipsWhileHiddenAndPlacesThePixelsFromTheScreenUnderTheMenuBar) {
  TwipWindow window;
  window.menuBar()->addMenu("&Archivo");
  window.setClientSizeTwips(9000, 7000);
  Grid grid(window.client());
  grid.hide();
  grid.setRows(2);
  grid.setCols(2);
  placeTwips(&grid, 330, 260, 2880, 1440);
  setLeftTwips(&grid, 1340);
  setTopTwips(&grid, -25);
  window.show();
  EXPECT_EQ(twipRect(&grid), QRectF(1340, -25, 2880, 1440));
  EXPECT_EQ(QSizeF(grid.model().width(), grid.model().height()), QSizeF(2880, 1440));
  const double x = grid.logicalDpiX() / 1440.0, y = grid.logicalDpiY() / 1440.0;
  // Each edge is rounded on its own, so neighbouring controls meet.
  EXPECT_EQ(grid.geometry(), QRect(QPoint(qRound(1340 * x), qRound(-25 * y)),
                                   QPoint(qRound(4220 * x) - 1, qRound(1415 * y) - 1)));
  EXPECT_EQ(window.client()->size(), QSize(qRound(9000 * x), qRound(7000 * y)));
  EXPECT_GE(window.client()->y(), window.menuBar()->height());
  grid.setRow(1);
  grid.setCol(0);
  grid.setCellBackColor(Qt::black);
  const QImage image = grid.grab().toImage();
  EXPECT_EQ(image.pixelColor(QPoint(qRound(480 * x), qRound(1080 * y))), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(QPoint(qRound(1400 * x), qRound(1080 * y))), QColor(Qt::white));
}

}  // namespace
