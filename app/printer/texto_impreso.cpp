#include "app/printer/texto_impreso.h"

#include "app/printer/printer.h"

void imprimeTexto(Printer& impresora, const QStringList& lineas) {
  impresora.setFontSize(10);
  for (const QString& linea : lineas) impresora.printLine(linea);
  impresora.endDoc();
  impresora.setFontSize(8);
}
