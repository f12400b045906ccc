// configqp.cfg through the window: a new file, the panel, the arrow cross,
// closing, and numbers no field can hold.
#include <QFileInfo>

#include "app/canvas/twip_geometry.h"
#include "quiniela/configqp.h"
#include "tests/quiniela_window/ventana_qp.h"

class CalibracionQp : public VentanaQp {
 protected:
  void SetUp() override { carpeta.write("AD243", archivoAD243(2)); }
  // Offsets, margin, mark, size, bold | navigator, arrow cross, width, grid frame.
  static constexpr const char* kInicial = "-30 2085 3100 x 9 1 | 9115 9355 11260 3070,2085";
  static QString estado(const boletoqp& w) {
    return QString::asprintf("%d %d %s %s %d %d | %g %g %g %g,%g", w.inicioX, w.inicioY,
                             qPrintable(w.Text3[1]->text()), qPrintable(w.signo), w.tamFuente, w.negrita,
                             twipRect(w.Frame1).left(), twipRect(w.Frame3).left(), w.clientWidthTwips(),
                             twipRect(w.Frame4).left(), twipRect(w.Frame4).top());
  }
};

TEST_F(CalibracionQp, CerrarReadsThePanelBoxesTheArrowsMoveByTheStepAndClosingSaves) {
  auto w = abre();
  // The bold, size, margin and vertical offset boxes.
  const std::pair<QStringList, const char*> cajas[] = {
      {{"Verdadero", "10", "10", "0"}, "-30 2270 10 x 10 1 | 6015 6255 8160 -20,2270"},
      {{"f", "13", "3100", "x"}, "-30 2270 3100 x 7 0 | 9115 9355 11260 3070,2270"},
      {{"", "12", "500", "2100"}, "-30 2100 500 x 12 0 | 6515 6755 8660 470,2100"}};
  for (const auto& [textos, esperado] : cajas) {
    w->mnuConfigura_Click();
    for (int i = 0; i < 4; ++i) w->Text3[QList{4, 6, 1, 7}[i]]->setText(textos[i]);
    w->Command5->click();
    EXPECT_EQ(std::pair(estado(*w), camposConfig().at(4)), std::pair(QString(esperado), textos[2]));
  }
  // The step box, the arrow, and the offsets after; halves go to even.
  const std::tuple<const char*, QPushButton * boletoqp::*, const char*> flechas[] = {
      {"   25", &boletoqp::Command11, "-5 2100"},
      {"40", &boletoqp::Command10, "-5 2060"},

      {"12.5", &boletoqp::Command9, "-18 2060"},
      {"12.5", &boletoqp::Command9, "-30 2060"}};
  for (const auto& [paso, boton, xy] : flechas) {
    w->Text5->setText(paso);
    ((*w).*boton)->click();
    EXPECT_EQ(std::tuple(w->Text3[8]->text() + " " + w->Text3[7]->text(), estado(*w).section(' ', 0, 1)),
              std::tuple(QString(xy), QString(xy)))
        << paso;
  }
  w->Label16_Click();  // Restaurar
  EXPECT_EQ(std::pair(estado(*w), w->Text3[4]->text() + w->Text3[6]->text()),
            std::pair(u"-30 2085 500 x 7 0 | 6515 6755 8660 470,2085"_s, u"F7"_s));
  // One step up; closing saves the offsets and the margin, but the next start takes style 9, bold,
  // and the mark x.
  w->Command10->click();
  w->Text3[5]->setText("o");
  w->done(0);
  const bool escribible = QFileInfo(carpeta.file("configqp.cfg")).permissions() & QFile::WriteOwner;
  EXPECT_EQ(std::pair(estado(*abre()), escribible),
            std::pair(u"-30 2072 500 x 9 1 | 6515 6755 8660 470,2072"_s, false));
}

TEST_F(CalibracionQp, NumbersNoFieldCanHoldAreReportedKeptOutAndNeverSaved) {
  const QString desborda = errorDescription(ErrorNumber::Overflow) + " Nº  6",
                enorme = "99999999999999999999";
  // Box (Text3 index; 0 the bets box, clicked; 5 the step box, then the right arrow), typed text,
  // message or none, state after.
  const std::tuple<int, QString, QString, const char*> casos[] = {
      {1, enorme, desborda, kInicial},
      {1, "-5", "", "-30 2085 -5 x 9 1 | 6015 6255 8160 -35,2085"},
      {8, "3000000000", desborda, kInicial},
      {6, enorme, "", "-30 2085 3100 x 7 1 | 9115 9355 11260 3070,2085"},
      {0, enorme, desborda, kInicial},
      {-1, QString(400, '9'), desborda, kInicial}};
  for (const auto& [caja, texto, mensaje, esperado] : casos) {
    SCOPED_TRACE(testing::Message() << caja << " " << texto.left(20).toStdString());
    carpeta.remove("configqp.cfg");
    auto w = abre();
    w->mnuConfigura_Click();
    (caja < 0 ? w->Text5 : w->Text3[caja])->setText(texto);
    dialogos.forget();
    caja < 0 ? w->Command11->click() : caja == 0 ? w->Text3_Click(0) : w->Command5->click();
    QStringList mensajes;
    for (const ShownBox& b : dialogos.shown()) mensajes << b.text;
    EXPECT_EQ(std::pair(mensajes.join(""), estado(*w)), std::pair(mensaje, QString(esperado)));
    // What is saved is what is in force.
    EXPECT_EQ(QStringList({camposConfig().at(0), camposConfig().at(4)}),
              QStringList({QString::number(w->inicioX), QString::number(w->margenIzq)}));
  }
}
