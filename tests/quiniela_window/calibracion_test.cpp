// configqp.cfg through the window: start, close, the panel, the arrow cross.
#include <QFileInfo>

#include "app/canvas/twip_geometry.h"
#include "quiniela/configqp.h"
#include "tests/quiniela_window/ventana_qp.h"

class CalibracionQp : public VentanaQp {
 protected:
  void SetUp() override { carpeta.write("AD243", archivoAD243(2)); }
  bool soloLectura() const {
    return !(QFileInfo(carpeta.file("configqp.cfg")).permissions() & QFile::WriteOwner);
  }
  // Offsets, margin, mark, size, bold | navigator, arrow cross, width, grid frame.
  static constexpr const char* kInicial = "-30 2085 3100 x 9 1 | 9115 9355 11260 3070,2085";
  static QString estado(const boletoqp& w) {
    return QString::asprintf("%d %d %s %s %d %d | %g %g %g %g,%g", w.inicioX, w.inicioY,
                             qPrintable(w.Text3[1]->text()), qPrintable(w.signo), w.tamFuente, w.negrita,
                             twipRect(w.Frame1).left(), twipRect(w.Frame3).left(), w.clientWidthTwips(),
                             twipRect(w.Frame4).left(), twipRect(w.Frame4).top());
  }
};

TEST_F(CalibracionQp, ANewFileIsUsedAndClosingSavesOffsetsButStyleNineAndMarkX) {
  auto w = abre();
  const QStringList nuevo = QStringList{"-30", "True 09", "000640x", "2085", "3100", textoRellenoQp} +
                            u"0.5|500000|60000|900|120|9|5|5"_s.split('|') + QStringList{rutaPrograma};
  EXPECT_EQ(camposConfig(), nuevo);
  EXPECT_TRUE(soloLectura());
  EXPECT_EQ(estado(*w), kInicial);
  w->Command11->click();
  w->Command11->click();
  w->mnuConfigura_Click();
  w->Text3[5]->setText("o");
  w->Text3[6]->setText("12");
  emit w->Text3[6]->returnPressed();  // Enter
  EXPECT_EQ(estado(*w), "20 2085 3100 o 12 1 | 9115 9355 11260 3120,2085");
  EXPECT_EQ(w->tabla[0]->model().font().points, 12);
  EXPECT_EQ(w->tabla[0]->textMatrix(u"1X2"_s.indexOf(apuesta(1).at(0)), 13), "o") << "redrawn";
  EXPECT_EQ(camposConfig().mid(0, 3), QStringList({"20", "True 09", "000000o"}));
  w->done(0);
  EXPECT_EQ(carpeta.read("configqp.cfg"), ("\"20\",\"" + nuevo.mid(1, 5).join("\",\"") + "\"\r\n\"" +
                                           nuevo.mid(6).join("\"\r\n\"") + "\"\r\n")
                                              .toLatin1());
  EXPECT_TRUE(soloLectura());
  EXPECT_EQ(estado(*abre()), "20 2085 3100 x 9 1 | 9115 9355 11260 3120,2085");
}

TEST_F(CalibracionQp, CerrarReadsThePanelBoxes) {
  auto w = abre();
  // The bold, size, margin and vertical offset boxes.
  const std::pair<QStringList, const char*> casos[] = {
      {{"Verdadero", "10", "10", "0"}, "-30 2270 10 x 10 1 | 6015 6255 8160 -20,2270"},
      {{"T", "1", "11", "1990"}, "-30 1990 11 x 7 1 | 6026 6266 8171 -19,1990"},
      {{"f", "13", "3100", "x"}, "-30 2270 3100 x 7 0 | 9115 9355 11260 3070,2270"},
      {{"", "12", "500", "2100"}, "-30 2100 500 x 12 0 | 6515 6755 8660 470,2100"}};
  for (const auto& [cajas, esperado] : casos) {
    w->mnuConfigura_Click();
    for (int i = 0; i < 4; ++i) w->Text3[QList{4, 6, 1, 7}[i]]->setText(cajas[i]);
    w->Command5->click();
    EXPECT_EQ(estado(*w), esperado);
    EXPECT_EQ(camposConfig().at(4), cajas[2]);
  }
}

