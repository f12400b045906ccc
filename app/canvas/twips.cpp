#include "app/canvas/twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>

namespace {

int twipPixelSize(double points) { return qMax(1, qRound(points * kTwipsPerPoint)); }

// The families the windows name are Windows fonts. Where one is missing, its
// stand-in must at least be of its kind: a monospaced face for Lucida Console
// and Courier New keeps a mark as narrow as the box it was drawn for.
QFont::StyleHint kindOf(const QString& family) {
  const QString name = family.toLower();
  return name == QStringLiteral("lucida console") || name == QStringLiteral("courier new") ? QFont::TypeWriter
                                                                                         : QFont::AnyStyle;
}

}  // namespace

QFont twipFont(const FontSpec& wanted) {
  QFont font(wanted.family);
  font.setStyleHint(kindOf(wanted.family));
  font.setPixelSize(twipPixelSize(wanted.points));
  font.setBold(wanted.bold);
  if (wanted.widthPoints > 0) {
    // The width names the average character width, as the windows' fonts
    // take it; a horizontal stretch of the family's own average reaches it.
    const double natural = QFontMetricsF(font).averageCharWidth();
    if (natural > 0)
      font.setStretch(qBound(1, qRound(100.0 * wanted.widthPoints * kTwipsPerPoint / natural), 4000));
  }
  return font;
}

QFont twipFont(const QFont& screenFont, double dpi) {
  QFont font(screenFont);
  const double points =
      screenFont.pointSizeF() > 0 ? screenFont.pointSizeF() : screenFont.pixelSize() * 72.0 / dpi;
  font.setPixelSize(twipPixelSize(points));
  return font;
}

void drawBorder(QPainter& painter, const QRectF& rect, const QColor& color) {
  painter.save();
  painter.setPen(QPen(color, kLineTwips, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  const double inset = kLineTwips / 2;
  painter.drawRect(rect.adjusted(inset, inset, -inset, -inset));
  painter.restore();
}
