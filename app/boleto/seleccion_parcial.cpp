#include "app/boleto/seleccion_parcial.h"

#include <QWidget>

#include "app/canvas/twip_geometry.h"
#include "app/platform/dialogs.h"
#include "app/platform/numbers.h"

QString preguntaImpresionParcial(int apuestas) {
  return QStringLiteral("Ha seleccionado las ") + numberText(apuestas) +
         QStringLiteral("\n Apuestas primeras para Imprimir\nSi esta de acuerdo continue?");
}

void colorCajasApuestas(const QVector<QWidget*>& cajas, int hasta, int colorQb) {
  for (int i = 0; i < qMin<int>(hasta, cajas.size()); ++i) setBackColor(cajas[i], qbColor(colorQb));
}

SeleccionParcial eligeApuestasParciales(Dialogs& dialogos, const QVector<QWidget*>& cajas, int indice) {
  const int apuestas = qMax(indice + 1, 2);
  colorCajasApuestas(cajas, apuestas, 11);
  const bool aceptada = dialogos.message(preguntaImpresionParcial(apuestas), kTituloImpresionParcial,
                                         MessageButtons::OkCancel, MessageIcon::None) == MessageResult::Ok;
  if (!aceptada) colorCajasApuestas(cajas, apuestas, 7);
  return {apuestas, aceptada};
}
