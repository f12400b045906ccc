#pragma once
// Byte positions in a bet file, one per ticket, kept as 32-bit numbers for a
// file under 4 GiB (half a byte per bet at 8 bets a ticket) and 64-bit above.
#include <QtGlobal>
#include <vector>

class IndiceBoletos {
 public:
  explicit IndiceBoletos(qint64 longitudArchivo);

  void anadir(qint64 posicion);
  qint64 posicion(qsizetype i) const;
  qsizetype tamano() const;
  // Gives back the room reserved while the positions were added.
  void ajustar();
  // Memory the positions take.
  qsizetype bytes() const;

 private:
  bool ancho_;
  std::vector<quint32> estrechas_;
  std::vector<quint64> anchas_;
};
