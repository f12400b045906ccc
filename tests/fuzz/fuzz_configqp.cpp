// configqp.cfg as the football-pools window uses it: read at the start, saved
// at close with what the start read. What the program saved must read back
// with the offsets it saved, and saving it again must change nothing.
#include "app/platform/files.h"
#include "app/platform/numbers.h"
#include "quiniela/configqp.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzFileRoundTrip("configqp.cfg", fuzzBytes(data, size), [](const QString& ruta) {
    FuzzAttributes atributos;
    ArchivoConfigQp config(fuzzFolder(), atributos);
    // The window's values when the file cannot be read.
    GuardadoQuiniela guardado{QStringLiteral("-30"), QStringLiteral("2085"), 3100, campoSignoSalva};
    try {
      const CalibracionQuiniela leida = config.leer();
      fuzzCheck(leida.tamFuente >= 7 && leida.tamFuente <= 12 && leida.signo.size() == 1 &&
                    leida.inicioY >= 1 && leida.margenIzq >= 1,
                "configqp: a size from 7 to 12, a mark of one character, offset and margin at least 1");
      guardado = {plainNumber(leida.inicioX), plainNumber(leida.inicioY), leida.margenIzq, campoSignoSalva};
    } catch (const RuntimeError&) {
    }
    // A file short of fields is completed and written, then reported.
    const auto guarda = [&] {
      fuzzOnly(ErrorNumber::InputPastEnd, "configqp: a save fails only on a short file",
               [&] { config.guardar(guardado); });
      return readFileBytes(ruta);
    };
    const QByteArray primera = guarda();
    fuzzOnly(0, "configqp: a file the program saved reads back", [&] {
      const CalibracionQuiniela releida = config.leer();
      fuzzCheck(plainNumber(releida.inicioX) == guardado.textoX &&
                    plainNumber(releida.inicioY) == guardado.textoY &&
                    releida.margenIzq == guardado.margenIzq,
                "configqp: the saved offsets and margin read back");
    });
    fuzzCheck(guarda() == primera, "configqp: saving again what was read changes nothing");
  });
}
