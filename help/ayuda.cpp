#include "help/ayuda.h"

#include <QEvent>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "app/canvas/eventos_raton.h"
#include "app/canvas/safe_handler.h"
#include "app/canvas/twip_geometry.h"
#include "app/platform/ansi.h"
#include "app/platform/delimited.h"
#include "app/platform/dialogs.h"
#include "app/platform/files.h"
#include "app/platform/runtime_error.h"
#include "app/printer/texto_impreso.h"

namespace {

// The window is 12000 x 9000 twips from frame edge to frame edge; the client
// area is that less a sizable frame's borders (60 a side) and caption (285).
constexpr double kAnchoCliente = 12000 - 2 * 60;
constexpr double kAltoCliente = 9000 - 2 * 60 - 285;

QFont fuente(const QString& familia, QFont::StyleHint estilo) {
  QFont f(familia);
  f.setStyleHint(estilo);
  f.setPointSizeF(9.75);
  return f;
}

template <typename Control>
Control* control(QWidget* padre, const QString& texto, QRectF r) {
  auto* c = new Control(texto, padre);
  placeTwips(c, r.left(), r.top(), r.width(), r.height());
  return c;
}

// Keys that type a character: Enter too, but not those that only move the
// cursor, delete or change the focus.
bool tecleaCaracter(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return true;
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab || key.key() == Qt::Key_Delete) return false;
  return !key.text().isEmpty();
}

}  // namespace

Ayuda::Ayuda(const Platform& platform, const QString& rutaPrograma, QWidget* parent)
    : TwipWindow(parent), platform_(platform) {
  setWindowTitle(
      QStringLiteral("  Instrucciones para imprimir boletos de   QUINIELAS Y  LOTO: 49/6, 54/5, 50/5"));
  move(0, 0);
  setClientSizeTwips(kAnchoCliente, kAltoCliente);
  creaControles();
  ponTips();
  carga(rutaPrograma + QStringLiteral("lotoAy.txt"));
}

void Ayuda::creaControles() {
  QWidget* c = client();
  List1 = new QListWidget(c);
  placeTwips(List1, 0, 0, 11115, 7230);
  List1->setSelectionMode(QAbstractItemView::MultiSelection);
  List1->setFont(fuente(QStringLiteral("Courier New"), QFont::TypeWriter));
  setBackColor(List1, QColor(224, 224, 224));

  Label1 = control<QLabel>(c, QStringLiteral("Introducir el texto a Buscar"), {2550, 7230, 2205, 225});
  setBackColor(Label1, QColor(192, 192, 255));
  Command1 = control<QPushButton>(c, QStringLiteral("Buscar"), {5280, 7230, 1215, 255});
  Command2 = control<QPushButton>(c, QStringLiteral("Imprimir Seleccion"), {6870, 7230, 2325, 255});
  Command3 = control<QPushButton>(c, QStringLiteral("INDICE"), {9540, 7230, 1035, 255});
  Text1 = control<QLineEdit>(c, QStringLiteral("Texto a Buscar?"), {15, 7485, 11085, 285});
  setBackColor(Text1, QColor(192, 255, 255));
  Label2 = control<QLabel>(c, QString(), {60, 7800, 11025, 585});
  Label2->setFont(fuente(QStringLiteral("MS Sans Serif"), QFont::SansSerif));
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setBackColor(Label2, QColor(192, 192, 192));

  setTabOrder(Command3, Command2);
  setTabOrder(Command2, Command1);
  setTabOrder(Command1, Text1);
  setTabOrder(Text1, List1);
  Command3->setFocus();

  Dialogs& d = platform_.dialogs;
  connectSafely(d, Command1, &QPushButton::clicked, this, &Ayuda::Command1_Click);
  connectSafely(d, Command2, &QPushButton::clicked, this, &Ayuda::Command2_Click);
  connectSafely(d, Command3, &QPushButton::clicked, this, &Ayuda::Command3_Click);
  connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    runHandler(platform_.dialogs, [&] { List1_Click(List1->row(item)); });
  });
  connectSafely(d, List1, &QListWidget::itemSelectionChanged, this, &Ayuda::tomaSeleccion);
  (new EventosRaton(d, this))->alElegir(List1, [this] { List1_Click(List1->currentRow()); });
}

