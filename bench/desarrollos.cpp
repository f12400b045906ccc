#include "bench/desarrollos.h"

#include <QRandomGenerator>

#include "quiniela/boleto_quiniela.h"

namespace {

// Bet n: six different numbers of 1 to 49 in ascending order and a reintegro.
void apuestaBonoloto(int n, int (&campos)[7]) {
  QRandomGenerator azar{quint32(n)};
  bool usados[50] = {};
  for (int i = 0; i < 6;) {
    const int numero = int(azar.bounded(1, 50));
    if (usados[numero]) continue;
    usados[numero] = true;
    ++i;
  }
  int k = 0;
  for (int numero = 1; numero <= 49; ++numero)
    if (usados[numero]) campos[k++] = numero;
  campos[6] = n % 10;
}

}  // namespace

QByteArray bonolotoTexto() {
  QByteArray datos;
  datos.reserve(qsizetype(kApuestasBonoloto) * 16);
  int campos[7];
  char linea[17];
  for (int n = 1; n <= kApuestasBonoloto; ++n) {
    apuestaBonoloto(n, campos);
    for (int k = 0; k < 7; ++k) {
      linea[2 * k] = char('0' + campos[k] / 10);
      linea[2 * k + 1] = char('0' + campos[k] % 10);
    }
    linea[14] = '\r';
    linea[15] = '\n';
    datos.append(linea, 16);
  }
  return datos;
}

QByteArray bonolotoBinario() {
  QByteArray datos("TIQLOT");
  datos.reserve(6 + qsizetype(kApuestasBonoloto) * 7);
  int campos[7];
  for (int n = 1; n <= kApuestasBonoloto; ++n) {
    apuestaBonoloto(n, campos);
    for (int campo : campos) datos.append(char(campo + 46));
  }
  return datos;
}

void apuestaCompleta(qint64 n, char* signos) {
  for (int partido = 13; partido >= 0; --partido) {
    signos[partido] = "1X2"[n % 3];
    n /= 3;
  }
}

QByteArray desarrolloCompleto() {
  constexpr qint64 apuestas = 4782969;
  QByteArray datos;
  datos.reserve(apuestas * 16 + apuestas / 4);
  char signos[14];
  for (qint64 n = 0; n < apuestas; ++n) {
    apuestaCompleta(n, signos);
    datos.append(signos, 14);
    if (n % apuestasPorBoleto == 0) datos.append("01"[n % 2]).append("2M"[n % 2]);
    datos.append("\r\n");
  }
  return datos;
}
