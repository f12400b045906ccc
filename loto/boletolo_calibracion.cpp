// The lotto printer calibration: configloi.cfg, the calibration frame, the
// game's default positions, the arrow cross and the parts that follow the
// left offset.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "app/boleto/caja_numero.h"
#include "app/boleto/cruz_flechas.h"
#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "app/platform/dialogs.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "loto/boletolo.h"
#include "loto/files/configloi.h"
#include "loto/print/lugares_loto.h"
#include "loto/print/marcado_loto.h"
#include "loto/textos_boletolo.h"

namespace {

// The failure's number with the leading-space rule, after " Nº  ".
QString conNumero(const RuntimeError& error, const QString& etiqueta) {
  return etiqueta + QStringLiteral(" Nº  ") + numberText(error.number());
}

}  // namespace

bool boletoLO::leeConfiguracion() {
  CalibracionLoto calibracion{topeSup, margenIzq, nBole, cfgResto};
  std::optional<RuntimeError> fallo;
  try {
    ArchivoConfigLoi(rutaPrograma_, platform_.attributes).leer(juego().mitadPrimera, calibracion);
  } catch (const RuntimeError& error) {
    fallo = error;
  }
  topeSup = calibracion.topeSup;
  margenIzq = calibracion.margenIzq;
  nBole = calibracion.nBole;
  cfgResto = calibracion.cfgResto;
  Text3[7]->setText(numberText(topeSup));
  if (fallo) {
    // An offset the file did not give takes the game's default position,
    // never a zero nobody typed; the box says so, and the save that follows
    // writes the file whole.
    const InicioLoto defecto = inicioLoto(juego(), margenIzq);
    if (!calibracion.topeLeido) topeSup = defecto.topeSup;
    if (!calibracion.margenLeido) margenIzq = defecto.margenIzq;
    Text3[7]->setText(numberText(topeSup));
    avisaFallo(*fallo, QStringLiteral(" F") +
                           textoslo::reparacionCalibracion(!calibracion.topeLeido, !calibracion.margenLeido,
                                                           topeSup, margenIzq));
    guardaCalibracion(false);
    return false;
  }
  negrita = true;
  tamFuente = 7;
  signo = QStringLiteral("o");
  return true;
}

void boletoLO::guardacfg() {
  guardaCalibracion(true);
}

void boletoLO::guardaCalibracion(bool avisaIncompleto) {
  // A top offset no field can hold is reported, and the one in force is
  // saved: the calibration made so far is not lost for one bad box.
  try {
    leeCaja(Text3[7], topeSup);
  } catch (const RuntimeError& error) {
    avisaFallo(error, conNumero(error, QStringLiteral(" Gcfg")));
  }
  try {
    ArchivoConfigLoi(rutaPrograma_, platform_.attributes)
        .guardar(juego().mitadPrimera, {topeSup, margenIzq, nBole, cfgResto});
  } catch (const RuntimeError& error) {
    if (avisaIncompleto || error.number() != ErrorNumber::InputPastEnd)
      avisaFallo(error, conNumero(error, QStringLiteral(" Gcfg")));
  }
}

void boletoLO::mnuConfigura_Click() {
  if (!Frame2->isHidden()) {
    cerrar();
    return;
  }
  Frame2->show();
  Frame2->raise();
}

void boletoLO::Command12_Click() {
  if (!Frame2->isHidden()) {
    cerrar();
  } else {
    Frame2->show();
    Frame2->raise();
  }
  Text3[3]->setText(plainNumber(margenIzq));
  Text3[4]->setText(boolText(negrita));
  Text3[5]->setText(signo);
  Text3[6]->setText(plainNumber(tamFuente));
  Text3[7]->setText(plainNumber(topeSup));
}

void boletoLO::cerrar() {
  const JuegoLoto& j = juego();
  cfgResto = QStringLiteral("980-30-1065-0-0");
  // A number no field can hold is reported; the field keeps its value and
  // the box shows it again.
  const auto campo = [this](QLineEdit* caja, auto& destino) {
    try {
      leeCaja(caja, destino);
    } catch (const RuntimeError& error) {
      avisaFallo(error, conNumero(error, QString()));
    }
  };
  campo(Text3[9], nBole);
  campo(Text3[3], margenIzq);
  // Euromillones and El Gordo have fewer blocks than the eight the box allows.
  if (j.nBole < kMaximoBole && nBole > j.nBole) {
    nBole = j.nBole;
    Text3[9]->setText(QString::number(j.nBole));
  }
  const PosicionLoto ajustada = posicionCerrar(j, margenIzq);
  margenIzq = ajustada.margenIzq;
  topeSup = ajustada.topeSup;
  Label5->setText(QStringLiteral("nBole     ") + numberText(nBole));
  const QString primera = Text3[4]->text().left(1);
  negrita = !primera.isEmpty() && QStringLiteral("FfVTV").indexOf(primera) >= 2;
  signo = Text3[5]->text().left(1);
  const QString tam = Text3[6]->text();
  tamFuente = 7;
  if (QStringLiteral("7 8 9 10 11 12").contains(tam)) campo(Text3[6], tamFuente);
  campo(Text3[7], topeSup);
  // The box shows the count in force: the ticket routine reads it again.
  const qint16 pedidas = nBole;
  nBole = qBound(kMinimoBole, nBole, kMaximoBole);
  if (nBole != pedidas) Text3[9]->setText(QString::number(nBole));
  nboletos = boletosLoto(napuestas, nBole);
  Text2->setText(textoBoletoLoto(j, nboletos, boletoActual, 0));
  for (int i = nBole; i < 8; ++i) Text1[i]->clear();
  guardacfg();
  Frame2->hide();
  ponFuenteRejillas();
  Label21->setText(Label66->text());
  setForeColor(qbColor(0));
  variac();
  Label5->setText(QStringLiteral("Ap/Bol\n  ") + numberText(nBole));
  Label9->setText(QStringLiteral("Signo\n  ") + signo);
  Text3[7]->setText(plainNumber(topeSup));
  Text3[8]->setText(plainNumber(margenIzq));
  modoImpr = 5;
  destino = 10;
  if (boletoActual < 1) boletoActual = 1;
  Tiqueron();
}

