#pragma once
// Which bets repeat an earlier one, by a key that sums up a bet (its numbers
// as a set, its extra boxes). A million bets go by far faster than a table
// of them could be looked up at random: each key only tests and sets a bit of
// a filter small enough for the cache, and the keys are kept in file order.
// At the end only the keys whose bit was already set, far fewer, are looked
// for among them.
#include <QtGlobal>
#include <utility>
#include <vector>

class ApuestasVistas {
 public:
  // Sized for about `previstas` bets; more only make the filter less sharp.
  explicit ApuestasVistas(qint64 previstas);
  // Bet `apuesta`, after all bets of lower number.
  void anotar(quint64 clave, qint32 apuesta);
  // After the last bet: every bet with the key of an earlier one, with the
  // first bet that had it, in file order.
  std::vector<std::pair<qint32, qint32>> repetidas() const;

 private:
  std::vector<quint64> filtro_;  // one bit a place
  int bits_;                     // the filter has 2^bits_ places
  std::vector<quint64> claves_;  // the bets', in file order
  std::vector<qint32> apuestas_;
  std::vector<quint64> sospechosas_;  // keys whose bit was set before
};
