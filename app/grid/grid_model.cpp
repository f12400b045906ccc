#include "app/grid/grid_model.h"

#include <QPainterPath>
#include <QtGlobal>
#include <array>

#include "app/platform/runtime_error.h"

namespace {

// The grid's own default column width, before the window sets one.
constexpr double kDefaultColWidth = 960;
constexpr int kAlignGeneral = 9;
constexpr int kAlignCentre = 4;

// The grid's column alignments 0 to 8: left, centre, right, each top, centre,
// bottom. 9, general, puts text on the left and numbers on the right.
Qt::Alignment cellAlignment(int alignment, const QString& text) {
  static const std::array<Qt::Alignment, 3> horizontal = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  static const std::array<Qt::Alignment, 3> vertical = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  if (alignment < 0 || alignment >= kAlignGeneral) {
    bool number = false;
    text.trimmed().toDouble(&number);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  }
  return horizontal[size_t(alignment / 3)] | vertical[size_t(alignment % 3)];
}

// A mark is centred by its ink, not by its glyph box: Qt's centring leaves the ink of an "x" or an
// "*" off the centre of its box by a tenth of a millimetre and more. The ink is measured on the
// text's outline in the painter's font, stretch included; QFontMetricsF's tight box will not do, as
// for a glyph wholly above the baseline ("*", "»") it reaches down to the baseline.
void drawCentredByInk(QPainter& painter, const QRectF& cell, const QString& text) {
  QPainterPath outline;
  outline.addText(0, 0, painter.font(), text);
  const QRectF ink = outline.boundingRect();
  const QPointF baseline = cell.center() - ink.center();
  // Like Qt's own centring, a text too big for its cell is cut at the cell's edges.
  const bool fits = cell.contains(ink.translated(baseline));
  if (!fits) {
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
  }
  painter.drawText(baseline, text);
  if (!fits) painter.restore();
}

}  // namespace

GridModel::GridModel(int rows, int cols) : rows_(0), cols_(0) { resize(rows, cols); }

void GridModel::setSize(double widthTwips, double heightTwips) {
  width_ = widthTwips;
  height_ = heightTwips;
}

void GridModel::setRows(int rows) { resize(rows, cols_); }
void GridModel::setCols(int cols) { resize(rows_, cols); }

void GridModel::resize(int rows, int cols) {
  rows = qMax(0, rows);
  cols = qMax(0, cols);
  // Cells that stay keep their text and colour, as the grid does when rows or
  // columns are added or taken away.
  QVector<QString> texts(rows * cols);
  QVector<QColor> backs(rows * cols, Qt::white);
  for (int row = 0; row < qMin(rows, rows_); ++row)
    for (int col = 0; col < qMin(cols, cols_); ++col) {
      texts[row * cols + col] = texts_[index(row, col)];
      backs[row * cols + col] = backs_[index(row, col)];
    }
  rows_ = rows;
  cols_ = cols;
  texts_ = texts;
  backs_ = backs;
  while (colWidths_.size() < cols) {
    colWidths_.append(kDefaultColWidth);
    colAlignments_.append(kAlignGeneral);
  }
  colWidths_.resize(cols);
  colAlignments_.resize(cols);
}

int GridModel::checkedIndex(int row, int col) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
  return index(row, col);
}

int GridModel::checkedCol(int col) const {
  if (col < 0 || col >= cols_) throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
  return col;
}

void GridModel::clear() { texts_.fill(QString()); }

void GridModel::setText(int row, int col, const QString& text) { texts_[checkedIndex(row, col)] = text; }
QString GridModel::text(int row, int col) const { return texts_[checkedIndex(row, col)]; }

void GridModel::setCellBackColor(int row, int col, const QColor& color) { backs_[checkedIndex(row, col)] = color; }
QColor GridModel::cellBackColor(int row, int col) const { return backs_[checkedIndex(row, col)]; }

void GridModel::setColWidth(int col, double twips) { colWidths_[checkedCol(col)] = qMax(0.0, twips); }
double GridModel::colWidth(int col) const { return colWidths_[checkedCol(col)]; }
void GridModel::setColAlignment(int col, int alignment) { colAlignments_[checkedCol(col)] = alignment; }
int GridModel::colAlignment(int col) const { return colAlignments_[checkedCol(col)]; }

QRectF GridModel::cellRect(int row, int col) const {
  checkedIndex(row, col);
  double left = 0;
  for (int before = 0; before < col; ++before) left += colWidths_[before];
  const double rowHeight = height_ / rows_;
  return QRectF(left, row * rowHeight, colWidths_[col], rowHeight);
}

void paintGrid(QPainter& painter, const GridModel& grid) {
  painter.save();
  const QRectF bounds(0, 0, grid.width(), grid.height());
  painter.setClipRect(bounds, Qt::IntersectClip);
  for (int row = 0; row < grid.rows(); ++row)
    for (int col = 0; col < grid.cols(); ++col) painter.fillRect(grid.cellRect(row, col), grid.cellBackColor(row, col));
  // Lines on each cell's right and bottom edges, inside the cell.
  for (int row = 0; row < grid.rows(); ++row)
    for (int col = 0; col < grid.cols(); ++col) {
      const QRectF cell = grid.cellRect(row, col);
      painter.fillRect(QRectF(cell.right() - kLineTwips, cell.top(), kLineTwips, cell.height()), grid.gridColor());
      painter.fillRect(QRectF(cell.left(), cell.bottom() - kLineTwips, cell.width(), kLineTwips), grid.gridColor());
    }
  if (grid.borderStyle() == 1) drawBorder(painter, bounds);
  painter.restore();
  paintGridTexts(painter, grid);
}

void paintGridTexts(QPainter& painter, const GridModel& grid) {
  painter.save();
  painter.setClipRect(QRectF(0, 0, grid.width(), grid.height()), Qt::IntersectClip);
  painter.setFont(twipFont(grid.font()));
  painter.setPen(Qt::black);
  for (int row = 0; row < grid.rows(); ++row)
    for (int col = 0; col < grid.cols(); ++col) {
      const QString text = grid.text(row, col);
      if (text.isEmpty()) continue;
      if (grid.colAlignment(col) == kAlignCentre)
        drawCentredByInk(painter, grid.cellRect(row, col), text);
      else
        painter.drawText(grid.cellRect(row, col), int(cellAlignment(grid.colAlignment(col), text)), text);
    }
  painter.restore();
}
