// The header's counts of an AD243, and the file a matchday names.
#include <gtest/gtest.h>

#include "quiniela/archivo_ad243.h"
#include "quiniela/nombre_jornada.h"
#include "tests/quiniela/ayudas.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(ArchivosQuiniela, TicketsTakeTheHeadersCountsAndAMatchdayNamesItsFile) {
  const TempFolder carpeta;
  // Header positions 22-35: the bet count, two unread characters, the ticket count.
  carpeta.write("AD243", archivoAD243(2).replace(21, 14, "  12ab--500000"));
  const RecuentoQuiniela recuento = ArchivoAD243(carpeta.file("AD243")).boleto(2).recuento;
  EXPECT_EQ(std::pair(recuento.napuestas, recuento.nboletos), std::pair(12, 500000));

  const std::pair<const char*, const char*> casos[] = {{"  7 ", "Qp07.TXT"},   {"2.5", "Qp02.TXT"},
                                                       {"-3", "Qp-03.TXT"},    {"7a", "Qp7a.TXT"},
                                                       {"1e99", "Qp1e99.TXT"}, {"", ""},
                                                       {"../07", "-"},         {"a/b", "-"},
                                                       {"sub\\07", "-"},       {"C:07", "-"}};
  for (const auto& [respuesta, nombre] : casos)
    EXPECT_EQ(nombreArchivoJornada(respuesta).value_or("-"), nombre) << respuesta;
}

}  // namespace
