// Times the football-pools bet files on the largest development there is: all
// 3^14 = 4,782,969 bets of 14 matches as a text file, and an AD243 of 200,000
// tickets. Prints the figures; nothing is asserted. Every figure is the best
// of a few runs, as wall time and as processor time (which a busy machine
// does not inflate).
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>

#include "app/platform/files.h"
#include "quiniela/archivo_ad243.h"
#include "quiniela/archivo_texto_quiniela.h"

namespace {

constexpr int repeticiones = 5;

struct Tiempo {
  double pared = 0;  // ms
  double cpu = 0;    // ms
};

Tiempo medir(const std::function<void()>& trabajo) {
  const auto pared = std::chrono::steady_clock::now();
  const std::clock_t cpu = std::clock();
  trabajo();
  return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pared).count(),
          1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC};
}

Tiempo mejor(const std::function<void()>& trabajo) {
  Tiempo mejor = medir(trabajo);
  for (int i = 1; i < repeticiones; ++i) {
    const Tiempo t = medir(trabajo);
    mejor = {qMin(mejor.pared, t.pared), qMin(mejor.cpu, t.cpu)};
  }
  return mejor;
}

void escribir(const QString& ruta, const QByteArray& datos) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::WriteOnly) || archivo.write(datos) != datos.size()) {
    std::fprintf(stderr, "No se puede escribir %s\n", qPrintable(ruta));
    std::exit(1);
  }
}

// Bet n of the full development: match 1 changes slowest.
void apuesta(qint64 n, char* signos) {
  for (int partido = 13; partido >= 0; --partido) {
    signos[partido] = "1X2"[n % 3];
    n /= 3;
  }
}

// One bet a line, the first line of each ticket with its Pleno al 15.
QByteArray desarrolloCompleto() {
  constexpr qint64 apuestas = 4782969;
  QByteArray datos;
  datos.reserve(apuestas * 16 + apuestas / 4);
  char signos[14];
  for (qint64 n = 0; n < apuestas; ++n) {
    apuesta(n, signos);
    datos.append(signos, 14);
    if (n % apuestasPorBoleto == 0) datos.append("01"[n % 2]).append("2M"[n % 2]);
    datos.append("\r\n");
  }
  return datos;
}

QByteArray ad243(int boletos) {
  QByteArray datos = QByteArray("000000070000000000000") +
                     QByteArray::number(boletos * 8).rightJustified(6, '0') + "00" +
                     QByteArray::number(boletos).rightJustified(6, '0');
  datos = datos.leftJustified(ArchivoAD243::longitudRegistro, '0');
  char signos[14];
  for (int t = 0; t < boletos; ++t) {
    QByteArray registro = QByteArray::number(t).rightJustified(10, '0');
    for (int b = 0; b < apuestasPorBoleto; ++b) {
      apuesta(qint64(t) * 8 + b, signos);
      registro.append(signos, 14);
    }
    datos += registro + "0M";
  }
  return datos;
}

// The bytes of the file read straight through, 1 MB at a time, nothing else done.
void lecturaPorBloques(const QString& ruta) {
  QFile archivo(ruta);
  archivo.open(QIODevice::ReadOnly);
  QByteArray bloque(1 << 20, Qt::Uninitialized);
  while (archivo.read(bloque.data(), bloque.size()) > 0) {
  }
}

void linea(const char* que, const Tiempo& t, const Tiempo* suelo = nullptr) {
  std::printf("  %-34s %9.2f ms pared %9.2f ms cpu", que, t.pared, t.cpu);
  if (suelo) std::printf("   (%.2f x / %.2f x el suelo)", t.pared / suelo->pared, t.cpu / suelo->cpu);
  std::printf("\n");
}

void informe(const char* titulo, const QString& ruta, int tipoFile) {
  const QString nombre = QFileInfo(ruta).fileName();
  const Tiempo suelo = mejor([&] { readFileBytes(ruta); });
  const Tiempo bloques = mejor([&] { lecturaPorBloques(ruta); });
  std::unique_ptr<DesarrolloQuiniela> archivo;
  const Tiempo apertura = mejor([&] {
    archivo = abrirDesarrollo(tipoFile, ruta, nombre);
    archivo->boleto(1);
  });
  const RecuentoQuiniela recuento = archivo->recuento();
  const Tiempo ultimo = mejor([&] { archivo->boleto(recuento.nboletos); });

  Tiempo peor;
  const Tiempo azar = medir([&] {
    for (int i = 0; i < 1000; ++i) {
      const auto t = static_cast<qint32>(QRandomGenerator::global()->bounded(recuento.nboletos) + 1);
      const Tiempo uno = medir([&] { archivo->boleto(t); });
      peor = {qMax(peor.pared, uno.pared), qMax(peor.cpu, uno.cpu)};
    }
  });
  const auto* texto = dynamic_cast<const ArchivoTextoQuiniela*>(archivo.get());
  const qint64 bytesIndice = texto ? texto->bytesIndice() : 0;  // AD243 needs no index

  std::printf("%s: %lld bytes, %d apuestas, %d boletos\n", titulo, static_cast<long long>(fileLength(ruta)),
              recuento.napuestas, recuento.nboletos);
  linea("lectura simple entera (suelo)", suelo);
  linea("lectura por bloques de 1 MB", bloques, &suelo);
  linea("abrir + contar + boleto 1", apertura, &suelo);
  linea("ultimo boleto", ultimo);
  linea("1000 boletos al azar", azar);
  linea("  por boleto", {azar.pared / 1000, azar.cpu / 1000});
  linea("  el peor", peor);
  std::printf("  indice: %lld bytes, %.3f bytes por apuesta\n\n", static_cast<long long>(bytesIndice),
              double(bytesIndice) / recuento.napuestas);
}

}  // namespace

int main() {
  QTemporaryDir carpeta;
  const QString texto = carpeta.filePath(QStringLiteral("Qp07.TXT"));
  const QString registros = carpeta.filePath(QStringLiteral("AD243"));
  escribir(texto, desarrolloCompleto());
  escribir(registros, ad243(200000));
  informe("Qp07.TXT", texto, 2);
  informe("AD243", registros, 1);
  return 0;
}
