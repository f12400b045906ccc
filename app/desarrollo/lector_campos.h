#pragma once
// A bet file read once from start to end, in large blocks: field by field
// for the delimited text files (with the line each field starts on), record
// by record for the files of fixed records (AD243, .LOT). The check of every
// bet goes through it; the opening's index (archivo_campos.h) would only find
// the same fields again.
//
//   LectorCampos lector(ruta);  // RuntimeError as the file reads (53, 75 ...)
//   for (CampoLeido campo; lector.siguiente(campo);) ...
#include <QFile>
#include <QString>
#include <memory>

// Large enough that the system calls cost nothing, small enough that a block
// is still in the cache when it is scanned.
constexpr qsizetype kBloqueLectura = 256 << 10;

// Reads a file straight through, keeping the bytes not yet used.
class LectorBloques {
 public:
  // Blocks of `bloque` bytes at most, but for a field that is longer.
  explicit LectorBloques(const QString& ruta, qsizetype bloque = kBloqueLectura);
  ~LectorBloques();

  qint64 longitud() const { return longitud_; }
  // Bytes handed out so far.
  qint64 usados() const { return base_ + inicio_; }

 protected:
  // Makes at least `minimo` bytes available from datos() (fewer at the end of
  // the file); false when there are none left.
  bool disponer(qsizetype minimo);
  const char* datos() const { return bloque_.get() + inicio_; }
  qsizetype disponibles() const { return fin_ - inicio_; }
  bool alFinal() const { return leido_ == longitud_; }
  void usar(qsizetype bytes) { inicio_ += bytes; }

 private:
  QFile archivo_;
  qint64 longitud_;
  qint64 leido_ = 0;  // bytes read from the file
  qint64 base_ = 0;   // file position of the block's first byte
  std::unique_ptr<char[]> bloque_;
  qsizetype capacidad_;
  qsizetype inicio_ = 0;
  qsizetype fin_ = 0;
};

struct CampoLeido {
  const char* datos;  // without the quotes of a quoted field; good until the next field
  qsizetype longitud;
  qint64 linea;  // from 1, where the field starts
};

// Fields as DelimitedReader::next gives them, as bytes of the file.
class LectorCampos : public LectorBloques {
 public:
  using LectorBloques::LectorBloques;
  // False after the last field.
  bool siguiente(CampoLeido& campo);

 private:
  qint64 linea_ = 1;
};

// Records of `tamano` bytes after a header of `cabecera` bytes; a last record
// the file does not hold whole is not one.
class LectorRegistros : public LectorBloques {
 public:
  LectorRegistros(const QString& ruta, qint64 cabecera, qsizetype tamano, qsizetype bloque = kBloqueLectura);
  // The next record's bytes, nullptr after the last.
  const char* siguiente();

 private:
  qsizetype tamano_;
  qint64 cabecera_;
};
