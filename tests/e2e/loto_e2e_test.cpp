// The sample lotto games printed on the real default printer from the
// start-up window: the first ticket's marks at their boxes, the info label
// and the fixed "X", nothing else on the sheet; and a ticket sent to the
// printer while it is stopped.
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "app/boletos.h"
#include "loto/boletolo.h"
#include "tests/e2e/papel.h"
#include "tests/e2e/programa_real.h"

namespace {

class LotoReal : public ProgramaReal {
 protected:
  // From the start-up window on `programa`, the lotto window on `nombre`
  // (its choice box answered "Yes"), then "Imprime Boleto Actual".
  void imprimeActual(const QString& programa, const QString& nombre) {
    Boletos principal(plataforma, programa);
    principal.show();
    conVentana<boletoLO>([&] { principal.Command2->click(); },
                         [&](boletoLO& ventana) {
                           const auto listado = ventana.File2->findItems(nombre, Qt::MatchExactly);
                           ASSERT_EQ(listado.size(), 1) << "not in the file list";
                           ventana.File2->setCurrentItem(listado.first());
                           dialogos.answer(MessageResult::Yes);  // Imprimir
                           ventana.File2_Click();
                           dialogos.forget();
                           ventana.Command11->click();
                         });
  }
};

}  // namespace

TEST_F(LotoReal, EachSampleLottoGamePrintsItsFirstTicketWithEveryMarkInItsBox) {
  for (const CasoLoto& c : kCasosLoto) {
    SCOPED_TRACE(c.nombre);
    // A fresh program folder each time: the lotto window keeps its position in configloi.cfg.
    TempFolder programa;
    copiaDatos(programa);
    if (HasFatalFailure()) return;
    imprimeActual(programa.path(), c.nombre);
    const QStringList paginas = impresas(1);
    ASSERT_EQ(paginas.size(), 1);
    esBoletoLoto(paginas.first(), programa.read(c.nombre), c);
  }
}

// A stopped default printer takes the ticket without a word or a wait, and
// the ticket comes out whole once the printer runs again.
TEST_F(LotoReal, AStoppedPrinterHoldsTheTicketUntilItRunsAgain) {
  const CasoLoto& c = kCasosLoto[0];
  const QStringList deAntes = cola().trabajos();
  std::optional<ColaDetenida> detenida(cola());
  if (!detenida->detenida())
    GTEST_SKIP() << "this user may not stop the queue " << cola().nombre().toStdString();
  const QStringList archivosAntes = cola().archivos();

  imprimeActual(rutaPrograma, c.nombre);
  QStringList retenidos = cola().trabajos();
  for (const QString& id : deAntes) retenidos.removeAll(id);
  EXPECT_EQ(retenidos.size(), 1) << "the ticket waits in the stopped queue";
  EXPECT_TRUE(dialogos.shown().isEmpty()) << "a box came up: " << dialogos.last().text.toStdString();
  EXPECT_EQ(cola().archivos(), archivosAntes) << "a stopped printer printed";

  detenida.reset();
  const QStringList paginas = impresas(1);
  ASSERT_EQ(paginas.size(), 1) << "the held ticket never came out";
  esBoletoLoto(paginas.first(), carpeta.read(c.nombre), c);
}
