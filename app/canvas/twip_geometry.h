#pragma once
// Controls are placed in twips. The twip rectangle is kept on the widget (it
// is what reaches paper) and the pixel geometry follows from the screen's DPI.
#include <QColor>
#include <QRectF>

class QWidget;

void placeTwips(QWidget* control, double left, double top, double width, double height);
void setLeftTwips(QWidget* control, double left);
void setTopTwips(QWidget* control, double top);
// The control's twip rectangle inside its parent; for a control never placed
// in twips, its pixel geometry converted.
QRectF twipRect(const QWidget* control);

// A control's back colour (labels, frames, buttons, text boxes) and ink.
void setBackColor(QWidget* control, const QColor& color);
void setForeColor(QWidget* control, const QColor& color);

// The 16 colours of the QBColor numbers (0 black, 2 green, 7 grey, 11 light
// cyan, 15 white ...); any other number is RuntimeError 5.
QColor qbColor(int number);
