#include "app/canvas/control_font.h"

// The layouts were made for MS Sans Serif 8; the family that stands in for it
// here is wider, and a smaller size keeps captions inside their boxes.
double controlFontPoints() {
  return 7;
}
