#pragma once
// What the fuzz targets share: the bytes of one input as the file a reader is
// given, and a check whose failure the fuzzer records as a finding.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "app/platform/file_attributes.h"

inline QByteArray fuzzBytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The folder of this process's files, with one trailing separator as
// rutaPrograma has; in memory where the system offers it, removed at exit.
QString fuzzFolder();

// Writes `bytes` to the file `name` of that folder, the same file for every
// input, and gives its path.
QString fuzzFile(const QString& name, const QByteArray& bytes);

// A promise the reader broke: says which and aborts.
void fuzzCheck(bool ok, const char* what);

// The check of every bet of a file (Comprobar apuestas): it reads as many
// bets as the opening counts, every problem is of one of them, and every
// line of its report can be made.
class InformeComprobacion;
void compruebaInforme(const InformeComprobacion& informe, qint64 apuestas);

// The calibration files without their attributes: they stay writable, and
// each input costs no permission changes.
class FuzzAttributes : public FileAttributes {
 public:
  void set(const QString&, FileAttribute) override {}
  bool exists(const QString& path) const override;
};
