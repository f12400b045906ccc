#pragma once
// The base of every window: a client area laid out in twips that is also a
// drawing canvas, and can be printed as one page at 1:1 scale.
#include <QColor>
#include <QDialog>
#include <QPointF>
#include <QVector>

#include "app/canvas/twips.h"

class QMenuBar;
class Printer;
class CanvasArea;

// Text drawn on the canvas with Print.
struct DrawnText {
  QPointF position;  // top-left of the text, twips
  QString text;
  FontSpec font;
  QColor color;
  bool persistent;  // drawn with AutoRedraw on: part of the printed image
};

class TwipWindow : public QDialog {
  Q_OBJECT
 public:
  explicit TwipWindow(QWidget* parent = nullptr);
  ~TwipWindow() override;

  // The client area: parent of every control of the window.
  QWidget* client() const;
  // The menu bar above the client area, made on first use.
  QMenuBar* menuBar();
  // Fixes the client area's size; the window follows it.
  void setClientSizeTwips(double width, double height);
  double clientWidthTwips() const { return clientWidth_; }
  double clientHeightTwips() const { return clientHeight_; }

  // The font controls get unless they are given one of their own.
  static QFont controlFont();

  // Canvas operations.
  void cls();
  float currentX() const { return float(pen_.x()); }
  float currentY() const { return float(pen_.y()); }
  void setCurrentX(float x) { pen_.setX(x); }
  void setCurrentY(float y) { pen_.setY(y); }
  // Draws the text with its top-left at the pen (the top of the glyph box);
  // the pen then goes to the start of the next line. Text drawn while
  // AutoRedraw is off shows on screen but never reaches paper.
  void print(const QString& text);
  QString fontName() const { return font_.family; }
  void setFontName(const QString& name) { font_.family = name; }
  double fontSize() const { return font_.points; }
  void setFontSize(double points) { font_.points = points; }
  bool fontBold() const { return font_.bold; }
  void setFontBold(bool bold) { font_.bold = bold; }
  void setForeColor(const QColor& color) { foreColor_ = color; }
  void setBackColor(const QColor& color);
  // The controls' colour setters of twip_geometry.h, which the two above
  // would otherwise hide inside every window.
  static void setForeColor(QWidget* control, const QColor& color);
  static void setBackColor(QWidget* control, const QColor& color);
  QColor backColor() const { return backColor_; }
  void setAutoRedraw(bool on) { autoRedraw_ = on; }
  bool autoRedraw() const { return autoRedraw_; }
  const QVector<DrawnText>& drawnTexts() const { return texts_; }

  // Before the window first shows: no default buttons, and the menu bar's
  // access keys settled (window_keys.h).
  void setVisible(bool visible) override;

  // Sends the window image (background, persistent drawn text, every visible
  // control with its content) to `printer` as one page. Throws RuntimeError
  // 482 when printing fails.
  void printForm(Printer& printer);
  // The same image, painted in twips from the client area's top-left and
  // clipped to it.
  void paintImage(QPainter& painter) const;

 protected:
  // Escape does not close a window of this program: only its close box does.
  // Enter presses the focused button and nothing else.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  friend class CanvasArea;
  // Background and drawn text; `paperOnly` leaves out the text drawn while
  // AutoRedraw was off.
  void paintCanvas(QPainter& painter, bool paperOnly) const;
  CanvasArea* client_;
  QMenuBar* menuBar_ = nullptr;
  double clientWidth_ = 0, clientHeight_ = 0;
  QPointF pen_;
  FontSpec font_;
  QColor foreColor_ = Qt::black;
  QColor backColor_ = QColor(192, 192, 192);
  bool autoRedraw_ = false;
  QVector<DrawnText> texts_;
};
