// "Comprobar apuestas" in the football-pools window: the report in its own
// window, going to a problem's ticket without printing it, and the bar of a
// long check.
#include <QListWidget>
#include <QProgressDialog>
#include <QThread>

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

// A check runs under a bar only once it has taken half a second; cancelling the bar ends it.
TEST_F(VentanaQp, ACheckOverHalfASecondShowsABarThatCancelsIt) {
  const auto barra = [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<QProgressDialog*>(w); b && b->isVisible()) return b;
    return static_cast<QProgressDialog*>(nullptr);
  };
  bool rapidaSinBarra = false, cancelada = false;
  comprobarApuestas(plataforma, rutaPrograma, nullptr, [&](const Progreso& progreso) {
    rapidaSinBarra = progreso(1, 10) && !barra();
    QThread::msleep(550);
    QTimer::singleShot(0, [&] { barra() ? barra()->cancel() : void(); });
    for (int hecho = 2; hecho < 10 && !cancelada; ++hecho) cancelada = !progreso(hecho, 10);
    return std::optional<InformeComprobacion>();
  });
  EXPECT_EQ(std::pair(rapidaSinBarra, cancelada), std::pair(true, true));
}
