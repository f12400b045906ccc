#include "loto/boletolo.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "app/canvas/eventos_raton.h"
#include "app/canvas/twip_geometry.h"
#include "app/comprobacion/ventana_comprobacion.h"
#include "app/grid/grid.h"
#include "app/platform/dialogs.h"
#include "app/platform/files.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "app/printer/printer.h"
#include "help/ayuda.h"
#include "loto/files/comprobacion_loto.h"
#include "loto/files/lista_archivos_loto.h"
#include "loto/print/informacion_impresora.h"
#include "loto/print/lugares_loto.h"
#include "loto/textos_boletolo.h"

boletoLO::boletoLO(const Platform& platform, const QString& rutaPrograma, QWidget* parent)
    : TwipWindow(parent), platform_(platform), rutaPrograma_(rutaPrograma), eventos_(new EventosRaton(platform.dialogs, this)) {
  creaControles();
  cargaVentana();
}

boletoLO::~boletoLO() = default;

void boletoLO::cargaVentana() {
  setClientSizeTwips(7000, 10305);
  nParcial = 0;
  File2->hide();
  setWindowTitle(textoslo::tituloInicio);
  move(x(), qRound(twipsToPixels(1000, logicalDpiY())));
  setClientSizeTwips(10740, clientHeightTwips());
  setTopTwips(Frame2, 250);
  setLeftTwips(Frame2, 10);
  Frame2->setTitle(textoslo::tituloConfiguracion);
  Label66->setText(textoslo::fuenteRejillas);
  placeTwips(Frame3, twipRect(Frame3).left(), twipRect(Frame3).top(), 1500, twipRect(Frame3).height());
  Label19->hide();
  negrita = false;
  Text2->setText(textoslo::boletoN);
  // A calibration that cannot be read ends the start here; the file list
  // waits for "Abrir File?  ".
  if (!leeConfiguracion()) return;
  modoImpr = 1;
  boletoActual = 1;
  Frame1->show();
  Frame4->show();
  Frame2->hide();
  abrof();
}

void boletoLO::done(int result) {
  guardacfg();
  descargada_ = true;
  TwipWindow::done(result);
}

// Saves, and only hides the window: it stays loaded with its state, and the
// next opening shows it as it was.
void boletoLO::mnuSalir_Click() {
  guardacfg();
  hide();
}

void boletoLO::avisaFallo(const RuntimeError& error, const QString& etiqueta) {
  platform_.dialogs.message(error.description() + etiqueta, kDefaultTitle, MessageButtons::Ok,
                            MessageIcon::None);
}

void boletoLO::abrof(qint16) {
  if (!File2->isHidden()) {
    File2->hide();
    return;
  }
  File2->clear();
  File2->addItems(archivosDeLista(rutaPrograma_));
  File2->show();
  File2->raise();
}

void boletoLO::mnufl_Click() {
  abrof();
}

void boletoLO::File2_Click() {
  if (File2->count() == 0) return;
  // With no entry selected the list's second one is taken (or its only one).
  if (!File2->currentItem() || !File2->currentItem()->isSelected())
    File2->setCurrentRow(qMin(1, File2->count() - 1));
  const QString elegido = File2->currentItem()->text();
  // The window's file stays the open one until the new one is opened.
  const JuegoLoto* juegoElegido = juegoLoto(flotoDeNombre(elegido));
  const QString nombreJuego = juegoElegido ? juegoElegido->nombre : textoslo::juegoIncorrecto;
  qint32 apuestas = 0;
  try {
    apuestas = abrirDesarrolloLoto(rutaPrograma_ + elegido, cuentaComoTexto(elegido) ? 2 : 1)->napuestas();
  } catch (const RuntimeError& error) {
    avisaFallo(error, QString());
    return;
  }
  const MessageResult respuesta =
      platform_.dialogs.message(textoslo::preguntaArchivo(nombreJuego, apuestas), textoslo::tituloPregunta,
                                MessageButtons::YesNoCancel, MessageIcon::None);
  if (respuesta == MessageResult::Yes) {
    abrir(elegido);
  } else if (respuesta == MessageResult::Cancel) {
    if (platform_.dialogs.message(textoslo::preguntaBorrar(elegido), textoslo::tituloBorrar,
                                  MessageButtons::OkCancel, MessageIcon::None) != MessageResult::Ok)
      return;
    try {
      deleteFile(rutaPrograma_ + elegido);
    } catch (const RuntimeError& error) {
      avisaFallo(error, QString());
    }
    File2->clear();
    File2->addItems(archivosDeLista(rutaPrograma_));
  }
}

