// configqp.cfg through the window: start, close, "Cerrar", "Restaurar", the
// panel's boxes and the arrow cross.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "app/platform/runtime_error.h"
#include "quiniela/configqp.h"
#include "tests/quiniela_window/ventana_qp.h"

namespace {

const QString relleno = QStringLiteral("reservadoqp0123456789abcdefghi");

void haceClic(QWidget* control) {
  const QPointF dentro(2, 2);
  QMouseEvent pulsa(QEvent::MouseButtonPress, dentro, control->mapToGlobal(dentro), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent suelta(QEvent::MouseButtonRelease, dentro, control->mapToGlobal(dentro), Qt::LeftButton,
                     Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(control, &pulsa);
  QApplication::sendEvent(control, &suelta);
}

void pulsaEnter(QWidget* control) {
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(control, &enter);
}

TEST_F(VentanaQp, NewCalibrationFileAndItsValues) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  const QStringList nuevos = {QStringLiteral("-30"),  QStringLiteral("True 09"), QStringLiteral("000640x"),
                              QStringLiteral("2085"), QStringLiteral("3100"),    relleno,
                              QStringLiteral("0.5"),  QStringLiteral("500000"),  QStringLiteral("60000"),
                              QStringLiteral("900"),  QStringLiteral("120"),     QStringLiteral("9"),
                              QStringLiteral("5"),    QStringLiteral("5"),       rutaPrograma};
  EXPECT_EQ(camposConfig(), nuevos);
  EXPECT_FALSE(QFileInfo(carpeta.file(QStringLiteral("configqp.cfg"))).permissions() & QFile::WriteOwner)
      << "kept read-only";
  EXPECT_EQ(w->inicioX, -30);
  EXPECT_EQ(w->inicioY, 2085);
  EXPECT_EQ(w->margenIzq, 3100);
  EXPECT_EQ(w->Text3[1]->text(), QStringLiteral("3100"));
  EXPECT_EQ(w->signo, QStringLiteral("x"));
  EXPECT_EQ(w->tamFuente, 9);
  EXPECT_TRUE(w->negrita);
  EXPECT_EQ(w->textoReservado, relleno);
  EXPECT_EQ(w->clientWidthTwips(), 11260);
  EXPECT_EQ(twipRect(w->Frame1).left(), 9115);
  EXPECT_EQ(twipRect(w->Frame3).left(), 9355);
  EXPECT_EQ(twipRect(w->Frame4), QRectF(3070, 2085, 4650, 5400));
  EXPECT_EQ(w->tabla[3]->model().font().points, 9);
  EXPECT_TRUE(w->tabla[3]->model().font().bold);
}

TEST_F(VentanaQp, ClosingSavesOffsetsAndMarginButNotTheStyle) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  w->Command11->click();
  w->Command11->click();
  w->mnuConfigura_Click();
  w->Text3[5]->setText(QStringLiteral("o"));
  w->Text3[6]->setText(QStringLiteral("12"));
  w->Command5->click();
  EXPECT_EQ(w->signo, QStringLiteral("o"));
  EXPECT_EQ(w->tamFuente, 12);
  EXPECT_EQ(w->tabla[0]->model().font().points, 12);
  EXPECT_EQ(camposConfig().mid(0, 3),
            QStringList({QStringLiteral("20"), QStringLiteral("True 09"), QStringLiteral("000000o")}));

  w->done(0);
  const QByteArray esperado =
      QByteArray("\"20\",\"True 09\",\"000640x\",\"2085\",\"3100\",\"") + relleno.toLatin1() +
      "\"\r\n\"0.5\"\r\n\"500000\"\r\n\"60000\"\r\n\"900\"\r\n\"120\"\r\n\"9\"\r\n\"5\"\r\n\"5\"\r\n\"" +
      rutaPrograma.toLatin1() + "\"\r\n";
  EXPECT_EQ(carpeta.read(QStringLiteral("configqp.cfg")), esperado);
  EXPECT_FALSE(QFileInfo(carpeta.file(QStringLiteral("configqp.cfg"))).permissions() & QFile::WriteOwner);

  // The next start takes the offsets, and the mark and size of the saved style.
  auto otra = abreAD243();
  EXPECT_EQ(otra->inicioX, 20);
  EXPECT_EQ(otra->signo, QStringLiteral("x"));
  EXPECT_EQ(otra->tamFuente, 9);
  EXPECT_EQ(twipRect(otra->Frame4).left(), 3120);
}

TEST_F(VentanaQp, RestoreGivesTheStartingGridBack) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  w->Command2->click();
  w->Command9->click();
  EXPECT_EQ(twipRect(w->Frame4).topLeft(), QPointF(3045, 2110));
  haceClic(w->Label16);
  EXPECT_EQ(w->Text3[4]->text(), QStringLiteral("F"));
  EXPECT_EQ(w->Text3[5]->text(), QStringLiteral("x"));
  EXPECT_EQ(w->Text3[6]->text(), QStringLiteral("7"));
  EXPECT_EQ(w->Text3[7]->text(), QStringLiteral("2085"));
  EXPECT_EQ(w->Text3[8]->text(), QStringLiteral("-30"));
  EXPECT_FALSE(w->negrita);
  EXPECT_EQ(w->tamFuente, 7);
  EXPECT_EQ(twipRect(w->Frame4).topLeft(), QPointF(3070, 2085));
  w->done(0);
  const QStringList campos = camposConfig();
  EXPECT_EQ(campos.at(0), QStringLiteral("-30"));
  EXPECT_EQ(campos.at(3), QStringLiteral("2085"));
}

