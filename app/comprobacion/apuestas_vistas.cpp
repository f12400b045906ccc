#include "app/comprobacion/apuestas_vistas.h"

namespace {

constexpr quint64 kMezcla = 0x9E3779B97F4A7C15u;

// A place among 2^bits for a key: its high bits once mixed.
size_t lugar(quint64 clave, int bits) {
  return size_t((clave * kMezcla) >> (64 - bits));
}

// 2^bits places for at least `por` times `cuantos`.
int bitsPara(qint64 cuantos, int por) {
  int bits = 10;
  while ((qint64(1) << bits) < por * cuantos && bits < 40) ++bits;
  return bits;
}

// The suspect keys, each with the first bet found to have it (0 for none
// yet): open addressing at most half full.
class Primeras {
 public:
  explicit Primeras(const std::vector<quint64>& claves)
      : bits_(bitsPara(qint64(claves.size()), 2)), claves_(size_t(1) << bits_), apuestas_(claves_.size()) {
    for (quint64 clave : claves) *sitio(clave) = clave;
  }
  // The bet slot of a suspect key; nullptr for any other key.
  qint32* primera(quint64 clave) {
    quint64* s = sitio(clave);
    return *s == clave ? &apuestas_[size_t(s - claves_.data())] : nullptr;
  }

 private:
  // Where `clave` is, or the free place where it would go. Keys are never 0.
  quint64* sitio(quint64 clave) {
    const size_t mascara = claves_.size() - 1;
    size_t i = lugar(clave, bits_);
    while (claves_[i] != 0 && claves_[i] != clave) i = (i + 1) & mascara;
    return &claves_[i];
  }
  int bits_;
  std::vector<quint64> claves_;
  std::vector<qint32> apuestas_;
};

}  // namespace

// About 16 places a bet: the filter of a million bets is 2 MB, and one key in
// sixteen is a suspect by chance.
ApuestasVistas::ApuestasVistas(qint64 previstas)
    : filtro_((size_t(1) << bitsPara(previstas, 16)) / 64), bits_(bitsPara(previstas, 16)) {
  claves_.reserve(size_t(qMax<qint64>(previstas, 0)));
  apuestas_.reserve(size_t(qMax<qint64>(previstas, 0)));
}

void ApuestasVistas::anotar(quint64 clave, qint32 apuesta) {
  const size_t i = lugar(clave, bits_);
  quint64& palabra = filtro_[i / 64];
  const quint64 bit = quint64(1) << (i % 64);
  if (palabra & bit) sospechosas_.push_back(clave);
  palabra |= bit;
  claves_.push_back(clave);
  apuestas_.push_back(apuesta);
}

std::vector<std::pair<qint32, qint32>> ApuestasVistas::repetidas() const {
  std::vector<std::pair<qint32, qint32>> repetidas;
  if (sospechosas_.empty()) return repetidas;
  Primeras primeras(sospechosas_);
  for (size_t k = 0; k < claves_.size(); ++k) {
    qint32* primera = primeras.primera(claves_[k]);
    if (!primera) continue;
    if (*primera == 0) {
      *primera = apuestas_[k];
    } else {
      repetidas.emplace_back(apuestas_[k], *primera);
    }
  }
  return repetidas;
}
