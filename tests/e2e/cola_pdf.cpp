#include "tests/e2e/cola_pdf.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>

QByteArray ejecuta(const QString& programa, const QStringList& argumentos, bool* ok) {
  QProcess proceso;
  proceso.setStandardErrorFile(QProcess::nullDevice());  // poppler warns of every bitmap glyph of cups-pdf
  proceso.start(programa, argumentos);
  const bool bien = proceso.waitForFinished(60000) && proceso.exitStatus() == QProcess::NormalExit &&
                    proceso.exitCode() == 0;
  if (ok) *ok = bien;
  return proceso.readAllStandardOutput();
}

namespace {

// cups-pdf names each file after its job ("...-job_12.pdf").
int numeroTrabajo(const QString& archivo) {
  static const QRegularExpression numero(QStringLiteral("job_(\\d+)"));
  return numero.match(archivo).captured(1).toInt();
}

// A PDF that cups-pdf has finished writing ends with its trailer.
bool completo(const QString& pdf) {
  QFile f(pdf);
  return f.open(QIODevice::ReadOnly) && f.size() > 1024 && f.seek(f.size() - 64) &&
         f.read(64).contains("%%EOF");
}

}  // namespace

const ColaPdf& ColaPdf::predeterminada() {
  static const ColaPdf cola = [] {
    ColaPdf c;
    c.nombre_ = QPrinterInfo::defaultPrinterName();
    // Only a PDF queue: the suite must never feed paper to a real printer.
    if (!ejecuta("lpstat", {"-r"}).contains("scheduler is running") || c.nombre_.isEmpty() ||
        !ejecuta("lpstat", {"-v", c.nombre_}).contains("cups-pdf:")) {
      c.motivo_ = "no cups-pdf queue is the default printer (scripts/print-queue.sh makes one)";
      return c;
    }
    // Its Out setting, with this user's name and home put in.
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    c.carpeta_ = QStringLiteral("/var/spool/cups-pdf/${USER}");
    if (conf.open(QIODevice::ReadOnly))
      for (const QByteArray& linea : conf.readAll().split('\n'))
        if (linea.startsWith("Out ") || linea.startsWith("Out\t"))
          c.carpeta_ = QString::fromUtf8(linea.mid(4)).trimmed();
    const passwd* usuario = getpwuid(getuid());
    c.carpeta_.replace("${HOME}", QString::fromLocal8Bit(usuario->pw_dir));
    c.carpeta_.replace("${USER}", QString::fromLocal8Bit(usuario->pw_name));
    return c;
  }();
  return cola;
}

QStringList ColaPdf::archivos() const {
  QStringList pdfs;
  for (const QFileInfo& f : QDir(carpeta_).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
    pdfs << f.absoluteFilePath();
  return pdfs;
}

QStringList ColaPdf::esperaNuevos(const QStringList& antes, int esperados) const {
  QElapsedTimer reloj;
  reloj.start();
  QStringList nuevos;
  do {
    QThread::msleep(100);
    nuevos = archivos();
    nuevos.removeIf([&antes](const QString& pdf) { return antes.contains(pdf); });
  } while (!(trabajos().isEmpty() && nuevos.size() >= esperados &&
             std::all_of(nuevos.begin(), nuevos.end(), completo)) &&
           reloj.elapsed() < 60000);
  std::sort(nuevos.begin(), nuevos.end(),
            [](const QString& a, const QString& b) { return numeroTrabajo(a) < numeroTrabajo(b); });
  return nuevos;
}

QStringList ColaPdf::trabajos() const {
  QStringList ids;
  for (const QByteArray& linea : ejecuta("lpstat", {"-o", nombre_}).split('\n'))
    if (!linea.trimmed().isEmpty()) ids << QString::fromUtf8(linea.split(' ').first());
  return ids;
}

bool ColaPdf::detiene(bool detenida) const {
  bool ok = false;
  ejecuta(detenida ? "cupsdisable" : "cupsenable", {nombre_}, &ok);
  return ok;
}
