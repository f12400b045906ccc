// "Comprobar apuestas" in the football-pools window: the report in its own
// window, going to a problem's ticket without printing it, the report saved
// and printed, and the bar of a long check.
#include <QListWidget>
#include <QProgressDialog>
#include <QThread>

#include "app/platform/ansi.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/ventana_informe.h"

TEST_F(VentanaQp, ComprobarApuestasListsTheFirst1000ProblemsGoesToATicketAndSavesAndPrintsThemAll) {
  QList<QByteArray> lineas = archivoTexto(17).split('\n');
  lineas.removeLast();
  lineas[9][0] = 'A';
  for (int i = 0; i < 1000; ++i) lineas << "1\r";
  carpeta.write("Qp07.TXT", lineas.join('\n') + '\n');
  auto w = abre("7");
  const qsizetype impresos = impresora.documents().size();
  const QStringList totales{u"Archivo: Qp07.TXT"_s,
                            u"Apuestas: 1017"_s,
                            u"Boletos: 128"_s,
                            u"Apuestas de menos de 14 signos: 1000"_s,
                            u"Apuestas con un signo que no es 1, X ni 2: 1"_s,
                            u"Problemas: 1001"_s};
  const QString primera = u"Apuesta 10 (boleto 2, línea 10): partido 1, signo «A» no es 1, X ni 2"_s;
  const QString ultima = u"Apuesta 1017 (boleto 128, línea 1017): tiene 1 signo, menos de 14"_s;

  const auto enInforme = [&](VentanaComprobacion& v) {
    EXPECT_EQ(v.Label1->text().split('\n'), totales);
    EXPECT_EQ(v.List1->count(), 1000);
    EXPECT_EQ(v.List1->item(0)->text(), primera);
    EXPECT_EQ(v.Label2->text(), u"Y 1 problema más, que el informe guardado o impreso recoge."_s);

    v.Command2->click();
    EXPECT_EQ(dialogos.last().text, u"Informe guardado en "_s + carpeta.file("Comprobacion_Qp07.TXT"));
    const QStringList guardado = decodeAnsi(carpeta.read("Comprobacion_Qp07.TXT")).split(u"\r\n"_s);
    EXPECT_EQ(guardado.mid(0, 8), totales + QStringList({QString(), primera}));
    EXPECT_EQ(guardado.mid(1007), (QStringList{ultima, QString()}));
    EXPECT_TRUE(carpeta.read("Comprobacion_Qp07.TXT")
                    .contains("\xAB"
                              "A\xBB"));  // « and » in Windows-1252

    v.Command3->click();
    ASSERT_EQ(impresora.documents().size(), impresos + 1);
    const QString papel = pdfText(impresora.documents().last());
    EXPECT_TRUE(papel.contains(primera) && papel.contains(ultima));

    v.List1->setCurrentRow(0);
    v.Command1->click();
  };
  EXPECT_TRUE(conInforme([&] { w->mnuComprobar->trigger(); }, enInforme));
  EXPECT_EQ(w->boletoActual, 2);
  EXPECT_EQ(w->Text2->text(), u"128   Boleto nº2"_s);
  EXPECT_EQ(impresora.documents().size(), impresos + 1) << "the ticket is shown, not printed";
}

// A check is run under a bar only once it has taken half a second; cancelling
// the bar ends it and shows no report.
TEST_F(VentanaQp, ACheckOverHalfASecondShowsABarThatCancelsIt) {
  const auto barra = [] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<QProgressDialog*>(w); b && b->isVisible()) return b;
    return static_cast<QProgressDialog*>(nullptr);
  };
  bool rapidaSinBarra = false, cancelada = false;
  const auto lenta = [&](const Progreso& progreso) -> std::optional<InformeComprobacion> {
    rapidaSinBarra = progreso(1, 10) && !barra();
    QThread::msleep(550);
    QTimer::singleShot(0, [&] {
      if (QProgressDialog* b = barra()) b->cancel();
    });
    for (int hecho = 2; hecho < 10; ++hecho)
      if (!progreso(hecho, 10)) {
        cancelada = true;
        return std::nullopt;
      }
    return InformeComprobacion("Qp07.TXT", {}, 8);
  };
  EXPECT_FALSE(conInforme([&] { comprobarApuestas(plataforma, rutaPrograma, nullptr, lenta); }));
  EXPECT_TRUE(rapidaSinBarra);
  EXPECT_TRUE(cancelada);
  EXPECT_EQ(barra(), nullptr);
}
