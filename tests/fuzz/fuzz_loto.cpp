#include "tests/fuzz/fuzz_loto.h"

#include <QVector>
#include <algorithm>
#include <map>

#include "app/grid/grid_model.h"
#include "app/platform/runtime_error.h"
#include "loto/print/marcado_loto.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr qint16 kBoles[] = {0, 1, 2, 5, 6, 8, 9, 32767};
constexpr qint16 kJuegos[] = {floto::euromillones, floto::gordo, floto::bonoloto, floto::primitiva};

QVector<GridModel> rejillasDe(const RejillasLoto& rejillas) {
  return QVector<GridModel>(rejillas.lugares.size(), GridModel(rejillas.filas, rejillas.columnas));
}

// The grids of one game's form, made once: a mark only overwrites a cell.
struct Formulario {
  QVector<GridModel> numeros, extras;
};

Formulario& formularioDe(const JuegoLoto& juego) {
  static std::map<qint16, Formulario> formularios;
  const auto hecho = formularios.find(juego.floto);
  if (hecho != formularios.end()) return hecho->second;
  return formularios[juego.floto] = Formulario{rejillasDe(juego.numeros), rejillasDe(juego.extras)};
}

}  // namespace

EntradaLoto entradaLoto(const uint8_t* data, size_t size) {
  if (size == 0) return {QByteArray(), 8, juegoLoto(floto::bonoloto)};
  const uint8_t estado = data[size - 1];
  return {fuzzBytes(data, size - 1), kBoles[estado % 8], juegoLoto(kJuegos[estado / 8 % 4])};
}

void marcaEnFormulario(const JuegoLoto& juego, const QString& texto, qint16 nBole) {
  valorExtra(juego, texto);
  // No game marks more blocks than its form has, whatever the box says.
  const MarcadoLoto marcado = marcaBoleto(juego, texto, std::min(nBole, juego.nBole), QStringLiteral("x"));
  fuzzCheck(marcado.apuestas.size() <= juego.numeros.lugares.size(), "lotto: no more bets than blocks");
  Formulario& formulario = formularioDe(juego);
  for (const MarcaLoto& marca : marcado.marcas) {
    QVector<GridModel>& rejillas =
        marca.rejilla == MarcaLoto::Rejilla::Numeros ? formulario.numeros : formulario.extras;
    fuzzCheck(marca.bloque >= 0 && marca.bloque < rejillas.size(),
              "lotto: every mark is in a block of the form");
    try {
      rejillas[marca.bloque].setText(marca.celda.fila, marca.celda.columna, marca.texto);
    } catch (const RuntimeError& error) {
      fuzzCheck(error.number() == ErrorNumber::SubscriptOutOfRange, "lotto: a mark off the grid is error 9");
    }
  }
}