void Ayuda::ponTips() {
  tips_.insert(Command2,
               QStringLiteral(" Permite imprimir el texto seleccionado de la lista. Solo el seleccionado. "));
  tips_.insert(Command3,
               QStringLiteral(" Al Hacer -Click- aquí, se presenta en pantalla el INDICE de la Ayuda. "
                              "Dando gran agilidad a la busqueda de datos.\n"
                              " Después de elegir en el INDICE, con -SPACE-, vuelve nuevamente al INDICE"));
  // The list's entries take the mouse in its viewport.
  tips_.insert(List1->viewport(),
               QStringLiteral(" Al pulsar sobre cualquier opción del INDICE, esta se presentará en pantalla\n"
                              " Permite selccionar el texto deseado en la lista e imprimirlo."));
  tips_.insert(Text1,
               QStringLiteral(" Permite introducir un TEXTO. Con ENTER lo buscará en la lista.\n"
                              "  Presentará las simulitudes encontradas, dando el nº de línea donde se "
                              "encuentra."));
  // The filter also takes the text box's keys and clicks.
  for (auto it = tips_.cbegin(); it != tips_.cend(); ++it) {
    auto* w = static_cast<QWidget*>(it.key());
    w->setMouseTracking(true);
    w->installEventFilter(this);
  }
}

void Ayuda::carga(const QString& ruta) {
  try {
    lista_.cargar(readLines(decodeAnsi(readFileBytes(ruta))));
  } catch (const RuntimeError& e) {
    platform_.dialogs.message(e.description(), kDefaultTitle, MessageButtons::Ok, MessageIcon::None);
  }
  for (int i = 0; i < lista_.count(); ++i) List1->addItem(lista_.entrada(i));
}

void Ayuda::Command1_Click() {
  const std::optional<QString> resultado = lista_.buscar(Text1->text());
  if (!resultado) return;
  Text1->setText(*resultado);
  muestraSeleccion();
}

void Ayuda::Command2_Click() {
  try {
    imprimeTexto(platform_.printer, lista_.lineasImpresion());
  } catch (const RuntimeError&) {
    // No printer, or it refused the job: the command just ends.
  }
}

void Ayuda::Command3_Click() {
  const std::optional<int> cabecera = lista_.indice();
  if (!cabecera) return;
  muestraSeleccion();
  List1->scrollToItem(List1->item(*cabecera));
}

void Ayuda::List1_Click(int posicion) {
  const std::optional<SaltoIndice> salto = lista_.saltoDesde(posicion);
  if (!salto) return;
  muestraSeleccion();
  List1->scrollToItem(List1->item(salto->mostrar));
  // Near the end there are fewer lines to show below it: the heading itself
  // must still be on screen.
  List1->scrollToItem(List1->item(salto->encontrada));
  // So that SPACE goes back to the index.
  Command3->setFocus();
}

bool Ayuda::Text1_KeyPress(const QKeyEvent& key) {
  if (!tecleaCaracter(key)) return false;
  lista_.deseleccionaTodo();
  muestraSeleccion();
  if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
  Command1_Click();
  return true;
}

bool Ayuda::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseMove: {
      const auto tip = tips_.constFind(watched);
      if (tip != tips_.cend()) Label2->setText(*tip);
      break;
    }
    case QEvent::KeyPress:
      if (watched == Text1) {
        bool usada = false;
        runHandler(platform_.dialogs, [&] { usada = Text1_KeyPress(*static_cast<QKeyEvent*>(event)); });
        return usada;
      }
      break;
    case QEvent::MouseButtonPress:
      // A click clears the box, ready for a new word.
      if (watched == Text1 && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) Text1->clear();
      break;
    default: break;
  }
  return TwipWindow::eventFilter(watched, event);
}

void Ayuda::muestraSeleccion() {
  QItemSelection seleccion;
  const QAbstractItemModel* modelo = List1->model();
  for (int i = 0; i < lista_.count(); ++i)
    if (lista_.seleccionada(i)) seleccion.select(modelo->index(i, 0), modelo->index(i, 0));
  mostrando_ = true;
  List1->selectionModel()->select(seleccion, QItemSelectionModel::ClearAndSelect);
  mostrando_ = false;
}

void Ayuda::tomaSeleccion() {
  if (mostrando_) return;
  for (int i = 0; i < lista_.count(); ++i) lista_.selecciona(i, List1->item(i)->isSelected());
}

void abreAyuda(const Platform& platform, const QString& rutaPrograma, QWidget* parent) {
  Ayuda ayuda(platform, rutaPrograma, parent);
  ayuda.exec();
}
