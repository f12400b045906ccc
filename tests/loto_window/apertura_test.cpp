// The file list, the choice box, opening each game, a wrong or empty file,
// deleting, and the two ways out of the window.
#include <QApplication>
#include <QFile>
#include <QTimer>

#include "app/boletos.h"
#include "tests/loto_window/ventana_lo.h"

namespace {

// Ticket t of a file of `juego` as the screen shows it, `nBole` a ticket: its
// numbers, then star s at the row and column the star table gives, the clave
// c at (c, 1) or (c - 5, 0), the reintegro of the ticket's first bet an "X".
QStringList boletoEsperado(char juego, int t, int nBole, int apuestas) {
  QStringList esperado;
  for (int b = 0; b < (juego == 'E' ? 5 : juego == 'G' ? 6 : 8); ++b) {
    const int n = nBole * (t - 1) + b + 1;
    const QVector<int> campo = camposDe(apuestaLoto(juego, n));
    QStringList numeros, extra;
    for (int k = 0; k < (juego == 'B' || juego == 'P' ? 6 : 5); ++k) numeros << QString::number(campo[k]);
    if (juego == 'E')
      for (int k : {5, 6}) extra << QString("0302010023222120434241404").mid(2 * (campo[k] - 1), 2) + "o";
    extra.sort();  // as the screen reads them, row by row
    if (juego == 'G') extra << QString::number(campo[5] % 5) + (campo[5] < 5 ? "1o" : "0o");
    if ((juego == 'B' || juego == 'P') && b == 0) extra << QString::number(campo[6]) + "0X";
    esperado << (b >= nBole || n > apuestas
                     ? QString()
                     : numeros.join(' ') + (extra.isEmpty() ? "" : " | " + extra.join(' ')));
  }
  return esperado;
}

}  // namespace

TEST_F(VentanaLo, TheListShowsTheBetFilesOfEveryGameAndEachOpensOnItsFirstTicket) {
  const struct {
    const char* nombre;
    char juego;
    int apuestas;
    qint16 floto, nBole;
    const char* nombreJuego;
  } archivos[] = {{"AB000017.TXT", 'B', 17, 12, 8, "BONOLOTO"},
                  {"AP000017.TXT", 'P', 17, 13, 8, "LA PRIMITIVA"},
                  {"AG000014.TXT", 'G', 14, 2, 6, "EL GORDO DE LA PRIMITIVA"},
                  {"AE000012.TXT", 'E', 12, 1, 5, "EUROMILLONES"},
                  {"AB000020.LOT", 'B', 20, 12, 8, "BONOLOTO"},
                  {"ae12.txt", 'E', 3, 1, 5, "EUROMILLONES"}};
  for (const auto& a : archivos)
    carpeta.write(a.nombre, QString(a.nombre).endsWith(".LOT") ? archivoLotoBinario(a.juego, a.apuestas)
                                                               : archivoLotoTexto(a.juego, a.apuestas));
  // Not bet files of the list: no A first, too long a name, another extension.
  for (const char* otro : {"B0000001.TXT", "AB00000001.TXT", "AB000001.DAT"})
    carpeta.write(otro, "01020304050607\r\n");
  auto w = abre();
  QStringList listados;
  for (int i = 0; i < w->File2->count(); ++i) listados << w->File2->item(i)->text();
  EXPECT_EQ(listados, QStringList({"AB000017.TXT", "AB000020.LOT", "AE000012.TXT", "ae12.txt", "AG000014.TXT",
                                   "AP000017.TXT"}));
  for (const auto& a : archivos) {
    SCOPED_TRACE(a.nombre);
    dialogos.forget();
    elige(*w, a.nombre);
    ASSERT_EQ(dialogos.shown().size(), 1) << "no other box";
    EXPECT_EQ(std::tuple(dialogos.last().text, dialogos.last().title, dialogos.last().buttons),
              std::tuple(u"     Tipo de Loto= %1\n Números de apuestas= %2\n\n\n\n"
                         "               Imprimir,                  No  ó                BORRAR?"_s.arg(
                             a.nombreJuego, numberText(a.apuestas)),
                         u"TIQUERON"_s, MessageButtons::YesNoCancel));
    EXPECT_EQ(
        std::tuple(w->nomi, w->floto, w->tipoFile, w->napuestas, w->nBole, w->nboletos, w->boletoActual),
        std::tuple(QString(a.nombre), a.floto, qint16(QString(a.nombre).endsWith(".LOT") ? 1 : 2),
                   qint32(a.apuestas), a.nBole, qint32((a.apuestas + a.nBole - 1) / a.nBole), 1));
    EXPECT_TRUE(w->File2->isHidden());
    EXPECT_EQ(enPantalla(*w), boletoEsperado(a.juego, 1, a.nBole, a.apuestas));
    w->Command5->click();  // the last ticket
    EXPECT_EQ(enPantalla(*w), boletoEsperado(a.juego, w->nboletos, a.nBole, a.apuestas));
  }
}

