// "Comprobar apuestas" in the lotto window: the report of the open file,
// going to a problem's ticket without printing it, and the boxes when there
// is no file or it cannot be read.
#include <QListWidget>

#include "tests/loto_window/ventana_lo.h"
#include "tests/support/ventana_informe.h"

TEST_F(VentanaLo, ComprobarApuestasReportsTheOpenFileAndGoesToATicketWithoutPrinting) {
  auto w = abre();
  w->mnuComprobar->trigger();
  EXPECT_EQ(dialogos.last().text, u"Abra antes un archivo de apuestas."_s);

  QByteArray datos = archivoLotoBinario('E', 12);
  datos[6 + 7 * 10 + 5] = char(13 + 46);  // bet 11, first star 13
  w = abreCon("AE000012.LOT", datos);
  const qsizetype impresos = impresora.documents().size();
  const auto enInforme = [&](VentanaComprobacion& v) {
    EXPECT_EQ(v.Label1->text().split('\n'),
              (QStringList{u"Archivo: AE000012.LOT"_s, u"Apuestas: 12"_s, u"Boletos: 3"_s,
                           u"Apuestas con una estrella fuera de 1 a 12: 1"_s, u"Problemas: 1"_s}));
    ASSERT_EQ(v.List1->count(), 1);
    EXPECT_EQ(v.List1->item(0)->text(), u"Apuesta 11 (boleto 3): campo 6, estrella 13 fuera de 1 a 12"_s);
    v.List1->setCurrentRow(0);
    v.Command1->click();
  };
  EXPECT_TRUE(conInforme([&] { w->mnuComprobar->trigger(); }, enInforme));
  EXPECT_EQ(w->boletoActual, 3);
  QStringList numeros;
  for (int k = 0; k < 10; k += 2) numeros << QString::number(apuestaLoto('E', 11).mid(k, 2).toInt());
  EXPECT_EQ(enPantalla(*w).value(0), numeros.join(' ') + " | 02o");  // star 2 of bet 11; 13 has no box
  EXPECT_EQ(impresora.documents().size(), impresos) << "the ticket is shown, not printed";

  carpeta.remove("AE000012.LOT");
  EXPECT_FALSE(conInforme([&] { w->mnuComprobar->trigger(); }));
  EXPECT_EQ(dialogos.last().text, u"No se ha encontrado el archivo Nº   53"_s);
  EXPECT_EQ(w->boletoActual, 3);
}
