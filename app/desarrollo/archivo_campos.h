#pragma once
// A bet file of fields in the platform's delimited input syntax (the
// football-pools "Qp" + matchday + ".TXT" files and the lotto ".TXT" files):
// every field is one bet. The file is counted once when it is opened, in one
// pass at memory speed, noting where every eighth field starts; any run of
// fields is then read in constant time, whatever the size of the file.
//
// The counting rules are those of DelimitedReader: leading blanks are
// skipped; a field that starts with a double quote runs to the closing quote
// (commas and line ends inside it belong to it) and whatever follows up to
// the next comma or line end is dropped; otherwise a comma or a line end (CR
// LF, LF or CR) ends the field; an empty line is one empty field; a last
// field without a line end counts.
//
//   ArchivoCampos archivo(ruta);                    // counts; RuntimeError on failure
//   qint64 n = archivo.campos();
//   QStringList boleto = archivo.leer(8 * (t - 1), 8);
//
// No file stays open between calls. A file changed since it was counted
// (size or modification time) is counted again before it is read, so what is
// read is what reading from the start would give; the count of the opening is
// kept.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "app/desarrollo/indice_campos.h"

class ArchivoCampos {
 public:
  // Fields between two entries of the index.
  static constexpr qint64 camposPorEntrada = 8;

  // Counts the fields of the file at `ruta`. Throws RuntimeError as the
  // platform's file operations do (53 a missing file, 75 unreadable ...).
  explicit ArchivoCampos(const QString& ruta);

  // The fields counted when the file was opened.
  qint64 campos() const { return campos_; }

  // The fields `primero` (from 0) to `primero + cuantos - 1`, each as
  // DelimitedReader::next gives it, stopping at the count of the opening.
  // Throws RuntimeError 62 when the file, changed since, no longer holds
  // them, and the file errors of the platform.
  QStringList leer(qint64 primero, qint64 cuantos);

  // Memory the index takes.
  qsizetype bytesIndice() const;

 private:
  // Opens with reads of `bloqueLectura` bytes: small blocks cut fields,
  // quotes and CR LF pairs at every place.
  friend class ArchivoCamposPrueba;
  ArchivoCampos(const QString& ruta, qint64 bloqueLectura);

  void contar();
  bool cambiado() const;

  QString ruta_;
  qint64 bloqueLectura_;
  qint64 campos_ = 0;  // of the opening
  struct Recuento {
    IndiceCampos indice;  // where fields 0, 8, 16 ... start, then the end of the data
    qint64 campos = 0;
    qint64 longitud = 0;
    QDateTime modificado;
  } recuento_;
};
