#pragma once
// The system's default printer when it is a cups-pdf queue: whether it is
// there, its jobs, and the PDF files it writes, one per printed document.
#include <QRect>
#include <QStringList>
#include <QVector>

class ColaPdf {
 public:
  // Why the suite cannot print for real here; empty when it can.
  static QString motivoSinCola();
  static ColaPdf& predeterminada();

  QString nombre() const { return nombre_; }
  // The PDF files in the folder where cups-pdf leaves this user's files, as
  // its configuration says.
  QStringList archivos() const;
  // Waits until the queue holds no job and the files that are not in `antes`
  // are whole; answers them in the order their jobs were sent. `esperados` is
  // how many are looked for: the wait ends early once the queue is empty and
  // they are there, and gives up after `segundos`.
  QStringList esperaNuevos(const QStringList& antes, int esperados, int segundos = 60) const;

  // The ids of the jobs the queue still holds (lpstat -o), and of those titled
  // `titulo`; titles are known only through libcups.
  static bool conTitulos();
  QStringList trabajos() const;
  QStringList trabajosTitulados(const QString& titulo) const;
  // Stops and restarts printing, jobs still accepted; false when not allowed.
  bool detiene() const;
  bool reanuda() const;

 private:
  ColaPdf() = default;
  QString nombre_;
  QString carpeta_;
  QString motivo_;
};

// Keeps the queue stopped while it lives.
class ColaDetenida {
 public:
  explicit ColaDetenida(const ColaPdf& cola) : cola_(cola), detenida_(cola.detiene()) {}
  ~ColaDetenida() {
    if (detenida_) cola_.reanuda();
  }
  ColaDetenida(const ColaDetenida&) = delete;
  ColaDetenida& operator=(const ColaDetenida&) = delete;
  bool detenida() const { return detenida_; }

 private:
  const ColaPdf& cola_;
  bool detenida_;
};

// Runs a command and answers what it wrote on its standard output; `ok` tells
// whether it ran and ended with code 0.
QByteArray ejecuta(const QString& programa, const QStringList& argumentos, bool* ok = nullptr);
