// Counting a bet file once and reading any run of its fields afterwards; the
// fuzz target reads every run of its seeds in read blocks of every size.
#include "app/desarrollo/archivo_campos.h"

#include <gtest/gtest.h>

#include <QFile>

#include "app/desarrollo/lector_campos.h"
#include "tests/support/error_number.h"
#include "tests/support/temp_folder.h"
#include "tests/support/texto_en_fallos.h"

namespace {

TEST(ArchivoCampos, KeepsHalfAByteAFieldAndWidePositionsAbove4GiB) {
  const TempFolder carpeta;
  carpeta.write("AB000001.TXT", QByteArray("12345678901234\r\n").repeated(10001));
  ArchivoCampos archivo(carpeta.file("AB000001.TXT"));
  ASSERT_EQ(archivo.campos(), 10001);
  EXPECT_EQ(archivo.bytesIndice(), 4 * (1251 + 1));  // fields 0, 8 ... 10000, and the end
  EXPECT_EQ(archivo.leer(10000, 8), QStringList{"12345678901234"});
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

TEST(ArchivoCampos, AFileChangedSinceOpeningIsCountedAgainAndTheCountOfTheOpeningKept) {
  const auto lineas = [](const char* prefijo, int desde, int hasta) {
    QByteArray datos;
    for (int i = desde; i < hasta; ++i) datos += prefijo + QByteArray::number(i) + "\r\n";
    return datos;
  };
  const TempFolder carpeta;
  const QString ruta = carpeta.file("AB000001.TXT");
  EXPECT_EQ(errorNumberOf([&] { ArchivoCampos(carpeta.file("AB000001.TXT")); }), ErrorNumber::FileNotFound);
  EXPECT_EQ(errorNumberOf([&] { ArchivoCampos(carpeta.path()); }), ErrorNumber::PathFileAccess);
  carpeta.write("AB000001.TXT", lineas("f", 0, 20));
  ArchivoCampos archivo(ruta);
  ASSERT_EQ(archivo.campos(), 20);
  EXPECT_EQ(errorNumberOf([&] { archivo.leer(-1, 1); }), ErrorNumber::InvalidCall);

  carpeta.write("AB000001.TXT", lineas("n", 0, 3) + lineas("f", 0, 20));
  EXPECT_EQ(archivo.leer(16, 8), (QStringList{"f13", "f14", "f15", "f16"}));
  EXPECT_EQ(archivo.campos(), 20);
  // Same size: the modification time tells.
  carpeta.write("AB000001.TXT", lineas("g", 0, 3) + lineas("f", 0, 20));
  QFile tocado(ruta);
  ASSERT_TRUE(tocado.open(QIODevice::ReadWrite));
  ASSERT_TRUE(
      tocado.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
  tocado.close();
  EXPECT_EQ(archivo.leer(0, 2), (QStringList{"g0", "g1"}));

  carpeta.write("AB000001.TXT", lineas("f", 0, 5));
  EXPECT_EQ(archivo.leer(0, 5), (QStringList{"f0", "f1", "f2", "f3", "f4"}));
  EXPECT_EQ(errorNumberOf([&] { archivo.leer(0, 6); }), ErrorNumber::InputPastEnd);
  EXPECT_EQ(archivo.leer(20, 8), QStringList());  // past the count of the opening
  QFile::remove(ruta);
  EXPECT_EQ(errorNumberOf([&] { archivo.leer(0, 1); }), ErrorNumber::FileNotFound);
  EXPECT_EQ(errorNumberOf([&] { LectorCampos(carpeta.file("AB000002.TXT")); }), ErrorNumber::FileNotFound);
}

}  // namespace
