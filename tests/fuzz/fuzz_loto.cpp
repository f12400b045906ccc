#include "tests/fuzz/fuzz_loto.h"

#include <algorithm>

#include "loto/files/comprobacion_loto.h"
#include "loto/files/desarrollo_loto.h"
#include "loto/print/marcado_loto.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr qint16 kBoles[] = {0, 1, 2, 5, 6, 8, 9, 32767};
constexpr qint16 kJuegos[] = {floto::euromillones, floto::gordo, floto::bonoloto, floto::primitiva};

}  // namespace

int fuzzLoto(const char* nombre, const uint8_t* data, size_t size,
             const std::function<qint64(const QByteArray&)>& apuestas,
             const std::function<bool(const QByteArray&, qint16, qint32, const QString&)>& boleto) {
  const uint8_t estado = size ? data[size - 1] : 0;
  const qint16 nBole = size ? kBoles[estado % 8] : 8;
  const JuegoLoto& juego = *juegoLoto(size ? kJuegos[estado / 8 % 4] : floto::bonoloto);
  const QByteArray bytes = fuzzBytes(data, size ? size - 1 : 0);
  return fuzzFileRoundTrip(nombre, bytes, [&](const QString& ruta) {
    const qint16 tipoFile = tipoFileDeNombre(QLatin1String(nombre));
    const auto archivo = abrirDesarrolloLoto(ruta, tipoFile);
    const qint32 napuestas = archivo->napuestas();
    fuzzCheck(napuestas == apuestas(bytes), "lotto: the bets the file holds");
    const auto informe = comprobarLoto(juego, tipoFile, ruta, QLatin1String(nombre), nBole, {});
    fuzzCheck(informe->apuestas() == napuestas && !informe->texto().isEmpty(),
              "lotto: the check reads every bet");
    const qint32 ultimo = boletosLoto(napuestas, nBole);
    for (const qint32 t : {1, ultimo, ultimo + 1}) {
      const QString texto = archivo->boleto(t, nBole);
      fuzzCheck(boleto(bytes, nBole, t, texto), "lotto: a ticket holds its own bets");
      // Marked as the window does: no game marks more blocks than its form has, whatever the box says.
      valorExtra(juego, texto);
      marcaBoleto(juego, texto, std::min(nBole, juego.nBole), QStringLiteral("x"));
    }
  });
}
