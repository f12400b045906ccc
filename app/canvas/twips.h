#pragma once
// Twips: 1440 to the inch, the unit of every position on screen and paper.
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPoint = 20.0;
// One pixel of a 96-dpi screen: the width of borders and grid lines, so they
// look on paper as they do on screen.
constexpr double kLineTwips = 15.0;

// Twips to pixels on a device of `dpi` dots per inch, and back.
inline double twipsToPixels(double twips, double dpi) { return twips * dpi / kTwipsPerInch; }
inline double pixelsToTwips(double pixels, double dpi) { return pixels * kTwipsPerInch / dpi; }

// A font as the windows name it: family, size in points, bold, and a character
// width in points (0: the family's own width).
struct FontSpec {
  QString family = QStringLiteral("MS Sans Serif");
  double points = 8.25;
  bool bold = false;
  double widthPoints = 0;
};

// The font for a painter whose unit is the twip (20 twips to the point). Its
// size is a pixel size so the painter's scale does not shrink it.
QFont twipFont(const FontSpec& wanted);
// A control's screen font (sized in points or in pixels of a `dpi` screen) as
// the same font for a painter whose unit is the twip.
QFont twipFont(const QFont& screenFont, double dpi);

// A border of kLineTwips drawn just inside `rect`.
void drawBorder(QPainter& painter, const QRectF& rect, const QColor& color = Qt::black);
