// Showing and printing the current lotto ticket, and the commands that move
// through the tickets.
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/boleto/caja_numero.h"
#include "app/boleto/navegador.h"
#include "app/canvas/twip_geometry.h"
#include "app/grid/grid.h"
#include "app/platform/dialogs.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "loto/boletolo.h"
#include "loto/print/lugares_loto.h"
#include "loto/print/marcado_loto.h"
#include "loto/textos_boletolo.h"

namespace {

const QColor kLineasPantalla(242, 41, 13);
const QColor kPrimeraFilaPantalla(115, 189, 227);

// A bet as its box shows it: its seven fields, one under the other.
QString enColumna(const QString& apuesta) {
  QStringList campos;
  for (int i = 0; i < apuesta.size(); i += 2) campos << apuesta.mid(i, 2);
  return campos.join(u'\n');
}

void colorPrimeraFila(Grid* rejilla, int columnas, const QColor& color) {
  rejilla->setRow(0);
  for (int col = 0; col < qMin(columnas, rejilla->model().cols()); ++col) {
    rejilla->setCol(col);
    rejilla->setCellBackColor(color);
  }
}

}  // namespace

boletoLO::Formulario boletoLO::formulario(const JuegoLoto& j) const {
  const auto todas = [](Grid* const* desde, int cuantas) { return QVector<Grid*>(desde, desde + cuantas); };
  switch (j.extra) {
    case ExtraLoto::Estrellas: return {Frame6, todas(tablae, 5), todas(tbe, 5), Label18};
    case ExtraLoto::Clave: return {Frame5, todas(tablag, 6), todas(tbg, 6), Label19};
    case ExtraLoto::Reintegro: break;
  }
  return {Frame4, todas(tabla, 8), {tablar}, Label16};
}

QVector<Grid*> boletoLO::rejillasNumeros() const {
  QVector<Grid*> todas;
  for (qint16 codigo : {floto::bonoloto, floto::gordo, floto::euromillones})
    todas += formulario(*juegoLoto(codigo)).numeros;
  return todas;
}

QVector<QWidget*> boletoLO::cajasApuestas() const {
  return QVector<QWidget*>(std::begin(Text1), std::end(Text1));
}

// The bets this call marks: a partial selection of two or more, else them all.
qint16 boletoLO::apuestasAMarcar() const {
  return nParcial >= 2 ? nParcial : nBole;
}

void boletoLO::escribe(const Formulario& f, const MarcaLoto& marca) {
  const QVector<Grid*>& rejillas = marca.rejilla == MarcaLoto::Rejilla::Numeros ? f.numeros : f.extras;
  // A block the form does not have is a subscript the grid cannot take.
  if (marca.bloque >= rejillas.size()) throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
  rejillas.at(marca.bloque)->setTextMatrix(marca.celda.fila, marca.celda.columna, marca.texto);
}

// The screen controls that never reach paper, while a ticket is drawn and printed.
void boletoLO::pantallaTiqueron(bool visible) {
  for (QWidget* control : std::initializer_list<QWidget*>{Frame1, Label13, Label21, Label15})
    control->setVisible(visible);
  Label3->show();
}

