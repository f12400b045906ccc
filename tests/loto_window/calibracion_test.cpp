// configloi.cfg through the window, the calibration frame, the game's default
// positions and the arrow cross.
#include "app/canvas/twip_geometry.h"
#include "app/platform/delimited.h"
#include "tests/loto_window/ventana_lo.h"

namespace {

// Items 4 to 6 of configloi.cfg, as saved.
QString guardados(const TempFolder& carpeta) {
  QStringList items;
  for (DelimitedReader lector(carpeta.read("configloi.cfg")); !lector.atEnd();) items << lector.next();
  return items.size() == 7 ? items.mid(3, 3).join(' ') : u"%1 items"_s.arg(items.size());
}

// Offsets, bets per ticket, mark, size, bold.
QString calibracion(const boletoLO& w) {
  return u"%1 %2 %3 %4 %5 %6"_s.arg(w.margenIzq)
      .arg(w.topeSup)
      .arg(w.nBole)
      .arg(w.signo)
      .arg(w.tamFuente)
      .arg(w.negrita);
}

}  // namespace

TEST_F(VentanaLo, ApplyingTheFrameClampsSnapsAndSavesTheGamesHalf) {
  // File; the boxes position, bold, mark, size, bets, top; what is then in force; items 4 to 6.
  const struct {
    char juego;
    const char* cajas[6];
    const char *esperado, *guardado;
  } casos[] = {// Bonoloto at the left is held at 80 from the top; a top no field can hold leaves 155.
               {'B', {"0", "V", "*", "8", "8", "300"}, "1505 80 8 * 8 1", "0480-0300 4840-1505  8"},
               {'B', {"4540", "T", "x", "5", "12", "300"}, "4540 300 8 x 7 1", "0480-0300 4840-4540  8"},
               {'B', {"2001", "f", "o", "10", "1", "3000000000"}, "4540 155 2 o 10 0", "0480-0155 4840-4540  2"},
               {'G', {"2000", "v", "o", "12", "12", "70"}, "1505 70 6 o 12 0", "0480-0070 4840-1505  6"},
               {'E', {"2001", "V", "o", "11", "3", "470"}, "4840 470 3 o 11 1", "0470-0155 4840-1505  3"}};
  for (const auto& c : casos) {
    carpeta.write("configloi.cfg", kConfigLoi);
    auto w = abreCon(u"A%1000017.TXT"_s.arg(c.juego), archivoLotoTexto(c.juego, 17));
    w->Command12->click();  // open the frame, filled
    for (int i = 0; i < 6; ++i) w->Text3[QList{3, 4, 5, 6, 9, 7}[i]]->setText(c.cajas[i]);
    w->Command12->click();  // apply and close
    EXPECT_EQ(std::tuple(calibracion(*w), guardados(carpeta), w->Label5->text(), w->Frame2->isHidden()),
              std::tuple(QString(c.esperado), QString(c.guardado), "Ap/Bol\n  " + numberText(w->nBole), true))
        << c.juego << c.cajas[0];
  }
}

TEST_F(VentanaLo, TheFieldClicksToggleBoldAndClearTheRest) {
  auto w = abreCon("AE000012.TXT", archivoLotoTexto('E', 12));
  w->Text3[4]->setText("True");
  QStringList clics;
  for (int caja : {4, 4, 4, 5, 6, 7, 8, 9}) {
    w->Text3_Click(caja);
    clics << w->Text3[caja]->text() + (caja != 4 ? "" : w->tablae[3]->model().font().bold ? "b" : "-");
  }
  EXPECT_EQ(clics, QStringList({"F-", "Vb", "F-", " ", " ", " ", " ", " "}));
}

TEST_F(VentanaLo, TheArrowCrossMovesTheFramesAndTheCentredOrLeftParts) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  carpeta.write("AG000014.TXT", archivoLotoTexto('G', 14));
  auto w = abreCon("AE000012.TXT", archivoLotoTexto('E', 12));
  const auto flecha = [&](const char* paso, QPushButton* boton) {
    w->Text4->setText(paso);
    boton->click();
    return u"%1 %2"_s.arg(w->margenIzq).arg(w->topeSup);
  };
  // Right by 25, then up by 12.5 twice: halves go to even; an empty step does nothing.
  QStringList pasos;
  for (const auto& [paso, boton] :
       {std::pair{"25", w->Command1}, {"12.5", w->Command2}, {"12.5", w->Command2}, {"", w->Command4}})
    pasos << flecha(paso, boton);
  EXPECT_EQ(pasos.join('|'), "1885 605|1885 592|1885 580|1885 580");
  EXPECT_EQ(std::tuple(twipRect(w->Frame6).topLeft(), twipRect(w->Frame1).left(), w->Text3[8]->text()),
            std::tuple(QPointF(525, 580), 1885.0 + 3115, u" 1885"_s));
  // El Gordo at the left moves its header with it.
  elige(*w, "AG000014.TXT");
  w->margenIzq = 1505;
  flecha("25", w->Command1);
  EXPECT_EQ(QList({double(w->margenIzq), twipRect(w->Label3).left(), twipRect(w->Label4).left(),
                   twipRect(w->Label13).left()}), QList<double>({1530, 1195, 6485, 1045}));
  // Bonoloto at the left is held at 1505, 80 whatever the arrows do; in the centre it moves.
  elige(*w, "AB000017.TXT");
  EXPECT_EQ(flecha("25", w->Command1), "1505 80");
  w->margenIzq = 4540;
  w->Command1->click();
  EXPECT_EQ(std::pair(twipRect(w->Frame4).topLeft(), twipRect(w->Frame7).topLeft()),
            std::pair(QPointF(4565, 80), QPointF(4565 - 1095, 80 + 3180)));
}
