#pragma once
// The lotto ticket forms as the tests expect them on paper, written from the
// form's own tables and independently of the program's: where each game's
// frame, reintegro frame and fixed "X" lie for a ticket at margenIzq, topeSup,
// and the box every number, star, clave and reintegro of a bet marks.
#include <QPointF>
#include <QRect>
#include <QString>
#include <QVector>

// A box on paper: the text it should hold, where its ink may lie (the box cut
// by its grid) and where that ink must be centred (the whole box's centre).
struct CajaEsperada {
  QString texto;
  QRect caja;
  QPointF centro;
};

struct FormularioLoto {
  char juego;         // 'B', 'P', 'G' or 'E'
  QPointF marco;      // the game's frame
  QPointF reintegro;  // the reintegro frame
  QRect fija;         // the fixed "X" of the form

  // The boxes the bets mark, one bet (its seven fields) a block, written `signo`;
  // the reintegro (La Primitiva only, the first bet's) an "X".
  // Every box of the form, cut by its grid and its frame: the number blocks,
  // the stars or claves, La Primitiva's reintegro, and the fixed "X".
  QVector<QRectF> cajas() const;
  QVector<CajaEsperada> marcas(const QVector<QVector<int>>& apuestas,
                               const QString& signo = QStringLiteral("o")) const;
};

FormularioLoto formularioLoto(char juego, double margenIzq, double topeSup);

// The seven fields of a bet written as 14 digits.
QVector<int> camposDe(const QString& apuesta);
