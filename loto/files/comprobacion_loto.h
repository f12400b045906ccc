#pragma once
// The check of every bet of a lotto bet file before printing: what the form
// of its game cannot take as the file has it. For each bet: a field that is
// not two digits (.TXT) or a byte whose value is outside 0-99 (.LOT); a
// number outside 1-numMax or repeated within the bet; Euromillones stars
// outside 1-12 or repeated; El Gordo's clave or the reintegro outside 0-9; a
// bet whose marking stops before its end (marcado_loto.h); the same numbers
// as an earlier bet, in any order, with the same stars, clave or reintegro.
// Only the fields the game uses are looked at (El Gordo's seventh is not).
//
// Read in one pass; RuntimeError as the file reads (53 a missing file ...).
#include <optional>

#include "app/comprobacion/informe_comprobacion.h"
#include "loto/juego_loto.h"

// `tipoFile` 1 binary, anything else text; tickets of `nBole` bets. Nothing
// when `progreso` cancels.
std::optional<InformeComprobacion> comprobarLoto(const JuegoLoto& juego, qint16 tipoFile, const QString& ruta,
                                                 const QString& nomi, qint16 nBole, const Progreso& progreso);
