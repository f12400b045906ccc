#include "app/desarrollo/lector_campos.h"

#include <cstring>

#include "app/platform/delimited.h"
#include "app/platform/files.h"
#include "app/platform/runtime_error.h"

namespace {

// Line ends in [desde, hasta): CR LF counts once.
qint64 finesDeLinea(const char* d, qsizetype desde, qsizetype hasta) {
  qint64 n = 0;
  for (qsizetype i = desde; i < hasta; ++i)
    if (d[i] == '\n' || (d[i] == '\r' && (i + 1 == hasta || d[i + 1] != '\n'))) ++n;
  return n;
}

}  // namespace

LectorBloques::LectorBloques(const QString& ruta, qsizetype bloque) : archivo_(ruta) {
  openFileForBlockReading(archivo_);
  longitud_ = archivo_.size();
  capacidad_ = qsizetype(qBound<qint64>(1, longitud_, bloque));
  bloque_.reset(new char[size_t(capacidad_)]);
}

LectorBloques::~LectorBloques() = default;

bool LectorBloques::disponer(qsizetype minimo) {
  if (disponibles() >= minimo) return true;
  if (alFinal()) return disponibles() > 0;
  // The unused bytes go to the front; a field longer than the block makes it grow.
  const qsizetype quedan = disponibles();
  if (minimo > capacidad_) {
    capacidad_ = qMax(minimo, 2 * capacidad_);
    std::unique_ptr<char[]> mayor(new char[size_t(capacidad_)]);
    std::memcpy(mayor.get(), datos(), size_t(quedan));
    bloque_ = std::move(mayor);
  } else {
    std::memmove(bloque_.get(), datos(), size_t(quedan));
  }
  base_ += inicio_;
  inicio_ = 0;
  fin_ = quedan;
  while (fin_ < capacidad_ && !alFinal()) {
    const qint64 n = archivo_.read(bloque_.get() + fin_, qMin<qint64>(capacidad_ - fin_, longitud_ - leido_));
    if (n < 0) throw RuntimeError(ErrorNumber::DeviceIo);
    // Cut short while read: what is there is all there is.
    if (n == 0) longitud_ = leido_;
    fin_ += qsizetype(n);
    leido_ += n;
  }
  return disponibles() > 0;
}

bool LectorCampos::siguiente(CampoLeido& campo) {
  if (!disponer(1)) return false;
  DelimitedSpan span = scanDelimitedField(datos(), disponibles(), 0);
  // A field is whole once a byte follows its end (an LF may still follow a
  // CR), or at the end of the file.
  while (span.next == disponibles() && !alFinal()) {
    disponer(disponibles() + 1);
    span = scanDelimitedField(datos(), disponibles(), 0);
  }
  campo = {datos() + span.start, span.stop - span.start, linea_};
  // Line ends lie only in what ends the field and inside quotes: blanks,
  // bare text and what follows a closing quote hold none.
  const bool entreComillas = span.start > 0 && datos()[span.start - 1] == '"';
  linea_ += finesDeLinea(datos(), span.stop, span.next) +
            (entreComillas ? finesDeLinea(datos(), span.start, span.stop) : 0);
  usar(span.next);
  return true;
}

LectorRegistros::LectorRegistros(const QString& ruta, qint64 cabecera, qsizetype tamano, qsizetype bloque)
    : LectorBloques(ruta, bloque), tamano_(tamano), cabecera_(cabecera) {}

const char* LectorRegistros::siguiente() {
  while (cabecera_ > 0) {
    if (!disponer(1)) return nullptr;
    const qsizetype saltar = qsizetype(qMin<qint64>(cabecera_, disponibles()));
    usar(saltar);
    cabecera_ -= saltar;
  }
  if (!disponer(tamano_) || disponibles() < tamano_) return nullptr;
  const char* registro = datos();
  usar(tamano_);
  return registro;
}
