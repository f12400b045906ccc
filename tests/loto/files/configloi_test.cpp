// configloi.cfg: the game's half of each item, clamped to four digits, saved
// over what the file holds; a short file and a number no field holds reported.
#include "loto/files/configloi.h"

#include <gtest/gtest.h>

#include "app/platform/file_attributes.h"
#include "tests/support/error_number.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(ConfigLoi, SavesTheGamesHalfClampedAndReportsAShortFileAndAnOverflow) {
  const TempFolder carpeta;
  SystemFileAttributes atributos;
  ArchivoConfigLoi archivo(carpeta.path(), atributos);
  carpeta.write("configloi.cfg", "980,30,\" 1290\",\"0400-0200\"\r\n");
  EXPECT_EQ(errorNumberOf([&] { archivo.guardar(true, {12345, -30, 5, "r"}); }), ErrorNumber::InputPastEnd);
  EXPECT_EQ(carpeta.read("configloi.cfg"), "980,30,\" 1290\",\"9999-0200\",\"0000-1505\",\" 5\",\"r\"\r\n");
  archivo.guardar(false, {-1, 99999, 32767, "r"});
  CalibracionLoto leida;
  EXPECT_EQ(errorNumberOf([&] { archivo.leer(false, leida); }), 0);
  EXPECT_EQ(std::tuple(leida.topeSup, leida.margenIzq, leida.nBole), std::tuple(0, 9999, qint16(32767)));
  carpeta.write("configloi.cfg", "980,30,\" 1290\",\"0480-0155\",\"4840-1505\",\" 40000\",\"x\"\r\n");
  EXPECT_EQ(errorNumberOf([&] { archivo.leer(false, leida); }), ErrorNumber::Overflow);
}

}  // namespace
