// Each sample lotto game printed on the real default printer from the
// start-up window: its first ticket's marks at their boxes, the info label
// and the fixed "X", nothing else on the sheet.
#include <QLineF>
#include <QListWidget>
#include <QPushButton>

#include "app/boletos.h"
#include "loto/boletolo.h"
#include "tests/e2e/programa_real.h"
#include "tests/support/formulario_loto.h"

namespace {

// The bets of a sample file as seven two-digit fields each: text lines, or
// after a six-byte header seven bytes a bet, each the field plus 46.
QVector<QVector<int>> apuestas(const QByteArray& datos, bool binario) {
  QVector<QVector<int>> todas;
  if (binario) {
    for (qsizetype i = 6; i + 7 <= datos.size(); i += 7) {
      QVector<int> campos;
      for (int k = 0; k < 7; ++k) campos << int(uchar(datos[i + k])) - 46;
      todas << campos;
    }
    return todas;
  }
  for (const QByteArray& linea : datos.split('\n')) {
    if (linea.trimmed().size() < 14) continue;
    QVector<int> campos;
    for (int k = 0; k < 7; ++k) campos << linea.mid(2 * k, 2).toInt();
    todas << campos;
  }
  return todas;
}

}  // namespace

TEST_F(ProgramaReal, EachSampleLottoGamePrintsItsFirstTicketWithEveryMarkInItsBox) {
  // Where data/configloi.cfg (the ticket at the left of the sheet) and each
  // game's own position put the ticket: frame left and top, the info label's left.
  const struct {
    const char* nombre;
    int apuestasBoleto;
    double izquierda, arriba, info;
  } casos[] = {{"AB000017.TXT", 8, 1505, 80, 4485},
               {"AP000017.TXT", 8, 1505, 80, 4485},
               {"AG000014.TXT", 6, 3190, 130, 7690},
               {"AE000012.TXT", 5, 1860, 605, 4815},
               {"AB000020.LOT", 8, 1505, 80, 4485}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nombre);
    const QString nombre = c.nombre;
    const char juego = c.nombre[1];
    // A fresh program folder each time: the lotto window keeps its position in configloi.cfg.
    TempFolder programa;
    copiaDatos(programa);
    if (HasFatalFailure()) return;

    Boletos principal(plataforma, programa.path());
    principal.show();
    conVentana<boletoLO>([&] { principal.Command2->click(); },
                         [&](boletoLO& ventana) {
                           const auto listado = ventana.File2->findItems(nombre, Qt::MatchExactly);
                           ASSERT_EQ(listado.size(), 1) << "not in the file list";
                           ventana.File2->setCurrentItem(listado.first());
                           dialogos.answer(MessageResult::Yes);  // Imprimir
                           ventana.File2_Click();
                           ventana.Command11->click();  // Imprime Boleto Actual
                         });
    const QStringList paginas = impresas(1);
    ASSERT_EQ(paginas.size(), 1);
    const QString& pdf = paginas.first();
    EXPECT_EQ(pdfPageCount(pdf), 1);

    // The first ticket's boxes, and the areas of the labels that reach paper.
    const QVector<QVector<int>> boleto =
        apuestas(programa.read(nombre), nombre.endsWith(".LOT")).mid(0, c.apuestasBoleto);
    ASSERT_EQ(boleto.size(), c.apuestasBoleto);
    const FormularioLoto formulario = formularioLoto(juego, c.izquierda, c.arriba);
    const QVector<CajaEsperada> marcas = formulario.marcas(boleto);
    const QRect fija = formulario.fija;
    const QRect info(int(c.info), 1740, 945, 1650);

    QRect zona;
    for (const CajaEsperada& e : marcas) zona |= e.caja;
    const PageInk tinta(pdf, 1, zona.adjusted(-20, -20, 20, 20));
    for (const CajaEsperada& e : marcas) {
      const std::optional<QPointF> centro = tinta.centreIn(e.caja);
      ASSERT_TRUE(centro) << "no ink in the box centred at " << e.centro.x() << ", " << e.centro.y();
      EXPECT_LE(QLineF(*centro, e.centro).length(), kTolerancia)
          << "ink centred at " << centro->x() << ", " << centro->y() << ", box centre " << e.centro.x()
          << ", " << e.centro.y();
    }
    const PaginaEntera pagina(pdf);
    ASSERT_TRUE(pagina.leida());
    EXPECT_TRUE(pagina.tintaEn(info)) << "the info label";
    EXPECT_TRUE(pagina.tintaEn(fija)) << "the fixed X";
    QVector<QRect> permitidas = {info, fija};
    for (const CajaEsperada& e : marcas) permitidas << e.caja;
    sinTintaFuera(pagina, permitidas);
  }
}
