// The keyboard as a desktop user drives the windows: access keys of the menu
// bar and of buttons, Enter only on a focused button or where a box uses it,
// Space on a focused button.
#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>
#include <QTest>

#include "app/platform/files.h"
#include "help/ayuda.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/ventana_informe.h"

namespace {

// Shown and active, as the user finds it: shortcuts only reach the active window.
template <typename Ventana>
void muestra(Ventana& w) {
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

class Teclado : public VentanaQp {
 protected:
  void SetUp() override { carpeta.write("AD243", archivoAD243(8)); }
};

TEST_F(Teclado, MenuAccessKeysWinOverButtonsAndTheButtonsKeepTheirOwnWhereNobodyElseClaimsThem) {
  auto w = abre();
  muestra(*w);
  // "&Imprime Boletos" takes the I from "&Imp. Siguiente" and "Sigu&iente".
  QStringList captions;
  for (QPushButton* b : {w->Command1, w->Command3, w->Command4}) captions << b->text();
  EXPECT_EQ(captions, QStringList({"Imp. Siguiente", "Siguiente", "A&nterior"}));
  QStringList menus;
  for (QAction* a : w->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, QStringList({"&Abrir archivo", "&Configurar", "&Imprime Boletos", "&Repite Tiqueron ",
                                "&Problemas Impr", "A&yuda", "Co&mprobar apuestas"}));

  QTest::keyClick(w.get(), Qt::Key_I, Qt::AltModifier);  // a run of five from ticket 1
  EXPECT_EQ(impresora.documents().size(), 5);
  EXPECT_EQ(w->boletoActual, 6);
  QTest::keyClick(w.get(), Qt::Key_N, Qt::AltModifier);  // A&nterior, clicked as a button animates it
  EXPECT_TRUE(QTest::qWaitFor([&] { return w->boletoActual == 5; }));
  QTest::keyClick(w.get(), Qt::Key_R, Qt::AltModifier);  // &Repite Tiqueron
  EXPECT_EQ(impresora.documents().size(), 6);
  QTest::keyClick(w.get(), Qt::Key_C, Qt::AltModifier);  // &Configurar
  EXPECT_TRUE(w->Frame2->isVisible());
  EXPECT_TRUE(conInforme([&] { QTest::keyClick(w.get(), Qt::Key_M, Qt::AltModifier); }));  // Co&mprobar apuestas
}

TEST_F(Teclado, EnterPressesOnlyTheFocusedButtonAndAppliesTheCalibrationInItsBoxes) {
  auto w = abre();
  muestra(*w);
  w->Command3->setFocus();  // Siguiente
  QTest::keyClick(w->Command3, Qt::Key_Return);
  EXPECT_EQ(w->boletoActual, 2);
  QTest::keyClick(w->Command3, Qt::Key_Space);
  EXPECT_EQ(w->boletoActual, 3);
  w->Command1->setFocus();  // Imp. Siguiente
  QTest::keyClick(w->Command1, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(std::pair(w->boletoActual, int(impresora.documents().size())), std::pair(4, 1));
  // Boxes that do nothing with Enter: no button that had the focus before takes it.
  for (QWidget* caja : std::initializer_list<QWidget*>{w->Text4, w->Text5, w->Text2}) {
    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_Return);
    QTest::keyClick(caja, Qt::Key_Enter, Qt::KeypadModifier);
  }
  EXPECT_EQ(std::pair(w->boletoActual, int(impresora.documents().size())), std::pair(4, 1));

  w->mnuConfigura_Click();
  w->Text3[6]->setFocus();
  w->Text3[6]->selectAll();
  QTest::keyClicks(w->Text3[6], "12");
  QTest::keyClick(w->Text3[6], Qt::Key_Return);
  EXPECT_EQ(w->tamFuente, 12);
  EXPECT_TRUE(w->Frame2->isHidden()) << "applied and closed";
  EXPECT_EQ(w->tabla[0]->model().font().points, 12);
  EXPECT_EQ(impresora.documents().size(), 1);
}

TEST_F(Teclado, EnterOnAHelpEntryPrintsNothingSpaceAndEnterOnAFocusedButtonPress) {
  carpeta.write("lotoAy.txt", readFileBytes(QStringLiteral(TIQUERON_DATA_DIR) + "lotoAy.txt"));
  Ayuda ayuda(plataforma, rutaPrograma);
  muestra(ayuda);
  EXPECT_TRUE(ayuda.Command3->hasFocus()) << "INDICE first";
  ayuda.List1->setFocus();
  ayuda.List1->setCurrentRow(10);
  QTest::keyClick(ayuda.List1, Qt::Key_Return);
  QTest::keyClick(ayuda.List1->viewport(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(impresora.documents().isEmpty()) << "Imprimir Seleccion was not pressed";

  ayuda.List1->clearSelection();
  ayuda.Command3->setFocus();
  QTest::keyClick(ayuda.Command3, Qt::Key_Space);  // INDICE
  EXPECT_TRUE(ayuda.List1->item(2)->isSelected());
  ayuda.Command2->setFocus();
  QTest::keyClick(ayuda.Command2, Qt::Key_Return);  // Imprimir Seleccion
  EXPECT_EQ(impresora.documents().size(), 1);
}

}  // namespace
