// Controls placed in twips, and the window colours.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "app/canvas/twip_geometry.h"
#include "app/platform/runtime_error.h"

namespace {

struct ColorCase {
  int number;
  QColor color;
};

class QbColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(QbColorTest, GivesTheColour) { EXPECT_EQ(qbColor(GetParam().number), GetParam().color); }

INSTANTIATE_TEST_SUITE_P(
    AllSixteen, QbColorTest,
    ::testing::Values(ColorCase{0, QColor(0, 0, 0)}, ColorCase{1, QColor(0, 0, 128)}, ColorCase{2, QColor(0, 128, 0)},
                      ColorCase{3, QColor(0, 128, 128)}, ColorCase{4, QColor(128, 0, 0)},
                      ColorCase{5, QColor(128, 0, 128)}, ColorCase{6, QColor(128, 128, 0)},
                      ColorCase{7, QColor(192, 192, 192)}, ColorCase{8, QColor(128, 128, 128)},
                      ColorCase{9, QColor(0, 0, 255)}, ColorCase{10, QColor(0, 255, 0)},
                      ColorCase{11, QColor(0, 255, 255)}, ColorCase{12, QColor(255, 0, 0)},
                      ColorCase{13, QColor(255, 0, 255)}, ColorCase{14, QColor(255, 255, 0)},
                      ColorCase{15, QColor(255, 255, 255)}));

TEST(QbColor, NumbersOutsideTheSixteenAreError5) {
  for (int number : {-1, 16}) {
    try {
      qbColor(number);
      ADD_FAILURE() << "no error for " << number;
    } catch (const RuntimeError& error) {
      EXPECT_EQ(error.number(), ErrorNumber::InvalidCall);
    }
  }
}

TEST(PlaceTwips, KeepsTheTwipsAndSetsThePixelsFromTheScreen) {
  QWidget parent;
  QLabel label(&parent);
  placeTwips(&label, 330, 260, 4035, 630);
  EXPECT_EQ(twipRect(&label), QRectF(330, 260, 4035, 630));
  const double dpiX = label.logicalDpiX(), dpiY = label.logicalDpiY();
  EXPECT_EQ(label.x(), qRound(330 * dpiX / 1440));
  EXPECT_EQ(label.y(), qRound(260 * dpiY / 1440));
  EXPECT_EQ(label.x() + label.width(), qRound(4365 * dpiX / 1440));
  EXPECT_EQ(label.y() + label.height(), qRound(890 * dpiY / 1440));
}

TEST(PlaceTwips, MovingKeepsTheOtherSides) {
  QWidget parent;
  QLabel label(&parent);
  placeTwips(&label, 330, 260, 4035, 630);
  setLeftTwips(&label, 1337);
  EXPECT_EQ(twipRect(&label), QRectF(1337, 260, 4035, 630));
  setTopTwips(&label, -30);
  EXPECT_EQ(twipRect(&label), QRectF(1337, -30, 4035, 630));
  EXPECT_EQ(label.pos(), QPoint(qRound(1337 * label.logicalDpiX() / 1440.0), qRound(-30 * label.logicalDpiY() / 1440.0)));
}

TEST(PlaceTwips, AControlPlacedInPixelsHasItsPixelsInTwips) {
  QWidget parent;
  QLabel label(&parent);
  label.setGeometry(10, 20, 30, 40);
  const double x = 1440.0 / label.logicalDpiX(), y = 1440.0 / label.logicalDpiY();
  EXPECT_EQ(twipRect(&label), QRectF(10 * x, 20 * y, 30 * x, 40 * y));
}

TEST(ControlColors, FillTheBackgroundAndSetTheInk) {
  QLabel label;
  QLineEdit line;
  QTextEdit edit;
  for (QWidget* control : {static_cast<QWidget*>(&label), static_cast<QWidget*>(&line), static_cast<QWidget*>(&edit)}) {
    setBackColor(control, qbColor(11));
    setForeColor(control, qbColor(4));
    EXPECT_TRUE(control->autoFillBackground());
    EXPECT_EQ(control->palette().color(control->backgroundRole()), qbColor(11)) << control->metaObject()->className();
    EXPECT_EQ(control->palette().color(control->foregroundRole()), qbColor(4)) << control->metaObject()->className();
  }
  EXPECT_EQ(edit.viewport()->palette().color(edit.viewport()->backgroundRole()), qbColor(11));
}

}  // namespace
