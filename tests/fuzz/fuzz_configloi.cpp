// configloi.cfg as the lotto window uses it: read at the start, then saved
// (after a failed read too) for the game open. What the program saved must
// read back as it saved it, the other game's half kept, and saving it again
// must change nothing.
#include <QFile>
#include <optional>

#include "app/platform/ansi.h"
#include "app/platform/runtime_error.h"
#include "loto/files/configloi.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

QByteArray contenido(const QString& ruta) {
  QFile archivo(ruta);
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
}

void guarda(ArchivoConfigLoi& config, bool primera, const CalibracionLoto& calibracion) {
  try {
    config.guardar(primera, calibracion);
  } catch (const RuntimeError& error) {
    fuzzCheck(error.number() == ErrorNumber::InputPastEnd, "configloi: a save fails only on a short file");
  }
}

CalibracionLoto relee(ArchivoConfigLoi& config, bool primera) {
  CalibracionLoto calibracion;
  try {
    config.leer(primera, calibracion);
  } catch (const RuntimeError&) {
    fuzzCheck(false, "configloi: a file the program saved reads back");
  }
  return calibracion;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString ruta = fuzzFile(QStringLiteral("configloi.cfg"), fuzzBytes(data, size));
  FuzzAttributes atributos;
  ArchivoConfigLoi config(fuzzFolder(), atributos);
  // At the window's start no game is chosen: the second halves. The save at
  // close (or after a failed read) writes the half of the game then open:
  // Euromillones' first halves for an input of odd length.
  const bool primera = size % 2 == 1;
  CalibracionLoto calibracion;
  try {
    config.leer(false, calibracion);
  } catch (const RuntimeError&) {
  }
  std::optional<CalibracionLoto> otraAntes;
  try {
    CalibracionLoto otra;
    config.leer(!primera, otra);
    otraAntes = otra;
  } catch (const RuntimeError&) {
  }

  guarda(config, primera, calibracion);
  const QByteArray guardado = contenido(ruta);
  const CalibracionLoto despues = relee(config, primera);
  fuzzCheck(despues.topeSup == qBound(0, calibracion.topeSup, 9999) &&
                despues.margenIzq == qBound(0, calibracion.margenIzq, 9999),
            "configloi: the saved half reads back, clamped to four digits");
  fuzzCheck(
      despues.nBole == calibracion.nBole &&
          despues.cfgResto == decodeAnsi(encodeAnsi(QString(calibracion.cfgResto).replace(u'"', u'\''))),
      "configloi: the bets per ticket and the kept text read back");
  const CalibracionLoto otra = relee(config, !primera);
  if (otraAntes)
    fuzzCheck(otra.topeSup == qBound(0, otraAntes->topeSup, 9999) &&
                  otra.margenIzq == qBound(0, otraAntes->margenIzq, 9999),
              "configloi: the other half is kept");
  guarda(config, primera, despues);
  fuzzCheck(contenido(ruta) == guardado, "configloi: saving again what was read changes nothing");
  return 0;
}
