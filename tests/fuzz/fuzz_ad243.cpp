// AD243 as the football-pools window reads it: counted by its length when
// opened, checked, ticket 1 taken out, then the last by the length and the
// last by the header's counts (which govern the navigation from then on) and
// one past it.
#include "app/platform/numbers.h"
#include "quiniela/archivo_ad243.h"
#include "quiniela/comprobacion_quiniela.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzFileRoundTrip("AD243", fuzzBytes(data, size), [size](const QString& ruta) {
    ArchivoAD243 archivo(ruta);
    const RecuentoQuiniela alAbrir = archivo.recuento();
    fuzzCheck(alAbrir.nboletos == qMax(qint32(size / ArchivoAD243::longitudRegistro) - 1, 0) &&
                  alAbrir.napuestas == 8 * alAbrir.nboletos,
              "AD243: one ticket per whole record after the header");
    compruebaInforme(*comprobarQuiniela(1, ruta, QStringLiteral("AD243"), {}), alAbrir.napuestas);
    const RecuentoQuiniela cabecera = archivo.boleto(1).recuento;
    std::set<qint32> boletos = fuzzTickets(cabecera.nboletos);
    boletos.insert(alAbrir.nboletos);
    for (const qint32 t : boletos) {
      const BoletoLeido leido = archivo.boleto(t);
      const BoletoQuiniela& b = leido.boleto;
      fuzzCheck(b.apuestas.size() == longitudBloque && b.plenoLocal.size() == 1 &&
                    b.plenoVisitante.size() == 1 && b.jornada.size() <= 2,
                "AD243: 112 signs, one for each Pleno al 15 side, a matchday of two characters at most");
      fuzzCheck(
          leido.recuento.napuestas == cabecera.napuestas && leido.recuento.nboletos == cabecera.nboletos,
          "AD243: every ticket reads the same header");
      textValue(b.jornada);  // the window checks the matchday is a number
    }
  });
}
