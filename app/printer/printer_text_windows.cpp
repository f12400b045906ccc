#include <QPrinter>

#include "app/printer/printer_text.h"

// Text goes to a Windows printer as the glyph outlines the program measured,
// not as a font for the driver to set: a driver that takes another face or
// drops the font's width moves every mark off the centre the program gave
// it. Wine's PostScript driver, for one, prints a stretched font at its own
// width.
void setPrinterText(QPrinter& printer) {
  printer.setFontEmbeddingEnabled(false);
}