TEST_F(VentanaQp, CloseReadsThePanelBoxes) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  const struct {
    QString negrita, tamano, margen, y;
    bool negritaLeida;
    qint16 tamanoLeido;
    double panel1, panel3, ancho;
    qint32 y_leida;
  } casos[] = {
      {QStringLiteral("Verdadero"), QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("0"), true, 10,
       6015, 6255, 8160, 2270},
      {QStringLiteral("T"), QStringLiteral("1"), QStringLiteral("11"), QStringLiteral("1990"), true, 7, 6026,
       6266, 8171, 1990},
      {QStringLiteral("Falso"), QStringLiteral("13"), QStringLiteral("3100"), QStringLiteral("2085"), false,
       7, 9115, 9355, 11260, 2085},
      {QStringLiteral("f"), QStringLiteral("12"), QStringLiteral("0"), QStringLiteral("x"), false, 12, 6015,
       6255, 8160, 2270},
      {QString(), QStringLiteral("7"), QStringLiteral("500"), QStringLiteral("2100"), false, 7, 6515, 6755,
       8660, 2100},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE((c.negrita + QStringLiteral("/") + c.tamano + QStringLiteral("/") + c.margen).toStdString());
    w->mnuConfigura_Click();
    EXPECT_FALSE(w->Frame2->isHidden());
    w->Text3[4]->setText(c.negrita);
    w->Text3[6]->setText(c.tamano);
    w->Text3[1]->setText(c.margen);
    w->Text3[7]->setText(c.y);
    w->Command5->click();
    EXPECT_TRUE(w->Frame2->isHidden());
    EXPECT_EQ(w->negrita, c.negritaLeida);
    EXPECT_EQ(w->tamFuente, c.tamanoLeido);
    EXPECT_EQ(w->inicioY, c.y_leida);
    EXPECT_EQ(twipRect(w->Frame1).left(), c.panel1);
    EXPECT_EQ(twipRect(w->Frame3).left(), c.panel3);
    EXPECT_EQ(w->clientWidthTwips(), c.ancho);
    // The grid frame follows the margin even when the panels do not.
    EXPECT_EQ(twipRect(w->Frame4).topLeft(), QPointF(c.margen.toDouble() - 30, c.y_leida));
    EXPECT_EQ(w->tablaq[1]->textMatrix(3, 0), QString()) << "redrawn after the labels were written";
    EXPECT_EQ(camposConfig().at(4), c.margen);
  }
}

TEST_F(VentanaQp, EnterInAPanelBoxAppliesAndRedraws) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(2));
  auto w = abreAD243();
  w->mnuConfigura_Click();
  w->Text3[5]->setText(QStringLiteral("*"));
  w->Text2->clear();
  pulsaEnter(w->Text3[5]);
  EXPECT_EQ(w->signo, QStringLiteral("*"));
  EXPECT_EQ(camposConfig().at(2), QStringLiteral("000000*"));
  EXPECT_TRUE(w->Frame2->isHidden());
  EXPECT_EQ(w->Text2->text(), QStringLiteral("2   Boleto nº1"));
  EXPECT_EQ(w->tabla[0]->textMatrix(QStringLiteral("1X2").indexOf(apuesta(1).at(0)), 13),
            QStringLiteral("*"));
  EXPECT_TRUE(impresora.documents().isEmpty());
}

