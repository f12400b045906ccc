#include "help/lista_ayuda.h"

#include <gtest/gtest.h>

namespace {

// Index entries (8 to 18) name the first heading from 18 on holding them in characters 5 to 24 (-1: none).
TEST(ListaAyuda, IndexEntryJumpsToTheHeadingNamingIt) {
  const std::tuple<int, const char*, const char*, int, int> cases[] = {
      {8, "Series de cinco", "=== SERIES DE CINCO", 25, 33},
      {18, "   Series de cinco   ", "    series de cinco", 25, 33},  // blanks round the entry do not count
      {8, "Series de cinco", "Series de cinco", -1, -1},             // at the line's start
      {8, "Series de cinco", "=== Vease: Series de cinco", -1, -1},  // past character 24
      {8, "Impresión parcial y mucho más", "=== Impresión parcial y muc", 25, 33},  // 20 characters count
      {8, "", "=== ", -1, -1},                      // a blank index line names nothing
      {8, "Esta ayuda", "=== Esta ayuda", 37, 39},  // near the end, no further than the last entry
  };
  for (const auto& [posicion, entrada, titulo, encontrada, mostrar] : cases) {
    QStringList t(40, QStringLiteral("texto"));
    t[posicion] = QString::fromUtf8(entrada);
    t[encontrada < 0 ? 25 : encontrada] = QString::fromUtf8(titulo);
    ListaAyuda lista;
    lista.cargar(t);
    // The entry shown below the heading is never left selected, even by a search.
    if (mostrar == encontrada + 8) lista.selecciona(mostrar, true);
    const std::optional<SaltoIndice> salto = lista.saltoDesde(posicion);
    EXPECT_EQ(salto ? std::pair(salto->encontrada, salto->mostrar) : std::pair(-1, -1),
              std::pair(encontrada, mostrar))
        << posicion << " " << titulo;
    for (int i = 0; i < lista.count(); ++i) EXPECT_EQ(lista.seleccionada(i), i == encontrada) << i;
  }
}

}  // namespace
