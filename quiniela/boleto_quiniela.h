#pragma once
// One football-pools ticket as it comes out of a bet file, and the counts the
// window keeps of the open file.
#include <QString>
#include <QtGlobal>

constexpr int apuestasPorBoleto = 8;
constexpr int signosPorApuesta = 14;
constexpr int longitudBloque = apuestasPorBoleto * signosPorApuesta;  // 112

struct BoletoQuiniela {
  // The 8 bets one after the other, 14 signs each, blank-padded to 112
  // characters: bet b is characters 14(b-1) to 14b-1 (0-based).
  QString apuestas;
  // Pleno al 15 signs, one character each ("0", "1", "2", "M"; anything else
  // is marked nowhere).
  QString plenoLocal;
  QString plenoVisitante;
  QString jornada;  // two characters
};

// Builds a ticket: the bet block padded with blanks to 112 characters, and an
// empty home sign turning both Pleno al 15 signs into "1".
BoletoQuiniela boletoQuiniela(const QString& apuestas, const QString& plenoLocal,
                              const QString& plenoVisitante, const QString& jornada);

struct RecuentoQuiniela {
  qint32 napuestas = 0;
  qint32 nboletos = 0;
};

// The tickets that `napuestas` bets fill: 8 a ticket, a partial last one counting.
qint32 boletosPara(qint32 napuestas);

// A ticket as the window receives it: the ticket and the counts it holds from
// then on (AD243 takes them from its header at every ticket).
struct BoletoLeido {
  BoletoQuiniela boleto;
  RecuentoQuiniela recuento;
};
