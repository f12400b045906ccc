#include "app/grid/grid.h"

#include <QEvent>
#include <QPainter>

#include "app/canvas/twip_geometry.h"

Grid::Grid(QWidget* parent) : QWidget(parent) {
  // Pointer moves count without a button held, for the help line.
  setMouseTracking(true);
}

void Grid::setRows(int rows) {
  model_.setRows(rows);
  update();
}

void Grid::setCols(int cols) {
  model_.setCols(cols);
  update();
}

void Grid::clear() {
  model_.clear();
  update();
}

void Grid::setTextMatrix(int row, int col, const QString& text) {
  model_.setText(row, col, text);
  update();
}

void Grid::setCellBackColor(const QColor& color) {
  model_.setCellBackColor(row_, col_, color);
  update();
}

void Grid::setGridColor(const QColor& color) {
  model_.setGridColor(color);
  update();
}

void Grid::setGridColorFixed(const QColor& color) {
  model_.setGridColorFixed(color);
  update();
}

void Grid::setBorderStyle(int style) {
  model_.setBorderStyle(style);
  update();
}

void Grid::setFontName(const QString& name) {
  model_.font().family = name;
  update();
}

void Grid::setFontSize(double points) {
  model_.font().points = points;
  update();
}

void Grid::setFontBold(bool bold) {
  model_.font().bold = bold;
  update();
}

void Grid::setFontWidth(double points) {
  model_.font().widthPoints = points;
  update();
}

void Grid::setColWidth(int col, double twips) {
  model_.setColWidth(col, twips);
  update();
}

void Grid::setColAlignment(int col, int alignment) {
  model_.setColAlignment(col, alignment);
  update();
}

void Grid::paintTwips(QPainter& painter) const { paintGrid(painter, model_); }

bool Grid::event(QEvent* event) {
  if (event->type() == QEvent::Resize || event->type() == QEvent::DynamicPropertyChange) {
    const QRectF twips = twipRect(this);
    model_.setSize(twips.width(), twips.height());
  }
  return QWidget::event(event);
}

void Grid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.scale(logicalDpiX() / kTwipsPerInch, logicalDpiY() / kTwipsPerInch);
  paintTwips(painter);
}

void Grid::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved();
  QWidget::mouseMoveEvent(event);
}
