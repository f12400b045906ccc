#pragma once
// The lotto ticket forms as the tests expect them on paper, written from the
// form's own tables and independently of the program's: for a ticket at
// margenIzq, topeSup, every box of a game's form and the box each number, star,
// clave and reintegro of its bets marks.
#include <QPointF>
#include <QRect>
#include <QString>
#include <QVector>

// A box on paper: where its ink may lie (the box cut by its grid) and where
// that ink must be centred (the whole box's centre).
struct CajaEsperada {
  QRect caja;
  QPointF centro;
};

struct FormularioLoto {
  QVector<QRectF> cajas;         // every box, cut by its grid and its frame; the fixed "X" first
  QVector<CajaEsperada> marcas;  // the bets' boxes; La Primitiva's reintegro, the first bet's
};

// The form of `juego` ('B', 'P', 'G' or 'E') with the marks of `apuestas`,
// seven fields each.
FormularioLoto formularioLoto(char juego, double margenIzq, double topeSup,
                              const QVector<QVector<int>>& apuestas);

// The seven fields of a bet written as 14 digits.
QVector<int> camposDe(const QString& apuesta);
