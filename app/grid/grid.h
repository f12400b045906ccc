#pragma once
// The grid control: a GridModel shown as a widget placed in twips, with the
// operations the ticket windows use. Row and Col pick the cell whose back
// colour CellBackColor sets. Cell and column numbers outside the grid throw
// RuntimeError 9.
#include <QWidget>

#include "app/canvas/twip_paintable.h"
#include "app/grid/grid_model.h"

class Grid : public QWidget, public TwipPaintable {
  Q_OBJECT
 public:
  explicit Grid(QWidget* parent = nullptr);

  GridModel& model() { return model_; }
  const GridModel& model() const { return model_; }

  void setRows(int rows);
  void setCols(int cols);
  void clear();
  void setTextMatrix(int row, int col, const QString& text);
  QString textMatrix(int row, int col) const { return model_.text(row, col); }
  void setRow(int row) { row_ = row; }
  void setCol(int col) { col_ = col; }
  void setCellBackColor(const QColor& color);
  void setGridColor(const QColor& color);
  void setGridColorFixed(const QColor& color);
  void setBorderStyle(int style);
  void setFontName(const QString& name);
  void setFontSize(double points);
  void setFontBold(bool bold);
  void setFontWidth(double points);
  void setColWidth(int col, double twips);
  void setColAlignment(int col, int alignment);

  void paintTwips(QPainter& painter) const override;

 signals:
  void mouseMoved();

 protected:
  // Keeps the model's size on the twip rectangle, also while hidden.
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  GridModel model_;
  int row_ = 0, col_ = 0;
};
