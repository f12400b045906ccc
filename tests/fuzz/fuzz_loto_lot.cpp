// A lotto binary bet file (.LOT) as the window reads it: counted from its
// length, then the first ticket, the last and one past it read and marked.
#include <set>

#include "app/platform/runtime_error.h"
#include "loto/files/comprobacion_loto.h"
#include "loto/files/desarrollo_loto.h"
#include "tests/fuzz/fuzz_loto.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const EntradaLoto entrada = entradaLoto(data, size);
  const QString ruta = fuzzFile(QStringLiteral("AB000020.LOT"), entrada.archivo);
  try {
    const auto archivo = abrirDesarrolloLoto(ruta, tipoFileDeNombre(QStringLiteral("AB000020.LOT")));
    const qint32 napuestas = archivo->napuestas();
    fuzzCheck(napuestas == qMax<qint64>(0, (qint64(entrada.archivo.size()) + 1) / 7 - 1),
              "lotto binary: 7 bytes a bet after the header");
    const qint16 nBole = entrada.nBole;
    compruebaInforme(*comprobarLoto(*entrada.juego, 1, ruta, QStringLiteral("AB000020.LOT"), nBole, {}),
                     napuestas);
    const qint32 ultimo = boletosLoto(napuestas, nBole);
    for (const qint32 t : std::set<qint32>{1, ultimo, ultimo + 1}) {
      const QString texto = archivo->boleto(t, nBole);
      const qint64 quedan = napuestas - qint64(nBole) * (t - 1);
      const qint64 apuestas = t < 1 || nBole < 1 ? 0 : qBound(qint64(0), quedan, qint64(nBole));
      fuzzCheck(texto.size() == 14 * apuestas,
                "lotto binary: the ticket's real bets only, 14 characters each");
      marcaEnFormulario(*entrada.juego, texto, nBole);
    }
  } catch (const RuntimeError&) {
  }
  return 0;
}
