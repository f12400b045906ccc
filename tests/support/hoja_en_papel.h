#pragma once
// The sample games of data/ as they must come out on paper, and the check of a printed page: each
// mark's ink centred in its box, the texts inked where they go, no ink anywhere else; on the
// calibration test sheet ("Hoja de prueba") every box outlined, the rulers, and the marks in the boxes.
#include <QRectF>
#include <QStringList>

#include "app/platform/platform.h"
#include "tests/support/formulario_loto.h"
#include "tests/support/scripted_dialogs.h"

// A sample file, and where the program puts its ticket with data/configloi.cfg and a new
// configqp.cfg: the margin and top of the lotto ticket, or of the football pools' grid frame.
struct Muestra {
  const char* archivo;
  int apuestas;  // bets a ticket; 0: the football pools
  double margen, tope;
  double info;          // the lotto info label's left
  const char* valores;  // what the test sheet writes first below the window
};
extern const Muestra kMuestras[5];

struct PapelEsperado {
  QVector<CajaEsperada> marcas;
  QVector<QRect> textos;  // where the ticket's texts are inked
  QVector<QRect> fijas;   // the form's fixed marks, inked on both
  QVector<QRectF> cajas;  // the boxes and the places of texts the test sheet outlines
};
// Ticket `t` (from 1) of the sample `m` whose file holds `datos`.
PapelEsperado papelEsperado(const Muestra& m, const QByteArray& datos, int t);

// From the start-up window on a program folder holding data/'s files, the window of the sample `m`
// on its file; there ticket 2 printed with "Imp. Siguiente" (football pools) or "Imprime Siguiente"
// (lottos), then the test sheet. Answers the window's height in twips.
double imprimeMuestra(const Platform& plataforma, ScriptedDialogs& dialogos, const QString& programa,
                      const Muestra& m);

// How far a mark's ink centre may lie from its box's centre on a PDF printer, and on a real queue.
extern const double kToleranciaPdf, kToleranciaCola;

// Checks the one page of `pdf`, adding failures to the running test: the ink in each mark's box is
// centred within `tolerancia`; each of `tintadas` holds ink; no ink lies but there, in the marks'
// boxes and in `permitidas`. A ticket's are its texts and the fixed marks.
void compruebaTinta(const QString& pdf, const QVector<CajaEsperada>& marcas, const QVector<QRect>& tintadas,
                    QVector<QRect> permitidas, double tolerancia);
// The test sheet of a window `altoVentana` high.
void compruebaHoja(const QString& pdf, const PapelEsperado& papel, double altoVentana);

// The words of the first page from `arriba` down, clear of the rulers, in the order printed.
QString palabras(const QString& pdf, double arriba);
