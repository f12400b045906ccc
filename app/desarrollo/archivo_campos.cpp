#include "app/desarrollo/archivo_campos.h"

#include <QFile>
#include <QFileInfo>
#include <memory>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "app/desarrollo/lector_campos.h"
#include "app/platform/delimited.h"
#include "app/platform/files.h"
#include "app/platform/runtime_error.h"

namespace {


// One bit per byte of a stretch of up to 64 bytes, bit i for byte i.
struct Mascaras {
  quint64 separa = 0;  // comma or LF: each ends a field outside quotes
  quint64 cr = 0;      // CR: ends one unless an LF follows, which then ends it
  quint64 lf = 0;
  quint64 comillas = 0;
};

Mascaras mascarasPortables(const char* d, int n) {
  Mascaras m;
  for (int i = 0; i < n; ++i) {
    const quint64 bit = quint64(1) << i;
    switch (d[i]) {
      case ',': m.separa |= bit; break;
      case '\n':
        m.separa |= bit;
        m.lf |= bit;
        break;
      case '\r': m.cr |= bit; break;
      case '"': m.comillas |= bit; break;
      default: break;
    }
  }
  return m;
}

#ifdef __SSE2__
inline quint64 bitsDe(__m128i iguales, int desde) {
  return quint64(quint16(_mm_movemask_epi8(iguales))) << desde;
}

// Adds the bits of bytes `desde` to `desde` + 15 but those of the quotes,
// whose comparison it gives back. Written out four times below: a loop here
// is not unrolled.
inline __m128i anadirBits16(Mascaras& m, const char* d, int desde) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + desde));
  const quint64 lf = bitsDe(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n')), desde);
  m.separa |= bitsDe(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')), desde) | lf;
  m.lf |= lf;
  m.cr |= bitsDe(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')), desde);
  return _mm_cmpeq_epi8(v, _mm_set1_epi8('"'));
}

// The mask of the quotes is made only when there is one: most stretches have
// none, and telling that alone is faster.
inline Mascaras mascaras64(const char* d) {
  Mascaras m;
  const __m128i c0 = anadirBits16(m, d, 0);
  const __m128i c1 = anadirBits16(m, d, 16);
  const __m128i c2 = anadirBits16(m, d, 32);
  const __m128i c3 = anadirBits16(m, d, 48);
  if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(c0, c1), _mm_or_si128(c2, c3))))
    m.comillas = bitsDe(c0, 0) | bitsDe(c1, 16) | bitsDe(c2, 32) | bitsDe(c3, 48);
  return m;
}
#else
inline Mascaras mascaras64(const char* d) {
  return mascarasPortables(d, 64);
}
#endif

inline int bitsPuestos(quint64 x) {
#ifdef __POPCNT__
  return __builtin_popcountll(x);
#else
  // Without the instruction the builtin is a call; this is as fast inline.
  x -= (x >> 1) & 0x5555555555555555u;
  x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
  return int((x * 0x0101010101010101u) >> 56);
#endif
}

// Counts the fields of data given a block at a time and notes where every
// eighth one starts. A field starts after each comma, LF, and CR not followed
// by LF, outside quoted fields; the data goes by in stretches of 64 bytes
// whose field starts are counted as one mask. Only a stretch that holds a
// double quote, or lies in a quoted field, is followed quote by quote, and
// only a stretch where an entry of the index falls is looked at bit by bit.
class Contador {
 public:
  explicit Contador(IndiceCampos& indice) : indice_(indice) {}

  void anadir(const char* datos, qsizetype n);
  qint64 campos() const { return campos_; }
  qint64 longitud() const { return base_; }

 private:
  static constexpr int porEntrada = int(ArchivoCampos::camposPorEntrada);

  qsizetype corrida(const char* datos, qsizetype n, qsizetype i);
  void tramo(const char* d, int n, qint64 posicion);
  quint64 fueraDeComillas(const char* d, quint64 comillas, quint64 validos);
  bool abreComillas(const char* comilla) const;
  void anotar(quint64 inicios, int nuevos, qint64 posicion, int& faltan);

