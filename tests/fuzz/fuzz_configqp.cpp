// configqp.cfg as the football-pools window uses it: read at the start, saved
// at close with what the start read (the window's own values when it could
// not), read again by the next start.
#include "app/platform/numbers.h"
#include "quiniela/configqp.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzFileRoundTrip("configqp.cfg", fuzzBytes(data, size), [](const QString&) {
    FuzzAttributes atributos;
    ArchivoConfigQp config(fuzzFolder(), atributos);
    GuardadoQuiniela guardado{QStringLiteral("-30"), QStringLiteral("2085"), 3100, campoSignoSalva};
    try {
      const CalibracionQuiniela leida = config.leer();
      guardado = {plainNumber(leida.inicioX), plainNumber(leida.inicioY), leida.margenIzq, campoSignoSalva};
    } catch (const RuntimeError&) {
    }
    // A file short of fields is completed and written, then reported.
    fuzzOnly(ErrorNumber::InputPastEnd, "configqp: a save fails only on a short file",
             [&] { config.guardar(guardado); });
    fuzzOnly(0, "configqp: a file the program saved reads back", [&] {
      fuzzCheck(config.leer().margenIzq == guardado.margenIzq, "configqp: the saved margin reads back");
    });
  });
}
