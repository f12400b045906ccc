// The bet files: counting, taking tickets out, and the matchday's file name.
#include <gtest/gtest.h>

#include "quiniela/archivo_ad243.h"
#include "quiniela/archivo_texto_quiniela.h"
#include "quiniela/nombre_jornada.h"
#include "tests/quiniela/ayudas.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(ArchivoAD243, CountsWholeRecordsThenTakesTheHeadersCounts) {
  const TempFolder carpeta;
  for (const auto& [bytes, boletos] :
       {std::pair{0, 0}, {125, 0}, {247, 0}, {248, 1}, {3 * 124, 2}, {495, 2}}) {
    carpeta.write("AD243", QByteArray(bytes, '1'));
    const RecuentoQuiniela recuento = ArchivoAD243(carpeta.file("AD243")).recuento();
    EXPECT_EQ(std::pair(recuento.napuestas, recuento.nboletos), std::pair(8 * boletos, boletos)) << bytes;
  }
  // Header positions 22-35: the bet count, two unread characters, the ticket count.
  for (const auto& [cabecera, napuestas, nboletos] :
       {std::tuple{"000040--000005", 40, 5}, {"  12ab--------", 12, 0}, {"--------000004", 32, 4}}) {
    carpeta.write("AD243", archivoAD243(2).replace(21, 14, cabecera));
    ArchivoAD243 archivo(carpeta.file("AD243"));
    const RecuentoQuiniela recuento = archivo.boleto(2).recuento;
    EXPECT_EQ(std::tuple(recuento.napuestas, recuento.nboletos, archivo.recuento().napuestas),
              std::tuple(napuestas, nboletos, 16))
        << cabecera;
  }
}

// Changed since the opening: read as it now is, as many bets as were counted.
TEST(ArchivoTextoQuiniela, AFileChangedSinceOpeningIsReadAsItNowIs) {
  const TempFolder carpeta;
  carpeta.write("Qp07.TXT", archivoTexto(3));
  ArchivoTextoQuiniela archivo(carpeta.file("Qp07.TXT"), "Qp07.TXT");
  carpeta.write("Qp07.TXT", "  \"2222222222222221\"\r\n" + archivoTexto(3));
  const BoletoQuiniela boleto = archivo.boleto(1).boleto;
  EXPECT_EQ(boleto.apuestas + boleto.plenoLocal + boleto.plenoVisitante,
            ("22222222222222" + apuesta(1) + apuesta(2)).leftJustified(112) + "21");
  carpeta.write("Qp07.TXT", archivoTexto(1));
  EXPECT_EQ(errorNumberOf([&] { archivo.boleto(1); }), ErrorNumber::InputPastEnd);
  carpeta.remove("Qp07.TXT");
  EXPECT_EQ(errorNumberOf([&] { archivo.boleto(1); }), ErrorNumber::FileNotFound);
}

TEST(NombreJornada, NumbersGetTwoDigitsOtherAnswersStayAsTypedAndFoldersAreRefused) {
  const std::pair<const char*, const char*> casos[] = {
      {"  7 ", "Qp07.TXT"}, {"123", "Qp123.TXT"}, {"2.5", "Qp02.TXT"},    {"3.5", "Qp04.TXT"},
      {"-3", "Qp-03.TXT"},  {"7a", "Qp7a.TXT"},   {"1e99", "Qp1e99.TXT"}, {"", ""},
      {"../07", "-"},       {"a/b", "-"},         {"sub\\07", "-"},       {"C:07", "-"}};
  for (const auto& [respuesta, nombre] : casos)
    EXPECT_EQ(nombreArchivoJornada(respuesta).value_or("-"), nombre) << respuesta;
}

}  // namespace
