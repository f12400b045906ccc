#pragma once
// The large developments the benchmarks run on, made in memory.
#include <QByteArray>
#include <QtGlobal>

// Bet n (from 0) of the full football-pools development: match 1 changes slowest.
void apuestaCompleta(qint64 n, char* signos);
// All 3^14 = 4,782,969 bets of 14 matches, one a line (CR LF), the first line
// of each ticket with its Pleno al 15.
QByteArray desarrolloCompleto();

// A million Bonoloto bets: six different numbers of 1 to 49 in ascending
// order and a reintegro, as a text file (one bet a line) and as a .LOT.
constexpr int kApuestasBonoloto = 1000000;
QByteArray bonolotoTexto();
QByteArray bonolotoBinario();
