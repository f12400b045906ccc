// Times the football-pools bet files on the largest development there is: all
// 3^14 = 4,782,969 bets of 14 matches as a text file, and an AD243 of 200,000
// tickets. Prints the figures beside the floor that `wc -l` sets on the same
// file; nothing is asserted.
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/platform/files.h"
#include "bench/desarrollos.h"
#include "bench/medida.h"
#include "quiniela/archivo_ad243.h"
#include "quiniela/archivo_texto_quiniela.h"

namespace {

QByteArray ad243(int boletos) {
  QByteArray datos = QByteArray("000000070000000000000") +
                     QByteArray::number(boletos * 8).rightJustified(6, '0') + "00" +
                     QByteArray::number(boletos).rightJustified(6, '0');
  datos = datos.leftJustified(ArchivoAD243::longitudRegistro, '0');
  char signos[14];
  for (int t = 0; t < boletos; ++t) {
    QByteArray registro = QByteArray::number(t).rightJustified(10, '0');
    for (int b = 0; b < apuestasPorBoleto; ++b) {
      apuestaCompleta(qint64(t) * 8 + b, signos);
      registro.append(signos, 14);
    }
    datos += registro + "0M";
  }
  return datos;
}

void informe(const QString& ruta, int tipoFile) {
  const Tiempo suelo = sueloWc(ruta);
  const Tiempo secuencial = mejor([&] { lecturaSecuencial(ruta, 256 << 10); });
  std::unique_ptr<DesarrolloQuiniela> archivo;
  const auto abrir = [&] {
    archivo = abrirDesarrollo(tipoFile, ruta, QFileInfo(ruta).fileName());
    archivo->boleto(1);
  };
  // The first time the memory of the index is new to the process; the best of
  // the next runs is the figure to set beside the floor.
  const Tiempo primera = medir(abrir);
  const Tiempo apertura = mejor(abrir);
  const RecuentoQuiniela recuento = archivo->recuento();
  const Tiempo ultimo = mejor([&] { archivo->boleto(recuento.nboletos); });
  const Serie azar = alAzar(1000, 1, recuento.nboletos, [&](qint64 t) { archivo->boleto(qint32(t)); });
  const auto* texto = dynamic_cast<const ArchivoTextoQuiniela*>(archivo.get());
  const qint64 bytesIndice = texto ? texto->bytesIndice() : 0;  // AD243 needs no index

  std::printf("%s: %lld bytes, %d apuestas, %d boletos\n", qPrintable(QFileInfo(ruta).fileName()),
              static_cast<long long>(fileLength(ruta)), recuento.napuestas, recuento.nboletos);
  imprimirLinea("wc -l (el suelo)", suelo);
  imprimirLinea("lectura por bloques de 256 KiB", secuencial, suelo);
  imprimirLinea("abrir + contar + boleto 1", apertura, suelo);
  imprimirLinea("  la primera vez", primera, suelo);
  imprimirLinea("ultimo boleto", ultimo);
  imprimirSerie("boletos al azar", azar);
  std::printf("  indice: %lld bytes, %.3f bytes por apuesta\n\n", static_cast<long long>(bytesIndice),
              double(bytesIndice) / recuento.napuestas);
}

}  // namespace

int main() {
  QTemporaryDir carpeta;
  const QString texto = carpeta.filePath(QStringLiteral("Qp07.TXT"));
  const QString registros = carpeta.filePath(QStringLiteral("AD243"));
  escribirArchivo(texto, desarrolloCompleto());
  escribirArchivo(registros, ad243(200000));
  informe(texto, 2);
  informe(registros, 1);
  return 0;
}
