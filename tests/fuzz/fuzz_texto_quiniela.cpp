// A football-pools text file as the window reads it: counted when opened,
// checked, then every ticket and one past the last read alone through the
// file's index. Each must be what reading the fields from the start gives:
// 14 signs a field, blank-padded, the Pleno al 15 in characters 15 and 16 of
// the ticket's first field (1 and 1 without them).
#include "quiniela/archivo_texto_quiniela.h"
#include "quiniela/comprobacion_quiniela.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = fuzzBytes(data, size);
  return fuzzFileRoundTrip("Qp12  33.TXT", bytes, [&bytes](const QString& ruta) {
    const QStringList campos = fuzzFields(bytes);
    ArchivoTextoQuiniela archivo(ruta, QStringLiteral("Qp12  33.TXT"));
    const RecuentoQuiniela recuento = archivo.recuento();
    fuzzCheck(recuento.napuestas == campos.size() && recuento.nboletos == (campos.size() + 7) / 8 &&
                  comprobarQuiniela(2, ruta, QStringLiteral("Qp12  33.TXT"), {})->apuestas() == campos.size(),
              "text file: one bet per field, 8 a ticket, each checked");
    for (qint32 t = 1; t <= recuento.nboletos + 1; ++t) {
      const QStringList suyos = campos.mid(8 * (t - 1), 8);
      QString apuestas;
      for (const QString& campo : suyos) apuestas += campo.left(14).leftJustified(14);
      const QString pleno =
          !suyos.isEmpty() && suyos[0].size() > 14 ? suyos[0].mid(14, 2) : QStringLiteral("11");
      const BoletoQuiniela b = archivo.boleto(t).boleto;
      fuzzCheck(b.apuestas == apuestas.leftJustified(112) && b.plenoLocal + b.plenoVisitante == pleno &&
                    b.jornada == QStringLiteral("33"),
                "text file: a ticket is what reading from the start gives");
    }
  });
}
