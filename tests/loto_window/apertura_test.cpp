// The file list, the choice box, opening each game, a wrong game, deleting.
#include <QFile>

#include "tests/loto_window/ventana_lo.h"

TEST_F(VentanaLo, TheListShowsTheBetFilesOfEveryGameAndEachOpensOnItsFirstTicket) {
  // Each file's first bet as block 1 shows it, first of its first ticket and of its last.
  const struct {
    const char *nombre, *nombreJuego;
    char juego;
    int apuestas;
    qint16 floto, nBole;
    const char *primero, *ultimo;
  } archivos[] = {
      {"AB000017.TXT", "BONOLOTO", 'B', 17, 12, 8, "4 10 13 15 18 24 | 10X", "3 10 16 23 26 27 | 70X"},
      {"AP000017.TXT", "LA PRIMITIVA", 'P', 17, 13, 8, "4 10 13 15 18 24 | 10X", "3 10 16 23 26 27 | 70X"},
      {"AG000014.TXT", "EL GORDO DE LA PRIMITIVA", 'G', 14, 2, 6, "4 10 11 18 24 | 11o",
       "4 13 20 27 36 | 31o"},
      {"ae000012.txt", "EUROMILLONES", 'E', 12, 1, 5, "4 10 11 18 24 | 00o 02o", "7 8 14 18 22 | 02o 03o"}};
  for (const auto& a : archivos) carpeta.write(a.nombre, archivoLotoTexto(a.juego, a.apuestas));
  // Not bet files of the list: no A first, too long a name, another extension.
  for (const char* otro : {"B0000001.TXT", "AB00000001.TXT", "AB000001.DAT"}) carpeta.write(otro, "0102\r\n");
  auto w = abre();
  QStringList listados;
  for (int i = 0; i < w->File2->count(); ++i) listados << w->File2->item(i)->text();
  EXPECT_EQ(listados, QStringList({"AB000017.TXT", "ae000012.txt", "AG000014.TXT", "AP000017.TXT"}));
  for (const auto& a : archivos) {
    SCOPED_TRACE(a.nombre);
    dialogos.forget();
    elige(*w, a.nombre);
    EXPECT_EQ(std::tuple(dialogos.last().text, dialogos.last().title, dialogos.last().buttons),
              std::tuple(u"     Tipo de Loto= %1\n Números de apuestas= %2\n\n\n\n"
                         "               Imprimir,                  No  ó                BORRAR?"_s.arg(
                             a.nombreJuego, numberText(a.apuestas)),
                         u"TIQUERON"_s, MessageButtons::YesNoCancel));
    EXPECT_EQ(std::tuple(w->floto, w->nboletos, w->boletoActual, w->File2->isHidden()),
              std::tuple(a.floto, qint32((a.apuestas + a.nBole - 1) / a.nBole), 1, true));
    EXPECT_EQ(enPantalla(*w).first(), a.primero);
    w->Command5->click();  // the last ticket: its blocks past the file's end are blank
    EXPECT_EQ(std::pair(enPantalla(*w).first(), enPantalla(*w).count(QString())),
              std::pair(QString(a.ultimo), qsizetype(a.nBole * w->nboletos - a.apuestas)));
  }
  carpeta.write("AX000001.TXT", archivoLotoTexto('B', 3));
  elige(*w, "AX000001.TXT");  // another game's letter: refused, and the open file stays
  EXPECT_EQ(std::tuple(dialogos.last().title, w->nomi, w->boletoActual),
            std::tuple(u"Desarrollo incorrecto!!"_s, u"ae000012.txt"_s, 3));
}

TEST_F(VentanaLo, CancelInTheChoiceDeletesTheFileOnceConfirmedAndNoDoesNothing) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  carpeta.write("AP000017.TXT", archivoLotoTexto('P', 17));
  auto w = abre();
  dialogos.answer(MessageResult::Cancel);
  elige(*w, "AB000017.TXT", MessageResult::Ok);
  EXPECT_EQ(
      std::tuple(dialogos.last().text, dialogos.last().title, QFile::exists(carpeta.file("AB000017.TXT"))),
      std::tuple(u"Seguro que desea borrar el file\nAB000017.TXT\n"_s, u"Borrar File"_s, false));
  EXPECT_EQ(std::pair(w->File2->count(), w->nomi), std::pair(1, QString())) << "the list is read again";
  dialogos.forget();
  w->File2->setCurrentItem(nullptr);  // nothing selected: the only entry is chosen
  dialogos.answer(MessageResult::No);
  w->File2_Click();
  EXPECT_EQ(std::tuple(int(dialogos.shown().size()), w->nomi, dialogos.last().text.contains("LA PRIMITIVA")),
            std::tuple(1, QString(), true));
}
