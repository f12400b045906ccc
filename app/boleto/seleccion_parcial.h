#pragma once
// The partial print of both ticket windows: a click on the bet box `indice`
// (0 to 7) of the ticket on screen chooses its first indice + 1 bets, at
// least two; their boxes are lit (QBColor 11) and the user is asked to
// confirm. On Cancel the boxes are grey again (QBColor 7).
#include <QString>
#include <QVector>

class Dialogs;
class QWidget;

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