TEST_F(VentanaQp, PanelBoxClicks) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  w->mnuConfigura_Click();
  EXPECT_EQ(w->Text3[4]->text(), QStringLiteral("Verdadero"));
  EXPECT_EQ(w->Text3[5]->text(), QStringLiteral("x"));
  EXPECT_EQ(w->Text3[6]->text(), QStringLiteral("9"));
  EXPECT_EQ(w->Text3[7]->text(), QStringLiteral("2085"));
  EXPECT_EQ(w->Text3[8]->text(), QStringLiteral("-30"));

  w->Text3[0]->setText(QStringLiteral("6"));
  QStringList ciclo;
  for (int i = 0; i < 5; ++i) {
    haceClic(w->Text3[0]);
    ciclo << w->Text3[0]->text();
  }
  EXPECT_EQ(ciclo.join(QLatin1Char(' ')), QStringLiteral("7 8 2 3 4"));
  EXPECT_EQ(w->apuestasBoleto, 4);

  haceClic(w->Text3[4]);
  EXPECT_EQ(w->Text3[4]->text(), QStringLiteral("Falso"));
  EXPECT_FALSE(w->negrita);
  EXPECT_FALSE(w->Text3[4]->font().bold());
  haceClic(w->Text3[4]);
  EXPECT_EQ(w->Text3[4]->text(), QStringLiteral("Verdadero"));
  EXPECT_TRUE(w->negrita);
  EXPECT_TRUE(w->Text3[4]->font().bold());

  for (int i : {1, 5, 6, 7, 8}) {
    haceClic(w->Text3[i]);
    EXPECT_TRUE(w->Text3[i]->text().isEmpty()) << i;
  }
  w->mnuConfigura_Click();
  EXPECT_TRUE(w->Frame2->isHidden());
}

TEST_F(VentanaQp, ArrowCrossMovesTheGridByTheStep) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  const struct {
    QString paso;
    QPushButton* boletoqp::*boton;
    int veces;
    qint32 x, y;
  } casos[] = {
      {QStringLiteral("   25"), &boletoqp::Command11, 2, 20, 2085},
      {QStringLiteral("25"), &boletoqp::Command10, 1, 20, 2060},
      {QStringLiteral("40"), &boletoqp::Command2, 2, 20, 2140},
      {QStringLiteral("abc"), &boletoqp::Command9, 1, 20, 2140},
      {QStringLiteral("12.5"), &boletoqp::Command9, 1, 8, 2140},   // 7.5 -> 8
      {QStringLiteral("12.5"), &boletoqp::Command9, 1, -4, 2140},  // -4.5 -> -4
      {QStringLiteral("2.5"), &boletoqp::Command11, 1, -2, 2140},  // -1.5 -> -2
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.paso.toStdString());
    w->Text5->setText(c.paso);
    for (int i = 0; i < c.veces; ++i) {
      w->Text2->clear();
      ((*w).*c.boton)->click();
      EXPECT_EQ(w->Text2->text(), QStringLiteral("1   Boleto nº1")) << "redrawn";
    }
    EXPECT_EQ(w->inicioX, c.x);
    EXPECT_EQ(w->inicioY, c.y);
    EXPECT_EQ(w->Text3[8]->text(), QString::number(c.x));
    EXPECT_EQ(w->Text3[7]->text(), QString::number(c.y));
    EXPECT_EQ(twipRect(w->Frame4).topLeft(), QPointF(3100 + c.x, c.y));
  }
  EXPECT_TRUE(impresora.documents().isEmpty());
}

TEST_F(VentanaQp, UnreadableCalibrationIsReportedAndTheWindowGoesOn) {
  carpeta.write(QStringLiteral("configqp.cfg"), "\"5\"\r\n");
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  ASSERT_GE(dialogos.shown().size(), 3);
  EXPECT_EQ(dialogos.shown()[1].text, errorDescription(ErrorNumber::InputPastEnd) + QStringLiteral("62"));
  EXPECT_EQ(w->inicioX, -30);
  EXPECT_EQ(w->inicioY, 2085);
  EXPECT_EQ(w->Text3[1]->text(), QStringLiteral("0"));
  EXPECT_EQ(w->Text2->text(), QStringLiteral("1   Boleto nº1"));

  // "Cerrar" on a calibration that cannot be written.
  QFile::remove(carpeta.file(QStringLiteral("configqp.cfg")));
  ASSERT_TRUE(QDir(carpeta.path()).mkdir(QStringLiteral("configqp.cfg")));
  dialogos.forget();
  w->Command5->click();
  ASSERT_EQ(dialogos.shown().size(), 1);
  EXPECT_TRUE(dialogos.last().text.contains(QStringLiteral(" Nº  "))) << dialogos.last().text.toStdString();
  EXPECT_FALSE(w->Frame1->isHidden());
}

}  // namespace
