// The index of a bet file's fields: its positions get wide only above 4 GiB
// (the fuzz target reads every run of its seeds in read blocks of every size).
#include <gtest/gtest.h>

#include "app/desarrollo/indice_campos.h"

namespace {

TEST(IndiceCampos, KeepsWidePositionsAbove4GiB) {
  for (const auto& [longitud, posicion, bytes] : {std::tuple{0xFFFFFFFFLL, 0xFFFFFFFFLL, 4},
                                                  {0x100000000LL, 0x100000000LL, 8},
                                                  {5'000'000'000LL, 4'999'999'999LL, 8}}) {
    IndiceCampos indice(longitud);
    indice.anadir(posicion);
    indice.ajustar();
    EXPECT_EQ(std::pair(indice.posicion(0), indice.bytes()), std::pair(posicion, qsizetype(bytes)))
        << longitud;
  }
}

}  // namespace
