// The text-to-number rule on any text (a field of a file, a box the user
// typed in), and whole numbers written with the program's number texts and
// read back.
#include <cmath>
#include <cstring>

#include "app/platform/ansi.h"
#include "app/platform/numbers.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString texto = decodeAnsi(fuzzBytes(data, size));
  fuzzOnly(ErrorNumber::Overflow, "numbers: only an overflow fails", [&] {
    fuzzCheck(std::isfinite(textValue(texto)), "numbers: a text reads as a finite number");
    textToInt16(texto);
  });
  if (size < sizeof(qint64)) return 0;
  // What a calibration file stores as a number and reads back.
  qint64 entero;
  std::memcpy(&entero, data, sizeof entero);
  entero %= 1000000000000000;  // 15 digits: every one is written
  for (const QString& escrito :
       {numberText(double(entero)), plainNumber(double(entero)), zeroPadded(entero, 4)})
    fuzzCheck(textToWhole(escrito) == entero, "numbers: a whole number written reads back");
  return 0;
}
