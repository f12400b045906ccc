// A football-pools text file as the window reads it: counted when opened,
// checked, then every ticket and one past the last read alone through the
// file's index. Each must be what reading the fields from the start gives:
// 14 signs a field, blank-padded, the Pleno al 15 in characters 15 and 16 of
// the ticket's first field (1 and 1 without them), the matchday of the name.
#include "app/platform/numbers.h"
#include "quiniela/archivo_texto_quiniela.h"
#include "quiniela/comprobacion_quiniela.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = fuzzBytes(data, size);
  return fuzzFileRoundTrip("Qp12  33.TXT", bytes, [&bytes](const QString& ruta) {
    const QStringList campos = fuzzFields(bytes);
    ArchivoTextoQuiniela archivo(ruta, QStringLiteral("Qp12  33.TXT"));
    const RecuentoQuiniela recuento = archivo.recuento();
    fuzzCheck(recuento.napuestas == campos.size() && recuento.nboletos == (campos.size() + 7) / 8,
              "text file: one bet per field, 8 a ticket");
    compruebaInforme(*comprobarQuiniela(2, ruta, QStringLiteral("Qp12  33.TXT"), {}), campos.size());
    for (qint32 t = 1; t <= recuento.nboletos + 1; ++t) {
      const QStringList suyos = campos.mid(8 * (t - 1), 8);
      QString apuestas;
      for (const QString& campo : suyos) apuestas += campo.left(14).leftJustified(14);
      const bool conPleno = !suyos.isEmpty() && suyos[0].size() > 14;
      const BoletoLeido leido = archivo.boleto(t);
      fuzzCheck(leido.boleto.apuestas == apuestas.leftJustified(112) &&
                    leido.boleto.plenoLocal == (conPleno ? suyos[0].mid(14, 1) : QStringLiteral("1")) &&
                    leido.boleto.plenoVisitante == (conPleno ? suyos[0].mid(15, 1) : QStringLiteral("1")) &&
                    leido.boleto.jornada == QStringLiteral("33"),
                "text file: a ticket is what reading from the start gives");
      fuzzCheck(leido.recuento.napuestas == recuento.napuestas, "text file: the counts of the opening stay");
      textValue(leido.boleto.jornada);
    }
  });
}
