// The keyboard as a desktop user drives the window: access keys of the menu
// bar and of buttons, Enter only on a focused button or where a box uses it,
// Space on a focused button, and no command the mouse's alone.
#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include "tests/quiniela_window/ventana_qp.h"

TEST_F(VentanaQp, MenuAccessKeysWinOverButtonsAndEnterAndSpacePressOnlyTheFocusedButton) {
  carpeta.write("AD243", archivoAD243(8));
  auto w = abre();
  // Shown and active, as the user finds it: shortcuts only reach the active window.
  w->show();
  QApplication::setActiveWindow(w.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
  // "&Imprime Boletos" takes the I from "&Imp. Siguiente" and "Sigu&iente": a run of five from ticket 1.
  QTest::keyClick(w.get(), Qt::Key_I, Qt::AltModifier);
  QTest::keyClick(w.get(), Qt::Key_N, Qt::AltModifier);  // A&nterior, clicked as a button animates it
  EXPECT_TRUE(QTest::qWaitFor([&] { return w->boletoActual == 5; }));
  // Siguiente by Enter and by Space, Imp. Siguiente by the keypad's Enter; a box that does nothing
  // with Enter passes it to no button.
  for (const auto& [control, tecla] : {std::pair<QWidget*, Qt::Key>{w->Command3, Qt::Key_Return},
                                       {w->Command3, Qt::Key_Space},
                                       {w->Command1, Qt::Key_Enter},
                                       {w->Text4, Qt::Key_Return}}) {
    control->setFocus();
    QTest::keyClick(control, tecla, tecla == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
  }
  // Enter in a calibration box applies it and closes the panel.
  QTest::keyClick(w.get(), Qt::Key_C, Qt::AltModifier);  // &Configurar
  w->Text3[6]->setFocus();
  w->Text3[6]->selectAll();
  QTest::keyClicks(w->Text3[6], "12");
  QTest::keyClick(w->Text3[6], Qt::Key_Return);
  EXPECT_EQ(std::tuple(w->boletoActual, impresora.documents().size(), w->tamFuente, w->Frame2->isHidden()),
            std::tuple(8, 6, qint16(12), true));
  // "Restaurar" and the bet boxes answer Space and Enter as a click.
  w->Label16->setFocus();
  QTest::keyClick(w->Label16, Qt::Key_Space);
  w->Text1[1]->setFocus();
  QTest::keyClick(w->Text1[1], Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(std::pair(w->tamFuente, dialogos.last().title),
            std::pair(qint16(7), u"Imprimir parte del boleto!!"_s));
}
