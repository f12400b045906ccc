// Times the lotto bet files on a development of 1,000,000 Bonoloto bets, as
// a text file and as a binary .LOT. Prints the figures beside the floor that
// `wc -l` sets on the text file; nothing is asserted.
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/platform/files.h"
#include "bench/medida.h"
#include "loto/files/desarrollo_loto.h"

namespace {

constexpr int kApuestas = 1000000;
constexpr qint16 kPorBoleto = 8;

// Bet n: six different numbers of 1 to 49 in ascending order and a reintegro.
void apuesta(int n, int (&campos)[7]) {
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

QByteArray texto() {
  QByteArray datos;
  datos.reserve(qsizetype(kApuestas) * 16);
  int campos[7];
  char linea[17];
  for (int n = 1; n <= kApuestas; ++n) {
    apuesta(n, campos);
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

QByteArray binario() {
  QByteArray datos("TIQLOT");
  datos.reserve(6 + qsizetype(kApuestas) * 7);
  int campos[7];
  for (int n = 1; n <= kApuestas; ++n) {
    apuesta(n, campos);
    for (int campo : campos) datos.append(char(campo + 46));
  }
  return datos;
}

void informe(const QString& ruta, qint16 tipoFile, const Tiempo& suelo) {
  const Tiempo secuencial = mejor([&] { lecturaSecuencial(ruta, 256 << 10); });
  std::unique_ptr<DesarrolloLoto> archivo;
  const auto abrir = [&] {
    archivo = abrirDesarrolloLoto(ruta, tipoFile);
    archivo->boleto(1, kPorBoleto);
  };
  const Tiempo primera = medir(abrir);
  const Tiempo apertura = mejor(abrir);
  const qint32 boletos = boletosLoto(archivo->napuestas(), kPorBoleto);
  const Tiempo ultimo = mejor([&] { archivo->boleto(boletos, kPorBoleto); });
  const Serie azar = alAzar(1000, 1, boletos, [&](qint64 t) { archivo->boleto(qint32(t), kPorBoleto); });

  std::printf("%s: %lld bytes, %d apuestas, %d boletos de %d\n", qPrintable(QFileInfo(ruta).fileName()),
              static_cast<long long>(fileLength(ruta)), archivo->napuestas(), boletos, kPorBoleto);
  imprimirLinea("wc -l del .TXT (el suelo)", suelo);
  imprimirLinea("lectura por bloques de 256 KiB", secuencial, suelo);
  imprimirLinea("abrir + contar + boleto 1", apertura, suelo);
  imprimirLinea("  la primera vez", primera, suelo);
  imprimirLinea("ultimo boleto", ultimo);
  imprimirSerie("boletos al azar", azar);
  std::printf("  indice: %lld bytes, %.3f bytes por apuesta\n\n",
              static_cast<long long>(archivo->bytesIndice()),
              double(archivo->bytesIndice()) / archivo->napuestas());
}

}  // namespace

int main() {
  QTemporaryDir carpeta;
  const QString deTexto = carpeta.filePath(QStringLiteral("AB100000.TXT"));
  const QString deBytes = carpeta.filePath(QStringLiteral("AB100000.LOT"));
  escribirArchivo(deTexto, texto());
  escribirArchivo(deBytes, binario());
  const Tiempo suelo = sueloWc(deTexto);
  informe(deTexto, 2, suelo);
  informe(deBytes, 1, suelo);
  return 0;
}