void boletoLO::ponFuenteRejillas() {
  for (Grid* rejilla : rejillasNumeros()) {
    rejilla->setFontSize(tamFuente < 1 ? 7 : tamFuente);
    rejilla->setFontName(Label66->text());
    rejilla->setFontBold(negrita);
  }
}

void boletoLO::inicio() {
  const InicioLoto posicion = inicioLoto(juego(), margenIzq);
  margenIzq = posicion.margenIzq;
  topeSup = posicion.topeSup;
  if (posicion.frame1) setLeftTwips(Frame1, *posicion.frame1);
  if (posicion.frame3) setLeftTwips(Frame3, *posicion.frame3);
  tablas();
}

void boletoLO::Command13_Click() {
  inicio();
  Text3[5]->setText(QStringLiteral("x"));
  Text3[3]->setText(plainNumber(margenIzq));
  Text3[4]->setText(QStringLiteral("F"));
  Text3[9]->setText(QStringLiteral("8"));
  Text3[6]->setText(QStringLiteral("9"));
  Text3[7]->setText(plainNumber(topeSup));
  cerrar();
}

void boletoLO::Text3_Click(int index) {
  if (index == 3) {
    try {
      Text3[3]->setText(conmutaPosicion(juego(), Text3[3]->text()));
    } catch (const RuntimeError& error) {
      // A number too large even to add to: the box goes back to the side in force.
      avisaFallo(error, conNumero(error, QString()));
      Text3[3]->setText(plainNumber(margenIzq));
    }
  } else if (index == 4) {
    negrita = Text3[4]->text() == QStringLiteral("F");
    Text3[4]->setText(negrita ? QStringLiteral("V") : QStringLiteral("F"));
    for (Grid* rejilla : rejillasNumeros()) rejilla->setFontBold(negrita);
  } else {
    Text3[index]->setText(QStringLiteral(" "));
  }
}

void boletoLO::variac() {
  const PartesLoto partes = variacLoto(juego(), margenIzq, topeSup);
  if (partes.frame1) setLeftTwips(Frame1, *partes.frame1);
  if (partes.frame3) setLeftTwips(Frame3, *partes.frame3);
  if (partes.ancho) setClientSizeTwips(*partes.ancho, clientHeightTwips());
  if (partes.label4) setLeftTwips(Label4, *partes.label4);
  if (partes.label13) setLeftTwips(Label13, *partes.label13);
  if (partes.label3) setLeftTwips(Label3, *partes.label3);
}

void boletoLO::desplazar() {
  const MarcosLoto marcos = marcosLoto(juego(), margenIzq, topeSup);
  const MarcosLoto deEuro = marcosLoto(*juegoLoto(floto::euromillones), margenIzq, topeSup);
  // Every frame follows, whichever game is shown.
  for (QFrame* marco : {Frame4, Frame5}) {
    setLeftTwips(marco, margenIzq);
    setTopTwips(marco, topeSup);
  }
  setLeftTwips(Frame6, deEuro.marco.x());
  setTopTwips(Frame6, deEuro.marco.y());
  // The reintegro frame stands lower for every game but Bonoloto.
  const MarcosLoto deReintegro = marcosLoto(
      *juegoLoto(floto == floto::bonoloto ? floto::bonoloto : floto::primitiva), margenIzq, topeSup);
  setLeftTwips(Frame7, deReintegro.reintegro.x());
  setTopTwips(Frame7, deReintegro.reintegro.y());
  Text3[7]->setText(numberText(topeSup));
  Text3[8]->setText(numberText(margenIzq));
  setLeftTwips(Label18, marcos.label18.x());
  setTopTwips(Label18, marcos.label18.y());
}

void boletoLO::desplazaCon(qint32* offset, int sentido, bool conVariac) {
  try {
    *offset = desplazaPorPaso(*offset, sentido, Text4->text());
  } catch (const RuntimeError& error) {
    avisaFallo(error, conNumero(error, QString()));
  }
  if (conVariac) variac();
  desplazar();
}

void boletoLO::Command1_Click() {
  desplazaCon(&margenIzq, 1, true);
}
void boletoLO::Command3_Click() {
  desplazaCon(&margenIzq, -1, true);
}
void boletoLO::Command2_Click() {
  desplazaCon(&topeSup, -1, false);
}
void boletoLO::Command4_Click() {
  desplazaCon(&topeSup, 1, false);
}
