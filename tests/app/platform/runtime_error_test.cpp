#include "app/platform/runtime_error.h"

#include <gtest/gtest.h>

namespace {

TEST(RuntimeError, CarriesTheSpanishDescriptionOfItsNumber) {
  const struct {
    int number;
    const char* description;
  } cases[] = {
      {5, "Llamada a procedimiento o argumento no válidos"},
      {6, "Desbordamiento"},
      {9, "El subíndice está fuera del intervalo"},
      {13, "No coinciden los tipos"},
      {53, "No se ha encontrado el archivo"},
      {62, "La entrada pasó del final del archivo"},
      {70, "Permiso denegado"},
      {75, "Error de acceso a la ruta o el archivo"},
      {76, "No se ha encontrado la ruta de acceso"},
      {482, "Error de impresora"},
      {0, "Error definido por la aplicación o el objeto"},
      {1000, "Error definido por la aplicación o el objeto"},
  };
  for (const auto& c : cases) {
    const RuntimeError e(c.number);
    EXPECT_EQ(e.number(), c.number);
    EXPECT_EQ(e.description(), QString::fromUtf8(c.description)) << c.number;
    EXPECT_STREQ(e.what(), c.description);
  }
}

TEST(RuntimeError, KeepsAGivenDescription) {
  const RuntimeError e(482, QStringLiteral("Impresora sin papel"));
  EXPECT_EQ(e.number(), 482);
  EXPECT_EQ(e.description(), QStringLiteral("Impresora sin papel"));
  EXPECT_STREQ(e.what(), "Impresora sin papel");
}

}  // namespace