  IndiceCampos& indice_;
  qint64 base_ = 0;  // bytes given so far
  qint64 campos_ = 0;
  int faltan_ = porEntrada;  // field starts to go until the next entry
  bool entreComillas_ = false;
  // The last byte before the stretch: a comma or LF, or a CR, outside quotes.
  quint64 separaAntes_ = 0;
  quint64 crAntes_ = 0;
  const char* bloque_ = nullptr;
  bool abreAlEmpezar_ = true;  // whether a double quote opening the block opens a quoted field
};

void Contador::anadir(const char* datos, qsizetype n) {
  if (n <= 0) return;
  if (base_ == 0) {  // the first field starts with the data
    campos_ = 1;
    indice_.anadir(0);
  }
  bloque_ = datos;
  qsizetype i = 0;
  while (n - i >= 64) {
    i = corrida(datos, n, i);
    if (n - i < 64) break;
    tramo(datos + i, 64, base_ + i);
    i += 64;
  }
  if (i < n) tramo(datos + i, int(n - i), base_ + i);
  if (!entreComillas_) abreAlEmpezar_ = abreComillas(datos + n);
  base_ += n;
}

// The whole stretches from byte i on that hold no double quote, outside
// quoted fields: most of any file. Gives where it stopped.
qsizetype Contador::corrida(const char* datos, qsizetype n, qsizetype i) {
  if (entreComillas_) return i;
  quint64 separaAntes = separaAntes_;
  quint64 crAntes = crAntes_;
  qint64 campos = campos_;
  int faltan = faltan_;
  for (; n - i >= 64; i += 64) {
    const Mascaras m = mascaras64(datos + i);
    if (m.comillas) break;
    const quint64 inicios = (m.separa << 1) | separaAntes | (((m.cr << 1) | crAntes) & ~m.lf);
    separaAntes = m.separa >> 63;
    crAntes = m.cr >> 63;
    const int nuevos = bitsPuestos(inicios);
    campos += nuevos;
    if (nuevos < faltan) {
      faltan -= nuevos;
    } else {
      anotar(inicios, nuevos, base_ + i, faltan);
    }
  }
  faltan_ = faltan;
  separaAntes_ = separaAntes;
  crAntes_ = crAntes;
  campos_ = campos;
  return i;
}

void Contador::tramo(const char* d, int n, qint64 posicion) {
  const bool entero = n == 64;
  const Mascaras m = entero ? mascaras64(d) : mascarasPortables(d, n);
  const quint64 validos = entero ? ~quint64(0) : (quint64(1) << n) - 1;
  const quint64 fuera = (entreComillas_ || m.comillas) ? fueraDeComillas(d, m.comillas, validos) : validos;
  const quint64 separa = m.separa & fuera;
  const quint64 cr = m.cr & fuera;
  // Bit i: a field starts at byte i. An LF after a CR outside quotes is
  // outside them too, so the LF mask needs no quote mask.
  const quint64 inicios = ((separa << 1) | separaAntes_ | (((cr << 1) | crAntes_) & ~m.lf)) & validos;
  separaAntes_ = (separa >> (n - 1)) & 1;
  crAntes_ = (cr >> (n - 1)) & 1;
  const int nuevos = bitsPuestos(inicios);
  campos_ += nuevos;
  if (nuevos < faltan_) {
    faltan_ -= nuevos;
  } else {
    anotar(inicios, nuevos, posicion, faltan_);
  }
}

inline void Contador::anotar(quint64 inicios, int nuevos, qint64 posicion, int& faltan) {
  int resto = nuevos - faltan;  // starts after the one noted
  for (int saltar = faltan - 1;; saltar = porEntrada - 1, resto -= porEntrada) {
    for (; saltar > 0; --saltar) inicios &= inicios - 1;
    indice_.anadir(posicion + qCountTrailingZeroBits(inicios));
    inicios &= inicios - 1;
    if (resto < porEntrada) break;
  }
  faltan = porEntrada - resto;
}

