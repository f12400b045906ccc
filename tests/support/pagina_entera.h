#pragma once
// The first page of a PDF seen whole but coarsely, at ten twips a pixel: a
// pixel is ink when it is at all darker than white.
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

class PaginaEntera {
 public:
  explicit PaginaEntera(const QString& pdf);
  bool leida() const { return !imagen_.isNull(); }
  // The page's size in twips.
  QSize tamano() const;
  // Whether any ink touches `twips` (from the page's top-left).
  bool tintaEn(const QRect& twips) const;
  // The squares of the ink pixels that touch none of `permitidas`, in twips.
  QVector<QRect> tintaFuera(const QVector<QRect>& permitidas) const;

 private:
  QRect cuadro(int x, int y) const;
  QImage imagen_;
};
