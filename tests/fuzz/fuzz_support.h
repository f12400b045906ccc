#pragma once
// What the fuzz targets share: the round trip of every file reader (the bytes
// of one input written as the file the reader is given, read back, and what
// must hold checked), and a check whose failure the fuzzer records as a finding.
#include <QStringList>
#include <cstdint>

#include "app/platform/file_attributes.h"
#include "app/platform/files.h"
#include "app/platform/runtime_error.h"

inline QByteArray fuzzBytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The folder of this process's files, with one trailing separator as
// rutaPrograma has; in memory where the system offers it, removed at exit.
QString fuzzFolder();

// A promise the reader broke: says which and aborts.
void fuzzCheck(bool ok, const char* what);

// Runs `f`: of the errors the program reports, only the number `allowed` may
// come (none where it is 0).
template <typename F>
void fuzzOnly(int allowed, const char* what, F f) {
  try {
    f();
  } catch (const RuntimeError& error) {
    fuzzCheck(error.number() == allowed, what);
  }
}

// The round trip: the input written as `name` in that folder, then read by
// `read` given its path. An error the program shows the user ends the input:
// the window goes on.
template <typename Read>
int fuzzFileRoundTrip(const char* name, const QByteArray& bytes, Read read) {
  const QString path = fuzzFolder() + QLatin1String(name);
  fuzzOnly(0, "cannot write the input's file", [&] { writeFileAtomically(path, bytes); });
  try {
    read(path);
  } catch (const RuntimeError&) {
  }
  return 0;
}

// The fields of `bytes` read one after another from the start: what the
// readers that index a file must give.
QStringList fuzzFields(const QByteArray& bytes);

// The calibration files without their attributes: they stay writable, and
// each input costs no permission changes.
class FuzzAttributes : public SystemFileAttributes {
 public:
  void set(const QString&, FileAttribute) override {}
};