// The bytes of the stretch outside quoted fields (the quotes themselves
// count as outside); leaves entreComillas_ as it is after the stretch.
quint64 Contador::fueraDeComillas(const char* d, quint64 comillas, quint64 validos) {
  quint64 fuera = validos;
  if (entreComillas_) {
    if (!comillas) return 0;
    fuera &= ~((quint64(1) << qCountTrailingZeroBits(comillas)) - 1);
    comillas &= comillas - 1;
    entreComillas_ = false;
  }
  while (comillas) {
    const int abre = int(qCountTrailingZeroBits(comillas));
    comillas &= comillas - 1;
    if (!abreComillas(d + abre)) continue;
    const quint64 hastaAbre = (quint64(2) << abre) - 1;
    if (!comillas) {
      entreComillas_ = true;
      return fuera & hastaAbre;
    }
    const int cierra = int(qCountTrailingZeroBits(comillas));
    comillas &= comillas - 1;
    fuera &= ~(((quint64(1) << cierra) - 1) & ~hastaAbre);
  }
  return fuera;
}

// A double quote outside quoted fields opens one when only blanks lie between
// it and the start of its field: when the byte before those blanks ends a
// field. That byte cannot lie in a quoted field, as the quote closing it is
// no blank.
bool Contador::abreComillas(const char* comilla) const {
  for (const char* p = comilla; p != bloque_;) {
    const char c = *--p;
    if (c != ' ' && c != '\t') return c == ',' || c == '\n' || c == '\r';
  }
  return abreAlEmpezar_;
}

}  // namespace

ArchivoCampos::ArchivoCampos(const QString& ruta) : ArchivoCampos(ruta, kBloqueLectura) {}

ArchivoCampos::ArchivoCampos(const QString& ruta, qint64 bloqueLectura)
    : ruta_(ruta), bloqueLectura_(qMax<qint64>(bloqueLectura, 1)) {
  contar();
  campos_ = recuento_.campos;
}

void ArchivoCampos::contar() {
  // Noted before reading: a change made while reading shows up at the next read.
  const QFileInfo info(ruta_);
  Recuento recuento{IndiceCampos(info.size()), 0, info.size(), info.lastModified()};
  QFile archivo(ruta_);
  openFileForBlockReading(archivo);
  Contador contador(recuento.indice);
  // Only the bytes noted: positions past them might not fit the index.
  const qint64 tamanoBloque = qBound<qint64>(1, recuento.longitud, bloqueLectura_);
  const std::unique_ptr<char[]> bloque(new char[size_t(tamanoBloque)]);
  for (qint64 quedan = recuento.longitud; quedan > 0;) {
    const qint64 leidos = archivo.read(bloque.get(), qMin(tamanoBloque, quedan));
    if (leidos < 0) throw RuntimeError(ErrorNumber::DeviceIo);
    if (leidos == 0) break;
    contador.anadir(bloque.get(), leidos);
    if (quedan == recuento.longitud && leidos < quedan) {
      // Room for as many entries as the first block promises, and a little
      // more: growing the index on the way costs more than the counting.
      const double porByte = double(recuento.indice.tamano()) / double(leidos);
      recuento.indice.reservar(qsizetype(porByte * double(recuento.longitud) * (1 + 1.0 / 32)) + 2);
    }
    quedan -= leidos;
  }
  recuento.indice.anadir(contador.longitud());
  recuento.indice.ajustar();
  recuento.campos = contador.campos();
  recuento_ = std::move(recuento);
}

bool ArchivoCampos::cambiado() const {
  const QFileInfo info(ruta_);
  return info.size() != recuento_.longitud || info.lastModified() != recuento_.modificado;
}

QStringList ArchivoCampos::leer(qint64 primero, qint64 cuantos) {
  if (primero < 0 || cuantos < 0) throw RuntimeError(ErrorNumber::InvalidCall);
  if (cambiado()) contar();
  const qint64 hasta = cuantos > campos_ - primero ? campos_ : primero + cuantos;
  if (hasta <= primero) return {};
  if (hasta > recuento_.campos) throw RuntimeError(ErrorNumber::InputPastEnd);
  const IndiceCampos& indice = recuento_.indice;
  const qint64 desde = indice.posicion(primero / camposPorEntrada);
  const qint64 fin = indice.posicion((hasta + camposPorEntrada - 1) / camposPorEntrada);
  DelimitedReader lector(readFileBytes(ruta_, desde, fin - desde));
  lector.skip(primero % camposPorEntrada);
  QStringList campos;
  campos.reserve(hasta - primero);
  for (qint64 i = primero; i < hasta; ++i) campos.append(lector.next());
  return campos;
}

qsizetype ArchivoCampos::bytesIndice() const {
  return recuento_.indice.bytes();
}
