#include "app/canvas/fitted_text.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QVariant>

namespace {

const char* const kBaseFontProperty = "fittedTextBaseFont";
// Below this the digits are no longer legible on a 96-dpi screen.
constexpr double kSmallestPoints = 5;
constexpr double kStepPoints = 0.5;
// A line edit's frame and text margins, in pixels.
constexpr int kInnerMargins = 8;

}  // namespace

void setFittedText(QLineEdit* box, const QString& text) {
  QVariant kept = box->property(kBaseFontProperty);
  if (!kept.isValid()) {
    kept = box->font();
    box->setProperty(kBaseFontProperty, kept);
  }
  QFont font = kept.value<QFont>();
  const double room = box->width() - kInnerMargins;
  while (font.pointSizeF() - kStepPoints >= kSmallestPoints &&
         QFontMetricsF(font).horizontalAdvance(text) > room)
    font.setPointSizeF(font.pointSizeF() - kStepPoints);
  box->setFont(font);
  box->setText(text);
  box->setCursorPosition(0);
}