void boletoLO::Tiqueron() {
  dibujado_ = false;
  try {
    setAutoRedraw(false);
    setBackColor(qbColor(15));
    if (tamFuente == 0) tamFuente = 7;
    if (floto < 1) floto = floto::bonoloto;
    if (signo.trimmed().isEmpty()) signo = QStringLiteral("x");
    Text3[5]->setText(signo);
    if (boletoActual < 1) boletoActual = 1;
    leeCaja(Text3[9], nBole, numberText);
    setFontSize(tamFuente);
    setFontBold(negrita);
    setForeColor(qbColor(0));
    pantallaTiqueron(false);
    Frame2->hide();
    if (nParcial > 0) colorCajasApuestas(cajasApuestas(), nParcial, 7);
    if (topeSup < 1) topeSup = 1;
    const JuegoLoto& j = juego();
    const Formulario f = formulario(j);
    for (;;) {
      const QString texto = desarrollo_ ? desarrollo_->boleto(boletoActual, nBole) : QString();
      for (QLabel* caja : Text1) caja->clear();
      const double extra = valorExtra(j, texto);
      if (texto.size() < 8) {
        // Nothing to show: the screen as it was, nothing printed.
        tablas();
        pantallaTiqueron(true);
        return;
      }
      cls();
      // No game marks more blocks than its form has, whatever the box says.
      nBole = qMin(nBole, j.nBole);
      for (Grid* rejilla : f.numeros) rejilla->clear();
      Label4->setText(textoInformacionLoto(nomi, tipoFile, napuestas, nBole, nboletos, boletoActual));
      Label9->setText(textoApuestasLoto(nBole, boletoActual));
      fijos(texto);
      Label4->show();
      Frame3->show();
      setFontSize(tamFuente);
      Text2->setText(textoBoletoLoto(j, nboletos, boletoActual, extra));
      const MarcadoLoto marcado = marcaBoleto(j, texto, apuestasAMarcar(), signo);
      for (int k = 0; k < marcado.apuestas.size(); ++k) Text1[k]->setText(enColumna(marcado.apuestas.at(k)));
      for (const MarcaLoto& marca : marcado.marcas)
        if (marca.rejilla == MarcaLoto::Rejilla::Numeros) escribe(f, marca);
      dibujado_ = true;
      if (destino != 10) {
        blanquea();
        Frame3->hide();
        Label3->hide();
        printForm(platform_.printer);
        Frame3->show();
      }
      tablas();
      pantallaTiqueron(true);
      if (modoImpr != 1) break;
      ++boletoActual;
      if (boletoActual > nboletos) break;
      if (boletoActual > primerBoleto + 4) {
        --boletoActual;
        break;
      }
      pantallaTiqueron(false);
    }
    nParcial = 0;
  } catch (const RuntimeError& error) {
    nParcial = 0;
    avisaFallo(error, QStringLiteral(" Tiqu Nº  ") + numberText(error.number()));
    // The screen comes back, or the user would be left without the navigation.
    tablas();
    pantallaTiqueron(true);
    Frame3->show();
  }
}

void boletoLO::fijos(const QString& pp) {
  const JuegoLoto& j = juego();
  const Formulario f = formulario(j);
  f.equis->setText(QStringLiteral("X"));
  if (j.extra == ExtraLoto::Clave) Label18->hide();
  for (Grid* rejilla : f.extras) {
    rejilla->clear();
    rejilla->setCol(0);
  }
  for (const MarcaLoto& marca : marcaBoleto(j, pp, apuestasAMarcar(), signo).marcas)
    if (marca.rejilla == MarcaLoto::Rejilla::Extras) escribe(f, marca);
}

// Only the marks are left to reach paper.
void boletoLO::blanquea() {
  aspectoRejillas(false);
}

void boletoLO::aspectoRejillas(bool pantalla) {
  const JuegoLoto& j = juego();
  const Formulario f = formulario(j);
  const QColor lineas = pantalla ? kLineasPantalla : qbColor(15);
  const QColor primeraFila = pantalla ? kPrimeraFilaPantalla : qbColor(15);
  const auto estilo = [&](const QVector<Grid*>& rejillas, int columnasPrimeraFila) {
    for (Grid* rejilla : rejillas) {
      if (pantalla && columnasPrimeraFila > 0) rejilla->setFontBold(negrita);
      rejilla->setGridColor(lineas);
      rejilla->setGridColorFixed(lineas);
      rejilla->setBorderStyle(pantalla ? 1 : 0);
      colorPrimeraFila(rejilla, columnasPrimeraFila, primeraFila);
    }
  };
  estilo(f.numeros, j.numeros.columnasPrimeraFila);
  estilo(f.extras, j.extras.columnasPrimeraFila);
  if (j.conReintegro) Label16->setFrameShape(pantalla ? QFrame::Box : QFrame::NoFrame);
}

void boletoLO::tablas() {
  setWindowTitle(textoslo::tituloTablas);
  const JuegoLoto& j = juego();
  const Formulario f = formulario(j);
  const MarcosLoto marcos = marcosLoto(j, margenIzq, topeSup);
  if (j.tablasMueveMarcos) {
    setClientSizeTwips(10740, clientHeightTwips());
    setLeftTwips(Frame3, margenIzq + j.tablasFrame3);
    setLeftTwips(Frame1, margenIzq + j.tablasFrame1);
  }
  for (QFrame* marco : {Frame4, Frame5, Frame6, Frame7}) marco->setVisible(marco == f.marco);
  setLeftTwips(f.marco, marcos.marco.x());
  setTopTwips(f.marco, marcos.marco.y());
  if (j.conReintegro) {
    setLeftTwips(Frame7, marcos.reintegro.x());
    setTopTwips(Frame7, marcos.reintegro.y());
    Frame7->show();
    tablar->setVisible(j.reintegroVisible);
    Label16->setText(QStringLiteral("X"));
    Label16->show();
  }
  Label18->setVisible(j.extra == ExtraLoto::Estrellas);
  Label19->setVisible(j.extra == ExtraLoto::Clave);
  setLeftTwips(Label18, marcos.label18.x());
  setTopTwips(Label18, marcos.label18.y());
  setLeftTwips(Label19, marcos.label19.x());
  setTopTwips(Label19, marcos.label19.y());
  Label3->setText(j.cabecera);
  setTopTwips(Label21, j.ayudaTop);
  for (Grid* rejilla : f.numeros) rejilla->show();
  aspectoRejillas(true);
  for (int i = j.nBole; i < 8; ++i) Text1[i]->clear();
  try {
    leeCaja(Text3[9], nBole, numberText);
  } catch (const RuntimeError&) {
    // The box shows the count in force again; whoever called has its own
    // word on the failure, and layout must not fail.
  }
  setWindowTitle(windowTitle() + QStringLiteral(" ...") + nomi.right(18));
}

