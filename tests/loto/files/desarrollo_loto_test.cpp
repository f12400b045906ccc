// The lotto bet files: the game and kind a name gives, the file list, the
// counts, and the two-digit items of both formats.
#include "loto/files/desarrollo_loto.h"

#include <gtest/gtest.h>


#include "loto/files/lista_archivos_loto.h"
#include "loto/juego_loto.h"
#include "tests/support/temp_folder.h"
#include "tests/support/texto_en_fallos.h"

namespace {

TEST(DesarrolloLoto, NamesGiveGameAndKindCountsAndItemsKeepTwoDigits) {
  // name: game code, tipoFile, counted as text, listed
  const std::tuple<const char*, int, int, bool, bool> nombres[] = {{"AP000001.TXT", 13, 2, true, true},
                                                                   {"ae1.lot", 1, 1, false, true},
                                                                   {"ATXT0001.LOT", 16, 1, true, true},
                                                                   {"AB.TXT.LOT", 12, 1, true, true},
                                                                   {"AB1234567.TXT", 12, 2, true, false}};
  for (const auto& [nombre, codigo, tipoFile, comoTexto, listado] : nombres)
    EXPECT_EQ(std::tuple(flotoDeNombre(nombre), tipoFileDeNombre(nombre), cuentaComoTexto(nombre),
                         esArchivoDeLista(nombre)),
              std::tuple(qint16(codigo), qint16(tipoFile), comoTexto, listado))
        << nombre;
  for (const auto& [napuestas, nBole, boletos] : {std::tuple{17, 8, 3}, {16, 8, 2}, {17, 0, 0}})
    EXPECT_EQ(boletosLoto(napuestas, qint16(nBole)), boletos) << napuestas << " / " << nBole;
  const TempFolder carpeta;
  // Values 0 and 99 are two digits; -1, 100 and the bytes far off name no box.
  carpeta.write("AE1.LOT", QByteArray("LOTO01") + QByteArray("\x2E\x91\x2D\x92\x00\xFF\x2F", 7));
  EXPECT_EQ(abrirDesarrolloLoto(carpeta.file("AE1.LOT"), 1)->boleto(1, 5), "0099????????01");
}

}  // namespace
