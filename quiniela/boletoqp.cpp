#include "quiniela/boletoqp.h"

#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/boleto/navegador.h"
#include "app/canvas/eventos_raton.h"
#include "app/canvas/twip_geometry.h"
#include "app/comprobacion/ventana_comprobacion.h"
#include "app/grid/grid.h"
#include "app/platform/dialogs.h"
#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"
#include "app/program_folder.h"
#include "help/ayuda.h"
#include "quiniela/comprobacion_quiniela.h"
#include "quiniela/geometria_boletoqp.h"
#include "quiniela/nombre_jornada.h"
#include "quiniela/textos_boletoqp.h"

boletoqp::boletoqp(const Platform& platform, QString& rutaPrograma, QWidget* parent)
    : TwipWindow(parent), platform_(platform), rutaPrograma_(rutaPrograma), eventos_(new EventosRaton(platform.dialogs, this)) {
  creaControles();
  cargaVentana();
}

boletoqp::~boletoqp() = default;

void boletoqp::cargaVentana() {
  setWindowTitle(textosqp::tituloVentana);
  move(x(), qRound(twipsToPixels(25, logicalDpiY())));
  apuestasBoleto = 8;
  refrescaRutaPrograma();
  inicioX = -30;
  inicioY = 2085;
  Text3[1]->setText(QStringLiteral("0"));
  ::setBackColor(Text2, qbColor(2));
  Label14->setText(textosqp::instrucciones);
  platform_.dialogs.message(textosqp::presentacion, textosqp::tituloPresentacion, MessageButtons::Ok,
                            MessageIcon::Exclamation);
  leeConfiguracion();
  boletoActual = 1;
  modoSerie = 1;
  Frame1->show();
  Frame3->show();
  Frame2->hide();
  nombreArchivo = QStringLiteral("Preuba");
  mnuAbrir_Click();
}

// The start-up window already holds this folder; it is set again in the
// running program's own spelling. A folder handed in that is another one (a
// test's temporary folder) is kept.
void boletoqp::refrescaRutaPrograma() {
  const QString carpeta = runningProgramFolder();
  if (rutaPrograma_.isEmpty() || QDir(rutaPrograma_) == QDir(carpeta)) rutaPrograma_ = carpeta;
}

DesarrolloQuiniela& boletoqp::desarrollo() {
  if (!desarrollo_) desarrollo_ = abrirDesarrollo(tipoFile, rutaArchivo, nombreArchivo);
  return *desarrollo_;
}

void boletoqp::mnuAbrir_Click() {
  try {
    const auto eligeAD243 = [this] {
      rutaArchivo = rutaPrograma_ + QStringLiteral("AD243");
      tipoFile = 1;
      nombreArchivo = QStringLiteral("AD243");
    };
    if (nombreArchivo.size() < 5) {
      eligeAD243();
    } else {
      const MessageResult eleccion =
          platform_.dialogs.message(textosqp::preguntaArchivo, textosqp::tituloPreguntaArchivo,
                                    MessageButtons::YesNoCancel, MessageIcon::None);
      if (eleccion == MessageResult::Yes) {
        eligeAD243();
      } else if (eleccion == MessageResult::No) {
        const std::optional<QString> nombre =
            nombreArchivoJornada(platform_.dialogs.input(textosqp::preguntaJornada, kDefaultTitle));
        if (!nombre) {
          platform_.dialogs.message(textoJornadaConRuta, textosqp::tituloPreguntaArchivo, MessageButtons::Ok,
                                    MessageIcon::Exclamation);
          return;
        }
        rutaArchivo = rutaPrograma_ + *nombre;
        tipoFile = 2;
        nombreArchivo = *nombre;
      } else {
        return;
      }
    }
    Frame1->show();
    // The chosen file is the one every later redraw reads, even when it fails to open here.
    desarrollo_.reset();
    napuestas = desarrollo().recuento().napuestas;
    if (napuestas < 1) {
      // The previous file's tickets must not stay printable.
      nboletos = 0;
      return;
    }
    Frame4->show();
    for (Grid* q : tablaq) {
      q->setColWidth(0, geometriaqp::anchoColumnaPleno);
      q->setColAlignment(0, 4);
    }
    for (Grid* t : tabla) {
      t->setFontBold(negrita);
      t->setFontSize(tamFuente);
      t->setFontWidth(8);
      t->setCols(14);
      for (int col = 0; col < 14; ++col) {
        t->setColWidth(col, geometriaqp::anchoColumna);
        t->setColAlignment(col, 4);
      }
    }
    tablas();
    Text3[7]->setText(plainNumber(inicioY));
    Text3[8]->setText(plainNumber(inicioX));
    nboletos = boletosPara(napuestas);
    boletoActual = 0;
    Command3_Click();
  } catch (const RuntimeError& error) {
    platform_.dialogs.message(error.description(), kDefaultTitle, MessageButtons::Ok, MessageIcon::None);
  }
}

void boletoqp::navega(qint32 salto, qint16 modo) {
  boletoActual = boletoTrasSalto(boletoActual, salto, nboletos);
  modoSerie = modo;
  destino = 10;
  ejecuta();
}

void boletoqp::Command3_Click() {
  navega(1, 3);
}
void boletoqp::Command4_Click() {
  navega(-1, 5);
}
void boletoqp::Command6_Click() {
  navega(32, 3);
}
void boletoqp::Command7_Click() {
  navega(-32, 3);
}

void boletoqp::Text4_Click() {
  Text4->setText(QStringLiteral("  "));
}

void boletoqp::mnuP_Click() {
  platform_.dialogs.message(textosqp::consejosImpresora, textosqp::lineaCredito, MessageButtons::Ok,
                            MessageIcon::Information);
}

void boletoqp::mnuAyuda_Click() {
  abreAyuda(platform_, rutaPrograma_, this);
}

// The ticket of a problem is shown, never printed.
void boletoqp::mnuComprobar_Click() {
  try {
    const std::optional<qint32> boleto = comprobarApuestas(
        platform_, rutaPrograma_, this,
        [this](const Progreso& p) { return comprobarQuiniela(tipoFile, rutaArchivo, nombreArchivo, p); });
    if (!boleto) return;
    boletoActual = *boleto;
    navega(0, 3);
  } catch (const RuntimeError& error) {
    avisaError(error);
  }
}

void boletoqp::done(int result) {
  salva();
  TwipWindow::done(result);
}
