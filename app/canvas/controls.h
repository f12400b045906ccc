#pragma once
// The controls of the program's windows, each made on its container at a
// rectangle in twips (left, top, width, height), as the window layouts give
// them.
#include <QFrame>
#include <QRectF>
#include <QString>

class Grid;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A caption from its top-left corner, wrapped over its lines when `wraps`.
QLabel* makeLabel(QWidget* parent, const QString& text, const QRectF& twips, bool wraps = false);
// A button whose long caption wraps over several lines.
QPushButton* makeButton(QWidget* parent, const QString& caption, const QRectF& twips);
QLineEdit* makeTextBox(QWidget* parent, const QString& text, const QRectF& twips);
QFrame* makeFrame(QWidget* parent, const QRectF& twips, QFrame::Shape shape = QFrame::Box);
// A frame with a title, on a background of its own.
QGroupBox* makeTitledFrame(QWidget* parent, const QString& title, const QRectF& twips);
Grid* makeGrid(QWidget* parent, const QRectF& twips, int rows, int cols);
