// The file list, the choice box, opening each game, deleting, and the two ways
// out of the window.
#include <QApplication>
#include <QFile>
#include <QTimer>

#include "app/boletos.h"
#include "tests/loto_window/ventana_lo.h"

namespace {

// Ticket t of a file of `juego` as the screen shows it, `nBole` a ticket.
QStringList boletoEsperado(char juego, int t, int nBole, int apuestas) {
  const int bloques = juego == 'E' ? 5 : juego == 'G' ? 6 : 8;
  QStringList esperado;
  for (int b = 0; b < bloques; ++b) {
    const int n = nBole * (t - 1) + b + 1;
    if (b >= nBole || n > apuestas) {
      esperado << QString();
      continue;
    }
    const QString apuesta = apuestaLoto(juego, n);
    QStringList numeros;
    for (int k = 0; k < (juego == 'B' || juego == 'P' ? 12 : 10); k += 2)
      numeros << QString::number(apuesta.mid(k, 2).toInt());
    QString extra;
    // Star s at the row and column the star table gives; the clave c at (c, 1) or (c - 5, 0).
    const auto estrella = [](int s) { return QString("0302010023222120434241404").mid(2 * (s - 1), 2); };
    if (juego == 'E') {
      QStringList estrellas{estrella(apuesta.mid(10, 2).toInt()) + "o",
                            estrella(apuesta.mid(12, 2).toInt()) + "o"};
      estrellas.sort();  // as the screen reads them, row by row
      extra = " | " + estrellas.join(' ');
    }
    if (juego == 'G') {
      const int c = apuesta.mid(10, 2).toInt();
      extra = " | " + (c < 5 ? QString::number(c) + "1" : QString::number(c - 5) + "0") + "o";
    }
    // The reintegro of the ticket's first bet, always an "X".
    if ((juego == 'B' || juego == 'P') && b == 0) extra = " | " + apuesta.mid(13, 1) + "0X";
    esperado << numeros.join(' ') + extra;
  }
  return esperado;
}

}  // namespace

