#pragma once
// The bets already seen, by a key that sums up a bet (its numbers as a set,
// its extra boxes), each with the number of the first bet that had it: an
// open-addressing table, each place's key and bet side by side so that a
// look-up costs one miss of the cache.
#include <QtGlobal>
#include <vector>

class ApuestasVistas {
 public:
  // Room for about `apuestas` bets before the table must grow.
  explicit ApuestasVistas(qint64 apuestas = 0);
  // The first bet with `clave` (never 0), or 0 when `apuesta` is the first,
  // which it then becomes.
  qint32 anotar(quint64 clave, qint32 apuesta);
  // Brings the place of `clave` into the cache ahead of its anotar: looking
  // up several at once hides most of the wait for memory.
  void prever(quint64 clave) const { __builtin_prefetch(&lugares_[lugar(clave)]); }

 private:
  struct Lugar {
    quint64 clave;  // 0 for a free place
    qint32 apuesta;
  };
  size_t lugar(quint64 clave) const { return size_t((clave * 0x9E3779B97F4A7C15u) >> (64 - bits_)); }
  void crecer();
  std::vector<Lugar> lugares_;
  size_t ocupados_ = 0;
  int bits_;
};