void boletoLO::abrir(const QString& elegido) {
  try {
    cls();
    for (QWidget* control : std::initializer_list<QWidget*>{Frame1, Label13, Label21, Label15})
      control->show();
    File2->hide();
    const qint16 codigo = flotoDeNombre(elegido);
    const JuegoLoto* nuevo = juegoLoto(codigo);
    if (nuevo) {
      nnumeros = nuevo->nnumeros;
      numMax = nuevo->numMax;
      nBole = nuevo->nBole;
    }
    Text3[9]->setText(numberText(nBole));
    Label5->setText(QStringLiteral("nBole  ") + numberText(nBole));
    if (!nuevo) {
      platform_.dialogs.message(textoslo::desarrolloIncorrecto, textoslo::tituloDesarrolloIncorrecto,
                                MessageButtons::Ok, MessageIcon::Stop);
      return;
    }
    nomi = elegido;
    floto = codigo;
    // Until the new file gives a ticket, nothing on screen is its own.
    dibujado_ = false;
    for (Grid* rejilla : formulario(*nuevo).numeros + formulario(*nuevo).extras) rejilla->clear();
    Label4->clear();
    preparaPantalla(*nuevo);
    inicio();
    tipoFile = tipoFileDeNombre(nomi);
    desarrollo_.reset();
    desarrollo_ = abrirDesarrolloLoto(rutaPrograma_ + nomi, tipoFile);
    napuestas = desarrollo_->napuestas();
    if (napuestas < 1) {
      // Nothing of the previous file may stay printable.
      nboletos = 0;
      platform_.dialogs.message(tipoFile == 1 ? textoslo::sinApuestasBinario : textoslo::sinApuestasTexto,
                                kDefaultTitle, MessageButtons::Ok, MessageIcon::None);
      return;
    }
    Text3[7]->setText(plainNumber(topeSup));
    Text3[8]->setText(plainNumber(margenIzq));
    nboletos = boletosLoto(napuestas, nBole);
    Text2->setText(numberText(nboletos));
    setLeftTwips(Label15, izquierdaLabel15(margenIzq));
    variac();
    Text3[7]->setText(plainNumber(topeSup));
    Text3[8]->setText(plainNumber(margenIzq));
    boletoActual = 0;
    Command9_Click();
  } catch (const RuntimeError& error) {
    avisaFallo(error, QStringLiteral(" Abr"));
  }
}

void boletoLO::mnuAyuda_Click() {
  abreAyuda(platform_, rutaPrograma_, this);
}

// The open file as the window groups it; the ticket of a problem is shown,
// never printed.
void boletoLO::mnuComprobar_Click() {
  const JuegoLoto* abierto = juegoLoto(floto);
  if (!desarrollo_ || !abierto) {
    platform_.dialogs.message(QStringLiteral("Abra antes un archivo de apuestas."), kDefaultTitle,
                              MessageButtons::Ok, MessageIcon::None);
    return;
  }
  try {
    const std::optional<qint32> boleto =
        comprobarApuestas(platform_, rutaPrograma_, this, [&](const Progreso& progreso) {
          return comprobarLoto(*abierto, tipoFile, rutaPrograma_ + nomi, nomi, nBole, progreso);
        });
    if (!boleto) return;
    boletoActual = *boleto;
    navega(0, 3);
  } catch (const RuntimeError& error) {
    avisaFallo(error, QStringLiteral(" Nº  ") + numberText(error.number()));
  }
}

void boletoLO::mnuInfo_Click() {
  setAutoRedraw(true);
  const Printer& impresora = platform_.printer;
  const DatosImpresora datos{impresora.deviceName(), impresora.driverName(), impresora.fontName(),
                             impresora.fonts(),      impresora.page(),       impresora.orientation()};
  const AjustesLoto ajustes{autoRedraw(), floto, nBole, signo, negrita, topeSup, margenIzq};
  platform_.dialogs.message(textoInformacionImpresora(datos, ajustes), textoslo::tituloInformacion,
                            MessageButtons::Ok, MessageIcon::None);
}

// Cancels what the program has left in the system's print queue, then ends
// the document, drops whatever is still held and ends the page.
void boletoLO::mnuFI_Click() {
  Printer& impresora = platform_.printer;
  impresora.cancelPendingJobs();
  try {
    impresora.endDoc();
  } catch (const RuntimeError&) {
    // A printer that refuses the document has nothing left to end.
  }
  impresora.killDoc();
  impresora.newPage();
}
