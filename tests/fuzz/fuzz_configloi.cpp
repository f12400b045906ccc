// configloi.cfg as the lotto window uses it: read at the start with the
// second halves, then saved (after a failed read too) with those of the game
// open: Euromillones' first halves for an input of odd length. What the
// program saved must read back as it saved it.
#include "loto/files/configloi.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzFileRoundTrip("configloi.cfg", fuzzBytes(data, size), [size](const QString&) {
    FuzzAttributes atributos;
    ArchivoConfigLoi config(fuzzFolder(), atributos);
    CalibracionLoto leida, releida;
    try {
      config.leer(false, leida);
    } catch (const RuntimeError&) {
    }
    fuzzOnly(ErrorNumber::InputPastEnd, "configloi: a save fails only on a short file",
             [&] { config.guardar(size % 2 == 1, leida); });
    fuzzOnly(0, "configloi: a file the program saved reads back",
             [&] { config.leer(size % 2 == 1, releida); });
    fuzzCheck(releida.topeSup == qBound(0, leida.topeSup, 9999) && releida.nBole == leida.nBole,
              "configloi: the saved half reads back, clamped to four digits");
  });
}
