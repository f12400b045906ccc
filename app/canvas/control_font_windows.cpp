#include "app/canvas/control_font.h"

// The size the layouts were made for.
double controlFontPoints() {
  return 8.25;
}
