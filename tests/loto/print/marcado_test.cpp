// Where each field of a bet lands on the lotto forms, and which bets of a ticket are marked.
#include <gtest/gtest.h>

#include "loto/print/celdas_loto.h"
#include "loto/print/marcado_loto.h"
#include "tests/support/texto_en_fallos.h"

namespace {

QString celda(const std::optional<CeldaLoto>& c) {
  return c ? u"%1,%2"_s.arg(c->fila).arg(c->columna) : u"-"_s;
}

TEST(CeldasLoto, EveryFieldLandsInItsBoxOrInNone) {
  // The numbers of a game by its letter (B, P, G, E), then the stars (s), the claves (c) and the
  // reintegros (r): "field:row,column", "-" for no box.
  const std::pair<char, const char*> casos[] = {
      {'B', "01:0,8|09:0,0|10:1,9|49:4,0|00:0,9|52:5,7|99:-|  :-|ab:-|5x:-| 7:-"},
      {'P', "60:-"},
      {'E', "01:0,8|09:0,0|10:1,8|18:1,0|46:5,8|50:5,4| 7:0,2|7 :0,2|51:-|00:-|  :-|-5:-"},
      {'s', "01:0,3|04:0,0|05:2,3|09:4,3|12:4,0|00:-|13:-|  :-|1:-"},
      {'r', "00:0,0|09:9,0|  :-|10:-|0:-"}};
  for (const auto& [caja, esperado] : casos) {
    QStringList obtenido;
    for (const QString& caso : QString::fromLatin1(esperado).split(u'|')) {
      const QString campo = caso.section(u':', 0, 0);
      obtenido << campo + u':' +
                      celda(caja == 's'   ? celdaEstrella(campo)
                            : caja == 'c' ? celdaClave(campo)
                            : caja == 'r' ? celdaReintegro(campo)
                                          : celdaNumero(*juegoLoto(flotoDeNombre(u"A"_s + caja)), campo));
    }
    EXPECT_EQ(obtenido.join(u'|'), QLatin1String(esperado)) << caja;
  }
}

TEST(MarcadoLoto, TheBetsMarkedAndTheirBoxes) {
  const QString kB1 = u"01020304050600"_s, kB3 = u"07112335404905"_s;
  // A ticket of up to nBole bets: the bets marked, the extra marks as "block:row,column=text" and
  // the number boxes of the last bet.
  const std::tuple<qint16, QString, int, const char*> casos[] = {
      // Bonoloto's reintegro box gets an "X" whatever the mark.
      {floto::bonoloto, kB3.repeated(4) + kB1, 4, "4 0:5,0=X 0,2 1,8 2,6 3,4 4,9 4,0"},
      // The first two characters of a bet found in " 54  " (a blank one) end the ticket; a field
      // that names no box ends its bet.
      {floto::gordo, kB1 + u" 512233440    "_s + kB3, 6, "1 0:1,0=* 0,8 0,7 0,6 0,5 0,4"},
      {floto::gordo, kB1 + u"4512233440    "_s + kB3, 6, "3 0:1,0=* 0,2 1,8 2,6 3,4 4,9"},
      {floto::primitiva, u"07  1020304005"_s, 8, "1 0:5,0=X 0,2"},
      // Stars go to the bet's own block.
      {floto::euromillones, u"01020304050312"_s + u"1011121314  13"_s, 5,
       "2 0:0,1=* 0:4,0=* 1,8 1,7 1,6 1,5 1,4"},
  };
  for (const auto& [juego, texto, nBole, esperado] : casos) {
    const MarcadoLoto m = marcaBoleto(*juegoLoto(juego), texto, nBole, u"*"_s);
    QStringList obtenido = {QString::number(m.apuestas.size())};
    for (const MarcaLoto& x : m.marcas)
      if (x.rejilla == MarcaLoto::Rejilla::Extras)
        obtenido << u"%1:%2=%3"_s.arg(x.bloque).arg(celda(x.celda), x.texto);
      else if (x.bloque == m.apuestas.size() - 1)
        obtenido << celda(x.celda);
    EXPECT_EQ(obtenido.join(u' '), QLatin1String(esperado)) << juego << ' ' << texto.toStdString();
  }
}

}  // namespace
