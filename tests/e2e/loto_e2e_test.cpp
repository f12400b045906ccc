// The sample lotto games printed on the real default printer from the
// start-up window: the first ticket's marks at their boxes, the info label
// and the fixed "X", nothing else on the sheet; and a ticket sent to the
// printer while it is stopped.
#include <QLineF>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "app/boletos.h"
#include "loto/boletolo.h"
#include "tests/e2e/programa_real.h"
#include "tests/support/formulario_loto.h"
#include "tests/support/tinta_centrada.h"

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

// A sample file, and where data/configloi.cfg (the ticket at the left of
// the sheet) and its game's own position put the ticket: frame left and top,
// the info label's left.
struct CasoLoto {
  const char* nombre;
  int apuestasBoleto;
  double izquierda, arriba, info;
};
const CasoLoto kCasos[] = {{"AB000017.TXT", 8, 1505, 80, 4485},
                           {"AP000017.TXT", 8, 1505, 80, 4485},
                           {"AG000014.TXT", 6, 3190, 130, 7690},
                           {"AE000012.TXT", 5, 1860, 605, 4815},
                           {"AB000020.LOT", 8, 1505, 80, 4485}};

// The one page of `pdf` holds the first ticket of `c` (read from `datos`):
// every mark at its box, the info label and the fixed "X", nothing else.
void esPrimerBoleto(const QString& pdf, const QByteArray& datos, const CasoLoto& c) {
  EXPECT_EQ(pdfPageCount(pdf), 1);
  const QString nombre = c.nombre;
  const QVector<QVector<int>> boleto = apuestas(datos, nombre.endsWith(".LOT")).mid(0, c.apuestasBoleto);
  ASSERT_EQ(boleto.size(), c.apuestasBoleto);
  const FormularioLoto formulario = formularioLoto(c.nombre[1], c.izquierda, c.arriba);
  const QVector<CajaEsperada> marcas = formulario.marcas(boleto);
  const QRect fija = formulario.fija;
  const QRect info(int(c.info), 1740, 945, 1650);

  tintaCentrada(tintaDeMarcas(pdf, marcas), marcas, kTolerancia);
  if (::testing::Test::HasFatalFailure()) return;
  const PaginaEntera pagina(pdf);
  ASSERT_TRUE(pagina.leida());
  EXPECT_TRUE(pagina.tintaEn(info)) << "the info label";
  EXPECT_TRUE(pagina.tintaEn(fija)) << "the fixed X";
  QVector<QRect> permitidas = {info, fija};
  for (const CajaEsperada& e : marcas) permitidas << e.caja;
  sinTintaFuera(pagina, permitidas);
}

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
  for (const CasoLoto& c : kCasos) {
    SCOPED_TRACE(c.nombre);
    // A fresh program folder each time: the lotto window keeps its position in configloi.cfg.
    TempFolder programa;
    copiaDatos(programa);
    if (HasFatalFailure()) return;
    imprimeActual(programa.path(), c.nombre);
    const QStringList paginas = impresas(1);
    ASSERT_EQ(paginas.size(), 1);
    esPrimerBoleto(paginas.first(), programa.read(c.nombre), c);
  }
}

// A stopped default printer takes the ticket without a word or a wait, and
// the ticket comes out whole once the printer runs again.
TEST_F(LotoReal, AStoppedPrinterHoldsTheTicketUntilItRunsAgain) {
  const CasoLoto& c = kCasos[0];
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
  esPrimerBoleto(paginas.first(), carpeta.read(c.nombre), c);
}
