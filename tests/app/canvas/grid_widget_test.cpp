// The grid and the window on screen: the same drawing as on paper, scaled to
// the screen.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenuBar>
#include <QMouseEvent>

#include "app/canvas/twip_geometry.h"
#include "app/canvas/twip_window.h"
#include "app/grid/grid.h"

namespace {

// Centre of the dark pixels inside `area`.
QPointF inkCentre(const QImage& image, const QRect& area) {
  double x = 0, y = 0;
  int count = 0;
  for (int py = area.top(); py <= area.bottom(); ++py)
    for (int px = area.left(); px <= area.right(); ++px)
      if (qGray(image.pixel(px, py)) < 128) {
        x += px + 0.5;
        y += py + 0.5;
        ++count;
      }
  return count ? QPointF(x / count, y / count) : QPointF(-1, -1);
}

TEST(GridWidget, FollowsItsTwipRectangleEvenWhileHidden) {
  QWidget parent;
  Grid grid(&parent);
  grid.hide();
  placeTwips(&grid, 330, 260, 4035, 630);
  EXPECT_EQ(grid.model().width(), 4035);
  EXPECT_EQ(grid.model().height(), 630);
  setLeftTwips(&grid, 900);
  EXPECT_EQ(grid.model().width(), 4035);
}

TEST(GridWidget, ShowsTheMarkInTheMiddleOfItsCell) {
  QWidget parent;
  Grid grid(&parent);
  grid.setRows(3);
  grid.setCols(14);
  placeTwips(&grid, 0, 0, 4060, 645);
  for (int col = 0; col < 14; ++col) {
    grid.setColWidth(col, 290);
    grid.setColAlignment(col, 4);
  }
  grid.setFontName("Lucida Console");
  grid.setFontSize(12);
  grid.setFontBold(true);
  grid.setGridColor(Qt::white);
  grid.setBorderStyle(0);
  grid.setTextMatrix(1, 5, "x");
  const QImage image = grid.grab().toImage();
  const double scale = grid.logicalDpiX() / 1440.0;
  const QRectF cell(290 * 5 * scale, 215 * scale, 290 * scale, 215 * scale);
  const QPointF ink = inkCentre(image, image.rect());
  // The ink of an "x" sits a little below the glyph box's centre.
  EXPECT_NEAR(ink.x(), cell.center().x(), 1.0);
  EXPECT_NEAR(ink.y(), cell.center().y(), 2.0);
}

TEST(GridWidget, TellsOfPointerMovesWithoutAButton) {
  Grid grid;
  int moved = 0;
  QObject::connect(&grid, &Grid::mouseMoved, [&moved] { ++moved; });
  QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&grid, &move);
  EXPECT_EQ(moved, 1);
  EXPECT_TRUE(grid.hasMouseTracking());
}

TEST(TwipWindowScreen, ClientAreaHasItsTwipSizeUnderTheMenuBar) {
  TwipWindow window;
  window.menuBar()->addMenu("&Archivo");
  window.setClientSizeTwips(9000, 7000);
  window.show();
  QWidget* client = window.client();
  EXPECT_EQ(client->width(), qRound(9000 * client->logicalDpiX() / 1440.0));
  EXPECT_EQ(client->height(), qRound(7000 * client->logicalDpiY() / 1440.0));
  EXPECT_GE(client->y(), window.menuBar()->height());
}

TEST(TwipWindowScreen, ShowsDrawnTextAtThePen) {
  TwipWindow window;
  window.setClientSizeTwips(3000, 2000);
  window.setBackColor(Qt::white);
  window.setFontSize(12);
  window.setCurrentX(1500);
  window.setCurrentY(600);
  window.print("MM");
  const QImage image = window.client()->grab().toImage();
  const double scale = window.client()->logicalDpiX() / 1440.0;
  const QPointF ink = inkCentre(image, image.rect());
  EXPECT_GT(ink.x(), 1500 * scale);
  EXPECT_GT(ink.y(), 600 * scale);
  EXPECT_LT(ink.y(), (600 + 12 * 20) * scale);
  window.cls();
  EXPECT_EQ(inkCentre(window.client()->grab().toImage(), image.rect()), QPointF(-1, -1));
}

}  // namespace
