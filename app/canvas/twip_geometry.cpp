#include "app/canvas/twip_geometry.h"

#include <QAbstractScrollArea>
#include <QPalette>
#include <QVariant>
#include <QWidget>
#include <array>

#include "app/canvas/twips.h"
#include "app/platform/runtime_error.h"

namespace {

const char* const kTwipRectProperty = "twipRect";

QRect pixelRect(const QRectF& twips, const QWidget* control) {
  const double dpiX = control->logicalDpiX(), dpiY = control->logicalDpiY();
  const int left = qRound(twipsToPixels(twips.left(), dpiX));
  const int top = qRound(twipsToPixels(twips.top(), dpiY));
  // Edges rounded on their own so that neighbouring controls meet on screen.
  const int right = qRound(twipsToPixels(twips.left() + twips.width(), dpiX));
  const int bottom = qRound(twipsToPixels(twips.top() + twips.height(), dpiY));
  return QRect(left, top, qMax(0, right - left), qMax(0, bottom - top));
}

void placeRect(QWidget* control, const QRectF& twips) {
  // The property first: a control that follows its twip rectangle (the grid)
  // learns of it even while hidden, when Qt holds back resize events.
  control->setProperty(kTwipRectProperty, twips);
  control->setGeometry(pixelRect(twips, control));
}

}  // namespace

void placeTwips(QWidget* control, double left, double top, double width, double height) {
  placeRect(control, QRectF(left, top, width, height));
}

void setLeftTwips(QWidget* control, double left) {
  QRectF twips = twipRect(control);
  twips.moveLeft(left);
  placeRect(control, twips);
}

void setTopTwips(QWidget* control, double top) {
  QRectF twips = twipRect(control);
  twips.moveTop(top);
  placeRect(control, twips);
}

QRectF twipRect(const QWidget* control) {
  const QVariant kept = control->property(kTwipRectProperty);
  if (kept.isValid()) return kept.toRectF();
  const QRect pixels = control->geometry();
  const double dpiX = control->logicalDpiX(), dpiY = control->logicalDpiY();
  return QRectF(pixelsToTwips(pixels.x(), dpiX), pixelsToTwips(pixels.y(), dpiY),
                pixelsToTwips(pixels.width(), dpiX), pixelsToTwips(pixels.height(), dpiY));
}

void setBackColor(QWidget* control, const QColor& color) {
  QPalette palette = control->palette();
  palette.setColor(control->backgroundRole(), color);
  // Text boxes paint their inside on a viewport of their own.
  if (auto* area = qobject_cast<QAbstractScrollArea*>(control))
    palette.setColor(area->viewport()->backgroundRole(), color);
  control->setPalette(palette);
  control->setAutoFillBackground(true);
}

void setForeColor(QWidget* control, const QColor& color) {
  QPalette palette = control->palette();
  palette.setColor(control->foregroundRole(), color);
  if (qobject_cast<QAbstractScrollArea*>(control)) palette.setColor(QPalette::Text, color);
  control->setPalette(palette);
}

QColor qbColor(int number) {
  static const std::array<QColor, 16> colors = {
      QColor(0, 0, 0),       QColor(0, 0, 128),     QColor(0, 128, 0),     QColor(0, 128, 128),
      QColor(128, 0, 0),     QColor(128, 0, 128),   QColor(128, 128, 0),   QColor(192, 192, 192),
      QColor(128, 128, 128), QColor(0, 0, 255),     QColor(0, 255, 0),     QColor(0, 255, 255),
      QColor(255, 0, 0),     QColor(255, 0, 255),   QColor(255, 255, 0),   QColor(255, 255, 255)};
  if (number < 0 || number >= int(colors.size())) throw RuntimeError(ErrorNumber::InvalidCall);
  return colors[size_t(number)];
}
