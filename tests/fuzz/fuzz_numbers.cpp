// The text-to-number rule on any text (a field of a file, a box the user
// typed in), the rounding and the whole-number fields on any double, and
// whole numbers written with the program's number texts and read back.
#include <cmath>
#include <cstring>

#include "app/platform/ansi.h"
#include "app/platform/numbers.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// Runs `f`, where only an overflow may fail.
template <typename F>
void siCabe(F f) {
  fuzzOnly(ErrorNumber::Overflow, "numbers: only an overflow fails", f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = fuzzBytes(data, size);
  for (const QString& texto : {decodeAnsi(bytes), QString::fromUtf8(bytes)}) {
    siCabe([&] { fuzzCheck(std::isfinite(textValue(texto)), "numbers: a text reads as a finite number"); });
    siCabe([&] { textToWhole(texto); });
    siCabe([&] { textToInt32(texto); });
    siCabe([&] { textToInt16(texto); });
  }

  if (size < sizeof(double)) return 0;
  double valor;
  std::memcpy(&valor, data, sizeof valor);
  siCabe([&] {
    fuzzCheck(std::fabs(double(roundHalfEven(valor)) - valor) <= 0.5,
              "numbers: rounding moves half a unit at most");
  });
  siCabe([&] { toInt32(valor); });
  siCabe([&] { toInt16(valor); });
  numberText(valor);
  plainNumber(valor);

  // What a calibration file stores as a number and reads back.
  qint64 entero;
  std::memcpy(&entero, data, sizeof entero);
  entero %= 1000000000000000;  // 15 digits: every one is written
  for (const QString& texto :
       {numberText(double(entero)), plainNumber(double(entero)), zeroPadded(entero, 4)})
    fuzzCheck(textToWhole(texto) == entero, "numbers: a whole number written reads back");
  rightAligned(plainNumber(double(entero)), int(data[0] % 20));
  return 0;
}
