// The work screen: layout, texts, menus, boxes and the help line.
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "app/boletos.h"
#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "quiniela/textos_boletoqp.h"
#include "tests/quiniela_window/ventana_qp.h"

namespace {

void raton(QWidget* control, QEvent::Type tipo) {
  const QPointF dentro(3, 3);
  const Qt::MouseButton boton = tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent evento(tipo, dentro, control->mapToGlobal(dentro), boton,
                     tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(control, &evento);
}

TEST_F(VentanaQp, PanelsAndTicketFollowTheMargin) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  EXPECT_EQ(w->clientWidthTwips(), 11260);
  EXPECT_EQ(w->clientHeightTwips(), 10300);
  const struct {
    QWidget* control;
    QRectF rect;
  } casos[] = {
      {w->Frame1, {9115, 2385, 1905, 4725}}, {w->Frame3, {9355, 75, 1440, 1995}},
      {w->Frame2, {10, 75, 5205, 1905}},     {w->Frame4, {3070, 2085, 4650, 5400}},
      {w->tablaq[1], {30, 4500, 285, 885}},  {w->Tregla2, {4380, -240, 285, 5505}},
  };
  for (const auto& c : casos) EXPECT_EQ(twipRect(c.control), c.rect) << c.control->metaObject()->className();
  EXPECT_EQ(w->Text3[2], nullptr);
  EXPECT_EQ(w->Text3[3], nullptr);
  EXPECT_TRUE(w->Frame2->isHidden());
  EXPECT_EQ(w->Text2->palette().color(w->Text2->backgroundRole()), qbColor(2));
  EXPECT_EQ(w->Tregla->textMatrix(0, 0), QStringLiteral("14"));
  EXPECT_EQ(w->Tregla2->textMatrix(25, 0), QStringLiteral("8"));
}

TEST_F(VentanaQp, MenusInOrder) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  QStringList textos;
  for (QAction* menu : w->menuBar()->actions()) {
    textos << menu->text();
    EXPECT_EQ(menu->menu(), nullptr);
  }
  EXPECT_EQ(textos, QStringList({QStringLiteral("&Abrir archivo"), QStringLiteral("&Configurar"),
                                 QStringLiteral("&Imprime Boletos"), QStringLiteral("&Repite Tiqueron "),
                                 QStringLiteral("&Problemas Impr"), QStringLiteral("A&yuda")}));
  dialogos.forget();
  w->mnuConfigura->trigger();
  EXPECT_FALSE(w->Frame2->isHidden());
  w->mnuP->trigger();
  ASSERT_EQ(dialogos.shown().size(), 1);
  const ShownBox& consejo = dialogos.last();
  EXPECT_EQ(consejo.icon, MessageIcon::Information);
  EXPECT_EQ(consejo.title, textosqp::lineaCredito);
  const QStringList lineas = consejo.text.split(QLatin1Char('\n'));
  ASSERT_EQ(lineas.size(), 15);
  EXPECT_EQ(lineas[0], QStringLiteral("       Si la impresora detecta códigos y pasa del boleto"));
  EXPECT_EQ(lineas[11], QStringLiteral("  El papel del boleto es de 104 x 150 mm o aproximado."));
  EXPECT_EQ(lineas[12], QString());
  EXPECT_EQ(lineas[14], QStringLiteral(" poner margen Izquierdo a 3100."));
}

TEST_F(VentanaQp, IntroductionAndInstructions) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  const ShownBox& presentacion = dialogos.shown()[0];
  EXPECT_EQ(presentacion.icon, MessageIcon::Exclamation);
  EXPECT_EQ(presentacion.title, textosqp::lineaCredito + QStringLiteral("    Impresión de QUINIELAS!!!"));
  EXPECT_TRUE(presentacion.text.startsWith(
      QStringLiteral("   IMPRIME BOLETOS SENCILLOS DE QUINIELAS DE FUTBOL DE ESPAÑA\n \n")));
  const QStringList instrucciones = w->Label14->text().split(QLatin1Char('\n'));
  ASSERT_EQ(instrucciones.size(), 8);
  EXPECT_EQ(instrucciones[2], QStringLiteral("      IMPRESIÓN DE BOLETOS QUINIELÍSTICOS"));
  EXPECT_TRUE(instrucciones[7].endsWith(QStringLiteral("               Inicio: -30, 2085")));
  EXPECT_EQ(rutaPrograma, carpeta.path()) << "the folder handed in is kept";
}

