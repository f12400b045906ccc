// configqp.cfg as the football-pools window uses it: read at the start, saved
// at close with what the start read. What the program saved must read back
// with the offsets it saved, and saving it again must change nothing.
#include <QFile>

#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "quiniela/configqp.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

QByteArray contenido(const QString& ruta) {
  QFile archivo(ruta);
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

void guarda(ArchivoConfigQp& config, const GuardadoQuiniela& guardado) {
  try {
    config.guardar(guardado);
  } catch (const RuntimeError& error) {
    // A file short of fields is completed and written, then reported.
    fuzzCheck(error.number() == ErrorNumber::InputPastEnd, "configqp: a save fails only on a short file");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString ruta = fuzzFile(QStringLiteral("configqp.cfg"), fuzzBytes(data, size));
  FuzzAttributes atributos;
  ArchivoConfigQp config(fuzzFolder(), atributos);
  // The window's values when the file cannot be read.
  GuardadoQuiniela guardado{QStringLiteral("-30"), QStringLiteral("2085"), 3100, campoSignoSalva};
  try {
    const CalibracionQuiniela leida = config.leer();
    fuzzCheck(leida.tamFuente >= 7 && leida.tamFuente <= 12, "configqp: a size from 7 to 12");
    fuzzCheck(leida.signo.size() == 1, "configqp: a mark of one character");
    fuzzCheck(leida.inicioY >= 1 && leida.margenIzq >= 1, "configqp: offset and margin at least 1");
    guardado = {plainNumber(leida.inicioX), plainNumber(leida.inicioY), leida.margenIzq, campoSignoSalva};
  } catch (const RuntimeError&) {
  }
  guarda(config, guardado);
  const QByteArray primera = contenido(ruta);
  try {
    const CalibracionQuiniela releida = config.leer();
    fuzzCheck(plainNumber(releida.inicioX) == guardado.textoX &&
                  plainNumber(releida.inicioY) == guardado.textoY && releida.margenIzq == guardado.margenIzq,
              "configqp: the saved offsets and margin read back");
  } catch (const RuntimeError&) {
    fuzzCheck(false, "configqp: a file the program saved reads back");
  }
  guarda(config, guardado);
  fuzzCheck(contenido(ruta) == primera, "configqp: saving again what was read changes nothing");
  return 0;
}
