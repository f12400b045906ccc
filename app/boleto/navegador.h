#pragma once
// The ticket navigator both ticket windows share: the bet boxes, the moves
// through the tickets, and the partial print, where a click on the bet box
// `indice` (0 to 7) of the ticket on screen chooses its first indice + 1
// bets, at least two; their boxes are lit (QBColor 11) and the user is asked
// to confirm. On Cancel the boxes are grey again (QBColor 7).
#include <QString>
#include <QVector>

class Dialogs;
class QLabel;
class QRectF;
class QWidget;

// A bet box of the ticket navigator: the bet's signs or numbers one under the
// other, on the grey the partial selection lights.
QLabel* makeCajaApuesta(QWidget* padre, const QRectF& lugar);

// The ticket a navigation button moves to: `salto` tickets on, kept between 1
// and the last ticket.
qint32 boletoTrasSalto(qint32 actual, qint32 salto, qint32 nboletos);

struct SeleccionParcial {
  int apuestas;   // chosen, whatever the answer
  bool aceptada;  // OK
};

SeleccionParcial eligeApuestasParciales(Dialogs& dialogos, const QVector<QWidget*>& cajas, int indice);

// The question: "Ha seleccionado las " Str(n), " Apuestas primeras para
// Imprimir", "Si esta de acuerdo continue?" on three lines.
QString preguntaImpresionParcial(int apuestas);
inline const QString kTituloImpresionParcial = QStringLiteral("Imprimir parte del boleto!!");

// The grey of the bet boxes, from the first `hasta` boxes.
void colorCajasApuestas(const QVector<QWidget*>& cajas, int hasta, int colorQb);
