// The help text as the help window loads and uses it: its lines made into the
// numbered list, searched for a few words (one of them taken from the text
// itself), index jumps from both ends of the index and beyond, the jump back
// to the index and the lines a print sends.
#include "app/platform/ansi.h"
#include "app/platform/delimited.h"
#include "app/platform/files.h"
#include "app/platform/runtime_error.h"
#include "help/lista_ayuda.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString ruta = fuzzFile(QStringLiteral("lotoAy.txt"), fuzzBytes(data, size));
  QStringList lineas;
  try {
    lineas = readLines(decodeAnsi(readFileBytes(ruta)));
  } catch (const RuntimeError&) {
    fuzzCheck(false, "help: the file just written reads");
  }
  ListaAyuda lista;
  lista.cargar(lineas);
  fuzzCheck(lista.count() == lineas.size(), "help: one entry per line");

  const QString palabra = lineas.value(ListaAyuda::kPrimeraEntradaIndice).left(12);
  for (const QString& texto : {QStringLiteral("12"), palabra, QString(u'x')}) {
    const std::optional<QString> resultado = lista.buscar(texto);
    fuzzCheck(resultado.has_value() == (texto.size() >= 2),
              "help: only a text of two characters is searched");
    fuzzCheck(lista.similitudesRegistradas() <= ListaAyuda::kMaximoSimilitudes, "help: at most 100 kept");
  }
  // Both ends of the index and past them, and one entry between.
  const int entrada = ListaAyuda::kPrimeraEntradaIndice + 1 + int(size % 9);
  for (const int p : {ListaAyuda::kPrimeraEntradaIndice - 1, ListaAyuda::kPrimeraEntradaIndice, entrada,
                      ListaAyuda::kUltimaEntradaIndice, ListaAyuda::kUltimaEntradaIndice + 1}) {
    const std::optional<SaltoIndice> salto = lista.saltoDesde(p);
    if (!salto) continue;
    fuzzCheck(salto->encontrada >= ListaAyuda::kUltimaEntradaIndice && salto->encontrada <= salto->mostrar &&
                  salto->mostrar < lista.count() && lista.seleccionada(salto->encontrada),
              "help: a jump lands on a selected heading, shown within the list");
  }
  for (int p : {lista.count() - 1, lista.count()}) lista.saltoDesde(p);
  if (const std::optional<int> indice = lista.indice())
    fuzzCheck(*indice < lista.count() && lista.seleccionada(*indice), "help: the index heading is selected");
  const QStringList impresas = lista.lineasImpresion();
  fuzzCheck(!impresas.isEmpty(), "help: a print sends at least its closing line");
  return 0;
}
