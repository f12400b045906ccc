// Numbers no field can hold typed into the lotto window's boxes, then the
// command that reads them: one box with the routine's own tag, the box
// showing the value in force again, the window still showing and printing
// tickets, and the offsets in force saved.
#include <functional>

#include "app/platform/delimited.h"
#include "tests/loto_window/ventana_lo.h"

namespace {

const QString kDesborda = errorDescription(ErrorNumber::Overflow);
// Too large even for a double ("1e400" reads as 1: no exponents).
const QByteArray kEnorme(400, '9');

struct Caso {
  const char* caso;
  int caja;  // Text3 index; 0 for the step box Text4
  QByteArray valor;
  std::function<void(boletoLO&)> orden;
  QStringList mensajes;
  QByteArray enCaja;  // what the box then shows
};

}  // namespace

TEST_F(VentanaLo, NumbersNoFieldHoldsAreReportedByTheRoutineThatReadsThem) {
  const std::function<void(boletoLO&)> configurarDosVeces = [](boletoLO& w) {
    w.Command12->click();
    w.Command12->click();
  };
  const Caso casos[] = {
      {"bets, Siguiente>", 9, "40000", [](boletoLO& w) { w.Command9->click(); }, {kDesborda + " Tiqu Nº   6"}, " 8"},
      {"bets, Imprime Boleto Actual", 9, "40000", [](boletoLO& w) { w.Command11->click(); }, {}, " 8"},
      {"bets, Imprime Siguiente", 9, "40000", [](boletoLO& w) { w.Command10->click(); },
       {kDesborda + " Tiqu Nº   6"}, " 8"},
      {"bets, Configurar twice", 9, "40000", configurarDosVeces, {kDesborda + " Nº   6"}, "8"},
      {"bets, Restaurar", 9, "-40000", [](boletoLO& w) { w.Command13->click(); }, {}, "8"},
      {"bets, Imprimir Bo+5", 9, kEnorme, [](boletoLO& w) { w.mnuTiqueron->trigger(); },
       {kDesborda + " Tiqu Nº   6"}, " 8"},
      {"left, Configurar twice", 3, "99999999999999999999", configurarDosVeces, {kDesborda + " Nº   6"},
       "1505"},
      {"left, the side toggle", 3, kEnorme, [](boletoLO& w) { w.Text3_Click(3); }, {kDesborda + " Nº   6"},
       "1505"},
      {"top, Configurar twice", 7, "40000000000", configurarDosVeces, {kDesborda + " Nº   6"}, "80"},
      {"top, closing", 7, "40000000000", [](boletoLO& w) { w.done(0); }, {kDesborda + " Gcfg Nº   6"}, "80"},
      {"step, an arrow", 0, kEnorme, [](boletoLO& w) { w.Command4->click(); }, {kDesborda + " Nº   6"}, kEnorme},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.caso);
    carpeta.write("configloi.cfg", kConfigLoi);
    auto w = abreCon("AB000017.TXT", archivoLotoTexto('B', 17));
    if (c.caja == 3 || c.caja == 7) w->Command12->click();  // the frame, filled
    QLineEdit* caja = c.caja ? w->Text3[c.caja] : w->Text4;
    caja->setText(c.valor);
    dialogos.forget();
    c.orden(*w);
    QStringList mensajes;
    for (const ShownBox& b : dialogos.shown()) mensajes << b.text;
    EXPECT_EQ(mensajes, c.mensajes);
    EXPECT_EQ(caja->text(), c.enCaja);
    EXPECT_EQ(std::pair(w->margenIzq, w->nBole), std::pair(1505, qint16(8)));
    // The window goes on showing and printing.
    w->Text4->setText("25");
    const qsizetype impresos = impresora.documents().size();
    w->boletoActual = 1;
    dialogos.forget();
    w->Command10->click();
    EXPECT_TRUE(dialogos.shown().isEmpty()) << dialogos.last().text.toStdString();
    EXPECT_EQ(std::pair(w->boletoActual, impresora.documents().size()), std::pair(2, impresos + 1));

    // Closing saves the offsets in force.
    w->done(0);
    QStringList items;
    for (DelimitedReader lector(carpeta.read("configloi.cfg")); !lector.atEnd();) items << lector.next();
    EXPECT_EQ(items.mid(3, 3), QStringList({"0480-0080", "4840-1505", " 8"}));
  }
}
