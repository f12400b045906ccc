// What the program meets around its files: matchday answers that name no
// file, a program folder it cannot write, no printer for the help.
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

TEST_F(VentanaLo, TheHelpWindowsPrintWithoutAPrinterJustEnds) {
  impresora.setUnavailable(true);
  carpeta.write("lotoAy.txt", "Uno\r\nDos\r\n");
  Ayuda ayuda(plataforma, rutaPrograma);
  ayuda.Command2_Click();
  EXPECT_TRUE(dialogos.shown().isEmpty());
}
