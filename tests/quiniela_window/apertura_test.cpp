// The start-up button opens the window modally each time; closing keeps the calibration.
#include <QApplication>
#include <QTimer>

#include "app/boletos.h"
#include "tests/quiniela_window/ventana_qp.h"

TEST_F(VentanaQp, TheStartUpButtonOpensTheWindowEachTime) {
  Boletos principal(plataforma, rutaPrograma);
  principal.show();
  for (int vez = 0; vez < 2; ++vez) {
    dialogos.answer(MessageResult::Ok);
    dialogos.answer(MessageResult::Yes);
    carpeta.write("AD243", archivoAD243(2));
    bool modal = false;
    QTimer::singleShot(0, [&] {
      auto* ventana = qobject_cast<boletoqp*>(QApplication::activeModalWidget());
      ASSERT_NE(ventana, nullptr);
      modal = ventana->isModal() && ventana->boletoActual == 1;
      ventana->Command11_Click();  // moves the grid 25 twips to the right
      ventana->close();
    });
    principal.Command1->click();
    EXPECT_TRUE(modal) << "opening " << vez + 1;
    EXPECT_EQ(camposConfig().value(0), QString::number(-30 + 25 * (vez + 1)));
  }
}
