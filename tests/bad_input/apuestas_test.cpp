// Bet files that are missing, empty, short, huge or full of bytes no bet has,
// in both ticket windows.
#include <QFile>

#include "tests/loto_window/ventana_lo.h"
#include "tests/quiniela_window/ventana_qp.h"

namespace {

const QString kNoEncontrado = errorDescription(ErrorNumber::FileNotFound);
const QString kSubindice = errorDescription(ErrorNumber::SubscriptOutOfRange) + "9";

// A line whose first sign is good and whose other thirteen no bet has.
QByteArray signosMalos(const QByteArray& malos) {
  return "1" + malos.leftJustified(13, malos.at(0)) + "\r\n";
}

}  // namespace

TEST_F(VentanaQp, BadFootballPoolsFilesGiveTheirMessagesAndNothingToPrint) {
  const QByteArray diezMB(10 << 20, 'X');
  const struct {
    const char* caso;
    const char* archivo;  // nullptr: none written
    QByteArray datos;
    std::optional<QString> jornada;  // the text file's matchday; none: AD243
    QStringList mensajes;            // after the introduction and the file question
    qint32 napuestas, nboletos;
    int paginas;  // printed by Imp. Siguiente and then Imprime Boletos
  } casos[] = {
      {"AD243 missing", nullptr, {}, {}, {kNoEncontrado}, 0, 0, 0},
      {"AD243 empty", "AD243", "", {}, {}, 0, 0, 0},
      {"AD243 of 1 byte", "AD243", "0", {}, {}, 0, 0, 0},
      {"AD243 of 124 bytes", "AD243", archivoAD243(0), {}, {}, 0, 0, 0},
      {"AD243 of 125 bytes", "AD243", archivoAD243(0) + "1", {}, {}, 0, 0, 0},
      {"AD243 of 247 bytes", "AD243", archivoAD243(0) + QByteArray(123, '1'), {}, {}, 0, 0, 0},
      // Counts of letters read as 0: the ticket read leaves no ticket to print.
      {"AD243 letter counts", "AD243", archivoAD243(2).replace(21, 14, "ABCDEF--GHIJKL"), {}, {}, 0, 0, 0},
      {"text file missing", nullptr, {}, "44", {kNoEncontrado}, 0, 0, 0},
      {"text file empty", "Qp44.TXT", "", "44", {}, 0, 0, 0},
      // Nine empty fields: blank bets print their ticket's reference texts only.
      {"only commas", "Qp44.TXT", ",,,,,,,,\r\n", "44", {}, 9, 2, 3},
      {"a 10 MB line", "Qp44.TXT", apuesta(1).toLatin1() + diezMB + "\r\n", "44", {}, 1, 1, 1},
      {"NUL bytes", "Qp44.TXT", signosMalos(QByteArray(1, '\0')), "44", QStringList(13, kSubindice), 1, 1, 1},
      {"bytes of no code page", "Qp44.TXT", signosMalos("\x81\x8d\x8f\x90\x9d"), "44",
       QStringList(13, kSubindice), 1, 1, 1},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caso);
    carpeta.remove("AD243");
    carpeta.remove("Qp44.TXT");
    if (c.archivo) carpeta.write(c.archivo, c.datos);
    dialogos.forget();
    const qsizetype antes = impresora.documents().size();
    auto w = abre(c.jornada);
    QStringList mensajes;
    for (const ShownBox& caja : dialogos.shown().mid(c.jornada ? 3 : 2)) mensajes << caja.text;
    EXPECT_EQ(mensajes, c.mensajes);
    EXPECT_EQ(std::pair(w->napuestas, w->nboletos), std::pair(c.napuestas, c.nboletos));
    dialogos.forget();
    w->Command1->click();
    w->boletoActual = 1;
    w->mnuTiqueron_Click();
    EXPECT_EQ(impresora.documents().size() - antes, c.paginas);
    EXPECT_FALSE(w->Frame1->isHidden());
  }
}

TEST_F(VentanaLo, BadLottoFilesGiveTheirMessagesAndMarkOnlyRealBoxes) {
  const struct {
    const char* caso;
    const char* archivo;
    QByteArray datos;
    QString mensaje;  // after the choice box; empty: none
    qint32 napuestas;
    QString primerBloque;  // what block 1 shows, as enPantalla reads it
  } casos[] = {
      {"text file empty", "AB000000.TXT", "", " No existen Apuestas", 0, ""},
      {"LOT of 6 bytes", "AB000000.LOT", "TIQLOT", " No Existen apuestas?", 0, ""},
      {"LOT of 7 n + 3 bytes", "AB000003.LOT",
       QByteArray("TIQLOT") + QByteArray("\x2f\x30\x31\x32\x33\x34\x35", 7).repeated(2) + "\x30\x31\x32", "",
       2, "1 2 3 4 5 6 | 70X"},
      {"only commas", "AB000009.TXT", ",,,,,,,,\r\n", "", 9, ""},
      {"a 10 MB line", "AB000001.TXT", "01020304050607" + QByteArray(10 << 20, '9') + "\r\n", "", 1,
       "1 2 3 4 5 6 | 70X"},
      {"NUL bytes", "AB000001.TXT", "0102" + QByteArray(2, '\0') + "040506" + QByteArray(1, '\0') + "\r\n",
       "", 1, "1 2"},
      {"00, 99 and ab", "AB000003.TXT", "00991020304050\r\nab102030405060\r\n", "", 2, "0"},
      {"star 13", "AE000001.TXT", "01020304051301\r\n", "", 1, "1 2 3 4 5 | 03o"},
      {"clave x", "AG000001.TXT", "0102030405x 00\r\n", "", 1, "1 2 3 4 5"},
      {"bytes of no code page", "AB000001.TXT", "01\x81\x8d\x8f\x90\x9d\x81\x8d\x8f\x90\x9d\x81\x8d\r\n", "",
       1, "1"}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caso);
    carpeta.write(c.archivo, c.datos);
    auto w = abre();
    dialogos.forget();
    elige(*w, c.archivo);
    QStringList mensajes;
    for (const ShownBox& caja : dialogos.shown().mid(1)) mensajes << caja.text;
    EXPECT_EQ(mensajes, c.mensaje.isEmpty() ? QStringList() : QStringList{c.mensaje});
    EXPECT_EQ(std::pair(w->napuestas, c.napuestas ? enPantalla(*w).value(0) : QString()),
              std::pair(c.napuestas, c.primerBloque));
    w->Command11->click();
    EXPECT_FALSE(w->Frame1->isHidden());
    carpeta.remove(c.archivo);
  }
}
