#include "quiniela/indice_boletos.h"

IndiceBoletos::IndiceBoletos(qint64 longitudArchivo) : ancho_(longitudArchivo > qint64(0xFFFFFFFFu)) {}

void IndiceBoletos::anadir(qint64 posicion) {
  if (ancho_) {
    anchas_.push_back(quint64(posicion));
  } else {
    estrechas_.push_back(quint32(posicion));
  }
}

qint64 IndiceBoletos::posicion(qsizetype i) const {
  return ancho_ ? qint64(anchas_[size_t(i)]) : qint64(estrechas_[size_t(i)]);
}

qsizetype IndiceBoletos::tamano() const {
  return qsizetype(ancho_ ? anchas_.size() : estrechas_.size());
}

void IndiceBoletos::ajustar() {
  estrechas_.shrink_to_fit();
  anchas_.shrink_to_fit();
}

qsizetype IndiceBoletos::bytes() const {
  return qsizetype(estrechas_.capacity() * sizeof(quint32) + anchas_.capacity() * sizeof(quint64));
}
