// The calibration test sheet of the lotto form in force: the open file's
// game, or Bonoloto's form before any file is opened.
#include <QLabel>

#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "app/hoja/hoja_prueba.h"
#include "app/hoja/pinta_hoja.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "app/printer/printer.h"
#include "loto/boletolo.h"
#include "loto/print/lugares_loto.h"

void boletoLO::mnuHoja_Click() {
  const JuegoLoto& j = juego();
  const Formulario f = formulario(j);
  const MarcosLoto marcos = marcosLoto(j, margenIzq, topeSup);
  HojaPrueba hoja(QRectF(0, 0, clientWidthTwips(), clientHeightTwips()));
  const QRectF marco(marcos.marco, j.marcoDiseno.size());
  const QRectF frame7(marcos.reintegro, kFrame7.size());
  for (int i = 0; i < f.numeros.size(); ++i)
    hoja.anadeRejilla(marcos.marco + j.numeros.lugares.at(i).topLeft(), f.numeros.at(i)->model(), marco);
  // Bonoloto's form has no reintegro box: the window never shows that grid.
  if (!j.conReintegro || j.reintegroVisible)
    for (int i = 0; i < f.extras.size(); ++i)
      hoja.anadeRejilla((j.conReintegro ? marcos.reintegro : marcos.marco) + j.extras.lugares.at(i).topLeft(),
                        f.extras.at(i)->model(), j.conReintegro ? frame7 : marco);

  QRectF fija, recorteFija;
  switch (j.extra) {
    case ExtraLoto::Reintegro: fija = kLabel16.translated(marcos.reintegro), recorteFija = frame7; break;
    case ExtraLoto::Estrellas:
      fija = QRectF(marcos.label18, kLabel18.size()), recorteFija = hoja.ventana();
      break;
    case ExtraLoto::Clave:
      fija = QRectF(marcos.marco + marcos.label19, kLabel19.size()), recorteFija = marco;
      break;
  }
  hoja.anadeMarcaFija(fija, QStringLiteral("X"), twipFont(f.equis->font(), f.equis->logicalDpiY()),
                      int(f.equis->alignment()), recorteFija);
  hoja.anadeLugar(twipRect(Label4));

  const FontSpec& marca = f.numeros.first()->model().font();
  hoja.anadeValores(lineasValores(
      {j.nombre,
       {{QStringLiteral("Margen izquierdo"), margenIzq}, {QStringLiteral("Tope superior"), topeSup}},
       signo,
       marca.points,
       marca.bold,
       platform_.printer.deviceName()}));
  try {
    imprimeHoja(platform_.printer, hoja);
  } catch (const RuntimeError& error) {
    avisaFallo(error, QStringLiteral(" Nº  ") + numberText(error.number()));
  }
}
