#include <gtest/gtest.h>

#include <tuple>

#include "loto/print/marcado_loto.h"
#include "tests/support/texto_en_fallos.h"

namespace {

const QString kB1 = u"01020304050600"_s, kB2 = u"11121314151609"_s, kB3 = u"07112335404905"_s;
const QString kBlanca = QString(14, u' ');

// The extra marks as "block:row,column=text", and the number cells of one block.
QString extras(const MarcadoLoto& m) {
  QStringList lista;
  for (const MarcaLoto& x : m.marcas)
    if (x.rejilla == MarcaLoto::Rejilla::Extras)
      lista << u"%1:%2,%3=%4"_s.arg(x.bloque).arg(x.celda.fila).arg(x.celda.columna).arg(x.texto);
  return lista.join(u' ');
}
QString numeros(const MarcadoLoto& m, int bloque) {
  QStringList lista;
  for (const MarcaLoto& x : m.marcas)
    if (x.rejilla == MarcaLoto::Rejilla::Numeros && x.bloque == bloque)
      lista << u"%1,%2"_s.arg(x.celda.fila).arg(x.celda.columna);
  return lista.join(u' ');
}

TEST(MarcadoLoto, BetsExtrasAndNumbersOfEveryGame) {
  struct Caso {
    qint16 juego;
    QString texto;
    int nBole, bloque, apuestas;
    const char *extras, *numeros;
  };
  const Caso casos[] = {
      // A last ticket of three bets of 8; number 7 and 40 of block 3; the reintegro "X" whatever the mark.
      {floto::bonoloto, kB1 + kB2 + kB3, 8, 2, 3, "0:0,0=X", "0,2 1,8 2,6 3,4 4,9 4,0"},
      {floto::primitiva, kB3 + kB2, 8, 0, 2, "0:5,0=X", "0,2 1,8 2,6 3,4 4,9 4,0"},
      {floto::bonoloto, (kB1 + kB2 + kB3).repeated(3), 3, 2, 3, "0:0,0=X", "0,2 1,8 2,6 3,4 4,9 4,0"},
      {floto::bonoloto, kB1 + kBlanca + kB3, 8, 2, 1, "0:0,0=X", ""},
      {floto::bonoloto, kBlanca + kB3, 8, 1, 0, "", ""},
      {floto::bonoloto, u"0102030405  "_s, 8, 0, 1, "", "0,8 0,7 0,6 0,5 0,4"},
      // The first two characters of a bet found in " 54  " end the ticket.
      {floto::gordo, kB1 + u"5412233440    "_s + kB3, 6, 0, 1, "0:1,0=*", "0,8 0,7 0,6 0,5 0,4"},
      {floto::gordo, kB1 + u" 512233440    "_s + kB3, 6, 0, 1, "0:1,0=*", "0,8 0,7 0,6 0,5 0,4"},
      {floto::gordo, kB1 + u"4 12233440    "_s + kB3, 6, 0, 1, "0:1,0=*", "0,8 0,7 0,6 0,5 0,4"},
      {floto::gordo, kB1 + u"5 12233440    "_s + kB3, 6, 1, 3, "0:1,0=*", ""},
      {floto::gordo, kB1 + u"4512233440    "_s + kB3, 6, 1, 3, "0:1,0=*", "4,4 1,7 2,6 3,5 4,9"},
      // A field that names no box ends its bet, except in Euromillones.
      {floto::gordo, u"07  1020304005"_s, 6, 0, 1, "", "0,2"},
      {floto::bonoloto, u"07  1020304005"_s, 8, 0, 1, "0:5,0=X", "0,2"},
      {floto::primitiva, u"07  1020304005"_s, 8, 0, 1, "0:5,0=X", "0,2"},
      {floto::euromillones, u"07  1020304005"_s, 5, 0, 1, "0:2,3=*", "0,2 1,8 2,7 3,6"},
      {floto::euromillones, u"0051  07500312"_s, 5, 0, 1, "0:0,1=* 0:4,0=*", "0,2 5,4"},
      {floto::bonoloto, u"015x2030404500"_s, 8, 0, 1, "0:0,0=X", "0,8"},
      {floto::bonoloto, u"01522030404500"_s, 8, 0, 1, "0:0,0=X", "0,8 5,7 2,9 3,9 4,9 4,4"},
      // Stars and claves go to the bet's own block; a blank or unknown one marks nothing.
      {floto::euromillones, u"01020304050312"_s + u"10111213140105"_s, 5, 1, 2,
       "0:0,1=* 0:4,0=* 1:0,3=* 1:2,3=*", "1,8 1,7 1,6 1,5 1,4"},
      {floto::euromillones, u"01020304050312"_s + u"1011121314  13"_s, 5, 1, 2, "0:0,1=* 0:4,0=*",
       "1,8 1,7 1,6 1,5 1,4"},
      {floto::gordo, u"0102030405    "_s + u"070809101107  "_s, 6, 1, 2, "1:2,0=*", "0,2 0,1 0,0 1,9 1,8"},
      {floto::euromillones, u"01020304050102"_s.repeated(6), 8, 4, 5,
       "0:0,3=* 0:0,2=* 1:0,3=* 1:0,2=* 2:0,3=* 2:0,2=* 3:0,3=* 3:0,2=* 4:0,3=* 4:0,2=*",
       "0,8 0,7 0,6 0,5 0,4"},
  };
  for (const Caso& c : casos) {
    const MarcadoLoto m = marcaBoleto(*juegoLoto(c.juego), c.texto, c.nBole, u"*"_s);
    EXPECT_EQ(m.apuestas.size(), c.apuestas) << c.juego << ' ' << c.texto.toStdString();
    EXPECT_EQ(extras(m), QLatin1String(c.extras)) << c.juego << ' ' << c.texto.toStdString();
    EXPECT_EQ(numeros(m, c.bloque), QLatin1String(c.numeros)) << c.juego << ' ' << c.texto.toStdString();
  }
}

TEST(MarcadoLoto, TheBetBoxesGetTheBetsAndTheExtrasComeBeforeTheNumbers) {
  const MarcadoLoto m = marcaBoleto(*juegoLoto(floto::primitiva), kB1 + kB2, 8, u"o"_s);
  EXPECT_EQ(m.apuestas, (QStringList{kB1, kB2}));
  ASSERT_EQ(m.marcas.size(), 13);
  EXPECT_EQ(QList({m.marcas[0], m.marcas[1], m.marcas[12]}),
            QList({MarcaLoto{MarcaLoto::Rejilla::Extras, 0, {0, 0}, u"X"_s},
                   MarcaLoto{MarcaLoto::Rejilla::Numeros, 0, {0, 8}, u"o"_s},
                   MarcaLoto{MarcaLoto::Rejilla::Numeros, 1, {1, 3}, u"o"_s}}));
}

}  // namespace
