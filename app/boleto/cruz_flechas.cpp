#include "app/boleto/cruz_flechas.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/canvas/controls.h"
#include "app/platform/numbers.h"

CruzFlechas makeCruzFlechas(QWidget* parent, const LugaresCruz& lugares, const QString& pasoInicial) {
  return {makeButton(parent, QStringLiteral("↑"), lugares.arriba),
          makeButton(parent, QStringLiteral("↓"), lugares.abajo),
          makeButton(parent, QStringLiteral("←"), lugares.izquierda),
          makeButton(parent, QStringLiteral("→"), lugares.derecha),
          makeTextBox(parent, pasoInicial, lugares.paso)};
}

qint32 desplazaPorPaso(qint32 valor, int sentido, const QString& paso) {
  return toInt32(double(valor) + sentido * textValue(paso));
}
