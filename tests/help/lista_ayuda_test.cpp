#include "help/lista_ayuda.h"

#include <gtest/gtest.h>

namespace {

// An index entry (list positions 8 to 18) names the first heading from
// position 18 on that holds it in its characters 5 to 24.
TEST(ListaAyuda, IndexEntryJumpsToTheHeadingNamingIt) {
  const struct {
    int posicion;
    QString entrada, titulo;
    int encontrada, mostrar;  // -1: no jump
  } cases[] = {
      {8, "Series de cinco", "=== SERIES DE CINCO", 25, 33},
      {18, "   Series de cinco   ", "    series de cinco", 25, 33},  // blanks round the entry do not count
      {7, "Series de cinco", "=== Series de cinco", -1, -1},         // outside the index
      {19, "Series de cinco", "=== Series de cinco", -1, -1},
      {8, "Series de cinco", "Series de cinco", -1, -1},                            // at the line's start
      {8, "Series de cinco", "=== Vease: Series de cinco", -1, -1},                 // past character 24
      {8, "Impresión parcial y mucho más", "=== Impresión parcial y muc", 25, 33},  // 20 characters count
      {8, "", "=== ", -1, -1},                      // a blank index line names nothing
      {8, "Esta ayuda", "=== Esta ayuda", 37, 39},  // near the end, no further than the last entry
  };
  for (const auto& c : cases) {
    QStringList t(40, QStringLiteral("texto"));
    t[c.posicion] = c.entrada;
    t[c.encontrada < 0 ? 25 : c.encontrada] = c.titulo;
    ListaAyuda lista;
    lista.cargar(t);
    const std::optional<SaltoIndice> salto = lista.saltoDesde(c.posicion);
    EXPECT_EQ(salto ? std::pair(salto->encontrada, salto->mostrar) : std::pair(-1, -1),
              std::pair(c.encontrada, c.mostrar))
        << c.posicion << " " << c.titulo.toStdString();
    for (int i = 0; i < lista.count(); ++i) EXPECT_EQ(lista.seleccionada(i), i == c.encontrada) << i;
  }
}

}  // namespace
