#pragma once
class QPainter;

// A control that paints its own content in twips (its top-left at the origin),
// so the window image on paper is drawn from the same code as on screen.
class TwipPaintable {
 public:
  virtual ~TwipPaintable() = default;
  virtual void paintTwips(QPainter& painter) const = 0;
};
