#include <gtest/gtest.h>

#include <tuple>

#include "loto/print/informacion_impresora.h"
#include "loto/print/marcado_loto.h"
#include "tests/support/texto_en_fallos.h"

namespace {

TEST(TextosLoto, TicketBoxShowsTheCountsAndTheFirstBetsExtraValue) {
  // game, the first bet's fields 6 and 7: Text2 of ticket 2 of 3
  const std::tuple<qint16, const char*, const char*> casos[] = {
      {floto::bonoloto, "0007", " 3   2    R:Sin R"},   {floto::primitiva, "0007", " 3   2    R: 7"},
      {floto::primitiva, "00  ", " 3   2    R: 0"},     {floto::primitiva, "00-5", " 3   2    R: 0"},
      {floto::gordo, "00  ", " 3   2    R: 0"},         {floto::gordo, "09  ", " 3   2    R: 9"},
      {floto::euromillones, "0312", " 3   2    R:312"}, {floto::euromillones, "  12", " 3   2    R:12"},
      {floto::euromillones, " 3 5", " 3   2    R: 3"}};
  for (const auto& [codigo, campos, esperado] : casos) {
    const JuegoLoto& juego = *juegoLoto(codigo);
    const QString texto = u"0102030405"_s + QLatin1String(campos) + u"11121314151617"_s;
    EXPECT_EQ(textoBoletoLoto(juego, 3, 2, valorExtra(juego, texto)), QLatin1String(esperado))
        << codigo << " \"" << campos << '"';
  }
}

TEST(TextosLoto, InfoAndBetsLabels) {
  EXPECT_EQ(textoInformacionLoto(u"AB123456.TXT"_s, 2, 17, 8, 3, 2),
            u"Tiqueron\nAB123456\n.TXT\n 17 Apts\n 16 Ap\n\n 3 Btos\n 2 Bo"_s);
  const std::tuple<const char*, qint16, const char*> nombres[] = {
      {"ab123456.txt", 2, "ab123456\n.TXT"},
      {"AP000001.LOT", 1, "AP000001\n.LOT"},
      {"AB0123456789ABCDEF.TXT", 2, "456789ABCDEF\n.TXT"},
      {"AE.LOTcopia.Txt", 1, "AEcopia\n.LOT"}};
  for (const auto& [nomi, tipoFile, lineas] : nombres)
    EXPECT_EQ(textoInformacionLoto(QLatin1String(nomi), tipoFile, 5, 5, 1, 1).section(u'\n', 1, 2),
              QLatin1String(lineas));
  EXPECT_EQ(textoApuestasLoto(8, 2), u"Apts  16"_s);
}

TEST(TextosLoto, PrinterInformationBeforeAnyFileIsOpened) {
  const DatosImpresora impresora{u"PDF"_s, u"CUPS"_s, u"Arial"_s, {u"F0"_s, u"F1"_s, u"F2"_s}, 1, 2};
  AjustesLoto ajustes;
  ajustes.signo = u"o"_s;
  ajustes.negrita = true;
  ajustes.topeSup = 155;
  ajustes.margenIzq = 1505;
  EXPECT_EQ(textoInformacionImpresora(impresora, ajustes),
            u" Impresora=PDF,   CUPS\n"
            " Nº Impresoras= 3 Fuente= Arial\n"
            " Fuente Nº= 1 F1   6      11 \n"
            " Fuente Nº= 2 F2   7      12 \n"
            " Fuente Nº= 3    8      13 \n"
            " Fuente Nº= 4    9      14 \n"
            " Fuente Nº= 5    10      15 \n"
            " Autoredraw= True Nº Página=   1  Orientación=  2\n"
            "\n"
            " T.Loto=  0 Nº Ap/Bo= 0 Signo= o Negrita= True\n"
            " Tope Superior=  155 Margen Izquierdo=  1505\n"_s);
}

}  // namespace
