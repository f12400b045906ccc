// Each sample game printed on the real default printer from its window, opened from the start-up
// window: ticket 2 with every mark at its box and nothing else, then the test sheet with every box
// outline and ruler tick at its place.
#include "tests/e2e/programa_real.h"
#include "tests/support/hoja_en_papel.h"

namespace {

class MuestraReal : public ProgramaReal, public ::testing::WithParamInterface<Muestra> {};

TEST_P(MuestraReal, TheTicketAndTheTestSheetReachPaperWhereTheFormWantsThem) {
  const Muestra& m = GetParam();
  const double alto = imprimeMuestra(plataforma, dialogos, carpeta.path(), m);
  const QStringList hojas = impresas(2);
  ASSERT_EQ(hojas.size(), 2);
  const PapelEsperado papel = papelEsperado(m, carpeta.read(m.archivo), 2);
  compruebaBoleto(hojas[0], papel, kToleranciaCola);
  compruebaHoja(hojas[1], papel, alto, kToleranciaCola);
}

INSTANTIATE_TEST_SUITE_P(Muestras, MuestraReal, ::testing::ValuesIn(kMuestras), [](const auto& i) {
  return QString(i.param.archivo).section('.', 0, 0).toStdString();
});

}  // namespace
