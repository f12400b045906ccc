// configloi.cfg as the lotto window uses it: read at the start, then saved
// (after a failed read too) for the game open. What the program saved must
// read back as it saved it, the other game's half kept, and saving it again
// must change nothing.
#include "app/platform/ansi.h"
#include "app/platform/files.h"
#include "loto/files/configloi.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzFileRoundTrip("configloi.cfg", fuzzBytes(data, size), [size](const QString& ruta) {
    FuzzAttributes atributos;
    ArchivoConfigLoi config(fuzzFolder(), atributos);
    // At the window's start no game is chosen: the second halves. The save at
    // close (or after a failed read) writes the half of the game then open:
    // Euromillones' first halves for an input of odd length.
    const bool primera = size % 2 == 1;
    const auto lee = [&](bool mitad, CalibracionLoto& c) {
      try {
        config.leer(mitad, c);
        return true;
      } catch (const RuntimeError&) {
        return false;
      }
    };
    const auto guarda = [&](const CalibracionLoto& c) {
      fuzzOnly(ErrorNumber::InputPastEnd, "configloi: a save fails only on a short file",
               [&] { config.guardar(primera, c); });
      return readFileBytes(ruta);
    };
    const auto mitades = [](const CalibracionLoto& a, const CalibracionLoto& b) {
      return a.topeSup == qBound(0, b.topeSup, 9999) && a.margenIzq == qBound(0, b.margenIzq, 9999);
    };
    CalibracionLoto calibracion, otraAntes, despues, otra;
    lee(false, calibracion);
    const bool otraLeida = lee(!primera, otraAntes);
    const QByteArray guardado = guarda(calibracion);
    fuzzCheck(lee(primera, despues) && lee(!primera, otra), "configloi: a file the program saved reads back");
    fuzzCheck(mitades(despues, calibracion), "configloi: the saved half reads back, clamped to four digits");
    fuzzCheck(
        despues.nBole == calibracion.nBole &&
            despues.cfgResto == decodeAnsi(encodeAnsi(QString(calibracion.cfgResto).replace(u'"', u'\''))),
        "configloi: the bets per ticket and the kept text read back");
    fuzzCheck(!otraLeida || mitades(otra, otraAntes), "configloi: the other half is kept");
    fuzzCheck(guarda(despues) == guardado, "configloi: saving again what was read changes nothing");
  });
}
