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

TEST_F(VentanaLo, TheStartReadsTheSecondHalvesAndAShortFileTakesTheGamesDefaults) {
  // A file that cannot be read: " F", and the start ends there. What it gave is kept, an offset it did
  // not give takes the game's default position (the box says which), and the file is written whole.
  const QString faltan = "\nSe toma la posición por defecto del juego para lo que configloi.cfg no daba: ";
  const struct {
    QByteArray datos;  // none: no file
    bool falla;
    QString aviso;
    const char* calibracion;  // offsets, mark, size, bold
    const char* guardado;     // items 4 and 5
  } casos[] = {
      {kConfigLoi, false, "", "1505 155 o 7 1", "0480-0155 4840-1505"},
      {"", false, "", "1505 155 o 7 1", "0480-0155 4840-1505"},
      {"980,30\r\n", true, faltan + "Tope Superior 155, Margen Izquierdo 1505.", "1505 155  0 0",
       "0480-0155 4840-1505"},
      {"980,30,\" 1290\",\"0400-0200\"\r\n", true, faltan + "Margen Izquierdo 1505.", "1505 200  0 0",
       "0400-0200 4840-1505"},
      {"980,30,\" 1290\",\"0400-0210\",\"4000-4540\"\r\n", true, "", "4540 210  0 0", "0400-0210 4000-4540"}};
  EXPECT_EQ(abre()->cfgResto, u"980-30-1065-0-0"_s);
  for (const auto& c : casos) {
    SCOPED_TRACE(c.datos.toStdString());
    c.datos.isEmpty() ? carpeta.remove("configloi.cfg") : carpeta.write("configloi.cfg", c.datos);
    dialogos.forget();
    auto w = abre();
    QStringList cajas;
    for (const ShownBox& b : dialogos.shown()) cajas << b.text;
    EXPECT_EQ(cajas, c.falla ? QStringList{errorDescription(ErrorNumber::InputPastEnd) + " F" + c.aviso}
                             : QStringList());
    EXPECT_EQ(std::tuple(u"%1 %2 %3 %4 %5"_s.arg(w->margenIzq)
                             .arg(w->topeSup)
                             .arg(w->signo)
                             .arg(w->tamFuente)
                             .arg(w->negrita),
                         w->Text3[7]->text().trimmed(), guardados(carpeta).left(19), w->File2->isHidden()),
              std::tuple(QString(c.calibracion), QString::number(w->topeSup), QString(c.guardado), c.falla));
    w->done(0);
    EXPECT_EQ(dialogos.shown().size(), cajas.size()) << "closing finds the file whole";
  }
}

TEST_F(VentanaLo, ApplyingTheFrameClampsSnapsAndSavesTheGamesHalf) {
  // File; the boxes position, bold, mark, size, bets, top; what is then in force; items 4 to 6.
  const struct {
    char juego;
    const char* cajas[6];
    const char* esperado;
    const char* guardado;
  } casos[] = {// The save in the middle takes the top box as typed; variac then holds Bonoloto at 80.
               {'B', {"0", "V", "*", "8", "8", "300"}, "1505 80 8 * 8 1", "0480-0300 4840-1505  8"},
               {'B', {"4540", "T", "x", "5", "12", "300"}, "4540 300 8 x 7 1", "0480-0300 4840-4540  8"},
               {'B', {"2001", "f", "o", "10", "1", "90"}, "4540 90 2 o 10 0", "0480-0090 4840-4540  2"},
               {'G', {"2000", "v", "o", "12", "12", "70"}, "1505 70 6 o 12 0", "0480-0070 4840-1505  6"},
               {'G', {"5000", "", "o", "7", "4", "130"}, "3190 130 4 o 7 0", "0480-0130 4840-3190  4"},
               {'E', {"999", "V", "o", "9", "8", "500"}, "1860 500 5 o 9 1", "0500-0155 1860-1505  5"},
               {'E', {"2001", "V", "o", "11", "3", "470"}, "4840 470 3 o 11 1", "0470-0155 4840-1505  3"},
               // Its own default left stays left, as for every other game.
               {'E', {"1860", "V", "o", "9", "8", "605"}, "1860 605 5 o 9 1", "0605-0155 1860-1505  5"}};
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.juego << " " << c.cajas[0] << " " << c.cajas[4]);
    carpeta.write("configloi.cfg", kConfigLoi);
    auto w = abreCon(u"A%1000017.TXT"_s.arg(c.juego), archivoLotoTexto(c.juego, 17));
    w->Command12->click();  // open the frame, filled
    for (int i = 0; i < 6; ++i) w->Text3[QList{3, 4, 5, 6, 9, 7}[i]]->setText(c.cajas[i]);
    w->Command12->click();  // apply and close
    EXPECT_TRUE(w->Frame2->isHidden());
    EXPECT_EQ(std::tuple(calibracion(*w), guardados(carpeta)),
              std::tuple(QString(c.esperado), QString(c.guardado)));
    EXPECT_EQ(std::tuple(w->Text3[7]->text(), w->Text3[8]->text(), w->Label5->text(), w->Label9->text()),
              std::tuple(QString::number(w->topeSup), QString::number(w->margenIzq),
                         "Ap/Bol\n  " + numberText(w->nBole), "Apts " + numberText(w->nBole)));
    EXPECT_EQ(std::pair(w->tabla[0]->model().font().points, w->tablae[0]->model().font().bold),
              std::pair(double(w->tamFuente), w->negrita));
  }
}

