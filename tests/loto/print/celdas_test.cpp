#include <gtest/gtest.h>

#include "loto/print/celdas_loto.h"
#include "tests/support/texto_en_fallos.h"

namespace {

QString celda(const std::optional<CeldaLoto>& c) {
  return c ? u"%1,%2"_s.arg(c->fila).arg(c->columna) : u"-"_s;
}

TEST(CeldasLoto, EveryFieldLandsInItsBoxOrInNone) {
  // The numbers of a game by its letter (B, P, G, E), then the stars (s), the
  // claves (c) and the reintegros (r): "field:row,column", "-" for no box.
  const std::pair<char, const char*> casos[] = {
      {'B', "01:0,8|09:0,0|10:1,9|49:4,0|00:0,9|52:5,7|99:-|  :-|ab:-|5x:-| 7:-"},
      {'P', "01:0,8|40:4,9|60:-"},
      {'G', "01:0,8|09:0,0|10:1,9|49:4,0|50:5,9|54:5,5|00:0,9|99:-|7 :-"},
      {'E', "01:0,8|09:0,0|10:1,8|18:1,0|45:4,0|46:5,8|49:5,5|50:5,4| 7:0,2|7 :0,2"},
      {'E', "51:-|54:-|00:-|99:-|  :-|ab:-|-5:-"},
      {'s', "01:0,3|02:0,2|03:0,1|04:0,0|05:2,3|06:2,2|07:2,1|08:2,0|09:4,3|10:4,2|11:4,1|12:4,0"},
      {'s', "00:-|13:-|  :-|1:-|:-"},
      {'c', "00:0,1|01:1,1|02:2,1|03:3,1|04:4,1|05:0,0|06:1,0|07:2,0|08:3,0|09:4,0|  :-| 7:-|10:-|ab:-"},
      {'r', "00:0,0|09:9,0|  :-|10:-|0:-"}};
  const auto celdaDe = [](char caja, const QString& campo) {
    switch (caja) {
      case 's': return celdaEstrella(campo);
      case 'c': return celdaClave(campo);
      case 'r': return celdaReintegro(campo);
      default: return celdaNumero(*juegoLoto(flotoDeNombre(u"A"_s + caja)), campo);
    }
  };
  for (const auto& [caja, esperado] : casos) {
    QStringList obtenido;
    for (const QString& caso : QString::fromLatin1(esperado).split(u'|')) {
      const QString campo = caso.section(u':', 0, 0);
      obtenido << campo + u':' + celda(celdaDe(caja, campo));
    }
    EXPECT_EQ(obtenido.join(u'|'), QLatin1String(esperado)) << caja;
  }
}

}  // namespace
