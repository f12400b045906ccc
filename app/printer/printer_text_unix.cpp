#include <QPrinter>

#include "app/printer/printer_text.h"

// The document (PDF, or PostScript for CUPS) carries the very font the
// program measured, embedded.
void setPrinterText(QPrinter& printer) {
  printer.setFontEmbeddingEnabled(true);
}
