// The lotto bet files: the game and kind a name gives, the counts, the
// tickets taken out of both formats, and the file list.
#include "loto/files/desarrollo_loto.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/platform/numbers.h"
#include "loto/files/lista_archivos_loto.h"
#include "loto/juego_loto.h"
#include "tests/support/error_number.h"
#include "tests/support/texto_en_fallos.h"
#include "tests/support/temp_folder.h"

namespace {

// Bet n (from 1) as its 14-character text, every field 1 to 50.
QString apuesta(int n) {
  QString texto;
  for (int k = 1; k <= 7; ++k) texto += zeroPadded((n * 7 + k * 11) % 50 + 1, 2);
  return texto;
}

// A .LOT file of these bets, then `cola`.
QByteArray binario(const QStringList& apuestas, const QByteArray& cola = {}) {
  QByteArray datos("LOTO01");
  for (const QString& texto : apuestas)
    for (int k = 0; k < 7; ++k) datos += char(texto.mid(2 * k, 2).toInt() + 46);
  return datos + cola;
}

TEST(NombreLoto, GivesTheGameAndTheKindOfFile) {
  for (const auto& [nombre, codigo, esJuego] : {std::tuple{"AB1234.TXT", 12, true},
                                                {"AP000001.TXT", 13, true},
                                                {"AG1.TXT", 2, true},
                                                {"AE1.LOT", 1, true},
                                                {"ab1.txt", 12, true},
                                                {"ae1.lot", 1, true},
                                                {"AX1.TXT", 7, false},
                                                {"A", 0, false},
                                                {"A1.TXT", 0, false}}) {
    EXPECT_EQ(flotoDeNombre(nombre), codigo) << nombre;
    EXPECT_EQ(juegoLoto(flotoDeNombre(nombre)) != nullptr, esJuego) << nombre;
  }
  for (const auto& [nombre, tipoFile, comoTexto] : {std::tuple{"ATXT0001.LOT", 1, true},
                                                    {"AB0001.TXT", 2, true},
                                                    {"ab0001.txt", 2, true},
                                                    {"AB0001.LOT", 1, false},
                                                    {"AB.TXT.LOT", 1, true}}) {
    EXPECT_EQ(std::pair(tipoFileDeNombre(nombre), cuentaComoTexto(nombre)),
              std::pair(qint16(tipoFile), comoTexto))
        << nombre;
  }
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

TEST(DesarrolloLoto, EveryTicketHoldsOnlyItsRealBetsWhateverNBoleInBothFormats) {
  TempFolder carpeta;
  QStringList apuestas;
  for (int n = 1; n <= 17; ++n) apuestas << apuesta(n);
  carpeta.write("AB000017.TXT", apuestas.join("\r\n").toLatin1() + "\r\n");
  // 6 + 7 * 17 + 4 bytes: what follows the last bet is no bet.
  carpeta.write("AB000017.LOT", binario(apuestas, "PPPP"));
  for (const auto& [nombre, tipoFile] : {std::pair{"AB000017.TXT", 2}, {"AB000017.LOT", 1}}) {
    const auto archivo = abrirDesarrolloLoto(carpeta.file(nombre), qint16(tipoFile));
    ASSERT_EQ(archivo->napuestas(), 17) << nombre;
    EXPECT_EQ(archivo->boleto(3, 8), apuestas.at(16)) << nombre << ": 8, 8 and 1 bets";
    for (const qint16 nBole : {8, 2, 3, 5, 6, 7, 9, 20, 0, -1}) {
      for (qint32 t = 0; t <= boletosLoto(17, nBole) + 1; ++t) {
        const QString esperado =
            t < 1 || nBole < 1 ? QString() : apuestas.mid(nBole * (t - 1), nBole).join("");
        EXPECT_EQ(archivo->boleto(t, nBole), esperado) << nombre << ", nBole " << nBole << ", ticket " << t;
      }
    }
  }
}

TEST(DesarrolloLoto, ItemsAndBytesKeepTheirFourteenCharacterPlaces) {
  TempFolder carpeta;
  carpeta.write("AP1.TXT", "010203040506\r\n\"01,02030405060708\"\r\n0102030405060799,11223344556677");
  EXPECT_EQ(abrirDesarrolloLoto(carpeta.file("AP1.TXT"), 2)->boleto(1, 8),
            "010203040506  "
            "01,02030405060"
            "01020304050607"
            "11223344556677");
  // Values 0 and 99 are two digits; -1, 100 and the bytes far off name no box.
  carpeta.write("AE1.LOT", QByteArray("LOTO01") + QByteArray("\x2E\x91\x2D\x92\x00\xFF\x2F", 7));
  EXPECT_EQ(abrirDesarrolloLoto(carpeta.file("AE1.LOT"), 1)->boleto(1, 5), "0099????????01");
}

TEST(DesarrolloLoto, MissingFilesAndFilesThatLostBetsAreReported) {
  TempFolder carpeta;
  QStringList apuestas;
  for (int n = 1; n <= 16; ++n) apuestas << apuesta(n);
  for (const auto& [nombre, tipoFile] : {std::pair{"AB16.TXT", 2}, {"AB16.LOT", 1}}) {
    EXPECT_EQ(errorNumberOf([&] { abrirDesarrolloLoto(carpeta.file(nombre), qint16(tipoFile)); }),
              ErrorNumber::FileNotFound);
    const auto contenido = [&](int n) {
      return tipoFile == 1 ? binario(apuestas.mid(0, n)) : apuestas.mid(0, n).join(",").toLatin1();
    };
    carpeta.write(nombre, contenido(16));
    const auto archivo = abrirDesarrolloLoto(carpeta.file(nombre), qint16(tipoFile));
    carpeta.write(nombre, contenido(12));
    EXPECT_EQ(archivo->boleto(1, 8), apuestas.mid(0, 8).join("")) << nombre;
    EXPECT_EQ(errorNumberOf([&] { archivo->boleto(2, 8); }), ErrorNumber::InputPastEnd) << nombre;
    carpeta.remove(nombre);
    EXPECT_EQ(errorNumberOf([&] { archivo->boleto(1, 8); }), ErrorNumber::FileNotFound) << nombre;
  }
}

TEST(ListaArchivosLoto, ShowsTheBetFilesOfTheFolderInEitherCase) {
  for (const auto& [nombre, listado] : {std::pair{"A.TXT", true},
                                        {"AB.TXT", true},
                                        {"AB123456.TXT", true},
                                        {"AB1234567.TXT", false},
                                        {"ab0001.txt", true},
                                        {"AE 01.Lot", true},
                                        {"AB0001.LOT", true},
                                        {"B0001.TXT", false},
                                        {"AB0001.DAT", false},
                                        {"AB0001.TXT.bak", false},
                                        {"AB0001TXT", false},
                                        {".TXT", false}})
    EXPECT_EQ(esArchivoDeLista(nombre), listado) << nombre;

  TempFolder carpeta;
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

}  // namespace
