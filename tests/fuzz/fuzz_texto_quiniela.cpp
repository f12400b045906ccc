// A football-pools text file as the window reads it: counted when opened,
// then the first ticket, the last and one past it read alone through the
// file's index. Each must be what reading the fields from the start gives.
#include <set>

#include "app/platform/delimited.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "quiniela/archivo_texto_quiniela.h"
#include "quiniela/comprobacion_quiniela.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = fuzzBytes(data, size);
  const QString nombre = QStringLiteral("Qp07.TXT");
  const QString ruta = fuzzFile(nombre, bytes);
  QStringList campos;
  for (DelimitedReader lector(bytes); !lector.atEnd();) campos.append(lector.next());
  try {
    ArchivoTextoQuiniela archivo(ruta, nombre);
    const RecuentoQuiniela recuento = archivo.recuento();
    fuzzCheck(recuento.napuestas == campos.size(), "text file: one bet per field");
    fuzzCheck(recuento.nboletos == boletosPara(recuento.napuestas), "text file: 8 bets a ticket");
    compruebaInforme(*comprobarQuiniela(2, ruta, nombre, {}), campos.size());
    const qint32 ultimo = recuento.nboletos;
    for (const qint32 t : std::set<qint32>{1, ultimo, ultimo + 1}) {
      const BoletoLeido leido = archivo.boleto(t);
      const QStringList suyos = t < 1 ? QStringList() : campos.mid(8 * (t - 1), 8);
      const BoletoQuiniela esperado = ArchivoTextoQuiniela::boletoDeCampos(suyos, QStringLiteral("07"));
      fuzzCheck(leido.boleto.apuestas == esperado.apuestas &&
                    leido.boleto.plenoLocal == esperado.plenoLocal &&
                    leido.boleto.plenoVisitante == esperado.plenoVisitante,
                "text file: a ticket is what reading from the start gives");
      fuzzCheck(leido.recuento.napuestas == recuento.napuestas, "text file: the counts of the opening stay");
      textValue(leido.boleto.jornada);
    }
  } catch (const RuntimeError&) {
  }
  return 0;
}
