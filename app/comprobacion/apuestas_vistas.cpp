#include "app/comprobacion/apuestas_vistas.h"

namespace {

constexpr int kBitsIniciales = 12;

size_t lugar(quint64 clave, int bits) {
  return size_t((clave * 0x9E3779B97F4A7C15u) >> (64 - bits));
}

}  // namespace

ApuestasVistas::ApuestasVistas()
    : claves_(size_t(1) << kBitsIniciales), apuestas_(size_t(1) << kBitsIniciales), bits_(kBitsIniciales) {}

qint32 ApuestasVistas::anotar(quint64 clave, qint32 apuesta) {
  const size_t mascara = claves_.size() - 1;
  for (size_t i = lugar(clave, bits_);; i = (i + 1) & mascara) {
    if (claves_[i] == clave) return apuestas_[i];
    if (claves_[i] == 0) {
      claves_[i] = clave;
      apuestas_[i] = apuesta;
      // At half full the runs of taken places stay short.
      if (++ocupadas_ * 2 > claves_.size()) crecer();
      return 0;
    }
  }
}

void ApuestasVistas::crecer() {
  std::vector<quint64> claves(claves_.size() * 2);
  std::vector<qint32> apuestas(apuestas_.size() * 2);
  ++bits_;
  const size_t mascara = claves.size() - 1;
  for (size_t j = 0; j < claves_.size(); ++j) {
    if (claves_[j] == 0) continue;
    size_t i = lugar(claves_[j], bits_);
    while (claves[i] != 0) i = (i + 1) & mascara;
    claves[i] = claves_[j];
    apuestas[i] = apuestas_[j];
  }
  claves_.swap(claves);
  apuestas_.swap(apuestas);
}
