// The calibration test sheet of both ticket windows on the real default
// printer, opened from the start-up window on the sample files: every box
// outline and ruler tick at its place, the first ticket's marks in their
// boxes, the values below the window, nothing else.
#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include "app/boletos.h"
#include "loto/boletolo.h"
#include "quiniela/boletoqp.h"
#include "tests/e2e/papel.h"
#include "tests/e2e/programa_real.h"
#include "tests/support/formulario_quiniela.h"
#include "tests/support/hoja_en_papel.h"

namespace {

const double kToleranciaLineas = 0.1 * kTwipsPerMm;

// The sheet's one page, with the values written below the window.
void compruebaPagina(const QString& pdf, const HojaEsperada& hoja) {
  EXPECT_EQ(pdfPageCount(pdf), 1);
  compruebaHoja(pdf, hoja, kToleranciaLineas, kTolerancia);
  EXPECT_TRUE(PaginaEntera(pdf).tintaEn(QRect(400, int(hoja.altoVentana), 8000, 1500)))
      << "no values written";
}

}  // namespace

TEST_F(ProgramaReal, TheFootballPoolsTestSheetOutlinesTheFormWithTheFirstTicketsMarks) {
  Boletos principal(plataforma, rutaPrograma);
  principal.show();
  dialogos.answer(MessageResult::Ok);   // introduction
  dialogos.answer(MessageResult::Yes);  // AD243
  double alto = 0;
  conVentana<boletoqp>([&] { principal.Command1->click(); },
                       [&](boletoqp& ventana) {
                         alto = ventana.clientHeightTwips();
                         ventana.mnuHoja->trigger();
                       });
  const QStringList paginas = impresas(1);
  ASSERT_EQ(paginas.size(), 1);

  // A new configqp.cfg: margin 3100, the grid frame 30 twips left of it and 2085 down.
  const FormularioQuiniela formulario{{3100 - 30, 2085}};
  const QString signos = QString::fromLatin1(carpeta.read("AD243").mid(124 + 10, 114));
  HojaEsperada hoja{formulario.cajas(), formulario.marcas(signos), {}, alto};
  hoja.cajas += lugaresTextos(formulario, 3100, {"AD243....", "J07", "40", "8", "5", "1"});
  compruebaPagina(paginas.first(), hoja);
}

TEST_F(ProgramaReal, TheLottoTestSheetOutlinesTheOpenGamesFormWithTheFirstTicketsMarks) {
  Boletos principal(plataforma, rutaPrograma);
  principal.show();
  double alto = 0;
  conVentana<boletoLO>([&] { principal.Command2->click(); },
                       [&](boletoLO& ventana) {
                         const auto listado = ventana.File2->findItems("AE000012.TXT", Qt::MatchExactly);
                         ASSERT_EQ(listado.size(), 1);
                         ventana.File2->setCurrentItem(listado.first());
                         dialogos.answer(MessageResult::Yes);
                         ventana.File2_Click();
                         alto = ventana.clientHeightTwips();
                         ventana.mnuHoja->trigger();
                       });
  const QStringList paginas = impresas(1);
  ASSERT_EQ(paginas.size(), 1);

  // data/configloi.cfg puts Euromillones at 1860, 605; its info label at 4815.
  const FormularioLoto formulario = formularioLoto('E', 1860, 605);
  QVector<QVector<int>> boleto;
  for (const QByteArray& linea : carpeta.read("AE000012.TXT").split('\n').mid(0, 5))
    boleto << camposDe(QString::fromLatin1(linea));
  HojaEsperada hoja{formulario.cajas(), formulario.marcas(boleto), {formulario.fija}, alto};
  hoja.cajas << QRectF(4815, 1740, 945, 1650);
  compruebaPagina(paginas.first(), hoja);
}
