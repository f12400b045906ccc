#pragma once
// Where the lotto window's parts go from the calibration offsets, game by
// game: the routines tablas, desplazar, variac, inicio and cerrar as plain
// computations. The window applies what they answer to its controls.
#include <QPointF>
#include <QString>
#include <optional>

#include "loto/juego_loto.h"

// tablas and desplazar: the game's frame, the reintegro frame and the fixed
// "X" labels from margenIzq m and topeSup t.
struct MarcosLoto {
  QPointF marco;      // Frame4, Frame5 or Frame6 (Euromillones at m - 1360)
  QPointF reintegro;  // Frame7: m - 1095, t + 4470 (La Primitiva) or t + 3180 (Bonoloto)
  QPointF label18;    // beside the Euromillones frame: m - 1540, t + 3340
  QPointF label19;    // inside El Gordo's frame: -5, 6200
};
MarcosLoto marcosLoto(const JuegoLoto& juego, qint32 margenIzq, qint32 topeSup);

// variac: where Frame1, Frame3, Label4, Label13 and Label3 go and how wide
// the window is; a part with no value stays. For Bonoloto and La Primitiva
// at the left (m up to 2000) the ticket itself moves to 1505, 80 (the
// offsets are changed in place) and only Frame1 follows.
struct PartesLoto {
  std::optional<double> frame1, frame3, ancho, label4, label13, label3;
};
PartesLoto variacLoto(const JuegoLoto& juego, qint32& margenIzq, qint32& topeSup);

// inicio: the game's default position for the side the old margenIzq
// selects (below 2001: left), and where Frame1 and Frame3 then go, if they move.
struct InicioLoto {
  qint32 margenIzq, topeSup;
  std::optional<double> frame1, frame3;
};
InicioLoto inicioLoto(const JuegoLoto& juego, qint32 margenIzqAnterior);

// cerrar: the position margenIzq snaps to.
PosicionLoto posicionCerrar(const JuegoLoto& juego, qint32 margenIzq);

// The left/centre toggle of Text3(3): the box's new text.
QString conmutaPosicion(const JuegoLoto& juego, const QString& caja);

// The ruler Label15's left after a file is opened: 990 at the left, else m - 170.
double izquierdaLabel15(qint32 margenIzq);
