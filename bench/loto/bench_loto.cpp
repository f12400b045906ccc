// Times the lotto bet files on a development of 1,000,000 Bonoloto bets, as
// a text file and as a binary .LOT. Prints the figures beside the floor that
// `wc -l` sets on the text file; nothing is asserted.
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/platform/files.h"
#include "bench/desarrollos.h"
#include "bench/medida.h"
#include "loto/files/desarrollo_loto.h"

namespace {

constexpr qint16 kPorBoleto = 8;

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
  escribirArchivo(deTexto, bonolotoTexto());
  escribirArchivo(deBytes, bonolotoBinario());
  const Tiempo suelo = sueloWc(deTexto);
  informe(deTexto, 2, suelo);
  informe(deBytes, 1, suelo);
  return 0;
}
