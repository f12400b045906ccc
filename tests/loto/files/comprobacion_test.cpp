// The check of every bet of a lotto file, as text and as .LOT: one row per
// kind of problem, each with the exact lines of the report.
#include <gtest/gtest.h>

#include "loto/files/comprobacion_loto.h"
#include "tests/support/temp_folder.h"
#include "tests/support/texto_en_fallos.h"

namespace {

TEST(ComprobacionLoto, ReportsEveryKindOfProblemInBothFormats) {
  const QString seParaEn = u"el marcado se para en el campo %1: ni él ni los números siguientes se marcan"_s;
  const QString seParaLaApuesta =
      u"el marcado del boleto se para en esta apuesta: ni ella ni las siguientes se marcan"_s;
  // The game, bet 9 after eight good ones ("b2" in a .LOT stands for the raw
  // byte 200), the file ('T' text, 'L' .LOT), what follows "Apuesta 9 (boleto 2...): ".
  const std::tuple<char, const char*, char, QStringList> filas[] = {
      {'B', "0102030405x607", 'T', {u"campo 6, «x6» no son dos cifras"_s, seParaEn.arg(6)}},
      {'B', "01b20304050607", 'L', {u"campo 2, byte 200 da 154, fuera de 0 a 99"_s, seParaEn.arg(2)}},
      {'G',
       "00020304550500",
       'L',
       {u"campo 1, número 0 fuera de 1 a 54"_s, u"campo 5, número 55 fuera de 1 a 54"_s}},
      {'P', "01020304050107", 'T', {u"campo 6, número 1 repetido"_s}},
      {'E', "01020304051301", 'T', {u"campo 6, estrella 13 fuera de 1 a 12"_s}},
      {'E', "01020304051212", 'L', {u"campo 7, estrella 12 repetida"_s}},
      {'G', "01020304051000", 'L', {u"campo 6, clave 10 fuera de 0 a 9"_s}},
      {'B', "01020304050910", 'T', {u"campo 7, reintegro 10 fuera de 0 a 9"_s}},
      {'G', "54020304050500", 'T', {seParaLaApuesta}},
      {'G', "41312111010000", 'L', {u"igual que la apuesta 1"_s}}};  // a 0 is a value like any other
  const TempFolder carpeta;
  for (const auto& [letra, mala, formato, detalles] : filas) {
    // Bet n: numbers n, n+10 ..., then reintegro 09 07, stars 01 02 or clave 00 00.
    QByteArray texto, lot = "TIQLOT";
    for (int n = 1; n <= 9; ++n) {
      QByteArray apuesta = mala;
      for (int i = 0; i < 5 && n < 9; ++i)
        apuesta.replace(2 * i, 2, QByteArray::number(n + 10 * i).rightJustified(2, '0'));
      if (n < 9)
        apuesta.replace(10, 4, letra == 'B' || letra == 'P' ? "0907" : letra == 'E' ? "0102" : "0000");
      texto += apuesta + "\r\n";
      for (int k = 0; k < 14; k += 2)  // each field's value plus 46
        lot += apuesta.mid(k, 2) == "b2" ? char(200) : char(apuesta.mid(k, 2).toInt() + 46);
    }
    const QString nombre = QStringLiteral("A%1000001.%2").arg(letra).arg(formato == 'T' ? "TXT" : "LOT");
    carpeta.write(nombre, formato == 'T' ? texto : lot);
    const JuegoLoto& juego = *juegoLoto(flotoDeNombre(QStringLiteral("A") + letra));
    const auto informe =
        comprobarLoto(juego, formato == 'T' ? 2 : 1, carpeta.file(nombre), nombre, juego.nBole, {});
    QStringList esperadas;
    for (const QString& detalle : detalles)
      esperadas << (formato == 'T' ? u"Apuesta 9 (boleto 2, línea 9): "_s : u"Apuesta 9 (boleto 2): "_s) +
                       detalle;
    EXPECT_EQ(informe->texto().mid(informe->totales().size() + 1), esperadas) << mala;
  }
}

}  // namespace
