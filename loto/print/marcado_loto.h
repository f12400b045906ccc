#pragma once
// What a lotto ticket marks and what the window writes about it, from the
// ticket text (14 characters a bet, as desarrollo_loto.h reads it): every mark of the extra boxes and of the
// numbers, in the order the window writes them, and the texts of the ticket box, the info label and the bets
// label.
#include <QString>
#include <QStringList>
#include <QVector>

#include "loto/juego_loto.h"
#include "loto/print/celdas_loto.h"

// A mark: the text written into one cell of a grid of the game.
struct MarcaLoto {
  enum class Rejilla { Numeros, Extras } rejilla;  // the reintegro grid is the extras' only grid
  int bloque;                                      // the grid's index: the bet's block, 0 for the reintegro
  CeldaLoto celda;
  QString texto;
  bool operator==(const MarcaLoto& o) const {
    return rejilla == o.rejilla && bloque == o.bloque && celda == o.celda && texto == o.texto;
  }
};

struct MarcadoLoto {
  // The extra boxes first (stars, claves, the reintegro), then the numbers
  // bet by bet.
  QVector<MarcaLoto> marcas;
  // The bets marked, each as its 14 characters (the bet boxes Text1 show them).
  QStringList apuestas;
};

// The bets a ticket marks and their boxes. `nBole` is the count of bets to
// mark, already capped for the game and reduced by a partial selection.
// Marking stops at the first bet whose first two characters occur in
// " 54  " (a blank or missing bet): neither it nor any later bet is marked,
// and none of them gets an extra mark. Numbers: the game's number span (six
// fields from character 1 for Bonoloto and La Primitiva, five for the
// others); where celdaNumero ends a bet, its later fields are not marked.
// Extras: Euromillones both stars of each marked bet (characters 11 and 13),
// El Gordo the clave of each marked bet (character 11), each in the bet's
// block; Bonoloto and La Primitiva the reintegro of the first bet
// (character 13) in the reintegro grid, written "X" whatever the mark.
// Everything else is written `signo`.
MarcadoLoto marcaBoleto(const JuegoLoto& juego, const QString& texto, int nBole, const QString& signo);

// How far the marking of one bet (its 14 characters) gets: whether the bet
// ends the ticket's marking (as above), and otherwise how many of its number
// fields the marking reaches: all of them, or those before the field that
// ends the bet.
struct AlcanceMarcado {
  bool cierraBoleto;
  int campos;
};
AlcanceMarcado alcanceMarcado(const JuegoLoto& juego, QStringView apuesta);

// The extra box value R of the ticket box: the 4 characters from position 11
// (Euromillones), the 2 from 11 (El Gordo) or the 2 from 13 (Bonoloto, La
// Primitiva), as a number; below 1 it is 0.
double valorExtra(const JuegoLoto& juego, const QString& texto);

// Text2: Str(nboletos), two blanks, Str(boletoActual), "    R:", then "Sin R"
// for Bonoloto, otherwise R right-aligned in at least two characters.
QString textoBoletoLoto(const JuegoLoto& juego, qint32 nboletos, qint32 boletoActual, double extra);

// Label4, line by line: "Tiqueron"; the last 16 characters of `nomi` with
// ".TXT" and ".LOT" taken out (either case); ".LOT" or ".TXT" by tipoFile;
// Str(napuestas) " Apts"; Str(nBole * boletoActual) " Ap"; an empty line;
// Str(nboletos) " Btos"; Str(boletoActual) " Bo".
QString textoInformacionLoto(const QString& nomi, qint16 tipoFile, qint32 napuestas, qint16 nBole,
                             qint32 nboletos, qint32 boletoActual);

// Label9 after a ticket is shown: "Apts " Str(nBole * boletoActual).
QString textoApuestasLoto(qint16 nBole, qint32 boletoActual);
