// Calibration files that are short, huge, in a read-only folder or replaced
// by a folder: each window reports what the platform says, goes on, and
// leaves the file either as it was or rewritten whole.
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

// The file's bytes (none: a folder in its place), whether the program folder
// is read-only, the errors at the window's start then at its close, and
// whether the file is rewritten (else left as it was).
using Caso = std::tuple<QByteArray, bool, QStringList, bool>;

// Opens and closes a window on the calibration file `nombre` as the case
// leaves it, then checks the boxes shown (those that match `error`) and the
// file left: rewritten whole (`campos` fields) or as it was, read-only in both (a folder in its
// place keeps what the system gives it).
void prueba(EntornoPrueba& e, const QString& nombre, const Caso& c, int campos, const QString& error,
            const std::function<void()>& abreYCierra) {
  const auto& [datos, carpetaSoloLectura, esperados, reescrito] = c;
  SCOPED_TRACE(datos.left(30).toStdString());
  e.carpeta.remove(nombre);
  datos.isEmpty() ? void(QDir().mkdir(e.carpeta.file(nombre))) : e.carpeta.write(nombre, datos);
  QFile::setPermissions(e.carpeta.file(nombre), QFile::ReadOwner | QFile::ExeOwner);
  {
    std::optional<CarpetaSoloLectura> soloLectura;
    if (carpetaSoloLectura) soloLectura.emplace(e.carpeta.path());
    e.dialogos.forget();
    abreYCierra();
  }
  QStringList mensajes;
  for (const ShownBox& caja : e.dialogos.shown())
    if (caja.text.contains(QRegularExpression(error))) mensajes << caja.text;
  EXPECT_EQ(mensajes, esperados);
  const QFileInfo info(e.carpeta.file(nombre));
  const QByteArray ahora = info.isDir() ? QByteArray() : e.carpeta.read(nombre);
  EXPECT_TRUE(reescrito ? DelimitedReader(ahora).skip(99) == campos && ahora.endsWith("\r\n")
                        : ahora == datos)
      << ahora.left(200).toStdString();
  EXPECT_FALSE(info.isFile() && info.permissions() & QFile::WriteOwner) << "read-only again";
}

}  // namespace

TEST_F(VentanaQp, BadConfigQpFilesAreReportedAndNeverLeftHalfWritten) {
  carpeta.write("AD243", archivoAD243(2));
  const QString corto = errorDescription(62) + "62", carpetaEnSuLugar = errorDescription(75) + "75";
  const QByteArray quince = "\"-30\",\"True 09\",\"000640x\",\"2085\",\"3100\",\"" +
                            textoRellenoQp.toLatin1() + "\"" + QByteArray(",\"x\"").repeated(9) + "\r\n";
  const Caso casos[] = {{"\"-15\",\"True 09\",\"000640x\"\r\n", false, {corto, corto}, true},
                        {quince, true, {errorDescription(70) + "70"}, false},
                        {QByteArray(), false, {carpetaEnSuLugar, carpetaEnSuLugar}, false}};
  for (const Caso& c : casos) prueba(*this, "configqp.cfg", c, 15, "\\d$", [&] { abre()->done(0); });
}

TEST_F(VentanaLo, BadConfigLoiFilesAreReportedAndNeverLeftHalfWritten) {
  const QString gcfg = " Gcfg Nº   ";
  // The offsets the file could not give take the game's default position.
  const QString repara = " F" + textoslo::reparacionCalibracion(true, true, 155, 1505);
  const Caso casos[] = {
      // The save after the failed start writes the file whole: closing then has nothing to report.
      {"980,30,\" 1290\"\r\n", false, {errorDescription(62) + repara}, true},
      {kConfigLoi, true, {errorDescription(70) + gcfg + "70"}, false},
      {QByteArray(),
       false,
       {errorDescription(75) + repara, errorDescription(75) + gcfg + "75",
        errorDescription(75) + gcfg + "75"},
       false}};
  for (const Caso& c : casos) prueba(*this, "configloi.cfg", c, 7, "", [&] { abre()->done(0); });
}
