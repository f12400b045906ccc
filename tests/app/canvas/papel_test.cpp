// Each sample game printed from its window on the PDF printer: ticket 2 with every mark centred in
// its box, its texts where they go and nothing else; then the test sheet, with every box outline and
// ruler tick at its place, the same marks in their boxes and the values in force below the window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "tests/support/entorno_prueba.h"
#include "tests/support/hoja_en_papel.h"

namespace {

class Papel : public ::testing::TestWithParam<Muestra>, protected EntornoPrueba {};

TEST_P(Papel, TheTicketAndTheTestSheetCarryTheSampleWhereTheFormWantsIt) {
  const Muestra& m = GetParam();
  const QDir datos(QStringLiteral(TIQUERON_DATA_DIR));
  for (const QString& nombre : datos.entryList(QDir::Files))
    ASSERT_TRUE(QFile::copy(datos.filePath(nombre), carpeta.file(nombre)));
  const double alto = imprimeMuestra(plataforma, dialogos, rutaPrograma, m);
  const QStringList hojas = impresora.documents();
  ASSERT_EQ(hojas.size(), 2);
  const PapelEsperado papel = papelEsperado(m, carpeta.read(m.archivo), 2);
  compruebaBoleto(hojas[0], papel, kToleranciaPdf);
  EXPECT_EQ(palabras(hojas[0]), papel.palabras);
  compruebaHoja(hojas[1], papel, alto, kToleranciaPdf);
  EXPECT_TRUE(palabras(hojas[1], alto).startsWith(QString::fromUtf8(m.valores)))
      << palabras(hojas[1], alto).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Muestras, Papel, ::testing::ValuesIn(kMuestras), [](const auto& i) {
  return QString(i.param.archivo).section('.', 0, 0).toStdString();
});

}  // namespace
