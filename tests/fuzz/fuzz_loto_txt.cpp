// A lotto text bet file as the window reads it: counted when opened, then
// the first ticket, the last and one past it read and marked. A ticket is the
// fields reading from the start gives.
#include <set>

#include "app/platform/delimited.h"
#include "app/platform/runtime_error.h"
#include "loto/files/comprobacion_loto.h"
#include "loto/files/desarrollo_loto.h"
#include "tests/fuzz/fuzz_loto.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const EntradaLoto entrada = entradaLoto(data, size);
  const QString ruta = fuzzFile(QStringLiteral("AB000017.TXT"), entrada.archivo);
  QStringList campos;
  for (DelimitedReader lector(entrada.archivo); !lector.atEnd();) campos.append(lector.next());
  try {
    const auto archivo = abrirDesarrolloLoto(ruta, tipoFileDeNombre(QStringLiteral("AB000017.TXT")));
    const qint32 napuestas = archivo->napuestas();
    fuzzCheck(napuestas == campos.size(), "lotto text: one bet per field");
    const qint16 nBole = entrada.nBole;
    compruebaInforme(*comprobarLoto(*entrada.juego, 2, ruta, QStringLiteral("AB000017.TXT"), nBole, {}),
                     napuestas);
    const qint32 ultimo = boletosLoto(napuestas, nBole);
    for (const qint32 t : std::set<qint32>{1, ultimo, ultimo + 1}) {
      const QString texto = archivo->boleto(t, nBole);
      QString esperado;
      if (t >= 1 && nBole >= 1)
        for (const QString& campo : campos.mid(qint64(nBole) * (t - 1), nBole))
          esperado += campo.left(14).leftJustified(14);
      fuzzCheck(texto == esperado, "lotto text: a ticket is what reading from the start gives");
      marcaEnFormulario(*entrada.juego, texto, nBole);
    }
  } catch (const RuntimeError&) {
  }
  return 0;
}
