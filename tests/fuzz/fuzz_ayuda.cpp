// The help text as the help window loads and uses it: its lines made into the
// numbered list, searched for a few words (one of them taken from the text
// itself), index jumps from both ends of the index and beyond, the jump back
// to the index and the lines a print sends.
#include "app/platform/ansi.h"
#include "app/platform/delimited.h"
#include "app/platform/files.h"
#include "help/lista_ayuda.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return fuzzFileRoundTrip("lotoAy.txt", fuzzBytes(data, size), [size](const QString& ruta) {
    const QStringList lineas = readLines(decodeAnsi(readFileBytes(ruta)));
    ListaAyuda lista;
    lista.cargar(lineas);
    fuzzCheck(lista.count() == lineas.size(), "help: one entry per line");
    const QString palabra = lineas.value(ListaAyuda::kPrimeraEntradaIndice).left(12);
    for (const QString& texto : {QStringLiteral("12"), palabra, QString(u'x')}) {
      fuzzCheck(lista.buscar(texto).has_value() == (texto.size() >= 2),
                "help: only a text of two characters is searched");
      fuzzCheck(lista.similitudesRegistradas() <= ListaAyuda::kMaximoSimilitudes, "help: at most 100 kept");
    }
    // Both ends of the index and past them, one entry between, and the list's end.
    const int primera = ListaAyuda::kPrimeraEntradaIndice, ultima = ListaAyuda::kUltimaEntradaIndice;
    for (const int p : {primera - 1, primera, primera + 1 + int(size % 9), ultima, ultima + 1,
                        lista.count() - 1, lista.count()}) {
      const std::optional<SaltoIndice> salto = lista.saltoDesde(p);
      fuzzCheck(!salto || (salto->encontrada >= ultima && salto->encontrada <= salto->mostrar &&
                           salto->mostrar < lista.count() && lista.seleccionada(salto->encontrada)),
                "help: a jump lands on a selected heading, shown within the list");
    }
    if (const std::optional<int> indice = lista.indice())
      fuzzCheck(*indice < lista.count() && lista.seleccionada(*indice),
                "help: the index heading is selected");
    fuzzCheck(!lista.lineasImpresion().isEmpty(), "help: a print sends at least its closing line");
  });
}