TEST_F(VentanaLo, AnInvalidGameOrAFileWithoutBetsChangesNothingPrintable) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  carpeta.write("AX000001.TXT", archivoLotoTexto('B', 3));
  carpeta.write("AB000000.TXT", "");
  carpeta.write("AB000000.LOT", "TIQLOT");
  auto w = abre();
  elige(*w, "AB000017.TXT");
  const QStringList antes = enPantalla(*w);
  const QString incorrecto = u" Este desarrollo no corresponde\n con el tipo Impresión posible"_s;
  using Caja = std::tuple<QString, QString, MessageButtons, MessageIcon>;
  for (const auto& [nombre, tipo, caja] :
       {std::tuple{"AX000001.TXT", incorrecto + "\nDesarrollo incorrecto!!",
                   Caja{incorrecto, "Desarrollo incorrecto!!", MessageButtons::Ok, MessageIcon::Stop}},
        {"AB000000.TXT", u"BONOLOTO"_s, Caja{" No existen Apuestas", kDefaultTitle, MessageButtons::Ok, {}}},
        {"AB000000.LOT", u"BONOLOTO"_s,
         Caja{" No Existen apuestas?", kDefaultTitle, MessageButtons::Ok, {}}}}) {
    SCOPED_TRACE(nombre);
    dialogos.forget();
    elige(*w, nombre);
    ASSERT_EQ(dialogos.shown().size(), 2);
    EXPECT_TRUE(
        dialogos.shown()[0].text.startsWith("     Tipo de Loto= " + tipo + "\n Números de apuestas= "));
    EXPECT_EQ(
        Caja(dialogos.last().text, dialogos.last().title, dialogos.last().buttons, dialogos.last().icon),
        caja);
    if (w->nboletos == 0) {
      w->Command10->click();
      w->mnuTiqueron_Click();
      EXPECT_TRUE(impresora.documents().isEmpty()) << "nothing left to print";
    }
  }
  // A wrong game keeps the open file.
  elige(*w, "AB000017.TXT");
  elige(*w, "AX000001.TXT");
  EXPECT_EQ(std::tuple(w->nomi, w->floto, w->napuestas, enPantalla(*w)),
            std::tuple(u"AB000017.TXT"_s, qint16(12), 17, antes));
  w->Command9->click();
  EXPECT_EQ(w->boletoActual, 2);
}

TEST_F(VentanaLo, CancelInTheChoiceOffersToDeleteTheFileAndNoDoesNothing) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  carpeta.write("AP000017.TXT", archivoLotoTexto('P', 17));
  auto w = abre();
  for (const auto& [segunda, borrado] :
       {std::pair{MessageResult::Cancel, false}, {MessageResult::Ok, true}}) {
    dialogos.forget();
    dialogos.answer(MessageResult::Cancel);
    dialogos.answer(segunda);
    w->File2->setCurrentRow(0);
    w->File2_Click();
    ASSERT_EQ(dialogos.shown().size(), 2);
    EXPECT_EQ(std::tuple(dialogos.last().text, dialogos.last().title, dialogos.last().buttons),
              std::tuple(u"Seguro que desea borrar el file\nAB000017.TXT\n"_s, u"Borrar File"_s,
                         MessageButtons::OkCancel));
    EXPECT_EQ(QFile::exists(carpeta.file("AB000017.TXT")), !borrado);
  }
  EXPECT_EQ(std::pair(w->File2->count(), w->nomi), std::pair(1, QString())) << "the list is read again";
  dialogos.forget();
  elige(*w, "AP000017.TXT", MessageResult::No);
  EXPECT_EQ(std::pair(int(dialogos.shown().size()), w->nomi), std::pair(1, QString()));
  // Nothing selected: the only entry is chosen.
  w->File2->setCurrentItem(nullptr);
  dialogos.answer(MessageResult::No);
  w->File2_Click();
  EXPECT_TRUE(dialogos.last().text.contains("LA PRIMITIVA"));
}

TEST_F(VentanaLo, SalirKeepsTheWindowAsItWasAndClosingStartsItAfresh) {
  carpeta.write("AE000012.TXT", archivoLotoTexto('E', 12));
  Boletos principal(plataforma, rutaPrograma);
  principal.show();
  boletoLO* primera = nullptr;
  // Each opening acts inside the modal window, then leaves it one way or the other.
  for (int vez = 0; vez < 3; ++vez) {
    QTimer::singleShot(0, [&] {
      auto* v = qobject_cast<boletoLO*>(QApplication::activeModalWidget());
      ASSERT_NE(v, nullptr);
      if (vez == 0) {
        primera = v;
        elige(*v, "AE000012.TXT");
        v->Command9->click();
        v->mnuSalir_Click();
        return;
      }
      EXPECT_EQ(std::tuple(v == primera, v->nomi, v->boletoActual, v->floto, v->File2->isHidden()),
                vez == 1 ? std::tuple(true, u"AE000012.TXT"_s, 2, qint16(1), true)
                         : std::tuple(v == primera, QString(), 1, qint16(0), false));
      v->close();
    });
    principal.Command2->click();
  }
  // Both ways out saved the calibration: the Euromillones half of the offsets.
  EXPECT_TRUE(carpeta.read("configloi.cfg").startsWith("980,30,\" 1290\",\"0605-0155\",\"1860-1505\""))
      << carpeta.read("configloi.cfg").toStdString();
}
