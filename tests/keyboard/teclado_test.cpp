// The keyboard as a desktop user drives the windows: access keys of the menu
// bar and of buttons, Enter only on a focused button or where a box uses it,
// Space on a focused button, and no command the mouse's alone.
#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QTest>

#include "app/platform/files.h"
#include "help/ayuda.h"
#include "tests/loto_window/ventana_lo.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/ventana_informe.h"

namespace {

// Shown and active, as the user finds it: shortcuts only reach the active window.
void muestra(QWidget& w) {
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

class Teclado : public VentanaQp {
 protected:
  void SetUp() override {
    carpeta.write("AD243", archivoAD243(8));
    carpeta.write("lotoAy.txt", readFileBytes(QStringLiteral(TIQUERON_DATA_DIR) + "lotoAy.txt"));
  }
  // The tickets window's current ticket and pages printed.
  std::pair<int, int> estado(const boletoqp& w) const {
    return {w.boletoActual, int(impresora.documents().size())};
  }
};

TEST_F(Teclado, MenuAccessKeysWinOverButtonsAndTheButtonsKeepTheirOwnWhereNobodyElseClaimsThem) {
  auto w = abre();
  muestra(*w);
  // "&Imprime Boletos" takes the I from "&Imp. Siguiente" and "Sigu&iente".
  EXPECT_EQ(w->Command1->text() + "|" + w->Command3->text() + "|" + w->Command4->text(),
            "Imp. Siguiente|Siguiente|A&nterior");
  QTest::keyClick(w.get(), Qt::Key_I, Qt::AltModifier);  // a run of five from ticket 1
  EXPECT_EQ(estado(*w), std::pair(6, 5));
  QTest::keyClick(w.get(), Qt::Key_N, Qt::AltModifier);  // A&nterior, clicked as a button animates it
  EXPECT_TRUE(QTest::qWaitFor([&] { return w->boletoActual == 5; }));
  QTest::keyClick(w.get(), Qt::Key_R, Qt::AltModifier);  // &Repite Tiqueron
  QTest::keyClick(w.get(), Qt::Key_C, Qt::AltModifier);  // &Configurar
  EXPECT_TRUE(w->Frame2->isVisible());
  QTest::keyClick(w.get(), Qt::Key_H, Qt::AltModifier);  // &Hoja de prueba
  EXPECT_EQ(estado(*w), std::pair(5, 7));
  EXPECT_TRUE(
      conInforme([&] { QTest::keyClick(w.get(), Qt::Key_M, Qt::AltModifier); }));  // Co&mprobar apuestas
}

TEST_F(Teclado, EnterAndSpacePressOnlyTheFocusedButtonAndEnterAppliesTheCalibrationInItsBoxes) {
  auto w = abre();
  muestra(*w);
  // Siguiente twice, then Imp. Siguiente.
  for (const auto& [boton, tecla] :
       {std::pair{w->Command3, Qt::Key_Return}, {w->Command3, Qt::Key_Space}, {w->Command1, Qt::Key_Enter}}) {
    boton->setFocus();
    QTest::keyClick(boton, tecla, tecla == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
  }
  EXPECT_EQ(estado(*w), std::pair(4, 1));
  // Boxes that do nothing with Enter: no button that had the focus before takes it.
  for (QWidget* caja : std::initializer_list<QWidget*>{w->Text4, w->Text5, w->Text2}) {
    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_Return);
    QTest::keyClick(caja, Qt::Key_Enter, Qt::KeypadModifier);
  }
  EXPECT_EQ(estado(*w), std::pair(4, 1));
  w->mnuConfigura_Click();
  w->Text3[6]->setFocus();
  w->Text3[6]->selectAll();
  QTest::keyClicks(w->Text3[6], "12");
  QTest::keyClick(w->Text3[6], Qt::Key_Return);
  EXPECT_EQ(std::tuple(w->tamFuente, w->Frame2->isHidden(), w->tabla[0]->model().font().points, estado(*w)),
            std::tuple(qint16(12), true, 12, std::pair(4, 1)))
      << "applied and closed";
  // "Restaurar" and the bet boxes answer the keys as a click.
  w->inicioY = 3000;
  w->Label16->setFocus();
  QTest::keyClick(w->Label16, Qt::Key_Space);
  EXPECT_NE(w->inicioY, 3000) << "Restaurar";
  w->Text1[1]->setFocus();
  dialogos.forget();
  QTest::keyClick(w->Text1[1], Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(dialogos.shown().size(), 1) << "the partial print question";
}

TEST_F(Teclado, TheHelpIndexAnswersSpaceAndEnterWithoutPrinting) {
  Ayuda ayuda(plataforma, rutaPrograma);
  muestra(ayuda);
  EXPECT_TRUE(ayuda.Command3->hasFocus()) << "INDICE first";
  ayuda.List1->setFocus();
  ayuda.List1->setCurrentRow(10);
  QTest::keyClick(ayuda.List1, Qt::Key_Return);
  QTest::keyClick(ayuda.List1->viewport(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_TRUE(impresora.documents().isEmpty()) << "Imprimir Seleccion was not pressed";
  ayuda.List1->setCurrentRow(8);  // "1. Elegir archivo" in the index
  QTest::keyClick(ayuda.List1, Qt::Key_Space);
  EXPECT_TRUE(ayuda.Command3->hasFocus()) << "the jump gives Space back to INDICE";
  ayuda.List1->clearSelection();
  QTest::keyClick(ayuda.Command3, Qt::Key_Space);  // INDICE
  EXPECT_TRUE(ayuda.List1->item(2)->isSelected());
  ayuda.Command2->setFocus();
  QTest::keyClick(ayuda.Command2, Qt::Key_Return);  // Imprimir Seleccion
  EXPECT_EQ(impresora.documents().size(), 1);
}

class SinRaton : public VentanaLo {};

TEST_F(SinRaton, TheLottoFileListAndTheBetBoxesAnswerSpaceAndEnter) {
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  carpeta.write("AE000012.TXT", archivoLotoTexto('E', 12));
  for (const auto& [archivo, tecla] :
       {std::pair{"AB000017.TXT", Qt::Key_Return}, {"AE000012.TXT", Qt::Key_Space}}) {
    auto w = abre();
    muestra(*w);
    w->File2->setFocus();
    w->File2->setCurrentItem(w->File2->findItems(archivo, Qt::MatchExactly).value(0));
    dialogos.answer(MessageResult::Yes);
    QTest::keyClick(w->File2, tecla);
    EXPECT_EQ(std::pair(w->nomi, w->boletoActual), std::pair(QString(archivo), 1));
    ASSERT_TRUE(w->Text1[2]->focusPolicy() & Qt::TabFocus);
    w->Text1[2]->setFocus();
    dialogos.forget();
    dialogos.answer(MessageResult::Ok);
    QTest::keyClick(w->Text1[2], tecla);
    EXPECT_EQ(std::tuple(int(dialogos.shown().size()), dialogos.last().title, w->Text1[3]->text()),
              std::tuple(1, u"Imprimir parte del boleto!!"_s, QString()))
        << "only the first three bets drawn";
  }
}

}  // namespace
