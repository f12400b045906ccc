#pragma once
// Byte positions in a bet file, kept as 32-bit numbers for a file under 4 GiB
// (half a byte per field at one position every 8 fields) and 64-bit above.
#include <QtGlobal>
#include <vector>

class IndiceCampos {
 public:
  explicit IndiceCampos(qint64 longitudArchivo = 0);

  // Room for `posiciones` in all, so that adding them moves nothing.
  void reservar(qsizetype posiciones);
  void anadir(qint64 posicion) {
    if (ancho_) {
      anchas_.push_back(quint64(posicion));
    } else {
      estrechas_.push_back(quint32(posicion));
    }
  }
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
