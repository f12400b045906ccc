// The football-pools run of the sample AD243 on the real default printer:
// one page a ticket, every mark at its box, nothing but marks and the
// reference texts.
#include <QAction>
#include <QPushButton>

#include "app/boletos.h"
#include "quiniela/boletoqp.h"
#include "tests/e2e/programa_real.h"
#include "tests/support/formulario_quiniela.h"
#include "tests/support/tinta_centrada.h"

namespace {

// A new configqp.cfg: margin 3100, the grid frame 30 twips left of it and 2085 down.
constexpr double kMargen = 3100, kInicioX = -30, kInicioY = 2085;

// Ticket t of an AD243: its record's 112 signs and the two Pleno al 15 signs.
QString registro(const QByteArray& ad243, int t) {
  return QString::fromLatin1(ad243.mid(124 * t + 10, 114));
}

// A reference text drawn from its pen position: where its glyphs may lie.
QRect areaTexto(double x, double y, const QString& texto) {
  return QRectF(x - 30, y - 10, 140.0 * texto.size() + 40, 210).toAlignedRect();
}

}  // namespace

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
    const QString& pdf = paginas[t - 1];
    EXPECT_EQ(pdfPageCount(pdf), 1);
    const QVector<CajaEsperada> marcas =
        FormularioQuiniela{{kMargen + kInicioX, kInicioY}}.marcas(registro(ad243, t));
    const double derecha = kMargen + 4820 + kInicioX;
    const QVector<QRect> textos = {areaTexto(kMargen + 3600, 1900, "AD243...."),
                                   areaTexto(derecha, 3600, "J07"),
                                   areaTexto(derecha, 4410, "40"),
                                   areaTexto(derecha, 4610, QString::number(8 * t)),
                                   areaTexto(derecha, 5010, "5"),
                                   areaTexto(derecha, 5210, QString::number(t))};

    // The marks in detail, the rest of the sheet coarsely.
    tintaCentrada(tintaDeMarcas(pdf, marcas), marcas, kTolerancia);
    if (HasFatalFailure()) return;
    const PaginaEntera pagina(pdf);
    ASSERT_TRUE(pagina.leida());
    for (const QRect& r : textos) EXPECT_TRUE(pagina.tintaEn(r)) << "no text at " << r.x() << ", " << r.y();
    QVector<QRect> permitidas = textos;
    for (const CajaEsperada& m : marcas) permitidas << m.caja;
    sinTintaFuera(pagina, permitidas);
  }
}
