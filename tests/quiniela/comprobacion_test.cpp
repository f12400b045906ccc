// The check of every bet of a football-pools file: one row per kind of
// problem, each with the exact lines of the report.
#include <gtest/gtest.h>

#include "quiniela/comprobacion_quiniela.h"
#include "tests/quiniela/ayudas.h"
#include "tests/support/temp_folder.h"

namespace {

// The text file of 17 bets spoilt line by line (each line still ends in CR):
// lines 9 and 17 open tickets 2 and 3 and carry their Pleno al 15.
QByteArray texto(const std::function<void(QList<QByteArray>&)>& estropea) {
  QList<QByteArray> l = archivoTexto(17).split('\n');
  l.removeLast();
  estropea(l);
  return l.join('\n') + '\n';
}

// An AD243 of 3 tickets spoilt: record t+1 is ticket t, bet b of it at
// 10 + 14(b-1), the Pleno al 15 at 122.
QByteArray ad243(const std::function<void(QByteArray&)>& estropea) {
  QByteArray d = archivoAD243(3);
  estropea(d);
  return d;
}

std::optional<InformeComprobacion> comprueba(const TempFolder& carpeta, qint16 tipoFile,
                                             const QByteArray& d) {
  const QString nombre = tipoFile == 1 ? u"AD243"_s : u"Qp07.TXT"_s;
  carpeta.write(nombre, d);
  return comprobarQuiniela(tipoFile, carpeta.file(nombre), nombre, {});
}

TEST(ComprobacionQuiniela, ReportsEveryKindOfProblemWithTheBetTicketAndLine) {
  const struct {
    qint16 tipoFile;
    QByteArray datos;
    QStringList lineas;
  } filas[] = {
      {2,
       texto([](auto& l) { l[9][2] = 'A'; }),
       {u"Apuesta 10 (boleto 2, línea 10): partido 3, signo «A» no es 1, X ni 2"_s}},
      {2,
       texto([](auto& l) { l[0][0] = 'x', l[0][13] = '\xD1'; }),
       {u"Apuesta 1 (boleto 1, línea 1): partido 1, signo «x» no es 1, X ni 2"_s,
        u"Apuesta 1 (boleto 1, línea 1): partido 14, signo «Ñ» no es 1, X ni 2"_s}},
      {2,
       texto([](auto& l) { l[16][14] = '3', l[8] = l[8].left(15) + '\r'; }),
       {u"Apuesta 9 (boleto 2, línea 9): Pleno al 15 visitante, falta el signo"_s,
        u"Apuesta 17 (boleto 3, línea 17): Pleno al 15 local, signo «3» no es 0, 1, 2 ni M"_s}},
      {2,
       texto([](auto& l) { l[11] = l[11].left(9) + '\r', l[12] = "\r"; }),
       {u"Apuesta 12 (boleto 2, línea 12): tiene 9 signos, menos de 14"_s,
        u"Apuesta 13 (boleto 2, línea 13): tiene 0 signos, menos de 14"_s}},
      {2,
       texto([](auto& l) { l[15] = "XXXXXXXXXXXXXX\r"; }),
       {u"Apuesta 16 (boleto 2, línea 16): los 14 signos son «X», columna que separa bloques"_s}},
      {2,
       texto([](auto& l) { l[13] = l[14] = l[2]; }),
       {u"Apuesta 14 (boleto 2, línea 14): igual que la apuesta 3"_s,
        u"Apuesta 15 (boleto 2, línea 15): igual que la apuesta 3"_s}},
      // Bets 2 and 3 on line 2, bet 4 quoted over lines 3 to 5: bet n on line n + 1 from then on.
      {2,
       texto([](auto& l) {
         l[1] = l[1].chopped(1) + "," + l[2];
         l[2] = "\"" + l[3].chopped(1) + "\r\n\r\n\"\r";
         l.removeAt(3);
         l[8][0] = '0';
       }),
       {u"Apuesta 10 (boleto 2, línea 11): partido 1, signo «0» no es 1, X ni 2"_s}},
      {1,
       ad243([](QByteArray& d) { d[2 * 124 + 10 + 14 * 2 + 13] = '-'; }),
       {u"Apuesta 11 (boleto 2): partido 14, signo «-» no es 1, X ni 2"_s}},
      {1,
       ad243([](QByteArray& d) { d.replace(3 * 124 + 122, 2, " M"); }),
       {u"Apuesta 17 (boleto 3): Pleno al 15 local, signo « » no es 0, 1, 2 ni M"_s}},
      {1,
       ad243([](QByteArray& d) {
         d.replace(124 + 10 + 14 * 7, 14, QByteArray(14, '2'));
         d.replace(3 * 124 + 10 + 14 * 7, 14, QByteArray(14, '2'));
         d += QByteArray(123, '1');  // no whole record: no bets
       }),
       {u"Apuesta 8 (boleto 1): los 14 signos son «2», columna que separa bloques"_s,
        u"Apuesta 24 (boleto 3): los 14 signos son «2», columna que separa bloques"_s,
        u"Apuesta 24 (boleto 3): igual que la apuesta 8"_s}},
  };
  const TempFolder carpeta;
  for (const auto& fila : filas) {
    const auto informe = comprueba(carpeta, fila.tipoFile, fila.datos);
    ASSERT_TRUE(informe) << fila.lineas.first().toStdString();
    EXPECT_EQ(informe->texto().mid(informe->totales().size() + 1), fila.lineas);
    EXPECT_EQ(std::pair(informe->apuestas(), informe->boletos()),
              std::pair(fila.tipoFile == 1 ? 24LL : 17LL, 3LL));
  }
}

TEST(ComprobacionQuiniela, GivesTheTotalsFirstOneLineForAGoodFileAndStopsWhenCancelled) {
  const TempFolder carpeta;
  EXPECT_EQ(comprueba(carpeta, 2, archivoTexto(17))->texto(),
            QStringList{u"Qp07.TXT: las 17 apuestas de sus 3 boletos están bien."_s});
  const auto informe =
      comprueba(carpeta, 2, texto([](auto& l) { l[0][0] = 'A', l[0][1] = 'B', l[4] = "\r", l[8] = l[3]; }));
  EXPECT_EQ(informe->totales(), (QStringList{u"Archivo: Qp07.TXT"_s, u"Apuestas: 17"_s, u"Boletos: 3"_s,
                                             u"Apuestas de menos de 14 signos: 1"_s,
                                             u"Apuestas con un signo que no es 1, X ni 2: 1"_s,
                                             u"Apuestas iguales a otra anterior: 1"_s, u"Problemas: 4"_s}));
  EXPECT_EQ(informe->boletoDe(3), 2);

  carpeta.write("Qp07.TXT", archivoTexto(70000));
  qint64 llamadas = 0;
  EXPECT_FALSE(comprobarQuiniela(2, carpeta.file("Qp07.TXT"), "Qp07.TXT", [&](qint64 hecho, qint64 total) {
    EXPECT_LT(hecho, total);
    return ++llamadas > 1;
  }));
  EXPECT_EQ(llamadas, 1);
  EXPECT_EQ(errorNumberOf([&] { comprobarQuiniela(1, carpeta.file("AD243"), "AD243", {}); }),
            ErrorNumber::FileNotFound);
}

}  // namespace
