// AD243 as the football-pools window reads it: counted by its length when
// opened, checked, ticket 1 taken out, then the last by the length and the
// last by the header's counts (which govern the navigation from then on) and
// one past it.
#include "quiniela/archivo_ad243.h"
#include "quiniela/comprobacion_quiniela.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzFileRoundTrip("AD243", fuzzBytes(data, size), [size](const QString& ruta) {
    ArchivoAD243 archivo(ruta);
    const qint32 boletos = archivo.recuento().nboletos;
    fuzzCheck(boletos == qMax(qint32(size / ArchivoAD243::longitudRegistro) - 1, 0) &&
                  comprobarQuiniela(1, ruta, QStringLiteral("AD243"), {})->apuestas() == 8 * boletos,
              "AD243: one ticket per whole record after the header, and its eight bets checked");
    const RecuentoQuiniela cabecera = archivo.boleto(1).recuento;
    for (const qint32 t : {1, cabecera.nboletos, cabecera.nboletos + 1, boletos}) {
      const BoletoLeido leido = archivo.boleto(t);
      fuzzCheck(leido.boleto.apuestas.size() == longitudBloque && leido.boleto.plenoLocal.size() == 1 &&
                    leido.recuento.nboletos == cabecera.nboletos,
                "AD243: 112 signs, a Pleno al 15 sign, the header's counts");
    }
  });
}
