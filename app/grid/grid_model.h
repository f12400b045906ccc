#pragma once
// A grid of boxes placed in twips: the cells of a ticket area. Plain data and
// geometry, painted by paintGrid on screen and on paper alike.
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QVector>

#include "app/canvas/twips.h"

class GridModel {
 public:
  GridModel(int rows = 1, int cols = 1);

  void setSize(double widthTwips, double heightTwips);
  double width() const { return width_; }
  double height() const { return height_; }

  void setRows(int rows);
  void setCols(int cols);
  int rows() const { return rows_; }
  int cols() const { return cols_; }

  void clear();  // empties every cell's text
  // Cell access outside the rows and columns throws RuntimeError 9.
  void setText(int row, int col, const QString& text);
  QString text(int row, int col) const;
  void setCellBackColor(int row, int col, const QColor& color);
  QColor cellBackColor(int row, int col) const;

  void setColWidth(int col, double twips);
  double colWidth(int col) const;
  // 0 to 8: left, centre, right, each top, centre, bottom; 9 general. The
  // windows use 4, centred both ways.
  void setColAlignment(int col, int alignment);
  int colAlignment(int col) const;
  void setGridColor(const QColor& color) { gridColor_ = color; }
  QColor gridColor() const { return gridColor_; }
  void setGridColorFixed(const QColor& color) { gridColorFixed_ = color; }
  QColor gridColorFixed() const { return gridColorFixed_; }
  void setBorderStyle(int style) { borderStyle_ = style; }  // 0 none, 1 single line
  int borderStyle() const { return borderStyle_; }
  FontSpec& font() { return font_; }
  const FontSpec& font() const { return font_; }

  // The cell's rectangle in twips from the grid's top-left; rows share the
  // height equally, columns take their widths from the left. A column that
  // reaches past the grid's width keeps its whole rectangle (its text stays
  // centred in it) and is clipped when painted.
  QRectF cellRect(int row, int col) const;

 private:
  void resize(int rows, int cols);
  int index(int row, int col) const { return row * cols_ + col; }
  // Cell and column numbers outside the grid fail with error 9.
  int checkedIndex(int row, int col) const;
  int checkedCol(int col) const;
  double width_ = 0, height_ = 0;
  int rows_, cols_;
  QVector<QString> texts_;
  QVector<QColor> backs_;
  QVector<double> colWidths_;
  QVector<int> colAlignments_;
  QColor gridColor_ = QColor(192, 192, 192);
  QColor gridColorFixed_ = QColor(0, 0, 0);
  int borderStyle_ = 1;
  FontSpec font_;
};

// Paints the grid in twips with its top-left at the painter's origin: cell
// backgrounds, grid lines, the border, and each text centred in its cell.
// Anything past the grid's own rectangle is clipped.
void paintGrid(QPainter& painter, const GridModel& grid);
// Only the cells' texts, as paintGrid draws them.
void paintGridTexts(QPainter& painter, const GridModel& grid);
