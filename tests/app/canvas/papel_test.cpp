// Each sample game printed from its window on the PDF printer: ticket 2 with every mark centred in
// its box, its texts where they go and nothing else; then the test sheet, with every box outlined,
// the rulers, the same marks and the values in force below the window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "tests/support/entorno_prueba.h"
#include "tests/support/hoja_en_papel.h"

namespace {

class Papel : public ::testing::TestWithParam<Muestra>, protected EntornoPrueba {};

TEST_P(Papel, TheTicketAndTheTestSheetCarryTheSampleWhereTheFormWantsIt) {
  const QDir datos(QStringLiteral(TIQUERON_DATA_DIR));
  for (const QString& nombre : datos.entryList(QDir::Files))
    ASSERT_TRUE(QFile::copy(datos.filePath(nombre), carpeta.file(nombre)));
  const double alto = imprimeMuestra(plataforma, dialogos, rutaPrograma, GetParam());
  const QStringList hojas = impresora.documents();
  ASSERT_EQ(hojas.size(), 2);
  const PapelEsperado papel = papelEsperado(GetParam(), carpeta.read(GetParam().archivo), 2);
  compruebaTinta(hojas[0], papel.marcas, papel.textos + papel.fijas, {}, kToleranciaPdf);
  compruebaHoja(hojas[1], papel, alto);
  EXPECT_TRUE(palabras(hojas[1], alto).startsWith(QString::fromUtf8(GetParam().valores)))
      << palabras(hojas[1], alto).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Muestras, Papel, ::testing::ValuesIn(kMuestras), [](const auto& i) {
  return QString(i.param.archivo).section('.', 0, 0).toStdString();
});

}  // namespace
