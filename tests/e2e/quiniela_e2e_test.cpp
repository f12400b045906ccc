// The football-pools run of the sample AD243 on the real default printer:
// one page a ticket, every mark at its box, nothing but marks and the
// reference texts.
#include <QAction>
#include <QPushButton>

#include "app/boletos.h"
#include "quiniela/boletoqp.h"
#include "tests/e2e/papel.h"
#include "tests/e2e/programa_real.h"

TEST_F(ProgramaReal, TheFootballPoolsRunPrintsEveryTicketOfTheSampleWithItsMarksInTheirBoxes) {
  const QByteArray ad243 = carpeta.read("AD243");
  const int boletos = int(ad243.size() / 124) - 1;
  ASSERT_EQ(boletos, 5) << "the sample holds five tickets";

  Boletos principal(plataforma, rutaPrograma);
  principal.show();
  dialogos.answer(MessageResult::Ok);   // introduction
  dialogos.answer(MessageResult::Yes);  // AD243
  conVentana<boletoqp>([&] { principal.Command1->click(); },
                       [&](boletoqp& ventana) { ventana.mnuTiqueron->trigger(); });
  const QStringList paginas = impresas(boletos);
  ASSERT_EQ(paginas.size(), boletos) << "one document a ticket";

  for (int t = 1; t <= boletos; ++t) {
    SCOPED_TRACE(testing::Message() << "ticket " << t);
    esBoletoQuiniela(paginas[t - 1], ad243, t);
  }
}
