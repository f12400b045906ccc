// A lotto text bet file: one bet a field, and a ticket what reading the
// fields from the start gives.
#include "tests/fuzz/fuzz_loto.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzLoto(
      "AB000017.TXT", data, size, [](const QByteArray& bytes) { return fuzzFields(bytes).size(); },
      [](const QByteArray& bytes, qint16 nBole, qint32 t, const QString& texto) {
        QString esperado;
        if (t >= 1 && nBole >= 1)
          for (const QString& campo : fuzzFields(bytes).mid(qint64(nBole) * (t - 1), nBole))
            esperado += campo.left(14).leftJustified(14);
        return texto == esperado;
      });
}
