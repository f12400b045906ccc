// Controls and the client area placed in twips, and the control colours.
#include "app/canvas/twip_geometry.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <QTextEdit>

#include "app/canvas/twip_window.h"
#include "tests/support/error_number.h"

namespace {

TEST(QbColor, GivesTheColoursOfItsSixteenNumbersOnly) {
  EXPECT_EQ(qbColor(7), QColor(192, 192, 192));
  EXPECT_EQ(qbColor(8), QColor(128, 128, 128));
  for (int number : {-1, 16})
    EXPECT_EQ(errorNumberOf([number] { qbColor(number); }), ErrorNumber::InvalidCall);
}

TEST(PlaceTwips, KeepsTheTwipsAndPlacesThePixelsFromTheScreenUnderTheMenuBar) {
  TwipWindow window;
  window.menuBar()->addMenu("&Archivo");
  window.setClientSizeTwips(9000, 7000);
  QLabel label(window.client()), inPixels(window.client());
  placeTwips(&label, 330, 260, 4040, 635);
  setLeftTwips(&label, 1340);
  setTopTwips(&label, -25);
  inPixels.setGeometry(10, 20, 30, 40);
  window.show();
  EXPECT_EQ(twipRect(&label), QRectF(1340, -25, 4040, 635));
  const double x = label.logicalDpiX() / 1440.0, y = label.logicalDpiY() / 1440.0;
  // Each edge is rounded on its own, so neighbouring controls meet.
  EXPECT_EQ(label.geometry(), QRect(QPoint(qRound(1340 * x), qRound(-25 * y)),
                                    QPoint(qRound(5380 * x) - 1, qRound(610 * y) - 1)));
  EXPECT_EQ(twipRect(&inPixels), QRectF(10 / x, 20 / y, 30 / x, 40 / y)) << "a control placed in pixels";
  EXPECT_EQ(window.client()->size(), QSize(qRound(9000 * x), qRound(7000 * y)));
  EXPECT_GE(window.client()->y(), window.menuBar()->height());
}

// What the screen shows: the back colour fills labels and the inside of text boxes.
TEST(ControlColors, FillLabelsAndTheInsideOfTextBoxes) {
  QWidget parent;
  parent.resize(300, 100);
  QLabel label(&parent);
  QTextEdit edit(&parent);
  label.setGeometry(0, 0, 100, 50);
  edit.setGeometry(150, 0, 100, 50);
  setBackColor(&label, qbColor(11));
  setBackColor(&edit, qbColor(11));
  const QImage image = parent.grab().toImage();
  EXPECT_EQ(image.pixelColor(50, 25), qbColor(11)) << "label";
  EXPECT_EQ(image.pixelColor(200, 25), qbColor(11)) << "text box";
}

}  // namespace