TEST_F(VentanaLo, TheListShowsTheBetFilesOfEveryGameAndEachOpensOnItsFirstTicket) {
  const struct {
    const char* nombre;
    char juego;
    int apuestas;
    bool binario;
    qint16 floto, nBole;
    const char* nombreJuego;
  } archivos[] = {{"AB000017.TXT", 'B', 17, false, 12, 8, "BONOLOTO"},
                  {"AP000017.TXT", 'P', 17, false, 13, 8, "LA PRIMITIVA"},
                  {"AG000014.TXT", 'G', 14, false, 2, 6, "EL GORDO DE LA PRIMITIVA"},
                  {"AE000012.TXT", 'E', 12, false, 1, 5, "EUROMILLONES"},
                  {"AB000020.LOT", 'B', 20, true, 12, 8, "BONOLOTO"},
                  {"ae12.txt", 'E', 3, false, 1, 5, "EUROMILLONES"}};
  for (const auto& a : archivos)
    carpeta.write(a.nombre, a.binario ? archivoLotoBinario(a.juego, a.apuestas)
                                      : archivoLotoTexto(a.juego, a.apuestas));
  // Not bet files of the list: no A first, too long a name, another extension.
  for (const char* otro : {"B0000001.TXT", "AB00000001.TXT", "AB000001.DAT"})
    carpeta.write(otro, "01020304050607\r\n");
  auto w = abre();
  ASSERT_TRUE(w->File2->isVisible() || !w->File2->isHidden());
  QStringList listados;
  for (int i = 0; i < w->File2->count(); ++i) listados << w->File2->item(i)->text();
  EXPECT_EQ(listados, QStringList({"AB000017.TXT", "AB000020.LOT", "AE000012.TXT", "ae12.txt", "AG000014.TXT",
                                   "AP000017.TXT"}));

  for (const auto& a : archivos) {
    SCOPED_TRACE(a.nombre);
    dialogos.forget();
    elige(*w, a.nombre);
    ASSERT_GE(dialogos.shown().size(), 1);
    const ShownBox& eleccion = dialogos.shown().first();
    EXPECT_EQ(std::tuple(eleccion.text, eleccion.title, eleccion.buttons),
              std::tuple(u"     Tipo de Loto= %1\n Números de apuestas= %2\n\n\n\n"
                         "               Imprimir,                  No  ó                BORRAR?"_s.arg(
                             a.nombreJuego, numberText(a.apuestas)),
                         u"TIQUERON"_s, MessageButtons::YesNoCancel));
    EXPECT_EQ(dialogos.shown().size(), 1) << "no other box";
    EXPECT_EQ(
        std::tuple(w->nomi, w->floto, w->tipoFile, w->napuestas, w->nBole, w->nboletos, w->boletoActual),
        std::tuple(QString(a.nombre), a.floto, qint16(a.binario ? 1 : 2), qint32(a.apuestas), a.nBole,
                   qint32((a.apuestas + a.nBole - 1) / a.nBole), 1));
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

  dialogos.forget();
  elige(*w, "AX000001.TXT");
  ASSERT_EQ(dialogos.shown().size(), 2);
  EXPECT_TRUE(
      dialogos.shown()[0].text.startsWith("     Tipo de Loto=  Este desarrollo no corresponde\n con el tipo "
                                          "Impresión posible\nDesarrollo incorrecto!!\n"
                                          " Números de apuestas=  3\n"));
  EXPECT_EQ(
      std::tuple(dialogos.last().text, dialogos.last().title, dialogos.last().icon, dialogos.last().buttons),
      std::tuple(u" Este desarrollo no corresponde\n con el tipo Impresión posible"_s,
                 u"Desarrollo incorrecto!!"_s, MessageIcon::Stop, MessageButtons::Ok));
  EXPECT_EQ(std::tuple(w->nomi, w->floto, w->napuestas), std::tuple(u"AB000017.TXT"_s, qint16(12), 17))
      << "the open file stays";
  EXPECT_EQ(enPantalla(*w), antes);
  w->Command9->click();
  EXPECT_EQ(w->boletoActual, 2);

  for (const auto& [nombre, mensaje] :
       {std::pair{"AB000000.TXT", " No existen Apuestas"}, {"AB000000.LOT", " No Existen apuestas?"}}) {
    dialogos.forget();
    elige(*w, nombre);
    ASSERT_EQ(dialogos.shown().size(), 2) << nombre;
    EXPECT_EQ(std::tuple(dialogos.last().text, dialogos.last().title),
              std::tuple(QString(mensaje), kDefaultTitle));
    EXPECT_EQ(w->nboletos, 0) << "nothing left to print";
    w->Command10->click();
    w->mnuTiqueron_Click();
    EXPECT_TRUE(impresora.documents().isEmpty());
  }
}

TEST_F(VentanaLo, CancelInTheChoiceOffersToDeleteTheFileAndAskesAgain) {
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
  EXPECT_EQ(w->File2->count(), 1) << "the list is read again";
  EXPECT_TRUE(w->nomi.isEmpty());
  // No: nothing at all.
  dialogos.forget();
  elige(*w, "AP000017.TXT", MessageResult::No);
  EXPECT_EQ(std::pair(int(dialogos.shown().size()), w->nomi), std::pair(1, QString()));
  // Nothing selected: the second entry is chosen, or the only one.
  w->File2->clearSelection();
  w->File2->setCurrentItem(nullptr);
  dialogos.answer(MessageResult::No);
  w->File2_Click();
  EXPECT_TRUE(dialogos.last().text.contains("LA PRIMITIVA"));
}

TEST_F(VentanaLo, SalirKeepsTheWindowAsItWasAndClosingStartsItAfresh) {
  carpeta.write("AE000012.TXT", archivoLotoTexto('E', 12));
  Boletos principal(plataforma, rutaPrograma);
  principal.show();
  // Each opening acts inside the modal window, then leaves it one way or the other.
  const auto abreLoto = [&](const std::function<void(boletoLO&)>& dentro) {
    QTimer::singleShot(0, [&] {
      auto* ventana = qobject_cast<boletoLO*>(QApplication::activeModalWidget());
      ASSERT_NE(ventana, nullptr);
      dentro(*ventana);
    });
    principal.Command2->click();
  };
  boletoLO* primera = nullptr;
  abreLoto([&](boletoLO& v) {
    primera = &v;
    elige(v, "AE000012.TXT");
    v.Command9->click();
    v.mnuSalir_Click();
  });
  abreLoto([&](boletoLO& v) {
    EXPECT_EQ(&v, primera);
    EXPECT_EQ(std::tuple(v.nomi, v.boletoActual, v.floto), std::tuple(u"AE000012.TXT"_s, 2, qint16(1)));
    EXPECT_FALSE(v.Frame6->isHidden());
    v.close();
  });
  abreLoto([&](boletoLO& v) {
    EXPECT_EQ(std::tuple(v.nomi, v.boletoActual, v.floto), std::tuple(QString(), 1, qint16(0)))
        << "a fresh start";
    EXPECT_FALSE(v.File2->isHidden());
    v.close();
  });
  // Both ways out saved the calibration: the Euromillones half of the offsets.
  EXPECT_TRUE(carpeta.read("configloi.cfg").startsWith("980,30,\" 1290\",\"0605-0155\",\"1860-1505\""))
      << carpeta.read("configloi.cfg").toStdString();
}
