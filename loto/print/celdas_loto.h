#pragma once
// Which box of the lotto form a number, a star, a clave or a reintegro marks:
// a cell (row, column) of the grid of its bet block.
#include <QString>
#include <optional>

#include "loto/juego_loto.h"

struct CeldaLoto {
  int fila;
  int columna;
  bool operator==(const CeldaLoto& o) const { return fila == o.fila && columna == o.columna; }
};

// The number field `campo` (two characters) of a bet in the number grid of
// its block. Bonoloto, La Primitiva, El Gordo: row = the tens' position in
// "012345", column = the units' position in "9876543210" (1 -> (0, 8),
// 10 -> (1, 9), 54 -> (5, 5)); a field whose tens or units are not found
// gives nothing, and ends the marking of its bet. Euromillones: the field's
// numeric value n, row (n - 1) div 9, column 9 - r with r = n mod 9, or 9
// when that is 0 (1 -> (0, 8), 18 -> (1, 0), 50 -> (5, 4)); a value outside
// 1-50 names no box and gives nothing, without ending the bet.
std::optional<CeldaLoto> celdaNumero(const JuegoLoto& juego, QStringView campo);

// A Euromillones star (two characters) in its block's star grid, from the
// table "01-03 02-02 03-01 04-00 05-23 06-22 07-21 08-20 09-43 10-42 11-41
// 12-40" (star "-" row column); a star not in the table gives nothing.
std::optional<CeldaLoto> celdaEstrella(const QString& estrella);

// An El Gordo clave c (two characters, 00-09): c < 5 -> (c, 1), else
// (c - 5, 0); anything else names no box.
std::optional<CeldaLoto> celdaClave(const QString& clave);

// A reintegro r (two characters, 00-09) of Bonoloto and La Primitiva: (r, 0);
// anything else names no box.
std::optional<CeldaLoto> celdaReintegro(const QString& reintegro);
