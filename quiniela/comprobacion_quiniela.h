#pragma once
// The check of every bet of a football-pools bet file before printing: what
// the form cannot take as the file has it. For each bet: a sign other than
// "1", "X", "2" (and which match), a line of fewer than 14 signs (text
// files), 14 equal signs (the columns some files put between blocks of
// bets), the same signs as an earlier bet; for each ticket, a Pleno al 15
// sign other than "0", "1", "2", "M" (a text file's first line of a ticket
// without them gets "1" "1", as the window reads it).
//
// Read in one pass; RuntimeError as the file reads (53 a missing file ...).
#include <optional>

#include "app/comprobacion/informe_comprobacion.h"

// `tipoFile` 1 AD243, anything else a text file. Nothing when `progreso` cancels.
std::optional<InformeComprobacion> comprobarQuiniela(qint16 tipoFile, const QString& ruta,
                                                     const QString& nombreArchivo, const Progreso& progreso);
