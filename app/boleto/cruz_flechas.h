#pragma once
// The arrow cross of both ticket windows: four buttons that shift the ticket
// by the step typed in the box between them.
#include <QRectF>
#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

struct CruzFlechas {
  QPushButton* arriba;
  QPushButton* abajo;
  QPushButton* izquierda;
  QPushButton* derecha;
  QLineEdit* paso;
};

struct LugaresCruz {
  QRectF arriba, abajo, izquierda, derecha, paso;
};

CruzFlechas makeCruzFlechas(QWidget* parent, const LugaresCruz& lugares, const QString& pasoInicial);

// An offset moved by `sentido` (-1 or +1) times the step the box holds: the
// sum formed in floating point and rounded to a whole number, halves to
// even. A result no 32-bit field can hold throws RuntimeError 6 (a text that
// is no number moves nothing).
qint32 desplazaPorPaso(qint32 valor, int sentido, const QString& paso);
