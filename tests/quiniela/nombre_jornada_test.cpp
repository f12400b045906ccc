#include "quiniela/nombre_jornada.h"

#include <gtest/gtest.h>

#include "tests/quiniela/ayudas.h"

namespace {

struct CasoJornada {
  const char* respuesta;
  const char* nombre;
};

void PrintTo(const CasoJornada& c, std::ostream* out) {
  *out << '"' << c.respuesta << '"';
}

class NombreJornada : public ::testing::TestWithParam<CasoJornada> {};

TEST_P(NombreJornada, NumbersGetTwoDigitsOtherAnswersStayAsTyped) {
  const CasoJornada c = GetParam();
  const std::optional<QString> nombre = nombreArchivoJornada(QString::fromUtf8(c.respuesta));
  ASSERT_TRUE(nombre.has_value()) << c.respuesta;
  EXPECT_EQ(*nombre, QString::fromUtf8(c.nombre));
}

INSTANTIATE_TEST_SUITE_P(Respuestas, NombreJornada,
                         ::testing::Values(CasoJornada{"7", "Qp07.TXT"}, CasoJornada{"5", "Qp05.TXT"},
                                           CasoJornada{"12", "Qp12.TXT"}, CasoJornada{"  7 ", "Qp07.TXT"},
                                           CasoJornada{"007", "Qp07.TXT"}, CasoJornada{"123", "Qp123.TXT"},
                                           CasoJornada{"2.5", "Qp02.TXT"}, CasoJornada{"3.5", "Qp04.TXT"},
                                           CasoJornada{"6.7", "Qp07.TXT"}, CasoJornada{"1e1", "Qp10.TXT"},
                                           CasoJornada{"-3", "Qp-03.TXT"}, CasoJornada{"7a", "Qp7a.TXT"},
                                           CasoJornada{"12  23", "Qp12  23.TXT"},
                                           CasoJornada{"J07", "QpJ07.TXT"}, CasoJornada{"1e99", "Qp1e99.TXT"},
                                           CasoJornada{"", ""}));

class JornadaConRuta : public ::testing::TestWithParam<const char*> {};

TEST_P(JornadaConRuta, IsRefused) {
  EXPECT_FALSE(nombreArchivoJornada(QString::fromUtf8(GetParam())).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Rutas, JornadaConRuta,
                         ::testing::Values("../07", "..", "07/..", "a/b", "/etc/passwd", "sub\\07", "C:07",
                                           "7:", "x..y"));

}  // namespace
