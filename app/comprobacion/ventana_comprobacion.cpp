#include "app/comprobacion/ventana_comprobacion.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>
#include <new>

#include "app/canvas/eventos_raton.h"
#include "app/canvas/safe_handler.h"
#include "app/platform/ansi.h"
#include "app/platform/dialogs.h"
#include "app/platform/files.h"
#include "app/platform/runtime_error.h"
#include "app/printer/texto_impreso.h"

namespace {

const QString kTitulo = QStringLiteral("Comprobar apuestas");

// Shown only when the check has already taken this long: a short check
// should not flash a window.
constexpr qint64 kEsperaBarra = 500;  // ms
constexpr int kPasosBarra = 1000;

class BarraProgreso {
 public:
  explicit BarraProgreso(QWidget* parent) : parent_(parent) { reloj_.start(); }

  bool avanza(qint64 hecho, qint64 total) {
    if (!barra_) {
      if (reloj_.elapsed() < kEsperaBarra) return true;
      barra_ = std::make_unique<QProgressDialog>(QStringLiteral("Comprobando las apuestas del archivo..."),
                                                 QStringLiteral("Cancelar"), 0, kPasosBarra, parent_);
      barra_->setWindowTitle(kTitulo);
      barra_->setWindowModality(Qt::WindowModal);
      barra_->setMinimumDuration(0);
    }
    barra_->setValue(total > 0 ? int(kPasosBarra * hecho / total) : 0);
    QCoreApplication::processEvents();
    return !barra_->wasCanceled();
  }

 private:
  QWidget* parent_;
  QElapsedTimer reloj_;
  std::unique_ptr<QProgressDialog> barra_;
};

}  // namespace

VentanaComprobacion::VentanaComprobacion(const Platform& platform, const QString& rutaPrograma,
                                         const InformeComprobacion& informe, QWidget* parent)
    : QDialog(parent), platform_(platform), rutaPrograma_(rutaPrograma), informe_(informe) {
  setWindowTitle(kTitulo + QStringLiteral(": ") + informe.archivo());
  Label1 = new QLabel(informe.totales().join(QLatin1Char('\n')));
  List1 = new QListWidget;
  for (qint64 i = 0; i < qMin<qint64>(informe.problemas(), InformeComprobacion::kMostrados); ++i)
    List1->addItem(informe.linea(i));
  List1->setVisible(informe.problemas() > 0);
  Label2 = new QLabel(informe.masProblemas());
  Label2->setVisible(!Label2->text().isEmpty());
  Command1 = new QPushButton(QStringLiteral("&Ir al boleto"));
  Command1->setEnabled(informe.problemas() > 0);
  Command2 = new QPushButton(QStringLiteral("&Guardar"));
  Command3 = new QPushButton(QStringLiteral("Im&primir"));
  Command4 = new QPushButton(QStringLiteral("&Cerrar"));
  auto* botones = new QHBoxLayout;
  for (QPushButton* boton : {Command1, Command2, Command3, Command4}) {
    boton->setAutoDefault(false);
    botones->addWidget(boton);
  }
  auto* columna = new QVBoxLayout(this);
  columna->addWidget(Label1);
  columna->addWidget(List1, 1);
  columna->addWidget(Label2);
  columna->addLayout(botones);
  resize(760, informe.problemas() > 0 ? 520 : 120);

  Dialogs& d = platform_.dialogs;
  connectSafely(d, Command1, &QPushButton::clicked, this, &VentanaComprobacion::Command1_Click);
  connectSafely(d, List1, &QListWidget::itemDoubleClicked, this, &VentanaComprobacion::Command1_Click);
  (new EventosRaton(d, this))->alElegir(List1, [this] { Command1_Click(); });
  connectSafely(d, Command2, &QPushButton::clicked, this, &VentanaComprobacion::Command2_Click);
  connectSafely(d, Command3, &QPushButton::clicked, this, &VentanaComprobacion::Command3_Click);
  connect(Command4, &QPushButton::clicked, this, &QDialog::reject);
}

void VentanaComprobacion::Command1_Click() {
  const int fila = List1->currentRow();
  if (fila < 0) return;
  elegido_ = informe_.boletoDe(fila);
  accept();
}

QString VentanaComprobacion::rutaInforme() const {
  return rutaPrograma_ + QStringLiteral("Comprobacion_") + QFileInfo(informe_.archivo()).completeBaseName() +
         QStringLiteral(".TXT");
}

void VentanaComprobacion::Command2_Click() {
  try {
    writeFileAtomically(rutaInforme(),
                        encodeAnsi(informe_.texto().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    platform_.dialogs.message(QStringLiteral("Informe guardado en ") + rutaInforme(), kTitulo,
                              MessageButtons::Ok, MessageIcon::Information);
  } catch (const RuntimeError& error) {
    avisaError(error);
  }
}

void VentanaComprobacion::Command3_Click() {
  try {
    imprimeTexto(platform_.printer, informe_.texto());
  } catch (const RuntimeError& error) {
    avisaError(error);
  }
}

void VentanaComprobacion::avisaError(const RuntimeError& error) {
  platform_.dialogs.message(error.description() + QStringLiteral(" Nº  ") + QString::number(error.number()),
                            kTitulo, MessageButtons::Ok, MessageIcon::Stop);
}

std::optional<qint32> comprobarApuestas(const Platform& platform, const QString& rutaPrograma,
                                        QWidget* parent, const Comprobacion& comprobar) {
  std::optional<InformeComprobacion> informe;
  {
    BarraProgreso barra(parent);
    try {
      informe = comprobar([&barra](qint64 hecho, qint64 total) { return barra.avanza(hecho, total); });
    } catch (const std::bad_alloc&) {
      throw RuntimeError(7);
    }
  }
  if (!informe) return std::nullopt;
  VentanaComprobacion ventana(platform, rutaPrograma, *informe, parent);
  ventana.exec();
  return ventana.boletoElegido();
}
