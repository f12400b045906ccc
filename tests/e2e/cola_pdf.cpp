#include "tests/e2e/cola_pdf.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>

#ifdef TIQUERON_E2E_WITH_CUPS
#include <cups/cups.h>
#endif

QByteArray ejecuta(const QString& programa, const QStringList& argumentos, bool* ok) {
  QProcess proceso;
  // poppler warns of every bitmap glyph cups-pdf writes.
  proceso.setStandardErrorFile(QProcess::nullDevice());
  proceso.start(programa, argumentos);
  const bool bien = proceso.waitForFinished(60000) && proceso.exitStatus() == QProcess::NormalExit &&
                    proceso.exitCode() == 0;
  if (ok) *ok = bien;
  return proceso.readAllStandardOutput();
}

namespace {

// cups-pdf's setting `clave` in its configuration, or `porDefecto`.
QString ajusteCupsPdf(const QByteArray& configuracion, const QString& clave, const QString& porDefecto) {
  for (const QByteArray& linea : configuracion.split('\n')) {
    const QString texto = QString::fromUtf8(linea).trimmed();
    if (texto.startsWith(clave + QLatin1Char(' ')) || texto.startsWith(clave + QLatin1Char('\t')))
      return texto.mid(clave.size()).trimmed();
  }
  return porDefecto;
}

// The folder cups-pdf writes this user's files to: its Out setting with the
// user's name and home put in, or the anonymous folder for a user the system
// does not know.
QString carpetaDeCupsPdf(QString* motivo) {
  QFile archivo(QStringLiteral("/etc/cups/cups-pdf.conf"));
  if (!archivo.open(QIODevice::ReadOnly)) {
    *motivo = QStringLiteral("cannot read /etc/cups/cups-pdf.conf");
    return QString();
  }
  const QByteArray configuracion = archivo.readAll();
  const passwd* usuario = getpwuid(getuid());
  if (!usuario)
    return ajusteCupsPdf(configuracion, QStringLiteral("AnonDirName"),
                         QStringLiteral("/var/spool/cups-pdf/ANONYMOUS"));
  QString salida =
      ajusteCupsPdf(configuracion, QStringLiteral("Out"), QStringLiteral("/var/spool/cups-pdf/${USER}"));
  salida.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(usuario->pw_dir));
  salida.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(usuario->pw_name));
  return salida;
}

// cups-pdf names each file after its job ("...-job_12.pdf"); without the
// number the file's time decides.
int numeroTrabajo(const QString& archivo) {
  static const QRegularExpression numero(QStringLiteral("job_(\\d+)"));
  const QRegularExpressionMatch m = numero.match(QFileInfo(archivo).fileName());
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// A PDF that cups-pdf has finished writing ends with its trailer.
bool completo(const QString& pdf) {
  QFile f(pdf);
  if (!f.open(QIODevice::ReadOnly) || f.size() < 1024) return false;
  f.seek(f.size() - 64);
  return f.read(64).contains("%%EOF");
}

}  // namespace

ColaPdf& ColaPdf::predeterminada() {
  static ColaPdf cola = [] {
    ColaPdf c;
    if (!QString::fromUtf8(ejecuta(QStringLiteral("lpstat"), {QStringLiteral("-r")}))
             .contains(QStringLiteral("scheduler is running"))) {
      c.motivo_ = QStringLiteral("the CUPS scheduler is not running (scripts/print-queue.sh starts it)");
      return c;
    }
    c.nombre_ = QPrinterInfo::defaultPrinterName();
    if (c.nombre_.isEmpty()) {
      c.motivo_ = QStringLiteral("there is no default printer (scripts/print-queue.sh makes one)");
      return c;
    }
    // Only a PDF queue: the suite must never feed paper to a real printer.
    const QString dispositivo = QString::fromUtf8(ejecuta(QStringLiteral("lpstat"), {"-v", c.nombre_}));
    if (!dispositivo.contains(QStringLiteral("cups-pdf:"))) {
      c.motivo_ = QStringLiteral("the default printer %1 is not a cups-pdf queue").arg(c.nombre_);
      return c;
    }
    c.carpeta_ = carpetaDeCupsPdf(&c.motivo_);
    return c;
  }();
  return cola;
}

QString ColaPdf::motivoSinCola() {
  return predeterminada().motivo_;
}

QStringList ColaPdf::archivos() const {
  QStringList pdfs;
  for (const QFileInfo& f : QDir(carpeta_).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
    pdfs << f.absoluteFilePath();
  return pdfs;
}

QStringList ColaPdf::esperaNuevos(const QStringList& antes, int esperados, int segundos) const {
  QElapsedTimer reloj;
  reloj.start();
  QStringList nuevos;
  for (;;) {
    nuevos.clear();
    for (const QString& pdf : archivos())
      if (!antes.contains(pdf)) nuevos << pdf;
    const bool listos = trabajos().isEmpty() && nuevos.size() >= esperados &&
                        std::all_of(nuevos.begin(), nuevos.end(), completo);
    if (listos || reloj.elapsed() > segundos * 1000) break;
    QThread::msleep(100);
  }
  std::sort(nuevos.begin(), nuevos.end(), [](const QString& a, const QString& b) {
    const int na = numeroTrabajo(a), nb = numeroTrabajo(b);
    if (na != nb) return na < nb;
    return QFileInfo(a).lastModified() < QFileInfo(b).lastModified();
  });
  return nuevos;
}

QStringList ColaPdf::trabajos() const {
  QStringList ids;
  for (const QByteArray& linea : ejecuta(QStringLiteral("lpstat"), {"-o", nombre_}).split('\n'))
    if (!linea.trimmed().isEmpty()) ids << QString::fromUtf8(linea.split(' ').first());
  return ids;
}

QStringList ColaPdf::trabajosTitulados(const QString& titulo) const {
  QStringList ids;
#ifdef TIQUERON_E2E_WITH_CUPS
  cups_job_t* lista = nullptr;
  const QByteArray cola = nombre_.toUtf8();
  const int cuantos = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lista, cola.constData(), 0, CUPS_WHICHJOBS_ACTIVE);
  for (int i = 0; i < cuantos; ++i)
    if (QString::fromUtf8(lista[i].title) == titulo)
      ids << nombre_ + QLatin1Char('-') + QString::number(lista[i].id);
  cupsFreeJobs(cuantos, lista);
#else
  Q_UNUSED(titulo);
#endif
  return ids;
}

bool ColaPdf::detiene() const {
  bool ok = false;
  ejecuta(QStringLiteral("cupsdisable"), {nombre_}, &ok);
  return ok;
}

bool ColaPdf::reanuda() const {
  bool ok = false;
  ejecuta(QStringLiteral("cupsenable"), {nombre_}, &ok);
  return ok;
}

bool ColaPdf::conTitulos() {
#ifdef TIQUERON_E2E_WITH_CUPS
  return true;
#else
  return false;
#endif
}
