#pragma once
// A text printed as the help window prints its text: one document of lines
// at 10 points, the printer's text size put back to 8 afterwards.
#include <QStringList>

class Printer;

// Throws RuntimeError 482 when there is no printer or it refuses the job.
void imprimeTexto(Printer& impresora, const QStringList& lineas);
