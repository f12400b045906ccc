// "Comprobar apuestas" in the football-pools window: the report in its own
// window and going to a problem's ticket without printing it.
#include <QListWidget>

#include "app/comprobacion/ventana_comprobacion.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/ventana_modal.h"

TEST_F(VentanaQp, ComprobarApuestasListsTheFirst1000ProblemsAndGoesToATicket) {
  QList<QByteArray> lineas = archivoTexto(17).split('\n');
  lineas.removeLast();
  lineas[9][0] = 'A';
  for (int i = 0; i < 1000; ++i) lineas << "1\r";
  carpeta.write("Qp07.TXT", lineas.join('\n') + '\n');
  auto w = abre("7");
  conVentana<VentanaComprobacion>(
      [&] { w->mnuComprobar->trigger(); },
      [&](VentanaComprobacion& v) {
        EXPECT_EQ(
            std::tuple(v.Label1->text(), v.List1->count(), v.List1->item(0)->text(), v.Label2->text()),
            std::tuple(
                u"Archivo: Qp07.TXT\nApuestas: 1017\nBoletos: 128\nApuestas de menos de 14 signos: 1000\n"
                "Apuestas con un signo que no es 1, X ni 2: 1\nProblemas: 1001"_s,
                1000, u"Apuesta 10 (boleto 2, línea 10): partido 1, signo «A» no es 1, X ni 2"_s,
                u"Y 1 problema más, que el informe guardado o impreso recoge."_s));
        v.List1->setCurrentRow(0);
        v.Command1->click();
      });
  EXPECT_EQ(std::tuple(w->Text2->text(), impresora.documents().size()), std::tuple(u"128   Boleto nº2"_s, 0));
}
