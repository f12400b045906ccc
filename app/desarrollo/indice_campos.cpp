#include "app/desarrollo/indice_campos.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// Maps in at once the pages of memory about to be written, which the system
// would otherwise give one fault at a time: the faults of a large index cost
// more than counting the fields it notes. Only a hint; nothing changes where
// the system does not take it.
void prepararPaginas(const void* inicio, size_t bytes) {
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
  const auto pagina = quintptr(sysconf(_SC_PAGESIZE));
  const quintptr desde = (quintptr(inicio) + pagina - 1) & ~(pagina - 1);
  const quintptr hasta = (quintptr(inicio) + bytes) & ~(pagina - 1);
  if (hasta > desde) madvise(reinterpret_cast<void*>(desde), hasta - desde, MADV_POPULATE_WRITE);
#else
  Q_UNUSED(inicio);
  Q_UNUSED(bytes);
#endif
}

}  // namespace

IndiceCampos::IndiceCampos(qint64 longitudArchivo) : ancho_(longitudArchivo > qint64(0xFFFFFFFFu)) {}

void IndiceCampos::reservar(qsizetype posiciones) {
  if (ancho_) {
    anchas_.reserve(size_t(posiciones));
    prepararPaginas(anchas_.data() + anchas_.size(), (anchas_.capacity() - anchas_.size()) * sizeof(quint64));
  } else {
    estrechas_.reserve(size_t(posiciones));
    prepararPaginas(estrechas_.data() + estrechas_.size(),
                    (estrechas_.capacity() - estrechas_.size()) * sizeof(quint32));
  }
}

qint64 IndiceCampos::posicion(qsizetype i) const {
  return ancho_ ? qint64(anchas_[size_t(i)]) : qint64(estrechas_[size_t(i)]);
}

qsizetype IndiceCampos::tamano() const {
  return qsizetype(ancho_ ? anchas_.size() : estrechas_.size());
}

void IndiceCampos::ajustar() {
  // Shrinking copies the whole index into new memory: not worth it for a
  // little room over.
  const auto holgado = [](const auto& v) { return v.capacity() - v.size() > v.size() / 16; };
  if (holgado(estrechas_)) estrechas_.shrink_to_fit();
  if (holgado(anchas_)) anchas_.shrink_to_fit();
}

qsizetype IndiceCampos::bytes() const {
  return qsizetype(estrechas_.capacity() * sizeof(quint32) + anchas_.capacity() * sizeof(quint64));
}
