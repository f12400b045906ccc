// The printer calibration: configqp.cfg, the calibration panel and the arrow cross.
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>

#include "app/boleto/caja_numero.h"
#include "app/boleto/cruz_flechas.h"
#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "app/platform/dialogs.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "quiniela/boletoqp.h"
#include "quiniela/configqp.h"
#include "quiniela/geometria_boletoqp.h"
#include "quiniela/textos_boletoqp.h"

void boletoqp::leeConfiguracion() {
  try {
    const CalibracionQuiniela calibracion = ArchivoConfigQp(rutaPrograma_, platform_.attributes).leer();
    tamFuente = calibracion.tamFuente;
    signo = calibracion.signo;
    Text3[1]->setText(calibracion.margen);
    margenIzq = calibracion.margenIzq;
    textoReservado = calibracion.textoReservado;
    inicioX = calibracion.inicioX;
    inicioY = calibracion.inicioY;
    colocaPaneles();
  } catch (const RuntimeError& error) {
    avisaError(error);
  }
  negrita = !Text3[4]->text().contains(QStringLiteral("F"));
}

void boletoqp::colocaPaneles() {
  const double desplazamiento = margenIzq < geometriaqp::margenMinimo ? 0 : margenIzq;
  setLeftTwips(Frame1, desplazamiento + geometriaqp::izquierdaFrame1);
  setLeftTwips(Frame3, desplazamiento + geometriaqp::izquierdaFrame3);
  setClientSizeTwips(desplazamiento + geometriaqp::anchoVentana, geometriaqp::altoVentana);
  setLeftTwips(Frame4, margenIzq);
}

void boletoqp::guardaConfiguracion(const QString& campoSigno) {
  ArchivoConfigQp(rutaPrograma_, platform_.attributes)
      .guardar({Text3[8]->text(), Text3[7]->text(), margenIzq, campoSigno});
}

// Style and mark are saved as the defaults; offsets and margin carry over.
void boletoqp::salva() {
  try {
    guardaConfiguracion(campoSignoSalva);
  } catch (const RuntimeError& error) {
    avisaError(error);
  }
}

bool boletoqp::pasoCalibracion(const std::function<void()>& paso) {
  try {
    paso();
    return true;
  } catch (const RuntimeError& error) {
    Frame1->show();
    platform_.dialogs.message(error.description() + QStringLiteral(" Nº  ") + QString::number(error.number()),
                              kDefaultTitle, MessageButtons::Ok, MessageIcon::None);
    return false;
  }
}

void boletoqp::Command5_Click() {
  // A box whose number does not fit its field is reported and shows the value
  // still in force, so that what is saved is what is applied.
  pasoCalibracion([this] { leeCaja(Text3[1], margenIzq); });
  pasoCalibracion([this] { leeCaja(Text3[8], inicioX); });
  pasoCalibracion([this] { leeCaja(Text3[7], inicioY); });
  if (inicioY < 1) inicioY = 2270;
  colocaPaneles();
  const QString negritaCaja = Text3[4]->text().left(1);
  negrita = negritaCaja == QStringLiteral("V") || negritaCaja == QStringLiteral("T");
  signo = Text3[5]->text().left(1);
  tamFuente = tamFuenteValido(Text3[6]->text());
  nboletos = boletosPara(napuestas);
  pasoCalibracion([this] { guardaConfiguracion(campoSignoCerrar(Text3[5]->text())); });
  Frame2->hide();
  for (Grid* t : tabla) {
    t->setFontSize(tamFuente);
    t->setFontBold(negrita);
  }
  const QString rotulosPleno = QStringLiteral("012M");
  for (Grid* q : tablaq) {
    q->setFontSize(tamFuente);
    q->setFontBold(negrita);
    for (int fila = 0; fila < 4; ++fila) q->setTextMatrix(fila, 0, rotulosPleno.mid(fila, 1));
  }
  setFontName(QStringLiteral("Ms Sans Serif"));
  setForeColor(qbColor(0));
  mueve();
}

void boletoqp::Text3_KeyPress(int, int keyAscii) {
  if (keyAscii != 13) return;
  Command5_Click();
  modoSerie = 3;
  destino = 10;
  if (boletoActual > nboletos) boletoActual = nboletos;
  ejecuta();
}

void boletoqp::mnuConfigura_Click() {
  Frame2->setVisible(Frame2->isHidden());
  Text3[4]->setText(negrita ? textosqp::verdadero : textosqp::falso);
  Text3[5]->setText(signo);
  Text3[6]->setText(plainNumber(tamFuente));
  Text3[7]->setText(plainNumber(inicioY));
  Text3[8]->setText(plainNumber(inicioX));
}

void boletoqp::Text3_Click(int i) {
  if (i == 0) {
    pasoCalibracion([this] {
      const qint64 apuestas = textToWhole(Text3[0]->text()) + 1;
      apuestasBoleto = qint16(apuestas < 2 || apuestas > 8 ? 2 : apuestas);
    });
    Text3[0]->setText(plainNumber(apuestasBoleto));
  } else if (i == 4) {
    const QString texto = Text3[4]->text();
    if (texto.contains(textosqp::falso)) negrita = true;
    if (texto.contains(QStringLiteral("Verda"))) negrita = false;
    Text3[4]->setText(negrita ? textosqp::verdadero : textosqp::falso);
    QFont fuente = Text3[4]->font();
    fuente.setBold(negrita);
    Text3[4]->setFont(fuente);
  } else {
    Text3[i]->clear();
  }
}

void boletoqp::inicio() {
  Text3[4]->setText(QStringLiteral("F"));
  negrita = false;
  Text3[5]->setText(QStringLiteral("x"));
  signo = QStringLiteral("x");
  Text3[6]->setText(QStringLiteral("7"));
  tamFuente = 7;
  Text3[7]->setText(QStringLiteral("2085"));
  inicioY = 2085;
  Text3[8]->setText(QStringLiteral("-30"));
  inicioX = -30;
  tablas();
}

void boletoqp::Label16_Click() {
  inicio();
}

void boletoqp::desplazar() {
  setLeftTwips(Frame4, inicioX + margen());
  setTopTwips(Frame4, inicioY);
  Text3[7]->setText(plainNumber(inicioY));
  Text3[8]->setText(plainNumber(inicioX));
  mueve();
}

void boletoqp::desplazaCon(int dx, int dy) {
  // An offset that would not fit stays as it was; the ticket is redrawn anyway.
  pasoCalibracion([&] {
    const qint32 x = desplazaPorPaso(inicioX, dx, Text5->text()),
                 y = desplazaPorPaso(inicioY, dy, Text5->text());
    inicioX = x;
    inicioY = y;
  });
  desplazar();
}

void boletoqp::Command10_Click() {
  desplazaCon(0, -1);
}
void boletoqp::Command2_Click() {
  desplazaCon(0, 1);
}
void boletoqp::Command9_Click() {
  desplazaCon(-1, 0);
}
void boletoqp::Command11_Click() {
  desplazaCon(1, 0);
}
