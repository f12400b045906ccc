#include "app/comprobacion/apuestas_vistas.h"

namespace {

constexpr int kBitsMinimos = 12;

// At most half full: the runs of taken places stay short.
int bitsPara(qint64 apuestas) {
  int bits = kBitsMinimos;
  while ((qint64(1) << bits) < 2 * apuestas && bits < 40) ++bits;
  return bits;
}

}  // namespace

ApuestasVistas::ApuestasVistas(qint64 apuestas)
    : lugares_(size_t(1) << bitsPara(apuestas)), bits_(bitsPara(apuestas)) {}

qint32 ApuestasVistas::anotar(quint64 clave, qint32 apuesta) {
  const size_t mascara = lugares_.size() - 1;
  for (size_t i = lugar(clave);; i = (i + 1) & mascara) {
    Lugar& l = lugares_[i];
    if (l.clave == clave) return l.apuesta;
    if (l.clave == 0) {
      l = {clave, apuesta};
      if (++ocupados_ * 2 > lugares_.size()) crecer();
      return 0;
    }
  }
}

void ApuestasVistas::crecer() {
  std::vector<Lugar> antes(lugares_.size() * 2);
  antes.swap(lugares_);
  ++bits_;
  const size_t mascara = lugares_.size() - 1;
  for (const Lugar& l : antes) {
    if (l.clave == 0) continue;
    size_t i = lugar(l.clave);
    while (lugares_[i].clave != 0) i = (i + 1) & mascara;
    lugares_[i] = l;
  }
}
