#pragma once
// The report of the check of every bet of an open bet file: the totals
// (bets, tickets, the bets with each kind of problem) and every problem found,
// one line each, in file order. Each ticket window gives its own table of
// kinds; the report numbers bets, tickets and lines from 1.
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <vector>

// One problem of one bet, kept small: a file of millions of bets may have a
// problem in every bet.
struct Problema {
  qint32 apuesta = 0;  // from 1
  qint32 linea = 0;    // from 1; 0 in a file without lines
  quint8 tipo = 0;     // row of the window's table of kinds
  quint8 lugar = 0;    // match or field, from 1
  quint8 cuantos = 0;  // characters at fault held in `caracteres`
  char caracteres[2] = {};
  qint32 valor = 0;  // a number, a byte, a count of signs or an earlier bet

  // The characters at fault between « and », as the file's ANSI text.
  QString citado() const;
};

// A kind of problem: how the totals name the bets that have it, and what its
// line says after the bet's numbers.
struct TipoProblema {
  QString resumen;
  std::function<QString(const Problema&)> detalle;
};

// The check's progress: bytes done of the total; false cancels the check.
using Progreso = std::function<bool(qint64 hecho, qint64 total)>;

// Whether the check goes on at bet `apuesta`: `progreso` is asked every so
// many bets, often enough for a bar, too seldom to cost.
inline bool sigueComprobando(const Progreso& progreso, qint64 apuesta, qint64 hecho, qint64 total) {
  return apuesta % (1 << 16) != 0 || !progreso || progreso(hecho, total);
}

class InformeComprobacion {
 public:
  // The window lists this many problems; the saved and printed report has all.
  static constexpr int kMostrados = 1000;

  InformeComprobacion(const QString& nombreArchivo, QVector<TipoProblema> tipos, qint32 apuestasPorBoleto);

  // Problems of one bet come in order; those of a bet may come after a later
  // bet's.
  void anotar(const Problema& problema) { problemas_.push_back(problema); }
  // After the last bet: puts the problems in file order and counts them.
  void terminar(qint64 apuestas);

  const QString& archivo() const { return nombre_; }
  qint64 apuestas() const { return apuestas_; }
  qint64 boletos() const;
  qint64 problemas() const { return qint64(problemas_.size()); }
  // Bets that have the kind `tipo`.
  qint64 apuestasCon(int tipo) const { return apuestasConTipo_.value(tipo); }
  qint32 boletoDe(qint64 problema) const;

  // The totals: one line alone when no bet has a problem.
  QStringList totales() const;
  // The line of problem i: "Apuesta 17 (boleto 3, línea 17): " and its detail.
  QString linea(qint64 problema) const;
  // What the window adds below its problems when it cannot list them all; empty when it can.
  QString masProblemas() const;
  // The whole report, as saved and printed: the totals, an empty line and every problem.
  QStringList texto() const;

 private:
  QString nombre_;
  QVector<TipoProblema> tipos_;
  qint32 porBoleto_;
  qint64 apuestas_ = 0;
  std::vector<Problema> problemas_;
  QVector<qint64> apuestasConTipo_;
};
