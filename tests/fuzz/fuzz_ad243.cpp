// AD243 as the football-pools window reads it: counted by its length when
// opened, ticket 1 taken out, then the last by the length and the last by
// the header's counts (which govern the navigation from then on) and one past
// it.
#include <set>

#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "quiniela/archivo_ad243.h"
#include "quiniela/comprobacion_quiniela.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

void compruebaBoleto(const BoletoQuiniela& boleto) {
  fuzzCheck(boleto.apuestas.size() == longitudBloque, "AD243: the bet block is 112 characters");
  fuzzCheck(boleto.plenoLocal.size() == 1 && boleto.plenoVisitante.size() == 1,
            "AD243: one character for each Pleno al 15 sign");
  fuzzCheck(boleto.jornada.size() <= 2, "AD243: the matchday is two characters at most");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString ruta = fuzzFile(QStringLiteral("AD243"), fuzzBytes(data, size));
  try {
    ArchivoAD243 archivo(ruta);
    const RecuentoQuiniela alAbrir = archivo.recuento();
    const qint32 registros = qint32(size / ArchivoAD243::longitudRegistro);
    fuzzCheck(alAbrir.nboletos == qMax(registros - 1, 0) && alAbrir.napuestas == 8 * alAbrir.nboletos,
              "AD243: one ticket per whole record after the header");
    compruebaInforme(*comprobarQuiniela(1, ruta, QStringLiteral("AD243"), {}), alAbrir.napuestas);

    const BoletoLeido primero = archivo.boleto(1);
    compruebaBoleto(primero.boleto);
    const qint32 nboletos = primero.recuento.nboletos;
    for (const qint32 t : std::set<qint32>{alAbrir.nboletos, nboletos, nboletos + 1}) {
      const BoletoLeido leido = archivo.boleto(t);
      compruebaBoleto(leido.boleto);
      fuzzCheck(leido.recuento.napuestas == primero.recuento.napuestas &&
                    leido.recuento.nboletos == primero.recuento.nboletos,
                "AD243: every ticket reads the same header");
      textValue(leido.boleto.jornada);  // the window checks the matchday is a number
    }
  } catch (const RuntimeError&) {
    // Shown to the user: the window goes on.
  }
  return 0;
}