TEST_F(VentanaQp, HelpLineFollowsThePointer) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  namespace a = textosqp::ayuda;
  const struct {
    QWidget* control;
    QEvent::Type suceso;
    const QString& texto;
  } casos[] = {
      {w->Command1, QEvent::MouseMove, a::impSiguiente},
      {w->Command8, QEvent::MouseMove, a::repite},
      {w->Command3, QEvent::MouseButtonRelease, a::siguiente},
      {w->Command4, QEvent::MouseButtonPress, a::anterior},
      {w->Command7, QEvent::MouseMove, a::atrasRapido},
      {w->Command11, QEvent::MouseMove, a::derecha},
      {w->Command9, QEvent::MouseMove, a::izquierda},
      {w->Command2, QEvent::MouseMove, a::abajo},
      {w->Command10, QEvent::MouseMove, a::arriba},
      {w->Frame3, QEvent::MouseMove, a::cruz},
      {w->Label16, QEvent::MouseMove, a::restaurar},
      {w->Text5, QEvent::MouseMove, a::paso},
      {w->Frame2, QEvent::MouseMove, a::configuracion},
      {w->Command5, QEvent::MouseMove, a::cerrar},
      {w->Text3[1], QEvent::MouseMove, a::casillaConfiguracion},
      {w->Text3[8], QEvent::MouseMove, a::casillaConfiguracion},
      {w->Text1[0], QEvent::MouseMove, a::columnas},
      {w->Text1[7], QEvent::MouseMove, a::columnas},
      {w->Text4, QEvent::MouseMove, a::jornada},
      {w->client(), QEvent::MouseMove, a::ventana},
  };
  for (const auto& c : casos) {
    w->Label13->setText(QStringLiteral("-"));
    raton(c.control, c.suceso);
    EXPECT_EQ(w->Label13->text(), c.texto) << c.control->metaObject()->className();
  }
  // Moves over the bet-count box or a button with no text of its own leave the line alone.
  w->Label13->setText(QStringLiteral("-"));
  raton(w->Text3[0], QEvent::MouseMove);
  raton(w->Command6, QEvent::MouseMove);
  EXPECT_EQ(w->Label13->text(), QStringLiteral("-"));
}

TEST_F(VentanaQp, MatchdayBoxClickEmptiesItUntilTheNextRedraw) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(2, QStringLiteral("31")));
  auto w = abreAD243();
  raton(w->Text4, QEvent::MouseButtonPress);
  raton(w->Text4, QEvent::MouseButtonRelease);
  EXPECT_EQ(w->Text4->text(), QStringLiteral("  "));
  w->Command3->click();
  EXPECT_EQ(w->Text4->text(), QStringLiteral("31"));
}

TEST_F(VentanaQp, FootballPoolsButtonOpensTheWindowModally) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  Boletos inicio(plataforma, rutaPrograma);
  QString abierta;
  int abiertas = 0;
  for (int vez = 0; vez < 2; ++vez) {
    dialogos.answer(MessageResult::Ok);
    dialogos.answer(MessageResult::Yes);
    QTimer::singleShot(0, [&] {
      auto* ventana = qobject_cast<boletoqp*>(QApplication::activeModalWidget());
      ASSERT_NE(ventana, nullptr);
      abierta = ventana->nombreArchivo;
      ++abiertas;
      ventana->Command11->click();
      ventana->close();
    });
    inicio.Command1->click();
  }
  EXPECT_EQ(abiertas, 2);
  EXPECT_EQ(abierta, QStringLiteral("AD243"));
  EXPECT_EQ(camposConfig().at(0), QStringLiteral("20")) << "saved on closing, twice";
}

TEST_F(VentanaQp, HelpMenuOpensTheHelpWindowModally) {
  carpeta.write(QStringLiteral("AD243"), archivoAD243(1));
  auto w = abreAD243();
  QString abierta;
  QTimer::singleShot(0, [&] {
    QWidget* ventana = QApplication::activeModalWidget();
    ASSERT_NE(ventana, nullptr);
    abierta = QString::fromLatin1(ventana->metaObject()->className());
    ventana->close();
  });
  w->mnuAyuda->trigger();
  EXPECT_EQ(abierta, QStringLiteral("Ayuda"));
}

}  // namespace
