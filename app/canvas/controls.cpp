#include "app/canvas/controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/canvas/twip_geometry.h"
#include "app/canvas/wrapped_button.h"
#include "app/grid/grid.h"

namespace {

template <typename Control>
Control* placed(Control* control, const QRectF& r) {
  placeTwips(control, r.left(), r.top(), r.width(), r.height());
  return control;
}

}  // namespace

QLabel* makeLabel(QWidget* parent, const QString& text, const QRectF& twips, bool wraps) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(wraps);
  return placed(label, twips);
}

QPushButton* makeButton(QWidget* parent, const QString& caption, const QRectF& twips) {
  return placed(new WrappedButton(caption, parent), twips);
}

QLineEdit* makeTextBox(QWidget* parent, const QString& text, const QRectF& twips) {
  return placed(new QLineEdit(text, parent), twips);
}

QFrame* makeFrame(QWidget* parent, const QRectF& twips, QFrame::Shape shape) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(shape);
  return placed(frame, twips);
}

QGroupBox* makeTitledFrame(QWidget* parent, const QString& title, const QRectF& twips) {
  auto* frame = new QGroupBox(title, parent);
  frame->setAutoFillBackground(true);
  return placed(frame, twips);
}

Grid* makeGrid(QWidget* parent, const QRectF& twips, int rows, int cols) {
  auto* grid = new Grid(parent);
  grid->setRows(rows);
  grid->setCols(cols);
  return placed(grid, twips);
}
