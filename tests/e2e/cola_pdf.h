#pragma once
// The system's default printer when it is a cups-pdf queue: whether it is there, its jobs, and the
// PDF files it writes, one per printed document.
#include <QStringList>

class ColaPdf {
 public:
  static const ColaPdf& predeterminada();
  // Why the suite cannot print for real here; empty when it can.
  QString motivoSinCola() const { return motivo_; }
  QString nombre() const { return nombre_; }
  // The PDF files in the folder where cups-pdf leaves this user's files.
  QStringList archivos() const;
  // Waits until the queue holds no job and at least `esperados` files not in `antes` are whole
  // (a minute at most); answers them in the order their jobs were sent.
  QStringList esperaNuevos(const QStringList& antes, int esperados) const;
  // The ids of the jobs the queue still holds.
  QStringList trabajos() const;
  // Stops or restarts printing, jobs still accepted; false when not allowed.
  bool detiene(bool detenida) const;

 private:
  QString nombre_, carpeta_, motivo_;
};

// Runs a command and answers what it wrote on its standard output; `ok` tells whether it ran and
// ended with code 0.
QByteArray ejecuta(const QString& programa, const QStringList& argumentos, bool* ok = nullptr);
