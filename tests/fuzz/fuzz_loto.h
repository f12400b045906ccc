#pragma once
// What the lotto targets share. An input is the bet file followed by one byte
// of the window's state: the bets per ticket it reads with (the games' own
// or whatever the calibration box holds) and the game whose form marks the
// ticket.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "loto/juego_loto.h"

struct EntradaLoto {
  QByteArray archivo;
  qint16 nBole = 8;
  const JuegoLoto* juego = nullptr;
};

EntradaLoto entradaLoto(const uint8_t* data, size_t size);

// What the window does with a ticket text once it is read: its extra box
// value, and its marks written into the grids of the game's form (a mark the
// form has no cell for is the error 9 the window reports).
void marcaEnFormulario(const JuegoLoto& juego, const QString& texto, qint16 nBole);
