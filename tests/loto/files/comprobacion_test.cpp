// The check of every bet of a lotto file, as text and as .LOT: one row per
// kind of problem, each with the exact lines of the report.
#include <gtest/gtest.h>

#include "loto/files/comprobacion_loto.h"
#include "tests/support/error_number.h"
#include "tests/support/temp_folder.h"
#include "tests/support/texto_en_fallos.h"

namespace {

// Eight good bets of a game (bet n: numbers n, n+10 ..., then 09 07 for
// reintegro games, stars 01 02, or clave 00 and an unused 00), then `apuesta`
// as bet 9: ticket 2 in every game.
QList<QByteArray> apuestas(char juego, const QByteArray& apuesta) {
  QList<QByteArray> lista;
  for (int n = 1; n <= 8; ++n) {
    QByteArray texto;
    for (int i = 0; i < 5; ++i) texto += QByteArray::number(n + 10 * i).rightJustified(2, '0');
    lista << texto + (juego == 'B' || juego == 'P' ? "0907" : juego == 'E' ? "0102" : "0000");
  }
  return lista << apuesta;
}

// As text, or as .LOT: each field's value plus 46; "b2" stands for the raw byte 200.
QByteArray comoArchivo(char formato, const QList<QByteArray>& lista) {
  if (formato == 'T') return lista.join("\r\n") + "\r\n";
  QByteArray datos = "TIQLOT";
  for (const QByteArray& apuesta : lista)
    for (int k = 0; k < 14; k += 2)
      datos += apuesta.mid(k, 2) == "b2" ? char(200) : char(apuesta.mid(k, 2).toInt() + 46);
  return datos;
}

TEST(ComprobacionLoto, ReportsEveryKindOfProblemInBothFormats) {
  const QString seParaEn = u"el marcado se para en el campo %1: ni él ni los números siguientes se marcan"_s;
  const struct {
    char juego;
    const char* apuesta;   // bet 9
    const char* formatos;  // "T" text, "L" .LOT
    QStringList detalles;  // after "Apuesta 9 (boleto 2, línea 9): "
  } filas[] = {
      {'B', "0102030405x607", "T", {u"campo 6, «x6» no son dos cifras"_s, seParaEn.arg(6)}},
      {'P', "010203 4050607", "T", {u"campo 4, « 4» no son dos cifras"_s, seParaEn.arg(4)}},
      {'B', "01b20304050607", "L", {u"campo 2, byte 200 da 154, fuera de 0 a 99"_s, seParaEn.arg(2)}},
      {'B', "01020304055007", "TL", {u"campo 6, número 50 fuera de 1 a 49"_s}},
      {'G',
       "00020304550500",
       "TL",
       {u"campo 1, número 0 fuera de 1 a 54"_s, u"campo 5, número 55 fuera de 1 a 54"_s}},
      {'E', "51020304050102", "TL", {u"campo 1, número 51 fuera de 1 a 50"_s}},
      {'P', "01020304050107", "TL", {u"campo 6, número 1 repetido"_s}},
      {'E', "01020304051301", "TL", {u"campo 6, estrella 13 fuera de 1 a 12"_s}},
      {'E', "01020304051212", "TL", {u"campo 7, estrella 12 repetida"_s}},
      {'G', "01020304051000", "TL", {u"campo 6, clave 10 fuera de 0 a 9"_s}},
      {'B', "01020304050910", "TL", {u"campo 7, reintegro 10 fuera de 0 a 9"_s}},
      {'G',
       "54020304050500",
       "TL",
       {u"el marcado del boleto se para en esta apuesta: ni ella ni las siguientes se marcan"_s}},
      {'B', "01027004050607", "TL", {u"campo 3, número 70 fuera de 1 a 49"_s, seParaEn.arg(3)}},
      {'B', "41312111010907", "TL", {u"igual que la apuesta 1"_s}},
      {'G', "41312111010000", "TL", {u"igual que la apuesta 1"_s}},  // a 0 is a value like any other
      {'E', "50302010400201", "TL", {u"igual que la apuesta 9"_s}},  // bet 9 below, this one bet 10
  };
  const TempFolder carpeta;
  for (const auto& fila : filas) {
    const JuegoLoto& juego = *juegoLoto(flotoDeNombre(QStringLiteral("A") + fila.juego));
    QList<QByteArray> lista = apuestas(fila.juego, fila.apuesta);
    if (fila.juego == 'E') lista.insert(8, "10203040500102");  // bet 9 becomes bet 10
    const int n = fila.juego == 'E' ? 10 : 9;
    for (const char formato : QByteArray(fila.formatos)) {
      const QString nombre =
          QStringLiteral("A%1000001.%2").arg(fila.juego).arg(formato == 'T' ? "TXT" : "LOT");
      carpeta.write(nombre, comoArchivo(formato, lista));
      const auto informe =
          comprobarLoto(juego, formato == 'T' ? 2 : 1, carpeta.file(nombre), nombre, juego.nBole, {});
      ASSERT_TRUE(informe);
      QStringList esperadas;
      for (const QString& detalle : fila.detalles)
        esperadas << (formato == 'T' ? u"Apuesta %1 (boleto 2, línea %1): "_s : u"Apuesta %1 (boleto 2): "_s)
                             .arg(n) +
                         detalle;
      EXPECT_EQ(informe->texto().mid(informe->totales().size() + 1), esperadas)
          << fila.apuesta << " " << formato;
      EXPECT_EQ(informe->apuestas(), lista.size()) << fila.apuesta << " " << formato;
    }
  }
}

TEST(ComprobacionLoto, NumbersTicketsByTheWindowsBetsPerTicketAndLinesByTheFile) {
  const TempFolder carpeta;
  const JuegoLoto& bonoloto = *juegoLoto(floto::bonoloto);
  QList<QByteArray> lista = apuestas('B', "41312111010907");
  lista[3] = lista[3] + "," + lista[4] + ",\"" + lista[5] + "\"";
  lista.remove(4, 2);
  carpeta.write("AB000001.TXT", comoArchivo('T', lista));
  EXPECT_EQ(comprobarLoto(bonoloto, 2, carpeta.file("AB000001.TXT"), "AB000001.TXT", 3, {})->texto(),
            (QStringList{u"Archivo: AB000001.TXT"_s, u"Apuestas: 9"_s, u"Boletos: 3"_s,
                         u"Apuestas iguales a otra anterior: 1"_s, u"Problemas: 1"_s, QString(),
                         u"Apuesta 9 (boleto 3, línea 7): igual que la apuesta 1"_s}));
  carpeta.write("AB000001.LOT", comoArchivo('L', apuestas('B', "01020304050906")) + "123456");
  EXPECT_EQ(comprobarLoto(bonoloto, 1, carpeta.file("AB000001.LOT"), "AB000001.LOT", 8, {})->texto(),
            QStringList{u"AB000001.LOT: las 9 apuestas de sus 2 boletos están bien."_s});
  EXPECT_EQ(
      errorNumberOf([&] { comprobarLoto(bonoloto, 2, carpeta.file("AB000002.TXT"), "AB000002.TXT", 8, {}); }),
      ErrorNumber::FileNotFound);
}

}  // namespace
