#include "app/boletos.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "app/canvas/controls.h"
#include "app/canvas/safe_handler.h"
#include "app/canvas/twip_geometry.h"
#include "app/platform/dialogs.h"
#include "app/platform/file_attributes.h"
#include "help/ayuda.h"
#include "loto/boletolo.h"
#include "quiniela/boletoqp.h"
#include "version/show_properties_dialog.h"
#include "version/version_label.h"

namespace {

QLabel* label(QWidget* parent, const QString& text, QRectF r, const QColor& back) {
  QLabel* l = makeLabel(parent, text, r, true);
  setBackColor(l, back);
  return l;
}

QPushButton* button(QWidget* parent, const QString& text, QRectF r, const QColor& back) {
  QPushButton* b = makeButton(parent, text, r);
  setBackColor(b, back);
  return b;
}

}  // namespace

Boletos::Boletos(const Platform& platform, const QString& programFolder)
    : rutaPrograma(programFolder), platform_(platform) {
  setWindowTitle(QStringLiteral(" TIQUERON  Imprime Boletos de 1X2, LOTTOS ..."));
  setClientSizeTwips(5310, 1995);
  TwipWindow::setBackColor(QColor(128, 128, 255));
  QWidget* c = client();

  const QColor grey(192, 192, 192);
  Label1 = label(c, QStringLiteral("Elegir el tipo de boletos a imprimir:"), {1275, 300, 3060, 225}, grey);
  Command1 =
      button(c, QStringLiteral("Boletos      QUINIELAS 1X2"), {15, 600, 2625, 480}, QColor(128, 128, 255));
  Command2 = button(c, QStringLiteral("EUROMILLOES GORDO DE LA PRIMITIVA,  BONOLOTO..."),
                    {2715, 600, 2550, 465}, QColor(255, 192, 128));
  Label2 = label(c, QStringLiteral("Archivos AD243  ó  Ferbalo.TXT"), {30, 1080, 2595, 450}, grey);
  Label3 = label(c, QStringLiteral("     Archivos con Extensión:                   ***.LOT   y  ***.TXT"),
                 {2715, 1080, 2535, 450}, grey);
  Command3 = button(c, QStringLiteral("Salir"), {2190, 1650, 900, 285}, QColor(128, 128, 128));
  Label6 = label(c, QString(), {3900, 15, 1530, 240}, grey);
  QFont versionFont(QStringLiteral("Arial"));
  versionFont.setPointSizeF(9);
  versionFont.setBold(true);
  Label6->setFont(versionFont);

  setTabOrder(Command1, Command2);
  setTabOrder(Command2, Command3);

  mnucreditos = menuBar()->addAction(QStringLiteral("Créditos"));
  mnuayuda = menuBar()->addAction(QStringLiteral("Ayuda"));

  Dialogs& d = platform_.dialogs;
  connectSafely(d, Command1, &QPushButton::clicked, this, &Boletos::Command1_Click);
  connectSafely(d, Command2, &QPushButton::clicked, this, &Boletos::Command2_Click);
  connectSafely(d, Command3, &QPushButton::clicked, this, &Boletos::Command3_Click);
  connectSafely(d, mnucreditos, &QAction::triggered, this, &Boletos::mnucreditos_Click);
  connectSafely(d, mnuayuda, &QAction::triggered, this, &Boletos::mnuayuda_Click);

  version();
}

Boletos::~Boletos() = default;

bool Boletos::existeFichero(const QString& ruta) const {
  return platform_.attributes.exists(ruta);
}

void Boletos::version() {
  Label6->setText(versionLabelText(programFile(rutaPrograma)));
}

void Boletos::Command1_Click() {
  boletoqp ventana(platform_, rutaPrograma);
  ventana.exec();
}

void Boletos::Command2_Click() {
  if (!loto_) loto_ = std::make_unique<boletoLO>(platform_, rutaPrograma);
  loto_->exec();
  if (loto_->descargada()) loto_.reset();
}

void Boletos::Command3_Click() {
  if (platform_.dialogs.message(QStringLiteral("Salir ?"), QStringLiteral("TIQUERON"),
                                MessageButtons::OkCancel, MessageIcon::None) != MessageResult::Ok)
    return;
  close();
  QCoreApplication::exit(0);
}

void Boletos::mnucreditos_Click() {
  mostrarPropiedades(programFile(rutaPrograma), this);
}

void Boletos::mnuayuda_Click() {
  abreAyuda(platform_, rutaPrograma, this);
}
