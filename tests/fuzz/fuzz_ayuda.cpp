// The help text as the help window loads and uses it: its lines made into the
// numbered list, searched for a word of the text itself, the index jump from
// where the index ends, and the lines a print sends.
#include "app/platform/ansi.h"
#include "app/platform/delimited.h"
#include "help/lista_ayuda.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzFileRoundTrip("lotoAy.txt", fuzzBytes(data, size), [](const QString& ruta) {
    const QStringList lineas = readLines(decodeAnsi(readFileBytes(ruta)));
    ListaAyuda lista;
    lista.cargar(lineas);
    lista.buscar(lineas.value(ListaAyuda::kPrimeraEntradaIndice).left(12));
    const std::optional<SaltoIndice> salto = lista.saltoDesde(ListaAyuda::kUltimaEntradaIndice);
    fuzzCheck(lista.count() == lineas.size() &&
                  (!salto || (salto->mostrar < lista.count() && lista.seleccionada(salto->encontrada))),
              "help: one entry per line, and a jump lands on a selected heading shown within the list");
    lista.lineasImpresion();
  });
}
