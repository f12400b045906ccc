// Lotto bet files that are short, huge or full of bytes no bet has: no
// message, and nothing marked that the file does not hold.
#include "tests/loto_window/ventana_lo.h"

TEST_F(VentanaLo, BadLottoFilesMarkOnlyRealBoxes) {
  const struct {
    const char* archivo;
    QByteArray datos;
    qint32 napuestas;
    QString primerBloque;  // what block 1 shows, as enPantalla reads it
  } casos[] = {
      {"AB000003.LOT", QByteArray("TIQLOT\x2f\x30\x31\x32\x33\x34\x35\x30\x31\x32"), 1, "1 2 3 4 5 6 | 70X"},
      {"AB000001.TXT", "01020304050607" + QByteArray(10 << 20, '9') + "\r\n", 1, "1 2 3 4 5 6 | 70X"},
      {"AB000001.TXT", QByteArray("0102__040506_\r\n").replace('_', '\0'), 1, "1 2"},
      {"AB000003.TXT", "00991020304050\r\nab102030405060\r\n", 2, "0"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.archivo);
    carpeta.write(c.archivo, c.datos);
    auto w = abre();
    dialogos.forget();
    elige(*w, c.archivo);
    EXPECT_EQ(dialogos.shown().size(), 1) << "the choice box only";
    EXPECT_EQ(std::pair(w->napuestas, enPantalla(*w).value(0)), std::pair(c.napuestas, c.primerBloque));
    carpeta.remove(c.archivo);
  }
}
