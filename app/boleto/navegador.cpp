#include "app/boleto/navegador.h"

#include <QLabel>
#include <QWidget>

#include "app/canvas/controls.h"
#include "app/canvas/twip_geometry.h"
#include "app/platform/dialogs.h"
#include "app/platform/numbers.h"

QLabel* makeCajaApuesta(QWidget* padre, const QRectF& lugar) {
  QLabel* caja = makeLabel(padre, QString(), lugar);
  caja->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  setBackColor(caja, qbColor(7));
  return caja;
}

qint32 boletoTrasSalto(qint32 actual, qint32 salto, qint32 nboletos) {
  const qint32 destino = actual + salto;
  return salto > 0 ? qMin(destino, nboletos) : qMax(destino, 1);
}

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
