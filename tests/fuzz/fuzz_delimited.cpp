// The delimited-field reader on any bytes, read field by field and passed
// over; and the fields written back, which must read back as they were (a
// double quote written as a single one).
#include "app/platform/delimited.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QStringList campos = fuzzFields(fuzzBytes(data, size));
  fuzzCheck(DelimitedReader(fuzzBytes(data, size)).skip(campos.size() + 1) == campos.size(),
            "delimited: a skip counts every field");
  if (campos.isEmpty()) return 0;  // a line of no fields is not written
  DelimitedWriter escritor;
  QStringList esperados;
  for (const QString& campo : campos) {
    escritor.text(campo);
    esperados << QString(campo).replace(u'"', u'\'');
  }
  fuzzCheck(fuzzFields(escritor.endLine().ansiBytes()) == esperados,
            "delimited: the fields written read back");
  return 0;
}
