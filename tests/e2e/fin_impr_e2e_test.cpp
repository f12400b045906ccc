// "Fin Impr" on the real queue: tickets held in a stopped queue are
// cancelled, another program's job is left alone, and nothing is printed
// once the queue runs again.
#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "app/boletos.h"
#include "loto/boletolo.h"
#include "tests/e2e/programa_real.h"

TEST_F(ProgramaReal, FinImprCancelsTheTicketsStillHeldInTheQueueAndOnlyThem) {
  if (!ColaPdf::conTitulos()) GTEST_SKIP() << "built without CUPS: the program cannot reach the queue's jobs";
  const QStringList deAntes = cola().trabajos();
  std::optional<ColaDetenida> detenida(cola());
  if (!detenida->detenida())
    GTEST_SKIP() << "this user may not stop the queue " << cola().nombre().toStdString();

  // Another program's document, waiting in the same queue.
  bool enviado = false;
  const QString otro =
      QString::fromUtf8(ejecuta(QStringLiteral("lp"),
                                {"-d", cola().nombre(), "-t", "Otro programa", carpeta.file("lotoAy.txt")},
                                &enviado))
          .section(QLatin1Char(' '), 3, 3);
  ASSERT_TRUE(enviado && !otro.isEmpty()) << "lp could not send a job";

  QStringList retenidos, quedan;
  Boletos principal(plataforma, rutaPrograma);
  principal.show();
  conVentana<boletoLO>([&] { principal.Command2->click(); },
                       [&](boletoLO& ventana) {
                         const auto listado = ventana.File2->findItems("AB000017.TXT", Qt::MatchExactly);
                         ASSERT_EQ(listado.size(), 1);
                         ventana.File2->setCurrentItem(listado.first());
                         dialogos.answer(MessageResult::Yes);
                         ventana.File2_Click();
                         ventana.Command10->click();  // Imprime Siguiente: tickets 2 and 3
                         ventana.Command10->click();
                         retenidos = cola().trabajosTitulados(QStringLiteral("Tiqueron"));
                         ventana.mnuFI->trigger();
                         quedan = cola().trabajos();
                       });
  EXPECT_EQ(retenidos.size(), 2) << "the two tickets wait in the stopped queue";
  for (const QString& id : retenidos)
    EXPECT_FALSE(quedan.contains(id)) << id.toStdString() << " is still queued";
  EXPECT_TRUE(quedan.contains(otro)) << "another program's job was cancelled too";
  for (const QString& id : deAntes) EXPECT_TRUE(quedan.contains(id)) << id.toStdString();

  ejecuta(QStringLiteral("cancel"), {otro});
  detenida.reset();
  EXPECT_TRUE(impresas(0).isEmpty()) << "a cancelled ticket reached paper";
}