void boletoLO::preparaPantalla(const JuegoLoto& j) {
  const Formulario f = formulario(j);
  for (QFrame* marco : {Frame4, Frame5, Frame6}) marco->setVisible(marco == f.marco);
  for (Grid* rejilla : f.numeros) {
    rejilla->setFontSize(j.tamNumerosAlAbrir > 0 ? j.tamNumerosAlAbrir : tamFuente);
    rejilla->setFontWidth(8);
    for (int col = 0; col < j.numeros.columnasFijadas; ++col) {
      rejilla->setColWidth(col, 290);
      rejilla->setColAlignment(col, 4);
    }
  }
  for (Grid* rejilla : f.extras)
    for (int col = 0; col < j.extras.columnasFijadas; ++col) {
      rejilla->setColWidth(col, 290);
      rejilla->setColAlignment(col, 4);
    }
  setTopTwips(Label3, j.cabeceraTop);
  if (j.conReintegro) Label16->setText(QStringLiteral(" "));
}

void boletoLO::navega(qint32 salto, qint16 modo) {
  boletoActual = boletoTrasSalto(boletoActual, salto, nboletos);
  destino = 10;
  modoImpr = modo;
  Tiqueron();
}

void boletoLO::Command14_Click() {
  navega(-32, 3);
}
void boletoLO::Command5_Click() {
  navega(32, 3);
}
void boletoLO::Command6_Click() {
  navega(-5, 3);
}
void boletoLO::Command7_Click() {
  navega(5, 3);
}
void boletoLO::Command8_Click() {
  navega(-1, 5);
}
void boletoLO::Command9_Click() {
  navega(1, 3);
}

// The next ticket, printed; at the last ticket there is no next one to
// print, and printing the last again would spoil a form, as would printing
// what a ticket that could not be shown left on screen.
void boletoLO::Command10_Click() {
  if (boletoActual < nboletos) {
    Command9_Click();
    if (dibujado_) Command11_Click();
  }
  Command10->setFocus();
}

// The ticket as it stands on screen, a partial selection included; but only
// one the open file has given: grids left over from another file, or from a
// ticket that could not be shown, would spoil a form.
void boletoLO::Command11_Click() {
  if (!dibujado_) {
    platform_.dialogs.message(textoslo::sinBoletoQueImprimir, kDefaultTitle, MessageButtons::Ok,
                              MessageIcon::Exclamation);
    return;
  }
  setAutoRedraw(true);
  blanquea();
  const QList<QWidget*> pantalla{Frame3, Frame1, Frame2, Label3, Label21, Label15, Label13};
  for (QWidget* control : pantalla) control->hide();
  try {
    printForm(platform_.printer);
  } catch (const RuntimeError& error) {
    avisaFallo(error, QStringLiteral(" Nº  ") + numberText(error.number()));
  }
  tablas();
  for (QWidget* control : pantalla)
    if (control != Frame2) control->show();
}

void boletoLO::mnuMuno_Click() {
  Command11_Click();
}

void boletoLO::mnuTiqueron_Click() {
  modoImpr = 1;
  destino = 1;
  ++boletoActual;
  if (boletoActual > nboletos) return;
  primerBoleto = boletoActual;
  Tiqueron();
}

void boletoLO::Text1_Click(int index) {
  const SeleccionParcial seleccion = eligeApuestasParciales(platform_.dialogs, cajasApuestas(), index);
  nParcial = qint16(seleccion.apuestas);
  if (!seleccion.aceptada) {
    nParcial = 0;
    return;
  }
  modoImpr = 3;
  destino = 10;
  if (boletoActual > nboletos) boletoActual = nboletos;
  Tiqueron();
}
