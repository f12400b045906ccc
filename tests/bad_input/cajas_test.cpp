// Numbers no field can hold typed into the lotto window's boxes, then the
// command that reads them: one box with the routine's own tag, the box
// showing the value in force again, and the offsets in force saved.
#include <functional>

#include "app/platform/delimited.h"
#include "tests/loto_window/ventana_lo.h"

TEST_F(VentanaLo, NumbersNoFieldHoldsAreReportedByTheRoutineThatReadsThem) {
  const QString kDesborda = errorDescription(ErrorNumber::Overflow);
  // The box (Text3 index), the number typed, the command, its message, what the box then shows.
  const std::tuple<int, QByteArray, std::function<void(boletoLO&)>, QString, QByteArray> casos[] = {
      {9, "40000", [](boletoLO& w) { w.Command9->click(); }, kDesborda + " Tiqu Nº   6", " 8"},
      {7, "40000000000", [](boletoLO& w) { w.done(0); }, kDesborda + " Gcfg Nº   6", "80"},
  };
  for (const auto& [indice, valor, orden, mensaje, enCaja] : casos) {
    SCOPED_TRACE(mensaje.toStdString());
    carpeta.write("configloi.cfg", kConfigLoi);
    auto w = abreCon("AB000017.TXT", archivoLotoTexto('B', 17));
    if (indice == 7) w->Command12->click();  // the frame, filled
    QLineEdit* caja = w->Text3[indice];
    caja->setText(valor);
    dialogos.forget();
    orden(*w);
    QStringList mensajes;
    for (const ShownBox& b : dialogos.shown()) mensajes << b.text;
    EXPECT_EQ(mensajes, QStringList{mensaje});
    EXPECT_EQ(caja->text(), enCaja);
    w->done(0);
    QStringList items;
    for (DelimitedReader lector(carpeta.read("configloi.cfg")); !lector.atEnd();) items << lector.next();
    EXPECT_EQ(items.mid(3, 3), QStringList({"0480-0080", "4840-1505", " 8"}));
  }
}
