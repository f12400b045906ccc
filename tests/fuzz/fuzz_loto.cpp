#include "tests/fuzz/fuzz_loto.h"

#include <algorithm>
#include <map>

#include "app/grid/grid_model.h"
#include "loto/files/comprobacion_loto.h"
#include "loto/files/desarrollo_loto.h"
#include "loto/print/marcado_loto.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr qint16 kBoles[] = {0, 1, 2, 5, 6, 8, 9, 32767};
constexpr qint16 kJuegos[] = {floto::euromillones, floto::gordo, floto::bonoloto, floto::primitiva};

// One grid of each kind of a game's form, made once (a mark only
// overwrites a cell): the blocks of a kind are alike.
GridModel& rejilla(const JuegoLoto& juego, MarcaLoto::Rejilla cual) {
  static std::map<std::pair<qint16, MarcaLoto::Rejilla>, GridModel> rejillas;
  const RejillasLoto& r = cual == MarcaLoto::Rejilla::Numeros ? juego.numeros : juego.extras;
  return rejillas.try_emplace({juego.floto, cual}, r.filas, r.columnas).first->second;
}

// What the window does with a ticket text once it is read: its extra box
// value, and its marks written into the grids of the game's form (a mark the
// form has no cell for is the error 9 the window reports).
void marcaEnFormulario(const JuegoLoto& juego, const QString& texto, qint16 nBole) {
  valorExtra(juego, texto);
  // No game marks more blocks than its form has, whatever the box says.
  const MarcadoLoto marcado = marcaBoleto(juego, texto, std::min(nBole, juego.nBole), QStringLiteral("x"));
  fuzzCheck(marcado.apuestas.size() <= juego.numeros.lugares.size(), "lotto: no more bets than blocks");
  for (const MarcaLoto& marca : marcado.marcas) {
    const RejillasLoto& r = marca.rejilla == MarcaLoto::Rejilla::Numeros ? juego.numeros : juego.extras;
    fuzzCheck(marca.bloque >= 0 && marca.bloque < r.lugares.size(),
              "lotto: every mark is in a block of the form");
    fuzzOnly(ErrorNumber::SubscriptOutOfRange, "lotto: a mark off the grid is error 9", [&] {
      rejilla(juego, marca.rejilla).setText(marca.celda.fila, marca.celda.columna, marca.texto);
    });
  }
}

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
    compruebaInforme(*comprobarLoto(juego, tipoFile, ruta, QLatin1String(nombre), nBole, {}), napuestas);
    for (const qint32 t : fuzzTickets(boletosLoto(napuestas, nBole))) {
      const QString texto = archivo->boleto(t, nBole);
      fuzzCheck(boleto(bytes, nBole, t, texto), "lotto: a ticket holds its own bets");
      marcaEnFormulario(juego, texto, nBole);
    }
  });
}
