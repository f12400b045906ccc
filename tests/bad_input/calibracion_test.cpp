// Calibration files that are short, long, unterminated, huge, read-only, in a
// read-only folder or replaced by a folder: each window reports what the
// platform says, goes on, and leaves the file either as it was or rewritten
// whole.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/platform/delimited.h"
#include "app/platform/files.h"
#include "loto/files/configloi.h"
#include "loto/textos_boletolo.h"
#include "quiniela/configqp.h"
#include "tests/loto_window/ventana_lo.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/carpeta_solo_lectura.h"

namespace {

QStringList campos(const QByteArray& datos) {
  QStringList leidos;
  for (DelimitedReader lector(datos); !lector.atEnd();) leidos << lector.next();
  return leidos;
}

QString con(int numero, const QString& etiqueta = QString()) {
  return errorDescription(numero) + etiqueta;
}

// How a case leaves the file on disk.
enum class Disco { Igual, Reescrito };

struct Caso {
  const char* caso;
  QByteArray datos;  // the file's bytes; empty: a folder in its place
  bool carpetaSoloLectura;
  QStringList mensajes;  // at the window's start, then at its close
  Disco disco;
};

// The file as the case leaves it at the start, then read back.
void prepara(const TempFolder& carpeta, const QString& nombre, const Caso& c) {
  ponSoloLectura(carpeta.path(), false);
  carpeta.remove(nombre);
  QDir(carpeta.file(nombre)).removeRecursively();
  if (c.datos.isEmpty()) {
    QDir().mkdir(carpeta.file(nombre));
  } else {
    carpeta.write(nombre, c.datos);
    QFile::setPermissions(carpeta.file(nombre), QFile::ReadOwner);
  }
  if (c.carpetaSoloLectura) ponSoloLectura(carpeta.path(), true);
}

void compruebaDisco(const TempFolder& carpeta, const QString& nombre, const Caso& c, int campos15o7) {
  ponSoloLectura(carpeta.path(), false);
  const QFileInfo info(carpeta.file(nombre));
  if (c.datos.isEmpty()) {
    EXPECT_TRUE(info.isDir()) << "the folder is left alone";
    return;
  }
  const QByteArray ahora = carpeta.read(nombre);
  if (c.disco == Disco::Igual) {
    EXPECT_EQ(ahora, c.datos);
  } else {
    EXPECT_EQ(campos(ahora).size(), campos15o7) << "rewritten whole";
    EXPECT_TRUE(ahora.endsWith("\r\n"));
  }
  EXPECT_FALSE(info.permissions() & QFile::WriteOwner) << "read-only again";
}

QStringList mensajesDesde(const ScriptedDialogs& dialogos, int desde) {
  QStringList textos;
  for (const ShownBox& caja : dialogos.shown().mid(desde)) textos << caja.text;
  return textos;
}

}  // namespace

TEST_F(VentanaQp, BadConfigQpFilesAreReportedAndNeverLeftHalfWritten) {
  carpeta.write("AD243", archivoAD243(2));
  const QByteArray seis =
      "\"-30\",\"True 09\",\"000640x\",\"2085\",\"3100\",\"" + textoRellenoQp.toLatin1() + "\"";
  const Caso casos[] = {
      {"missing fields",
       "\"-15\",\"True 09\",\"000640x\"\r\n",
       false,
       {con(62, "62"), con(62, "62")},
       Disco::Reescrito},
      {"extra fields", seis + QByteArray(",\"x\"").repeated(14) + "\r\n", false, {}, Disco::Reescrito},
      {"an unterminated quote", seis.chopped(5) + "\r\n\"0.5", false, {con(62, "62")}, Disco::Reescrito},
      {"1 MB of text", QByteArray(1 << 20, 'a'), false, {con(62, "62"), con(62, "62")}, Disco::Reescrito},
      {"read-only on disk", seis + QByteArray(",\"x\"").repeated(9) + "\r\n", false, {}, Disco::Reescrito},
      {"in a read-only folder",
       seis + QByteArray(",\"x\"").repeated(9) + "\r\n",
       true,
       {con(70, "70")},
       Disco::Igual},
      {"replaced by a folder", QByteArray(), false, {con(75, "75"), con(75, "75")}, Disco::Igual}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.caso);
    prepara(carpeta, "configqp.cfg", c);
    dialogos.forget();
    auto w = abre();
    w->done(0);
    QStringList mensajes = mensajesDesde(dialogos, 0);
    mensajes.removeIf(
        [](const QString& m) { return !m.contains(QRegularExpression("\\d$")); });  // errors only
    EXPECT_EQ(mensajes, c.mensajes);
    compruebaDisco(carpeta, "configqp.cfg", c, 15);
  }
}

TEST_F(VentanaLo, BadConfigLoiFilesAreReportedAndNeverLeftHalfWritten) {
  const QString gcfg = " Gcfg Nº   ";
  // The offsets the file could not give take the game's default position.
  const QString repara = textoslo::reparacionCalibracion(true, true, 155, 1505);
  const Caso casos[] = {
      // The save after the failed start writes the file whole: closing then has nothing to report.
      {"missing fields", "980,30,\" 1290\"\r\n", false, {con(62, " F" + repara)}, Disco::Reescrito},
      {"extra fields", kConfigLoi.chopped(2) + ",\"x\",\"y\"\r\n", false, {}, Disco::Reescrito},
      {"an unterminated quote",
       "980,30,\" 1290\",\"0480-0155\",\"4840-1505\",\" 8\",\"980-30",
       false,
       {},
       Disco::Reescrito},
      {"1 MB of text", QByteArray(1 << 20, 'a'), false, {con(62, " F" + repara)}, Disco::Reescrito},
      {"read-only on disk", kConfigLoi, false, {}, Disco::Reescrito},
      {"in a read-only folder", kConfigLoi, true, {con(70, gcfg + "70")}, Disco::Igual},
      {"replaced by a folder",
       QByteArray(),
       false,
       {con(75, " F" + repara), con(75, gcfg + "75"), con(75, gcfg + "75")},
       Disco::Igual}};
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.caso);
    prepara(carpeta, "configloi.cfg", c);
    dialogos.forget();
    auto w = abre();
    w->done(0);
    EXPECT_EQ(mensajesDesde(dialogos, 0), c.mensajes);
    compruebaDisco(carpeta, "configloi.cfg", c, 7);
  }
}