TEST_F(VentanaLo, TheFieldClicksToggleSideAndBoldAndClearTheRest) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  auto w = abreCon("AE000012.TXT", archivoLotoTexto('E', 12));
  // The box compares as text: " 6700" and " 9680" are past " 5900", " 4840" is not.
  QStringList clics;
  const auto clic = [&](int caja, int veces, const char* texto) {
    w->Text3[caja]->setText(texto);
    for (int i = 0; i < veces; ++i) {
      w->Text3_Click(caja);
      clics << w->Text3[caja]->text() + (caja == 4 ? (w->negrita ? "+" : "-") +
                                                         QString(w->tabla[3]->model().font().bold ? "b" : "")
                                                   : "");
    }
  };
  clic(3, 3, "1860");
  elige(*w, "AB000017.TXT");
  clic(3, 3, "");
  clic(4, 3, "True");
  for (int caja : {5, 6, 7, 8, 9}) clic(caja, 1, "9");
  EXPECT_EQ(clics, QStringList({" 0", " 4840", " 0", " 4540", " 0", " 4540", "F-", "V+b", "F-", " ", " ", " ",
                                " ", " "}));
}

TEST_F(VentanaLo, TheArrowCrossMovesTheFramesAndTheCentredOrLeftParts) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  auto w = abreCon("AE000012.TXT", archivoLotoTexto('E', 12));
  const auto lugar = [](QWidget* control) { return twipRect(control).topLeft(); };
  const auto flecha = [&](const char* paso, QPushButton* boton) {
    w->Text4->setText(paso);
    boton->click();
    return u"%1 %2"_s.arg(w->margenIzq).arg(w->topeSup);
  };
  EXPECT_EQ(flecha("25", w->Command1), "1885 605");  // right
  EXPECT_EQ(std::tuple(lugar(w->Frame6), lugar(w->Label18), twipRect(w->Frame1).left(), w->Text3[7]->text(),
                       w->Text3[8]->text()),
            std::tuple(QPointF(525, 605), QPointF(345, 3945), 1885.0 + 3115, u" 605"_s, u" 1885"_s));
  EXPECT_EQ(flecha("12.5", w->Command2), "1885 592");  // up: 592.5 goes to 592
  EXPECT_EQ(flecha("12.5", w->Command2), "1885 580");  // 579.5 goes to 580
  EXPECT_EQ(flecha("", w->Command4) + flecha("", w->Command3), "1885 5801885 580") << "an empty step";
  dialogos.forget();
  EXPECT_EQ(flecha("99999999999999999999", w->Command1), "1885 580");
  EXPECT_EQ(dialogos.shown().size(), 1);
  // Bonoloto at the left is held at 1505, 80 whatever the arrows do; in the centre it moves.
  elige(*w, "AB000017.TXT");
  EXPECT_EQ(flecha("25", w->Command1), "1505 80");
  w->margenIzq = 4540;
  w->Command1->click();
  EXPECT_EQ(std::pair(lugar(w->Frame4), lugar(w->Frame7)),
            std::pair(QPointF(4565, 80), QPointF(4565 - 1095, 80 + 3180)));
}

TEST_F(VentanaLo, RestaurarPutsTheGamesPositionAndTheDefaultsThenApplies) {
  // Euromillones' default left stays left.
  for (const auto& [juego, esperado] :
       {std::pair{'G', "3190 130 6 x 9 0"}, {'E', "1860 605 5 x 9 0"}, {'P', "1505 80 8 x 9 0"}}) {
    auto w = abreCon(u"A%1000017.TXT"_s.arg(juego), archivoLotoTexto(juego, 17));
    w->margenIzq = 1000;
    w->topeSup = 10;
    w->Command13->click();
    EXPECT_EQ(calibracion(*w), esperado) << juego;
    EXPECT_TRUE(w->Frame2->isHidden());
  }
}
