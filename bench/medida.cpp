#include "bench/medida.h"

#include <sys/resource.h>

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

double cpuHijos() {
  rusage uso{};
  getrusage(RUSAGE_CHILDREN, &uso);
  return 1000.0 * double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) +
         double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1000.0;
}

Tiempo menor(const Tiempo& a, const Tiempo& b) {
  return {qMin(a.pared, b.pared), qMin(a.cpu, b.cpu)};
}

}  // namespace

Tiempo medir(const std::function<void()>& trabajo) {
  const auto pared = std::chrono::steady_clock::now();
  const std::clock_t cpu = std::clock();
  trabajo();
  return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pared).count(),
          1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC};
}

Tiempo mejor(const std::function<void()>& trabajo, int veces) {
  Tiempo mejor = medir(trabajo);
  for (int i = 1; i < veces; ++i) mejor = menor(mejor, medir(trabajo));
  return mejor;
}

Tiempo sueloWc(const QString& ruta, int veces) {
  const QString wc = QStandardPaths::findExecutable(QStringLiteral("wc"));
  if (wc.isEmpty()) return {};
  const auto unaVez = [&] {
    QProcess proceso;
    proceso.setStandardOutputFile(QProcess::nullDevice());
    const double antes = cpuHijos();
    const auto pared = std::chrono::steady_clock::now();
    proceso.start(wc, {QStringLiteral("-l"), ruta});
    proceso.waitForFinished(-1);
    return Tiempo{std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pared).count(),
                  cpuHijos() - antes};
  };
  unaVez();
  Tiempo mejor = unaVez();
  for (int i = 1; i < veces; ++i) mejor = menor(mejor, unaVez());
  return mejor;
}

long picoWc(const QString& ruta) {
  const QString time = QStringLiteral("/usr/bin/time");
  if (!QFile::exists(time)) return 0;
  QProcess proceso;
  proceso.setStandardOutputFile(QProcess::nullDevice());
  proceso.start(
      time, {QStringLiteral("-f"), QStringLiteral("%M"), QStringLiteral("wc"), QStringLiteral("-l"), ruta});
  proceso.waitForFinished(-1);
  return proceso.readAllStandardError().trimmed().split('\n').last().toLong();
}

long picoPropio() {
  QFile estado(QStringLiteral("/proc/self/status"));
  if (!estado.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& linea : estado.readAll().split('\n'))
    if (linea.startsWith("VmHWM:")) return linea.mid(6).trimmed().split(' ').first().toLong();
  return 0;
}

void lecturaSecuencial(const QString& ruta, qint64 bloque) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return;
  const std::unique_ptr<char[]> datos(new char[size_t(bloque)]);
  while (archivo.read(datos.get(), bloque) > 0) {
  }
}

Serie alAzar(int veces, qint64 desde, qint64 hasta, const std::function<void(qint64)>& trabajo) {
  Serie serie;
  serie.veces = veces;
  serie.total = medir([&] {
    for (int i = 0; i < veces; ++i) {
      const qint64 n = QRandomGenerator::global()->bounded(desde, hasta + 1);
      const Tiempo uno = medir([&] { trabajo(n); });
      serie.peor = {qMax(serie.peor.pared, uno.pared), qMax(serie.peor.cpu, uno.cpu)};
    }
  });
  return serie;
}

void escribirArchivo(const QString& ruta, const QByteArray& datos) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::WriteOnly) || archivo.write(datos) != datos.size()) {
    std::fprintf(stderr, "No se puede escribir %s\n", qPrintable(ruta));
    std::exit(1);
  }
}

void imprimirLinea(const char* que, const Tiempo& t) {
  std::printf("  %-34s %9.3f ms pared %9.3f ms cpu\n", que, t.pared, t.cpu);
}

void imprimirLinea(const char* que, const Tiempo& t, const Tiempo& suelo) {
  std::printf("  %-34s %9.3f ms pared %9.3f ms cpu", que, t.pared, t.cpu);
  if (suelo.pared > 0) std::printf("   %.2f x el suelo en pared", t.pared / suelo.pared);
  if (suelo.cpu > 0) std::printf(", %.2f x en cpu", t.cpu / suelo.cpu);
  std::printf("\n");
}

void imprimirSerie(const char* que, const Serie& serie) {
  std::printf("  %s, %d veces\n", que, serie.veces);
  imprimirLinea("  en total", serie.total);
  imprimirLinea("  cada uno", {serie.total.pared / serie.veces, serie.total.cpu / serie.veces});
  imprimirLinea("  el peor", serie.peor);
}
