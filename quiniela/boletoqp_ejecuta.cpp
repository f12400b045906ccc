// Drawing the current ticket on the window and printing the window's image.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <limits>

#include "app/boleto/navegador.h"
#include "app/canvas/fitted_text.h"
#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "app/platform/dialogs.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "quiniela/boletoqp.h"
#include "quiniela/geometria_boletoqp.h"
#include "quiniela/nombre_jornada.h"
#include "quiniela/textos_boletoqp.h"

namespace {

const QString signosApuesta = QStringLiteral("1X2");
const QString signosPleno = QStringLiteral("012M");
const QColor lineasPantalla(242, 41, 13);
const QColor unosPantalla(115, 189, 227);

// Row 0, the sign "1", of each column grid.
void pintaPrimeraFila(Grid* rejilla, const QColor& color) {
  rejilla->setRow(0);
  for (int col = 0; col < rejilla->model().cols(); ++col) {
    rejilla->setCol(col);
    rejilla->setCellBackColor(color);
  }
}

}  // namespace

// A margin box holding a number no field could take keeps the margin in
// force; "Cerrar" reports such a box.
double boletoqp::margen() const {
  try {
    const double m = textValue(Text3[1]->text());
    if (std::fabs(m) <= std::numeric_limits<qint32>::max()) return m;
  } catch (const RuntimeError&) {
  }
  return margenIzq;
}

void boletoqp::avisaError(const RuntimeError& error) {
  platform_.dialogs.message(error.description() + QString::number(error.number()), kDefaultTitle,
                            MessageButtons::Ok, MessageIcon::None);
}

void boletoqp::muestraPaneles(bool visibles) {
  Frame1->setVisible(visibles);
  Label13->setVisible(visibles);
  Label14->setVisible(visibles);
}

void boletoqp::ejecuta() {
  setAutoRedraw(true);
  setBackColor(qbColor(15));
  if (tamFuente < 7 || tamFuente > 12) tamFuente = 7;
  if (Text3[5]->text().isEmpty()) signo = QStringLiteral("x");
  Text3[5]->setText(signo);
  if (boletoActual < 1) boletoActual = 1;
  const QString fuenteVentana = fontName();
  setFontName(QStringLiteral("Ms Sans Serif"));
  setFontSize(tamFuente);
  setFontBold(negrita);
  setForeColor(qbColor(0));
  muestraPaneles(false);
  Frame2->hide();
  if (apuestasBoleto > 0) colorCajasApuestas(cajasColumnas(), apuestasBoleto, 7);
  for (;;) {
    const Dibujo dibujo = dibujaBoleto();
    if (dibujo == Dibujo::SinJornada) return;
    // A ticket the file could not give is shown blank, never printed.
    if (destino < 10 && dibujo == Dibujo::Hecho) {
      blanquea();
      Frame3->hide();
      imprimeVentana();
      Frame3->show();
    }
    tablas();
    muestraPaneles(true);
    if (modoSerie != 1 || dibujo == Dibujo::SinLeer) break;
    ++boletoActual;
    if (boletoActual > nboletos || boletoActual > primerBoleto + 4) break;
    muestraPaneles(false);
  }
  setFontName(fuenteVentana);
}

// Draws the ticket boletoActual, and says whether it was read, could not be
// read, or has no matchday (the drawing stops there).
boletoqp::Dibujo boletoqp::dibujaBoleto() {
  cls();
  for (Grid* t : tabla) t->clear();
  for (Grid* q : tablaq) q->clear();
  BoletoQuiniela boleto = boletoQuiniela(QString(), QString(), QString(), QString());
  bool leido = true;
  try {
    const BoletoLeido deArchivo = desarrollo().boleto(boletoActual);
    boleto = deArchivo.boleto;
    napuestas = deArchivo.recuento.napuestas;
    nboletos = deArchivo.recuento.nboletos;
  } catch (const RuntimeError& error) {
    avisaError(error);
    leido = false;
    // Nothing of the file is marked, not even the Pleno al 15 a blank ticket
    // would get. The matchday of a text file is in its name; an AD243 keeps
    // the one shown.
    boleto.plenoLocal = boleto.plenoVisitante = QString();
    boleto.jornada = tipoFile == 2 ? jornadaDelNombre(nombreArchivo) : Text4->text();
  }
  Text4->setText(boleto.jornada);
  for (QLabel* columna : Text1) columna->clear();
  if (leido && textValue(Text4->text()) < 1) {
    platform_.dialogs.message(textosqp::faltaJornada, textosqp::tituloFaltaJornada, MessageButtons::Ok,
                              MessageIcon::Stop);
    Text4->setText(QStringLiteral("JJ"));
    muestraPaneles(true);
    Text4->setFocus();
    return Dibujo::SinJornada;
  }
  setFontSize(9);
  dibujaTextos(boleto);
  setFontSize(tamFuente);
  setFittedText(Text2,
                QString::number(nboletos) + QStringLiteral("   Boleto nº") + QString::number(boletoActual));
  marcaPleno(0, boleto.plenoLocal);
  marcaPleno(1, boleto.plenoVisitante);
  dibujaColumnas(boleto);
  return leido ? Dibujo::Hecho : Dibujo::SinLeer;
}

