// Times "Comprobar apuestas" on the largest files: the full 3^14 football-pools
// development (4,782,969 bets, each also looked up among the earlier ones) and
// a million Bonoloto bets as .TXT and as .LOT. Prints the time and the peak
// memory beside those of `wc -l` run as a child on the same file in the same
// run. The peak of a check is that of a child of its own (this program run
// again with --hijo), so that the files made here in memory do not count.
// Nothing is asserted; the aims are 1 s and 100 MB for 3^14, 0.3 s for the
// lotto files.
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <functional>

#include "app/platform/files.h"
#include "bench/desarrollos.h"
#include "bench/medida.h"
#include "loto/files/comprobacion_loto.h"
#include "quiniela/comprobacion_quiniela.h"

namespace {

struct Caso {
  const char* nombre;
  std::function<QByteArray()> datos;
  std::function<std::optional<InformeComprobacion>(const QString& ruta)> comprobar;
};

const Caso kCasos[] = {
    {"Qp07.TXT", desarrolloCompleto,
     [](const QString& ruta) { return comprobarQuiniela(2, ruta, QStringLiteral("Qp07.TXT"), {}); }},
    {"AB100000.TXT", bonolotoTexto,
     [](const QString& ruta) {
       return comprobarLoto(*juegoLoto(12), 2, ruta, QStringLiteral("AB100000.TXT"), 8, {});
     }},
    {"AB100000.LOT", bonolotoBinario,
     [](const QString& ruta) {
       return comprobarLoto(*juegoLoto(12), 1, ruta, QStringLiteral("AB100000.LOT"), 8, {});
     }},
};

// The peak of this program in a child of its own, checking case `caso` on
// `ruta`, or doing nothing for a negative case.
long picoEnHijo(const QString& programa, int caso, const QString& ruta) {
  QProcess hijo;
  hijo.start(programa, {QStringLiteral("--hijo"), QString::number(caso), ruta});
  hijo.waitForFinished(-1);
  return hijo.readAllStandardOutput().trimmed().toLong();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--hijo") == 0) {
    const int caso = std::atoi(argv[2]);
    if (caso >= 0) kCasos[caso].comprobar(QString::fromLocal8Bit(argv[3]));
    std::printf("%ld\n", picoPropio());
    return 0;
  }
  const QString programa = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
  QTemporaryDir carpeta;
  const auto ruta = [&](const Caso& c) { return carpeta.filePath(QString::fromLatin1(c.nombre)); };
  Tiempo suelos[std::size(kCasos)];
  long picosWc[std::size(kCasos)];
  for (size_t caso = 0; caso < std::size(kCasos); ++caso) {
    escribirArchivo(ruta(kCasos[caso]), kCasos[caso].datos());
    suelos[caso] = sueloWc(ruta(kCasos[caso]));
    picosWc[caso] = picoWc(ruta(kCasos[caso]));
  }
  const long picoVacio = picoEnHijo(programa, -1, QString());
  for (size_t caso = 0; caso < std::size(kCasos); ++caso) {
    const Caso& c = kCasos[caso];
    std::optional<InformeComprobacion> informe;
    const Tiempo primera = medir([&] { informe = c.comprobar(ruta(c)); });
    const Tiempo comprobacion = mejor([&] { informe = c.comprobar(ruta(c)); }, 3);
    const long pico = picoEnHijo(programa, int(caso), ruta(c));

    std::printf("%s: %lld bytes, %lld apuestas, %lld boletos, %lld problemas\n", c.nombre,
                static_cast<long long>(fileLength(ruta(c))), static_cast<long long>(informe->apuestas()),
                static_cast<long long>(informe->boletos()), static_cast<long long>(informe->problemas()));
    imprimirLinea("wc -l (el suelo)", suelos[caso]);
    imprimirLinea("comprobar apuestas", comprobacion, suelos[caso]);
    imprimirLinea("  la primera vez", primera, suelos[caso]);
    std::printf(
        "  memoria pico: comprobar %.1f MB (el programa sin hacer nada %.1f MB), wc -l %.1f MB: %.1f x\n\n",
        pico / 1024.0, picoVacio / 1024.0, picosWc[caso] / 1024.0, double(pico) / double(picosWc[caso]));
  }
  return 0;
}
