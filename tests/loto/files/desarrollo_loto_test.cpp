// The lotto bet files: the game and kind a name gives, the counts, the
// tickets taken out of both formats, and the file list.
#include "loto/files/desarrollo_loto.h"

#include <gtest/gtest.h>

#include <QDir>

#include "app/platform/numbers.h"
#include "loto/files/lista_archivos_loto.h"
#include "loto/juego_loto.h"
#include "tests/support/error_number.h"
#include "tests/support/temp_folder.h"
#include "tests/support/texto_en_fallos.h"

namespace {

TEST(NombreLoto, GivesTheGameTheKindOfFileAndWhetherItIsListed) {
  // name: game code, a game's, tipoFile, counted as text, listed
  const std::tuple<const char*, int, bool, int, bool, bool> nombres[] = {
      {"AB1234.TXT", 12, true, 2, true, true},     {"AP000001.TXT", 13, true, 2, true, true},
      {"AG1.TXT", 2, true, 2, true, true},         {"AE1.LOT", 1, true, 1, false, true},
      {"ab1.txt", 12, true, 2, true, true},        {"ae1.lot", 1, true, 1, false, true},
      {"AX1.TXT", 7, false, 2, true, true},        {"A", 0, false, 1, false, false},
      {"A1.TXT", 0, false, 2, true, true},         {"ATXT0001.LOT", 16, false, 1, true, true},
      {"AB.TXT.LOT", 12, true, 1, true, true},     {"A.TXT", 0, false, 2, true, true},
      {"AB1234567.TXT", 12, true, 2, true, false}, {"AB0001TXT", 12, true, 2, true, false},
      {".TXT", 16, false, 2, true, false}};
  for (const auto& [nombre, codigo, esJuego, tipoFile, comoTexto, listado] : nombres) {
    EXPECT_EQ(std::tuple(flotoDeNombre(nombre), juegoLoto(flotoDeNombre(nombre)) != nullptr,
                         tipoFileDeNombre(nombre), cuentaComoTexto(nombre), esArchivoDeLista(nombre)),
              std::tuple(qint16(codigo), esJuego, qint16(tipoFile), comoTexto, listado))
        << nombre;
  }
  const TempFolder carpeta;
  for (const char* nombre :
       {"ap03.txt", "AZ.LOT", "AB5.TXT", "ab5.txt", "AB123456789.TXT", "configloi.cfg", "AE02.lot"})
    carpeta.write(nombre, "x");
  QDir(carpeta.path()).mkdir("AG0004.TXT");
  QStringList esperados{"AB5.TXT", "ab5.txt", "AE02.lot", "ap03.txt", "AZ.LOT"};
  // A folder that folds case, as Windows' do, keeps one file of the two.
  if (!QDir(carpeta.path()).entryList(QDir::Files).contains("ab5.txt")) esperados.removeOne("ab5.txt");
  EXPECT_EQ(archivosDeLista(carpeta.path()), esperados);
  EXPECT_EQ(archivosDeLista(carpeta.file("missing")), QStringList());
}

TEST(DesarrolloLoto, CountsBetsAndTickets) {
  for (const auto& [napuestas, nBole, boletos] : {std::tuple{17, 8, 3},
                                                  {16, 8, 2},
                                                  {1, 8, 1},
                                                  {0, 8, 0},
                                                  {6, 5, 2},
                                                  {17, 0, 0},
                                                  {17, -3, 0},
                                                  {2147483647, 8, 268435456}})
    EXPECT_EQ(boletosLoto(napuestas, qint16(nBole)), boletos) << napuestas << " / " << nBole;
  const qint64 limite = 7LL * 2147483648LL + 5;  // the longest file whose count fits 32 bits
  for (const auto& [longitud, apuestas] : {std::pair{41LL, 5},
                                           {0LL, 0},
                                           {6LL, 0},
                                           {12LL, 0},
                                           {13LL, 1},
                                           {7 * 6 + 3LL, 5},
                                           {7 * 6 + 5LL, 5},
                                           {limite, 2147483647}})
    EXPECT_EQ(apuestasBinarias(longitud), apuestas) << longitud;
  EXPECT_EQ(errorNumberOf([&] { apuestasBinarias(limite + 1); }), ErrorNumber::Overflow);
}

TEST(DesarrolloLoto, EveryTicketHoldsOnlyItsRealBetsInBothFormatsAndAChangedFileIsReported) {
  QStringList apuestas;  // every field 1 to 50
  for (int n = 1; n <= 17; ++n) {
    apuestas << QString();
    for (int k = 1; k <= 7; ++k) apuestas.last() += zeroPadded((n * 7 + k * 11) % 50 + 1, 2);
  }
  // A .LOT of the first n bets: each field's value plus 46 after the header.
  const auto binario = [&](int n) {
    QByteArray datos("LOTO01");
    for (const QString& texto : apuestas.mid(0, n))
      for (int k = 0; k < 7; ++k) datos += char(texto.mid(2 * k, 2).toInt() + 46);
    return datos;
  };
  const TempFolder carpeta;
  for (const auto& [nombre, tipoFile] : {std::pair{"AB17.TXT", 2}, {"AB17.LOT", 1}}) {
    const auto contenido = [&](int n) {
      return tipoFile == 1 ? binario(n) : apuestas.mid(0, n).join(",").toLatin1();
    };
    EXPECT_EQ(errorNumberOf([&] { abrirDesarrolloLoto(carpeta.file(nombre), qint16(tipoFile)); }),
              ErrorNumber::FileNotFound);
    // What follows the last bet of a .LOT is no bet.
    carpeta.write(nombre, contenido(17) + (tipoFile == 1 ? "PPPP" : ""));
    const auto archivo = abrirDesarrolloLoto(carpeta.file(nombre), qint16(tipoFile));
    ASSERT_EQ(archivo->napuestas(), 17) << nombre;
    for (const qint16 nBole : {8, 2, 3, 5, 6, 7, 9, 20, 0, -1})
      for (qint32 t = 0; t <= boletosLoto(17, nBole) + 1; ++t)
        EXPECT_EQ(archivo->boleto(t, nBole),
                  t < 1 || nBole < 1 ? QString() : apuestas.mid(nBole * (t - 1), nBole).join(""))
            << nombre << ", nBole " << nBole << ", ticket " << t;
    carpeta.write(nombre, contenido(12));
    EXPECT_EQ(archivo->boleto(1, 8), apuestas.mid(0, 8).join("")) << nombre;
    EXPECT_EQ(errorNumberOf([&] { archivo->boleto(2, 8); }), ErrorNumber::InputPastEnd) << nombre;
    carpeta.remove(nombre);
    EXPECT_EQ(errorNumberOf([&] { archivo->boleto(1, 8); }), ErrorNumber::FileNotFound) << nombre;
  }
}

TEST(DesarrolloLoto, ItemsAndBytesKeepTheirFourteenCharacterPlaces) {
  const TempFolder carpeta;
  carpeta.write("AP1.TXT", "010203040506\r\n\"01,02030405060708\"\r\n0102030405060799,11223344556677");
  EXPECT_EQ(abrirDesarrolloLoto(carpeta.file("AP1.TXT"), 2)->boleto(1, 8),
            "010203040506  01,020304050600102030405060711223344556677");
  // Values 0 and 99 are two digits; -1, 100 and the bytes far off name no box.
  carpeta.write("AE1.LOT", QByteArray("LOTO01") + QByteArray("\x2E\x91\x2D\x92\x00\xFF\x2F", 7));
  EXPECT_EQ(abrirDesarrolloLoto(carpeta.file("AE1.LOT"), 1)->boleto(1, 5), "0099????????01");
}

}  // namespace
