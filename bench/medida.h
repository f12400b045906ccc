#pragma once
// What the benchmarks share: the best of several runs, the floor that `wc -l`
// sets on the same file, and the printing of the figures. Every figure is
// wall time and processor time (which a busy machine does not inflate).
#include <QByteArray>
#include <QString>
#include <functional>

struct Tiempo {
  double pared = 0;  // ms
  double cpu = 0;    // ms
};

Tiempo medir(const std::function<void()>& trabajo);
Tiempo mejor(const std::function<void()>& trabajo, int veces = 5);

// `wc -l` run on the file as a child process, best of `veces` runs after one
// to bring the file into memory: the time to read the file and find its line
// ends, process start included. The processor time is the child's. Zero when
// there is no `wc`.
Tiempo sueloWc(const QString& ruta, int veces = 7);

// Peaks of resident memory in KiB, as the system keeps them for one program
// (a child's usage counts what its parent held when it was started, so the
// figures of a child come from itself or from `time`): that of `wc -l` on the
// file, run by /usr/bin/time (0 without it), and this process's own.
long picoWc(const QString& ruta);
long picoPropio();

// Reads the file straight through into one buffer of `bloque` bytes, nothing else done.
void lecturaSecuencial(const QString& ruta, qint64 bloque);

// `veces` runs of `trabajo`, each on a number drawn from `desde` to `hasta`.
struct Serie {
  Tiempo total;
  Tiempo peor;
  int veces = 0;
};
Serie alAzar(int veces, qint64 desde, qint64 hasta, const std::function<void(qint64)>& trabajo);

// Writes a file the benchmark needs; ends the program when it cannot.
void escribirArchivo(const QString& ruta, const QByteArray& datos);

void imprimirLinea(const char* que, const Tiempo& t);
// With the ratio to the floor, for wall and processor time.
void imprimirLinea(const char* que, const Tiempo& t, const Tiempo& suelo);
void imprimirSerie(const char* que, const Serie& serie);
