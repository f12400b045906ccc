#include "app/canvas/control_painter.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>

#include "app/canvas/twip_geometry.h"
#include "app/canvas/twip_paintable.h"
#include "app/canvas/twips.h"

namespace {

// Room between a box's border and its text: two screen pixels.
constexpr double kTextInset = 30;
// Where a frame's title starts, from its left edge.
constexpr double kTitleIndent = 120;

QColor background(const QWidget& control) { return control.palette().color(control.backgroundRole()); }
QColor ink(const QWidget& control) { return control.palette().color(control.foregroundRole()); }
QFont fontOf(const QWidget& control) { return twipFont(control.font(), control.logicalDpiY()); }

// The rectangle inside the control's frame and margins: `local` less the
// pixel margins of its contents rectangle.
QRectF insideTwips(const QWidget& control, const QRectF& local) {
  const QRect outer = control.rect(), inner = control.contentsRect();
  const double dpiX = control.logicalDpiX(), dpiY = control.logicalDpiY();
  return local.adjusted(pixelsToTwips(inner.left() - outer.left(), dpiX), pixelsToTwips(inner.top() - outer.top(), dpiY),
                        -pixelsToTwips(outer.right() - inner.right(), dpiX),
                        -pixelsToTwips(outer.bottom() - inner.bottom(), dpiY));
}

// A caption as shown: "&" marks the access key and "&&" is a literal "&".
QString shownCaption(QString caption) {
  const QChar literal(0xE000);
  return caption.replace(QStringLiteral("&&"), QString(literal)).remove(QLatin1Char('&')).replace(literal, QLatin1Char('&'));
}

void drawText(QPainter& painter, const QWidget& control, const QRectF& rect, int flags, const QString& text) {
  painter.save();
  painter.setFont(fontOf(control));
  painter.setPen(ink(control));
  painter.drawText(rect, flags, text);
  painter.restore();
}

void fillIfFilled(QPainter& painter, const QWidget& control, const QRectF& rect) {
  if (control.autoFillBackground()) painter.fillRect(rect, background(control));
}

void paintLabel(QPainter& painter, const QLabel& label, const QRectF& rect) {
  fillIfFilled(painter, label, rect);
  if (label.frameShape() != QFrame::NoFrame) drawBorder(painter, rect);
  QString text = label.text();
  if (label.textFormat() == Qt::RichText || (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
    QTextDocument document;
    document.setHtml(text);
    text = document.toPlainText();
  }
  const double margin = pixelsToTwips(label.margin(), label.logicalDpiX());
  const QRectF inside = insideTwips(label, rect).adjusted(margin, margin, -margin, -margin);
  drawText(painter, label, inside, int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0), text);
}

void paintGroupBox(QPainter& painter, const QGroupBox& box, const QRectF& rect) {
  fillIfFilled(painter, box, rect);
  const QString title = shownCaption(box.title());
  const QFont font = fontOf(box);
  const double titleHeight = title.isEmpty() ? 0 : QFontMetricsF(font).height();
  if (!box.isFlat()) drawBorder(painter, rect.adjusted(0, titleHeight / 2, 0, 0));
  if (title.isEmpty()) return;
  const double titleWidth = QFontMetricsF(font).horizontalAdvance(title);
  const QRectF titleRect(kTitleIndent, 0, titleWidth, titleHeight);
  // The title interrupts the border line, as on screen.
  painter.fillRect(titleRect, background(box));
  drawText(painter, box, titleRect, Qt::AlignLeft | Qt::AlignTop, title);
}

void paintButton(QPainter& painter, const QAbstractButton& button, const QRectF& rect) {
  painter.fillRect(rect, background(button));
  drawBorder(painter, rect);
  drawText(painter, button, rect, Qt::AlignCenter, shownCaption(button.text()));
}

void paintTextBox(QPainter& painter, const QWidget& box, const QRectF& rect, bool framed, int flags,
                  const QString& text) {
  painter.fillRect(rect, box.palette().color(QPalette::Base));
  if (framed) drawBorder(painter, rect);
  drawText(painter, box, rect.adjusted(kTextInset, kTextInset, -kTextInset, -kTextInset), flags, text);
}

void paintControl(QPainter& painter, const QWidget& control, const QRectF& rect) {
  if (auto* paintable = dynamic_cast<const TwipPaintable*>(&control)) {
    paintable->paintTwips(painter);
  } else if (auto* label = qobject_cast<const QLabel*>(&control)) {
    paintLabel(painter, *label, rect);
  } else if (auto* box = qobject_cast<const QGroupBox*>(&control)) {
    paintGroupBox(painter, *box, rect);
  } else if (auto* button = qobject_cast<const QAbstractButton*>(&control)) {
    paintButton(painter, *button, rect);
  } else if (auto* line = qobject_cast<const QLineEdit*>(&control)) {
    paintTextBox(painter, control, rect, line->hasFrame(), int(line->alignment()), line->displayText());
  } else if (auto* edit = qobject_cast<const QTextEdit*>(&control)) {
    paintTextBox(painter, control, rect, edit->frameShape() != QFrame::NoFrame, Qt::TextWordWrap, edit->toPlainText());
  } else if (auto* plain = qobject_cast<const QPlainTextEdit*>(&control)) {
    paintTextBox(painter, control, rect, plain->frameShape() != QFrame::NoFrame, Qt::TextWordWrap,
                 plain->toPlainText());
  } else {
    fillIfFilled(painter, control, rect);
    auto* frame = qobject_cast<const QFrame*>(&control);
    if (frame && frame->frameShape() != QFrame::NoFrame) drawBorder(painter, rect);
  }
}

// The children of these controls are pieces of them (viewports, scroll bars,
// buttons), not controls of the window.
bool isComposite(const QWidget& control) {
  return qobject_cast<const QAbstractScrollArea*>(&control) || qobject_cast<const QAbstractSpinBox*>(&control) ||
         qobject_cast<const QComboBox*>(&control) || qobject_cast<const QLineEdit*>(&control);
}

}  // namespace

void paintControls(QPainter& painter, const QWidget& container) {
  for (QObject* object : container.children()) {
    auto* control = qobject_cast<QWidget*>(object);
    if (!control || control->isWindow() || control->isHidden()) continue;
    const QRectF rect = twipRect(control);
    const QRectF local(QPointF(0, 0), rect.size());
    painter.save();
    painter.translate(rect.topLeft());
    painter.setClipRect(local, Qt::IntersectClip);
    paintControl(painter, *control, local);
    if (!isComposite(*control)) paintControls(painter, *control);
    painter.restore();
  }
}
