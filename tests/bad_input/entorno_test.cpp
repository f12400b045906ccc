// What the program meets around its files: matchday answers that name no
// file, a program folder it cannot write, no printer.
#include <QDir>
#include <QFile>

#include "app/platform/files.h"
#include "help/ayuda.h"
#include "loto/textos_boletolo.h"
#include "quiniela/nombre_jornada.h"
#include "tests/loto_window/ventana_lo.h"
#include "tests/quiniela_window/ventana_qp.h"
#include "tests/support/carpeta_solo_lectura.h"

namespace {

const QString kNoEncontrado = errorDescription(ErrorNumber::FileNotFound);

}  // namespace

TEST_F(VentanaQp, MatchdayAnswersThatNameNoFileOpenNothing) {
  carpeta.write("AD243", archivoAD243(2));
  for (const auto& [respuesta, mensaje] : {std::pair{QString("AB"), kNoEncontrado},
                                           {QString("../x"), textoJornadaConRuta},
                                           {QString("..\\x"), textoJornadaConRuta},
                                           {QString(300, '7'), kNoEncontrado},
                                           {QString(300, 'j'), kNoEncontrado}}) {
    dialogos.forget();
    auto w = abre(respuesta);
    ASSERT_EQ(dialogos.shown().size(), 4) << respuesta.left(8).toStdString();
    EXPECT_EQ(dialogos.last().text, mensaje);
    EXPECT_EQ(w->nboletos, 0);
    w->Command1->click();
    EXPECT_TRUE(impresora.documents().isEmpty());
  }
}

TEST_F(VentanaQp, AProgramFolderItCannotWriteIsReportedAndReadingGoesOn) {
  carpeta.write("AD243", archivoAD243(2));
  const QString denegado = errorDescription(ErrorNumber::PermissionDenied) + "70";
  {
    const CarpetaSoloLectura soloLectura(carpeta.path());
    dialogos.forget();
    auto w = abre();
    EXPECT_EQ(dialogos.shown().at(1).text, denegado) << "configqp.cfg cannot be created";
    EXPECT_EQ(std::pair(w->nboletos, w->inicioY), std::pair(2, 2085));
    w->done(0);
    EXPECT_EQ(dialogos.last().text, denegado);
  }
  EXPECT_FALSE(QFile::exists(carpeta.file("configqp.cfg")));
}

TEST_F(VentanaLo, AProgramFolderItCannotWriteIsReportedAndReadingGoesOn) {
  carpeta.remove("configloi.cfg");
  carpeta.write("AB000017.TXT", archivoLotoTexto('B', 17));
  const QString denegado = errorDescription(ErrorNumber::PermissionDenied);
  const CarpetaSoloLectura soloLectura(carpeta.path());
  auto w = abre();
  QStringList mensajes;
  for (const ShownBox& caja : dialogos.shown()) mensajes << caja.text;
  EXPECT_EQ(mensajes, QStringList({denegado + " F" + textoslo::reparacionCalibracion(true, true, 155, 1505),
                                   denegado + " Gcfg Nº   70"}));
  EXPECT_TRUE(w->File2->isHidden()) << "the start ended at the calibration";
  elige(*w, "AB000017.TXT");
  EXPECT_EQ(w->nboletos, 3);
  // Deleting: refused, the file stays.
  dialogos.forget();
  dialogos.answer(MessageResult::Cancel);
  dialogos.answer(MessageResult::Ok);
  w->abrof();
  w->File2->setCurrentRow(0);
  w->File2_Click();
  EXPECT_EQ(dialogos.last().text, denegado);
  EXPECT_TRUE(QFile::exists(carpeta.file("AB000017.TXT")));
}

TEST_F(VentanaQp, NoPrinterIsReportedAndTheScreenComesBack) {
  carpeta.write("AD243", archivoAD243(3));
  auto w = abre();
  impresora.setUnavailable(true);
  dialogos.forget();
  w->Command1->click();
  w->Command8->click();
  w->mnuTiqueron_Click();
  const QString sinImpresora = errorDescription(ErrorNumber::PrinterError) + "482";
  QStringList mensajes;
  for (const ShownBox& caja : dialogos.shown()) mensajes << caja.text;
  // The next ticket, the repeat, and each of the two pages the run goes on to.
  EXPECT_EQ(mensajes, QStringList(4, sinImpresora));
  EXPECT_FALSE(w->Frame1->isHidden() || w->Frame3->isHidden() || w->Tregla->isHidden());
}

TEST_F(VentanaLo, NoPrinterIsReportedAndTheScreenComesBack) {
  auto w = abreCon("AB000017.TXT", archivoLotoTexto('B', 17));
  impresora.setUnavailable(true);
  dialogos.forget();
  w->Command11->click();
  w->mnuTiqueron_Click();
  const QString sinImpresora = errorDescription(ErrorNumber::PrinterError);
  QStringList mensajes;
  for (const ShownBox& caja : dialogos.shown()) mensajes << caja.text;
  EXPECT_EQ(mensajes, QStringList({sinImpresora + " Nº   482", sinImpresora + " Tiqu Nº   482"}));
  EXPECT_FALSE(w->Frame1->isHidden() || w->Frame3->isHidden() || w->Label21->isHidden());
  // The help window's print just ends.
  carpeta.write("lotoAy.txt", "Uno\r\nDos\r\n");
  Ayuda ayuda(plataforma, rutaPrograma);
  ayuda.Command2_Click();
  EXPECT_EQ(dialogos.shown().size(), 2);
}
