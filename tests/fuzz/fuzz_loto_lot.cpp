// A lotto binary bet file (.LOT): 7 bytes a bet after the header, and a
// ticket only its real bets, 14 characters each.
#include "tests/fuzz/fuzz_loto.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto apuestas = [](const QByteArray& bytes) { return qMax<qint64>(0, (bytes.size() + 1) / 7 - 1); };
  return fuzzLoto("AB000020.LOT", data, size, apuestas,
                  [&](const QByteArray& bytes, qint16 nBole, qint32 t, const QString& texto) {
                    const qint64 quedan = apuestas(bytes) - qint64(nBole) * (t - 1);
                    return texto.size() == (t < 1 || nBole < 1 ? 0 : 14 * qBound(qint64(0), quedan, qint64(nBole)));
                  });
}
