// Calibration files that are short, long, unterminated, huge, read-only, in a
// read-only folder or replaced by a folder: each window reports what the
// platform says, goes on, and leaves the file either as it was or rewritten
// whole.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "app/platform/delimited.h"
#include "loto/textos_boletolo.h"
#include "quiniela/configqp.h"
#include "tests/loto_window/ventana_lo.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/carpeta_solo_lectura.h"

namespace {

QString con(int numero, const QString& etiqueta) {
  return errorDescription(numero) + etiqueta;
}

struct Caso {
  const char* caso;
  QByteArray datos;  // the file's bytes; empty: a folder in its place
  bool carpetaSoloLectura;
  QStringList mensajes;  // the errors at the window's start, then at its close
  bool reescrito;        // else left as it was
};

// Opens and closes a window on the calibration file `nombre` as the case
// leaves it, then checks the errors shown (the boxes that match `error`) and
// the file left.
void prueba(const TempFolder& carpeta, ScriptedDialogs& dialogos, const QString& nombre, const Caso& c,
            int campos, const QString& error, const std::function<void()>& abreYCierra) {
  SCOPED_TRACE(c.caso);
  carpeta.remove(nombre);
  QDir(carpeta.file(nombre)).removeRecursively();
  if (c.datos.isEmpty()) {
    QDir().mkdir(carpeta.file(nombre));
  } else {
    carpeta.write(nombre, c.datos);
    QFile::setPermissions(carpeta.file(nombre), QFile::ReadOwner);
  }
  {
    std::optional<CarpetaSoloLectura> soloLectura;
    if (c.carpetaSoloLectura) soloLectura.emplace(carpeta.path());
    dialogos.forget();
    abreYCierra();
  }
  QStringList mensajes;
  for (const ShownBox& caja : dialogos.shown())
    if (caja.text.contains(QRegularExpression(error))) mensajes << caja.text;
  EXPECT_EQ(mensajes, c.mensajes);
  const QFileInfo info(carpeta.file(nombre));
  if (c.datos.isEmpty()) {
    EXPECT_TRUE(info.isDir()) << "the folder is left alone";
    return;
  }
  const QByteArray ahora = carpeta.read(nombre);
  int leidos = 0;
  for (DelimitedReader lector(ahora); !lector.atEnd(); lector.next()) ++leidos;
  if (c.reescrito)
    EXPECT_TRUE(leidos == campos && ahora.endsWith("\r\n"))
        << "rewritten whole: " << ahora.left(200).toStdString();
  else
    EXPECT_EQ(ahora, c.datos);
  EXPECT_FALSE(info.permissions() & QFile::WriteOwner) << "read-only again";
}

}  // namespace

TEST_F(VentanaQp, BadConfigQpFilesAreReportedAndNeverLeftHalfWritten) {
  carpeta.write("AD243", archivoAD243(2));
  const QByteArray seis =
      "\"-30\",\"True 09\",\"000640x\",\"2085\",\"3100\",\"" + textoRellenoQp.toLatin1() + "\"";
  const QByteArray quince = seis + QByteArray(",\"x\"").repeated(9) + "\r\n";
  const Caso casos[] = {
      {"missing fields", "\"-15\",\"True 09\",\"000640x\"\r\n", false, {con(62, "62"), con(62, "62")}, true},
      {"extra fields", seis + QByteArray(",\"x\"").repeated(14) + "\r\n", false, {}, true},
      {"an unterminated quote", seis.chopped(5) + "\r\n\"0.5", false, {con(62, "62")}, true},
      {"1 MB of text", QByteArray(1 << 20, 'a'), false, {con(62, "62"), con(62, "62")}, true},
      {"read-only on disk", quince, false, {}, true},
      {"in a read-only folder", quince, true, {con(70, "70")}, false},
      {"replaced by a folder", QByteArray(), false, {con(75, "75"), con(75, "75")}, false}};
  for (const Caso& c : casos)
    prueba(carpeta, dialogos, "configqp.cfg", c, 15, "\\d$", [&] { abre()->done(0); });
}

TEST_F(VentanaLo, BadConfigLoiFilesAreReportedAndNeverLeftHalfWritten) {
  const QString gcfg = " Gcfg Nº   ";
  // The offsets the file could not give take the game's default position.
  const QString repara = " F" + textoslo::reparacionCalibracion(true, true, 155, 1505);
  const Caso casos[] = {
      // The save after the failed start writes the file whole: closing then has nothing to report.
      {"missing fields", "980,30,\" 1290\"\r\n", false, {con(62, repara)}, true},
      {"extra fields", kConfigLoi.chopped(2) + ",\"x\",\"y\"\r\n", false, {}, true},
      {"an unterminated quote",
       "980,30,\" 1290\",\"0480-0155\",\"4840-1505\",\" 8\",\"980-30",
       false,
       {},
       true},
      {"1 MB of text", QByteArray(1 << 20, 'a'), false, {con(62, repara)}, true},
      {"read-only on disk", kConfigLoi, false, {}, true},
      {"in a read-only folder", kConfigLoi, true, {con(70, gcfg + "70")}, false},
      {"replaced by a folder",
       QByteArray(),
       false,
       {con(75, repara), con(75, gcfg + "75"), con(75, gcfg + "75")},
       false}};
  for (const Caso& c : casos) prueba(carpeta, dialogos, "configloi.cfg", c, 7, "", [&] { abre()->done(0); });
}