TEST_F(CalibracionQp, TheArrowCrossMovesTheGridByTheStepAndRestaurarBringsItBack) {
  auto w = abre();
  // Step box, button, and the offsets after; halves go to even.
  const std::tuple<const char*, QPushButton * boletoqp::*, const char*> casos[] = {
      {"   25", &boletoqp::Command11, "-5 2085"},
      {"40", &boletoqp::Command10, "-5 2045"},
      {"abc", &boletoqp::Command2, "-5 2045"},
      {"12.5", &boletoqp::Command9, "-18 2045"},
      {"12.5", &boletoqp::Command9, "-30 2045"}};
  for (const auto& [paso, boton, xy] : casos) {
    w->Text5->setText(paso);
    w->Text2->clear();
    ((*w).*boton)->click();
    EXPECT_EQ(w->Text2->text(), "2   Boleto nº1") << "redrawn";
    EXPECT_EQ(w->Text3[8]->text() + " " + w->Text3[7]->text(), xy) << paso;
    EXPECT_EQ(estado(*w).section(' ', 0, 1), xy);
  }
  w->Label16_Click();
  EXPECT_EQ(estado(*w), "-30 2085 3100 x 7 0 | 9115 9355 11260 3070,2085");
  EXPECT_EQ(w->Text3[4]->text() + w->Text3[6]->text(), "F7");
  w->done(0);
  EXPECT_EQ(QStringList({camposConfig().at(0), camposConfig().at(3)}), QStringList({"-30", "2085"}));
}

TEST_F(CalibracionQp, NumbersNoFieldCanHoldAreReportedKeptOutAndNeverSaved) {
  const QString desbordamiento = errorDescription(ErrorNumber::Overflow) + " Nº  6";
  const QString enorme = "99999999999999999999", grande = "3000000000";
  // Box (Text3 index, or 5 for the step box), typed text, message or none, state after.
  const std::tuple<int, QString, QString, const char*> casos[] = {
      {1, enorme, desbordamiento, kInicial},
      {1, grande, desbordamiento, kInicial},
      {1, "-5", "", "-30 2085 -5 x 9 1 | 6015 6255 8160 -35,2085"},
      {8, enorme, desbordamiento, kInicial},
      {8, grande, desbordamiento, kInicial},
      {8, "-5", "", "-5 2085 3100 x 9 1 | 9115 9355 11260 3095,2085"},
      {7, enorme, desbordamiento, kInicial},
      {7, "-2147483649", desbordamiento, kInicial},
      {7, "-5", "", "-30 2270 3100 x 9 1 | 9115 9355 11260 3070,2270"},
      {6, enorme, "", "-30 2085 3100 x 7 1 | 9115 9355 11260 3070,2085"}};
  for (const auto& [caja, texto, mensaje, esperado] : casos) {
    SCOPED_TRACE(testing::Message() << "Text3(" << caja << ") " << texto.toStdString());
    carpeta.remove("configqp.cfg");
    auto w = abre();
    w->mnuConfigura_Click();
    w->Text3[caja]->setText(texto);
    dialogos.forget();
    w->Command5->click();
    QStringList mensajes;
    for (const ShownBox& b : dialogos.shown()) mensajes << b.text;
    EXPECT_EQ(std::pair(mensajes.join(""), estado(*w)), std::pair(mensaje, QString(esperado)));
    // What is saved is what is in force.
    EXPECT_EQ(QStringList({camposConfig().at(0), camposConfig().at(4)}),
              QStringList({QString::number(w->inicioX), QString::number(w->margenIzq)}));
  }
}

TEST_F(CalibracionQp, TheBetsBoxAndTheStepBoxTakeAnyNumberWithoutEndingTheProgram) {
  auto w = abre();
  const QString desbordamiento = errorDescription(ErrorNumber::Overflow) + " Nº  6";
  // Text3(0) clicked: the next of the cycle 2..8, or a report and no change.
  for (const auto& [texto, apuestas, mensajes] :
       {std::tuple{"99999999999999999999", 8, 1}, {"3000000000", 2, 0}, {"-5", 2, 0}, {"7", 8, 0}}) {
    w->apuestasBoleto = 8;
    w->Text3[0]->setText(texto);
    dialogos.forget();
    w->Text3_Click(0);
    EXPECT_EQ(std::tuple(w->apuestasBoleto, w->Text3[0]->text(), int(dialogos.shown().size())),
              std::tuple(qint16(apuestas), QString::number(apuestas), mensajes))
        << texto;
  }
  // The step box, then the right arrow: an offset that would not fit stays.
  for (const auto& [paso, x, mensajes] : {std::tuple{QString("99999999999999999999"), -30, 1},
                                          {"3000000000", -30, 1},
                                          {QString(400, '9'), -30, 1},
                                          {"-5", -35, 0}}) {
    w->inicioX = -30;
    w->Text5->setText(paso);
    dialogos.forget();
    w->Command11->click();
    EXPECT_EQ(std::tuple(w->inicioX, w->Text3[8]->text(), int(dialogos.shown().size()),
                         dialogos.shown().value(0).text),
              std::tuple(x, QString::number(x), mensajes, mensajes ? desbordamiento : QString()))
        << paso.left(20).toStdString();
  }
}
