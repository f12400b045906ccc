#pragma once
// Bet files made to order and small helpers of the football-pools tests.
#include <QString>

#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "tests/support/error_number.h"
#include "tests/support/texto_en_fallos.h"


// The 14 signs of bet n (from 1), a different bet for every n below 3^14, and
// the Pleno al 15 of ticket t.
inline QString apuesta(int n) {
  QString signos;
  for (qint64 v = n * 1234577LL % 4782969, k = 0; k < 14; ++k, v /= 3) signos += u"1X2"_s.at(v % 3);
  return signos;
}
inline QString plenoDe(int t) {
  return QString(u"012M"_s.at(t % 4)) + u"012M"_s.at((t + 1) % 4);
}

// An AD243 of matchday 07 with `boletos` records; the header holds the true
// counts unless others are given.
inline QByteArray archivoAD243(int boletos, int apuestasCabecera = -1, int boletosCabecera = -1) {
  QByteArray datos(124, ' ');
  datos.replace(6, 2, "07");
  datos.replace(21, 6, zeroPadded(apuestasCabecera < 0 ? 8 * boletos : apuestasCabecera, 6).toLatin1());
  datos.replace(29, 6, zeroPadded(boletosCabecera < 0 ? boletos : boletosCabecera, 6).toLatin1());
  for (int n = 1; n <= 8 * boletos; ++n)
    datos += ((n % 8 == 1 ? u"0000000000"_s : u""_s) + apuesta(n) + (n % 8 == 0 ? plenoDe(n / 8) : u""_s))
                 .toLatin1();
  return datos;
}

// A text file of `apuestas` bets, each ticket's first line with its Pleno al 15.
inline QByteArray archivoTexto(int apuestas, const QByteArray& finLinea = "\r\n") {
  QByteArray datos;
  for (int n = 1; n <= apuestas; ++n)
    datos += (apuesta(n) + (n % 8 == 1 ? plenoDe(n / 8 + 1) : u""_s)).toLatin1() + finLinea;
  return datos;
}
