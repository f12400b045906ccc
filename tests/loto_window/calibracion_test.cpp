// configloi.cfg through the window, the calibration frame, the game's default
// positions and the arrow cross.
#include <QFile>

#include "app/canvas/twip_geometry.h"
#include "app/platform/delimited.h"
#include "tests/loto_window/ventana_lo.h"

namespace {

QStringList items(const QByteArray& datos) {
  QStringList leidos;
  for (DelimitedReader lector(datos); !lector.atEnd();) leidos << lector.next();
  return leidos;
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

TEST_F(VentanaLo, TheStartReadsTheSecondHalvesAndAMissingFileIsCreated) {
  auto w = abre();
  EXPECT_EQ(std::tuple(calibracion(*w), w->Text3[7]->text(), w->cfgResto),
            std::tuple(u"1505 155 8 o 7 1"_s, u" 155"_s, u"980-30-1065-0-0"_s));
  carpeta.remove("configloi.cfg");
  dialogos.forget();
  w = abre();
  EXPECT_TRUE(dialogos.shown().isEmpty());
  EXPECT_EQ(carpeta.read("configloi.cfg"), kConfigLoi);
  EXPECT_EQ(calibracion(*w), "1505 155 8 o 7 1");
  // A file that cannot be read: " F", and the start ends there. What it gave is kept, an offset it did
  // not give takes the game's default position (the box says which), and the file is written whole,
  // never with a half nobody typed.
  const QString faltan = "\nSe toma la posición por defecto del juego para lo que configloi.cfg no daba: ";
  const struct {
    QByteArray datos;
    QString aviso;
    const char* posicion;  // margenIzq topeSup
    const char* item4;
    const char* item5;
  } cortos[] = {
      {"980,30\r\n", faltan + "Tope Superior 155, Margen Izquierdo 1505.", "1505 155", "0480-0155", "4840-1505"},
      {"980,30,\" 1290\",\"0400-0200\"\r\n", faltan + "Margen Izquierdo 1505.", "1505 200", "0400-0200",
       "4840-1505"},
      {"980,30,\" 1290\",\"0400-0210\",\"4000-4540\"\r\n", "", "4540 210", "0400-0210", "4000-4540"},
  };
  for (const auto& c : cortos) {
    SCOPED_TRACE(c.datos.toStdString());
    carpeta.write("configloi.cfg", c.datos);
    dialogos.forget();
    w = abre();
    ASSERT_EQ(dialogos.shown().size(), 1);
    EXPECT_EQ(dialogos.shown().first().text, errorDescription(ErrorNumber::InputPastEnd) + " F" + c.aviso);
    EXPECT_EQ(u"%1 %2"_s.arg(w->margenIzq).arg(w->topeSup), c.posicion);
    EXPECT_TRUE(w->File2->isHidden());
    EXPECT_EQ(std::tuple(w->negrita, w->tamFuente, w->signo), std::tuple(false, qint16(0), QString()));
    const QStringList guardados = items(carpeta.read("configloi.cfg"));
    ASSERT_EQ(guardados.size(), 7);
    EXPECT_EQ(QStringList({guardados[3], guardados[4]}), QStringList({c.item4, c.item5}));
    w->done(0);
    EXPECT_EQ(dialogos.shown().size(), 1) << "closing finds the file whole";
  }
}

TEST_F(VentanaLo, ApplyingTheFrameClampsSnapsAndSavesTheGamesHalf) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  carpeta.write("AG000014.TXT", archivoLotoTexto('G', 14));
  carpeta.write("AE000012.TXT", archivoLotoTexto('E', 12));
  // File; the boxes position, bold, mark, size, bets, top; what is then in force; items 4 and 5.
  const struct {
    const char* archivo;
    const char* cajas[6];
    const char* esperado;
    const char* item4;
    const char* item5;
  } casos[] = {
      // The save in the middle takes the top box as typed; variac then holds Bonoloto at 80.
      {"AB000017.TXT", {"0", "V", "*", "8", "8", "300"}, "1505 80 8 * 8 1", "0480-0300", "4840-1505"},
      {"AB000017.TXT", {"4540", "T", "x", "5", "12", "300"}, "4540 300 8 x 7 1", "0480-0300", "4840-4540"},
      {"AB000017.TXT", {"2001", "f", "o", "10", "1", "90"}, "4540 90 2 o 10 0", "0480-0090", "4840-4540"},
      {"AG000014.TXT", {"2000", "v", "o", "12", "12", "70"}, "1505 70 6 o 12 0", "0480-0070", "4840-1505"},
      {"AG000014.TXT", {"5000", "", "o", "7", "4", "130"}, "3190 130 4 o 7 0", "0480-0130", "4840-3190"},
      {"AE000012.TXT", {"999", "V", "o", "9", "8", "500"}, "1860 500 5 o 9 1", "0500-0155", "1860-1505"},
      {"AE000012.TXT", {"2001", "V", "o", "11", "3", "470"}, "4840 470 3 o 11 1", "0470-0155", "4840-1505"},
      // Its own default left stays left, as for every other game.
      {"AE000012.TXT", {"1860", "V", "o", "9", "8", "605"}, "1860 605 5 o 9 1", "0605-0155", "1860-1505"}};
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.archivo << " " << c.cajas[0] << " " << c.cajas[4]);
    carpeta.write("configloi.cfg", kConfigLoi);
    auto w = abreCon(c.archivo, carpeta.read(c.archivo));
    w->Command12->click();  // open the frame, filled
    ASSERT_FALSE(w->Frame2->isHidden());
    for (int i = 0; i < 6; ++i) w->Text3[QList{3, 4, 5, 6, 9, 7}[i]]->setText(c.cajas[i]);
    w->Command12->click();  // apply and close
    EXPECT_TRUE(w->Frame2->isHidden());
    EXPECT_EQ(calibracion(*w), c.esperado);
    const QStringList guardados = items(carpeta.read("configloi.cfg"));
    ASSERT_EQ(guardados.size(), 7);
    EXPECT_EQ(QStringList({guardados[3], guardados[4], guardados[5]}),
              QStringList({c.item4, c.item5, numberText(w->nBole)}));
    EXPECT_EQ(std::tuple(w->Text3[7]->text(), w->Text3[8]->text(), w->Label5->text(), w->Label9->text()),
              std::tuple(QString::number(w->topeSup), QString::number(w->margenIzq),
                         "Ap/Bol\n  " + numberText(w->nBole), "Apts " + numberText(w->nBole)));
    EXPECT_EQ(w->tabla[0]->model().font().points, w->tamFuente);
    EXPECT_EQ(w->tablae[0]->model().font().bold, w->negrita);
  }
}

