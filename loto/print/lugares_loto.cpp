#include "loto/print/lugares_loto.h"

#include "app/platform/numbers.h"

MarcosLoto marcosLoto(const JuegoLoto& juego, qint32 margenIzq, qint32 topeSup) {
  return MarcosLoto{{margenIzq + juego.marcoDx, double(topeSup)},
                    {margenIzq + juego.reintegroDx, topeSup + juego.reintegroDy},
                    {margenIzq + kLabel18Dx, topeSup + kLabel18Dy},
                    {kLabel19Left, kLabel19Top}};
}

PartesLoto variacLoto(const JuegoLoto& juego, qint32& margenIzq, qint32& topeSup) {
  PartesLoto partes;
  if (margenIzq <= kLimiteIzquierda && juego.variacFijaIzquierda) {
    margenIzq = juego.variacPosicionIzquierda.margenIzq;
    topeSup = juego.variacPosicionIzquierda.topeSup;
    partes.frame1 = juego.variacFrame1Izquierda;
    return partes;
  }
  const PartesVentanaLoto& p = margenIzq > kLimiteIzquierda ? juego.variacCentro : juego.variacIzquierda;
  const double m = margenIzq;
  partes.frame1 = m + p.frame1;
  partes.frame3 = m + p.frame3;
  if (p.cambiaAncho) partes.ancho = m + p.ancho;
  partes.label4 = m + p.label4;
  partes.label13 = m + p.label13;
  partes.label3 = m + p.label3;
  return partes;
}

InicioLoto inicioLoto(const JuegoLoto& juego, qint32 margenIzqAnterior) {
  const bool centro = margenIzqAnterior > kLimiteIzquierda;
  const PosicionLoto& posicion = centro ? juego.inicioCentro : juego.inicioIzquierda;
  InicioLoto inicio{posicion.margenIzq, posicion.topeSup, std::nullopt, std::nullopt};
  if (centro && juego.inicioMueveMarcos) {
    inicio.frame1 = posicion.margenIzq + juego.inicioFrame1;
    inicio.frame3 = posicion.margenIzq + juego.inicioFrame3;
  }
  return inicio;
}

PosicionLoto posicionCerrar(const JuegoLoto& juego, qint32 margenIzq) {
  return margenIzq >= juego.cerrarUmbral ? juego.cerrarCentro : juego.cerrarIzquierda;
}

QString conmutaPosicion(const JuegoLoto& juego, const QString& caja) {
  // Compared as texts, as the box holds them: a negative sum is past the
  // limit as well, and a sum of five digits is not.
  const QString suma = numberText(textValue(caja) + juego.conmutaSuma);
  return suma > juego.conmutaLimite ? QStringLiteral(" 0") : numberText(juego.conmutaSuma);
}

double izquierdaLabel15(qint32 margenIzq) {
  return margenIzq > kLimiteIzquierda ? margenIzq - 170.0 : 990.0;
}
