// "Comprobar apuestas" in the lotto window: the report of the open file and
// going to a problem's ticket without printing it.
#include <QListWidget>

#include "tests/loto_window/ventana_lo.h"
#include "tests/support/ventana_informe.h"

TEST_F(VentanaLo, ComprobarApuestasReportsTheOpenFileAndGoesToATicketWithoutPrinting) {
  QByteArray datos = archivoLotoBinario('E', 12);
  datos[6 + 7 * 10 + 5] = char(13 + 46);  // bet 11, first star 13
  auto w = abreCon("AE000012.LOT", datos);
  EXPECT_TRUE(conInforme(
      [&] { w->mnuComprobar->trigger(); },
      [&](VentanaComprobacion& v) {
        EXPECT_EQ(v.Label1->text().split('\n'),
                  (QStringList{u"Archivo: AE000012.LOT"_s, u"Apuestas: 12"_s, u"Boletos: 3"_s,
                               u"Apuestas con una estrella fuera de 1 a 12: 1"_s, u"Problemas: 1"_s}));
        ASSERT_EQ(v.List1->count(), 1);
        EXPECT_EQ(v.List1->item(0)->text(), u"Apuesta 11 (boleto 3): campo 6, estrella 13 fuera de 1 a 12"_s);
        v.List1->setCurrentRow(0);
        v.Command1->click();
      }));
  EXPECT_EQ(w->boletoActual, 3);
  QStringList numeros;
  for (int k = 0; k < 5; ++k) numeros << QString::number(camposDe(apuestaLoto('E', 11))[k]);
  EXPECT_EQ(enPantalla(*w).value(0), numeros.join(' ') + " | 02o");  // star 2 of bet 11; 13 has no box
  EXPECT_TRUE(impresora.documents().isEmpty()) << "the ticket is shown, not printed";
}