void boletoqp::dibujaTextos(const BoletoQuiniela& boleto) {
  const auto texto = [this](double x, double y, const QString& escrito) {
    setCurrentX(float(x));
    setCurrentY(float(y));
    print(escrito);
  };
  const double m = margen();
  const double derecha = m + geometriaqp::textosDerechaX + inicioX;
  texto(m + geometriaqp::textoArchivoX, geometriaqp::textoArchivoY, nombreArchivo + QStringLiteral("...."));
  texto(derecha, geometriaqp::textoJornadaY, QStringLiteral("J") + boleto.jornada);
  texto(derecha, geometriaqp::textoApuestasY, plainNumber(napuestas));
  texto(derecha, geometriaqp::textoImpresasY, plainNumber(8.0 * boletoActual));
  texto(derecha, geometriaqp::textoBoletosY, plainNumber(nboletos));
  texto(derecha, geometriaqp::textoBoletoY, plainNumber(boletoActual));
}

// A sign with no row of its own (a blank in an AD243 record) is marked nowhere.
void boletoqp::marcaPleno(int q, const QString& signoPleno) {
  const int fila = signoPleno.size() == 1 ? signosPleno.indexOf(signoPleno) : -1;
  if (fila >= 0) tablaq[q]->setTextMatrix(fila, 0, QStringLiteral("x"));
}

void boletoqp::dibujaColumnas(const BoletoQuiniela& boleto) {
  const int columnas = apuestasBoleto >= 2 ? qMin<int>(apuestasBoleto, 8) : 8;
  for (int b = 0; b < columnas; ++b) {
    const QString apuesta = boleto.apuestas.mid(b * 14, 14);
    // A blank column ends the ticket.
    if (!signosApuesta.contains(apuesta.at(0))) break;
    Text1[b]->setText(QStringList(apuesta.begin(), apuesta.end()).join(textosqp::salto));
    Label15->setText(boleto.plenoLocal + QStringLiteral(" ") + boleto.plenoVisitante);
    for (int partido = 14; partido >= 1; --partido) {
      try {
        tabla[b]->setTextMatrix(signosApuesta.indexOf(apuesta.at(partido - 1)), 14 - partido, signo);
      } catch (const RuntimeError& error) {
        avisaError(error);
      }
    }
  }
}

void boletoqp::imprimeVentana() {
  try {
    printForm(platform_.printer);
  } catch (const RuntimeError& error) {
    avisaError(error);
  }
}

// The look of the ticket grids: border, grid lines and the row of the sign "1".
void boletoqp::aspectoRejillas(int borde, const QColor& lineas, const QColor& unos) {
  for (Grid* t : tabla) {
    t->setBorderStyle(borde);
    t->setGridColor(lineas);
    t->setGridColorFixed(lineas);
    pintaPrimeraFila(t, unos);
  }
  for (Grid* q : tablaq) {
    q->setGridColor(lineas);
    q->setGridColorFixed(lineas);
  }
}

void boletoqp::tablas() {
  for (int col = 0; col < 14; ++col) Tregla->setTextMatrix(0, col, QString::number(14 - col));
  for (int n = 1; n <= 8; ++n) Tregla2->setTextMatrix(1 + 3 * n, 0, QString::number(n));
  Tregla->show();
  Tregla2->show();
  aspectoRejillas(1, lineasPantalla, unosPantalla);
  setLeftTwips(Frame4, margen() + inicioX);
  setTopTwips(Frame4, inicioY);
  Frame4->show();
}

// Only the marks are left to reach paper.
void boletoqp::blanquea() {
  const QColor blanco = qbColor(15);
  Tregla->hide();
  Tregla2->hide();
  aspectoRejillas(0, blanco, blanco);
  Frame2->hide();
}

void boletoqp::mueve() {
  modoSerie = 5;
  destino = 10;
  if (boletoActual < 1) boletoActual = 1;
  ejecuta();
}

void boletoqp::Command1_Click() {
  ++boletoActual;
  modoSerie = 3;
  destino = 1;
  if (boletoActual <= nboletos) {
    ejecuta();
  } else {
    boletoActual = nboletos;
  }
}

// A run that would start past the last ticket, or in a file without tickets,
// prints nothing: that page would carry no bets and could spoil a form.
void boletoqp::mnuTiqueron_Click() {
  if (nboletos < 1 || boletoActual > nboletos) {
    boletoActual = nboletos;
    return;
  }
  primerBoleto = boletoActual;
  modoSerie = 1;
  destino = 1;
  ejecuta();
}

// The window as it stands, partial selection included.
void boletoqp::Command8_Click() {
  blanquea();
  const QList<QWidget*> pantalla{Frame3, Frame2, Frame1, Label13, Label14, Label15};
  for (QWidget* control : pantalla) control->hide();
  imprimeVentana();
  tablas();
  // The calibration panel stays hidden.
  for (QWidget* control : pantalla)
    if (control != Frame2) control->show();
}

void boletoqp::mnuIF_Click() {
  Command8_Click();
}

QVector<QWidget*> boletoqp::cajasColumnas() const {
  return QVector<QWidget*>(std::begin(Text1), std::end(Text1));
}

void boletoqp::Text1_Click(int i) {
  const SeleccionParcial seleccion = eligeApuestasParciales(platform_.dialogs, cajasColumnas(), i);
  apuestasBoleto = qint16(seleccion.apuestas);
  Text3[0]->setText(plainNumber(apuestasBoleto));
  if (!seleccion.aceptada) {
    apuestasBoleto = 0;
    return;
  }
  modoSerie = 3;
  destino = 10;
  if (boletoActual > nboletos) boletoActual = nboletos;
  ejecuta();
}