TEST_F(VentanaLo, TheFieldClicksToggleSideAndBoldAndClearTheRest) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  auto w = abreCon("AE000012.TXT", archivoLotoTexto('E', 12));
  // The box compares as text: " 6700" and " 9680" are past " 5900", " 4840" is not.
  QStringList lados;
  w->Text3[3]->setText("1860");
  for (int i = 0; i < 3; ++i) {
    w->Text3_Click(3);
    lados << w->Text3[3]->text();
  }
  elige(*w, "AB000017.TXT");
  w->Text3[3]->setText("");
  for (int i = 0; i < 3; ++i) {
    w->Text3_Click(3);
    lados << w->Text3[3]->text();
  }
  EXPECT_EQ(lados, QStringList({" 0", " 4840", " 0", " 4540", " 0", " 4540"}));
  QStringList negritas;
  w->Text3[4]->setText("True");
  for (int i = 0; i < 3; ++i) {
    w->Text3_Click(4);
    negritas << w->Text3[4]->text() + (w->negrita ? "+" : "-") +
                    (w->tabla[3]->model().font().bold ? "b" : "");
  }
  EXPECT_EQ(negritas, QStringList({"F-", "V+b", "F-"}));
  for (int caja : {5, 6, 7, 8, 9}) {
    w->Text3_Click(caja);
    EXPECT_EQ(w->Text3[caja]->text(), " ") << caja;
  }
}

TEST_F(VentanaLo, TheArrowCrossMovesTheFramesAndTheCentredOrLeftParts) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  auto w = abreCon("AE000012.TXT", archivoLotoTexto('E', 12));
  ASSERT_EQ(std::pair(w->margenIzq, w->topeSup), std::pair(1860, 605));
  const auto lugar = [](QWidget* control) { return twipRect(control).topLeft(); };
  w->Command1->click();  // right 25
  EXPECT_EQ(std::pair(w->margenIzq, w->topeSup), std::pair(1885, 605));
  EXPECT_EQ(lugar(w->Frame6), QPointF(525, 605));
  EXPECT_EQ(lugar(w->Label18), QPointF(345, 3945));
  EXPECT_EQ(twipRect(w->Frame1).left(), 1885 + 3115) << "variac";
  EXPECT_EQ(std::pair(w->Text3[7]->text(), w->Text3[8]->text()), std::pair(u" 605"_s, u" 1885"_s));
  w->Text4->setText("12.5");
  w->Command2->click();  // up 12.5: 592.5 goes to 592
  w->Command2->click();  // 579.5 goes to 580
  EXPECT_EQ(w->topeSup, 580);
  w->Text4->setText("");
  w->Command4->click();
  w->Command3->click();
  EXPECT_EQ(std::pair(w->margenIzq, w->topeSup), std::pair(1885, 580)) << "an empty step moves nothing";
  w->Text4->setText("99999999999999999999");
  dialogos.forget();
  w->Command1->click();
  EXPECT_EQ(dialogos.shown().size(), 1);
  EXPECT_EQ(w->margenIzq, 1885);

  // Bonoloto at the left is held at 1505, 80 whatever the arrows do; in the centre it moves.
  elige(*w, "AB000017.TXT");
  w->Text4->setText("25");
  w->Command1->click();
  EXPECT_EQ(std::pair(w->margenIzq, w->topeSup), std::pair(1505, 80));
  w->margenIzq = 4540;
  w->Command1->click();
  EXPECT_EQ(lugar(w->Frame4), QPointF(4565, 80));
  EXPECT_EQ(lugar(w->Frame7), QPointF(4565 - 1095, 80 + 3180));
}

TEST_F(VentanaLo, RestaurarPutsTheGamesPositionAndTheDefaultsThenApplies) {
  for (const auto& [archivo, juego, esperado] : {std::tuple{"AG000014.TXT", 'G', "3190 130 6 x 9 0"},
                                                 // Euromillones' default left stays left.
                                                 {"AE000012.TXT", 'E', "1860 605 5 x 9 0"},
                                                 {"AP000017.TXT", 'P', "1505 80 8 x 9 0"}}) {
    auto w = abreCon(archivo, archivoLotoTexto(juego, 17));
    w->margenIzq = 1000;
    w->topeSup = 10;
    w->Command13->click();
    EXPECT_EQ(calibracion(*w), esperado) << archivo;
    EXPECT_TRUE(w->Frame2->isHidden());
  }
}
