#include "app/canvas/twip_window.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

#include "app/canvas/control_font.h"
#include "app/canvas/control_painter.h"
#include "app/canvas/twip_geometry.h"
#include "app/canvas/window_keys.h"
#include "app/platform/runtime_error.h"
#include "app/printer/printer.h"

// The client area: the controls' parent, and on screen the canvas behind them.
class CanvasArea : public QWidget {
 public:
  explicit CanvasArea(TwipWindow* window) : QWidget(window), window_(window) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.scale(logicalDpiX() / kTwipsPerInch, logicalDpiY() / kTwipsPerInch);
    window_->paintCanvas(painter, false);
  }

 private:
  TwipWindow* window_;
};

TwipWindow::TwipWindow(QWidget* parent) : QDialog(parent), client_(new CanvasArea(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The window is as big as its client area and its menu bar, no bigger.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(client_);
  client_->setFixedSize(0, 0);
  client_->setFont(controlFont());
}

QFont TwipWindow::controlFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(controlFontPoints());
  return font;
}

TwipWindow::~TwipWindow() = default;

QWidget* TwipWindow::client() const { return client_; }

QMenuBar* TwipWindow::menuBar() {
  if (!menuBar_) {
    menuBar_ = new QMenuBar(this);
    layout()->setMenuBar(menuBar_);
  }
  return menuBar_;
}

void TwipWindow::setClientSizeTwips(double width, double height) {
  clientWidth_ = width;
  clientHeight_ = height;
  client_->setFixedSize(qRound(twipsToPixels(width, client_->logicalDpiX())),
                        qRound(twipsToPixels(height, client_->logicalDpiY())));
}

void TwipWindow::cls() {
  texts_.clear();
  pen_ = QPointF(0, 0);
  client_->update();
}

void TwipWindow::print(const QString& text) {
  texts_.append(DrawnText{pen_, text, font_, foreColor_, autoRedraw_});
  pen_ = QPointF(0, pen_.y() + QFontMetricsF(twipFont(font_)).height());
  client_->update();
}

void TwipWindow::setBackColor(const QColor& color) {
  backColor_ = color;
  client_->update();
}

void TwipWindow::setForeColor(QWidget* control, const QColor& color) { ::setForeColor(control, color); }
void TwipWindow::setBackColor(QWidget* control, const QColor& color) { ::setBackColor(control, color); }

void TwipWindow::paintCanvas(QPainter& painter, bool paperOnly) const {
  painter.fillRect(QRectF(0, 0, clientWidth_, clientHeight_), backColor_);
  for (const DrawnText& drawn : texts_) {
    if (paperOnly && !drawn.persistent) continue;
    const QFont font = twipFont(drawn.font);
    painter.setFont(font);
    painter.setPen(drawn.color);
    // The pen is the top-left of the glyph box; the baseline lies one ascent below.
    painter.drawText(drawn.position + QPointF(0, QFontMetricsF(font).ascent()), drawn.text);
  }
}

void TwipWindow::paintImage(QPainter& painter) const {
  painter.save();
  painter.setClipRect(QRectF(0, 0, clientWidth_, clientHeight_), Qt::IntersectClip);
  paintCanvas(painter, true);
  paintControls(painter, *client_);
  painter.restore();
}

void TwipWindow::setVisible(bool visible) {
  if (visible) {
    dropDefaultButtons(*this);
    settleAccessKeyClashes(*this, menuBar_);
  }
  QDialog::setVisible(visible);
}

void TwipWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->ignore();
    return;
  }
  if (isEnterKey(*event)) {
    // Never the dialog's default button: only a button with the focus.
    pressFocusedButton(*this);
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TwipWindow::printForm(Printer& printer) {
  try {
    printer.printPage([this](QPainter& painter) { paintImage(painter); });
  } catch (const std::exception&) {
    // Whatever went wrong on the way to paper, the caller's error trap sees
    // the printer error.
    throw RuntimeError(ErrorNumber::PrinterError);
  }
}
