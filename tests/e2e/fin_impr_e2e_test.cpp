// A stopped default printer takes the tickets without a word; "Fin Impr" then cancels them and only
// them, and nothing reaches paper once the printer runs again.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "app/boletos.h"
#include "loto/boletolo.h"
#include "tests/e2e/programa_real.h"

TEST_F(ProgramaReal, FinImprCancelsTheTicketsHeldInAStoppedQueueAndOnlyThem) {
#ifndef TIQUERON_E2E_WITH_CUPS
  GTEST_SKIP() << "built without CUPS: the program cannot reach the queue's jobs";
#endif
  const QStringList deAntes = cola.trabajos();
  if (!cola.detiene(true)) GTEST_SKIP() << "this user may not stop the queue " << cola.nombre().toStdString();
  // The queue runs again however the test ends.
  const std::shared_ptr<void> reanuda(nullptr, [this](void*) { cola.detiene(false); });
  const QStringList archivos = cola.archivos();
  // Another program's document, waiting in the same queue.
  bool enviado = false;
  const QString otro =
      QString::fromUtf8(ejecuta("lp", {"-d", cola.nombre(), carpeta.file("lotoAy.txt")}, &enviado))
          .section(' ', 3, 3);
  EXPECT_TRUE(enviado && !otro.isEmpty()) << "lp could not send a job";

  QStringList retenidos, quedan;
  Boletos principal(plataforma, carpeta.path());
  principal.show();
  conVentana<boletoLO>(
      [&] { principal.Command2->click(); },
      [&](boletoLO& ventana) {
        ventana.File2->setCurrentItem(ventana.File2->findItems("AB000017.TXT", Qt::MatchExactly).value(0));
        dialogos.answer(MessageResult::Yes);
        ventana.File2_Click();
        dialogos.forget();
        ventana.Command10->click();  // Imprime Siguiente: tickets 2 and 3
        ventana.Command10->click();
        retenidos = cola.trabajos();
        ventana.mnuFI->trigger();
        quedan = cola.trabajos();
      });
  for (const QString& id : deAntes + QStringList{otro}) {
    retenidos.removeAll(id);
    EXPECT_TRUE(quedan.contains(id)) << id.toStdString() << ", not the program's, was cancelled";
  }
  EXPECT_EQ(retenidos.size(), 2) << "the two tickets wait in the stopped queue";
  EXPECT_TRUE(dialogos.shown().isEmpty()) << "a box came up: " << dialogos.last().text.toStdString();
  EXPECT_EQ(cola.archivos(), archivos) << "a stopped printer printed";
  for (const QString& id : retenidos)
    EXPECT_FALSE(quedan.contains(id)) << id.toStdString() << " is still queued";

  ejecuta("cancel", {otro});
  cola.detiene(false);
  EXPECT_TRUE(impresas(0).isEmpty()) << "a cancelled ticket reached paper";
}
