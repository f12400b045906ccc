#pragma once
// The bets already seen, by a key that sums up a bet (its numbers as a set,
// its extra boxes), each with the number of the first bet that had it: an
// open-addressing table, a million bets in a few megabytes.
#include <QtGlobal>
#include <vector>

class ApuestasVistas {
 public:
  ApuestasVistas();
  // The first bet with `clave` (never 0), or 0 when `apuesta` is the first,
  // which it then becomes.
  qint32 anotar(quint64 clave, qint32 apuesta);

 private:
  void crecer();
  std::vector<quint64> claves_;  // 0 for a free place
  std::vector<qint32> apuestas_;
  size_t ocupadas_ = 0;
  int bits_;
};
