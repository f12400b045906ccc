#include "quiniela/configqp.h"

#include <gtest/gtest.h>

#include "tests/quiniela/ayudas.h"

namespace {

// Each field by its rule: inicioX, the size after "True ", the mark at the end,
// inicioY, margen and margenIzq, and the reserved text only when long enough.
TEST(ConfigQp, EachFieldIsReadByItsRule) {
  const CalibracionQuiniela c = calibracionDeCampos({"-15.5", "True 12", "000000»", "1", "2.5", "abc"});
  EXPECT_EQ(
      u"%1 %2 %3 %4 %5 %6 %7"_s.arg(QString::number(c.inicioX), QString::number(c.tamFuente), c.signo,
                                    QString::number(c.inicioY), c.margen, QString::number(c.margenIzq),
                                    c.textoReservado == textoRellenoQp ? u"relleno"_s : c.textoReservado),
      "-16 12 » 1 2.5 2 relleno");
  const CalibracionQuiniela d = calibracionDeCampos({"x", "True 13", "", "0", "0.5", textoRellenoQp + "z"});
  EXPECT_EQ(std::tuple(d.tamFuente, d.signo, d.inicioY, d.margen, d.margenIzq, d.textoReservado),
            std::tuple(qint16(7), u"x"_s, 2085, u"1"_s, 1, textoRellenoQp + "z"));
  for (const auto& [caja, tam] : {std::pair{"12.5", 12}, {"13", 7}, {"99999999999999999999", 7}})
    EXPECT_EQ(tamFuenteValido(caja), tam) << caja;
}

}  // namespace
