#pragma once
// The test sheet on paper: one routine paints it, at 1:1 in twips.
class HojaPrueba;
class Printer;
class QPainter;

// Paints `hoja` in twips, with the origin at the printable area's top-left.
void pintaHoja(QPainter& painter, const HojaPrueba& hoja);

// Prints `hoja` as one page, with rulers along the printable area the
// printer has. Throws RuntimeError 482 when printing fails.
void imprimeHoja(Printer& impresora, HojaPrueba hoja);
