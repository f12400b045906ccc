// The check of every bet of a football-pools file: one row per kind of
// problem, each with the exact lines of the report.
#include <gtest/gtest.h>

#include <functional>

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

TEST(ComprobacionQuiniela, ReportsEveryKindOfProblemWithTheBetTicketAndLine) {
  const struct {
    qint16 tipoFile;
    QByteArray datos;
    QStringList lineas;
  } filas[] = {
      {2,
       texto([](auto& l) { l[16][14] = '3', l[8] = l[8].left(15) + '\r'; }),
       {u"Apuesta 9 (boleto 2, línea 9): Pleno al 15 visitante, falta el signo"_s,
        u"Apuesta 17 (boleto 3, línea 17): Pleno al 15 local, signo «3» no es 0, 1, 2 ni M"_s}},
      // Line 9 opens ticket 2 without a Pleno al 15: no problem of its own.
      {2,
       texto([](auto& l) { l[11] = l[11].left(9) + '\r', l[12] = "\r", l[8] = l[8].left(14) + '\r'; }),
       {u"Apuesta 12 (boleto 2, línea 12): tiene 9 signos, menos de 14"_s,
        u"Apuesta 13 (boleto 2, línea 13): tiene 0 signos, menos de 14"_s}},
      // Bets 2 and 3 on line 2, bet 4 quoted over lines 3 to 5: bet n on line n + 1 from then on.
      {2,
       texto([](auto& l) {
         l[1] = l[1].chopped(1) + "," + l[2];
         l[2] = "\"" + l[3].chopped(1) + "\r\n\r\n\"\r";
         l.removeAt(3);
         l[8][0] = '0';
       }),
       {u"Apuesta 10 (boleto 2, línea 11): partido 1, signo «0» no es 1, X ni 2"_s}},
      // Ticket 3's Pleno al 15 in an AD243.
      {1,
       archivoAD243(3).replace(3 * 124 + 122, 2, " M"),
       {u"Apuesta 17 (boleto 3): Pleno al 15 local, signo « » no es 0, 1, 2 ni M"_s}},
  };
  const TempFolder carpeta;
  for (const auto& fila : filas) {
    const QString nombre = fila.tipoFile == 1 ? u"AD243"_s : u"Qp07.TXT"_s;
    carpeta.write(nombre, fila.datos);
    const auto informe = comprobarQuiniela(fila.tipoFile, carpeta.file(nombre), nombre, {});
    EXPECT_EQ(informe->texto().mid(informe->totales().size() + 1), fila.lineas);
    EXPECT_EQ(informe->boletos(), 3);
  }
  carpeta.write("Qp07.TXT", archivoTexto(17));
  EXPECT_EQ(comprobarQuiniela(2, carpeta.file("Qp07.TXT"), "Qp07.TXT", {})->texto(),
            QStringList{u"Qp07.TXT: las 17 apuestas de sus 3 boletos están bien."_s});
}

}  // namespace
