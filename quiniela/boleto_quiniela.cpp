#include "quiniela/boleto_quiniela.h"

BoletoQuiniela boletoQuiniela(const QString& apuestas, const QString& plenoLocal,
                              const QString& plenoVisitante, const QString& jornada) {
  BoletoQuiniela boleto{apuestas.left(longitudBloque).leftJustified(longitudBloque), plenoLocal,
                        plenoVisitante, jornada};
  if (boleto.plenoLocal.isEmpty()) {
    boleto.plenoLocal = QStringLiteral("1");
    boleto.plenoVisitante = QStringLiteral("1");
  }
  return boleto;
}

qint32 boletosPara(qint32 napuestas) {
  return napuestas / apuestasPorBoleto + (napuestas % apuestasPorBoleto != 0 ? 1 : 0);
}
