// The calibration test sheet of the La Quiniela form.
#include "app/grid/grid.h"
#include "app/hoja/hoja_prueba.h"
#include "app/hoja/pinta_hoja.h"
#include "app/platform/runtime_error.h"
#include "app/printer/printer.h"
#include "quiniela/boletoqp.h"
#include "quiniela/geometria_boletoqp.h"

namespace {

// The grid with the form's boxes, whatever widths it holds before a file is opened.
GridModel conCajas(const GridModel& rejilla, double anchoColumna) {
  GridModel cajas = rejilla;
  for (int col = 0; col < cajas.cols(); ++col) cajas.setColWidth(col, anchoColumna);
  return cajas;
}

}  // namespace

void boletoqp::mnuHoja_Click() {
  HojaPrueba hoja(QRectF(0, 0, clientWidthTwips(), clientHeightTwips()));
  const QPointF marco(margen() + inicioX, inicioY);
  const QRectF frame4(marco, QSizeF(geometriaqp::anchoFrame4, geometriaqp::altoFrame4));
  for (int b = 0; b < 8; ++b)
    hoja.anadeRejilla(marco + geometriaqp::tabla[b].topLeft(),
                      conCajas(tabla[b]->model(), geometriaqp::anchoColumna), frame4);
  for (int q = 0; q < 2; ++q)
    hoja.anadeRejilla(marco + geometriaqp::tablaq[q].topLeft(),
                      conCajas(tablaq[q]->model(), geometriaqp::anchoColumnaPleno), frame4);
  for (const DrawnText& texto : drawnTexts())
    if (texto.persistent) hoja.anadeLugar(cajaTexto(texto.position, texto.text, texto.font));
  const FontSpec& marca = tabla[0]->model().font();
  hoja.anadeValores(lineasValores({QStringLiteral("QUINIELAS 1X2"),
                                   {{QStringLiteral("Margen izquierdo"), qint32(margen())},
                                    {QStringLiteral("Horizontal"), inicioX},
                                    {QStringLiteral("Vertical"), inicioY}},
                                   signo,
                                   marca.points,
                                   marca.bold,
                                   platform_.printer.deviceName()}));
  try {
    imprimeHoja(platform_.printer, hoja);
  } catch (const RuntimeError& error) {
    avisaError(error);
  }
}
