#include "app/canvas/eventos_raton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QWidget>

#include "app/canvas/window_keys.h"

#include "app/canvas/safe_handler.h"

namespace {

// A label's frame while it has the focus; its own frame back after.
void marcaFoco(QLabel* label, bool foco) {
  static const char* const kMarcoPropio = "marcoSinFoco";
  if (foco) {
    label->setProperty(kMarcoPropio, int(label->frameShape()));
    label->setFrameShape(QFrame::Box);
    label->setLineWidth(2);
  } else if (label->property(kMarcoPropio).isValid()) {
    label->setFrameShape(QFrame::Shape(label->property(kMarcoPropio).toInt()));
    label->setLineWidth(1);
  }
}

}  // namespace

void EventosRaton::alMover(QWidget* control, Accion accion) {
  control->setMouseTracking(true);
  // The window's own move text must not replace the control's.
  control->setAttribute(Qt::WA_NoMousePropagation);
  anade(control, Suceso::Mover, std::move(accion));
}

void EventosRaton::alPulsar(QWidget* control, Accion accion) {
  anade(control, Suceso::Pulsar, std::move(accion));
}

void EventosRaton::alSoltar(QWidget* control, Accion accion) {
  anade(control, Suceso::Soltar, std::move(accion));
}

void EventosRaton::alHacerClic(QWidget* control, Accion accion) {
  if (!qobject_cast<QLineEdit*>(control) && control->focusPolicy() == Qt::NoFocus)
    control->setFocusPolicy(Qt::TabFocus);
  anade(control, Suceso::Clic, std::move(accion));
}

void EventosRaton::alElegir(QListWidget* lista, Accion accion) {
  anade(lista, Suceso::Elegir, std::move(accion));
}

bool EventosRaton::teclaDeClic(QObject* control, const QEvent* event) const {
  if (event->type() != QEvent::KeyPress || qobject_cast<QLineEdit*>(control)) return false;
  const auto* tecla = static_cast<const QKeyEvent*>(event);
  return (tecla->key() == Qt::Key_Space || isEnterKey(*tecla)) &&
         (tecla->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void EventosRaton::anade(QWidget* control, Suceso suceso, Accion accion) {
  if (!acciones_.contains(control)) control->installEventFilter(this);
  acciones_[control][int(suceso)] = std::move(accion);
}

void EventosRaton::lanza(QObject* control, Suceso suceso) const {
  const auto porControl = acciones_.constFind(control);
  if (porControl == acciones_.constEnd()) return;
  const auto accion = porControl->constFind(int(suceso));
  if (accion != porControl->constEnd()) runHandler(dialogs_, *accion);
}

bool EventosRaton::eventFilter(QObject* watched, QEvent* event) {
  if (teclaDeClic(watched, event)) {
    const auto acciones = acciones_.constFind(watched);
    if (acciones->contains(int(Suceso::Clic))) {
      lanza(watched, Suceso::Clic);
      return true;
    }
    auto* lista = qobject_cast<QListWidget*>(watched);
    if (lista && acciones->contains(int(Suceso::Elegir)) && lista->currentItem()) {
      const bool varias = lista->selectionMode() == QAbstractItemView::MultiSelection;
      lista->selectionModel()->setCurrentIndex(
          lista->currentIndex(), varias ? QItemSelectionModel::Toggle : QItemSelectionModel::ClearAndSelect);
      lanza(watched, Suceso::Elegir);
      return true;
    }
  }
  // The frame of a label that has the focus, so the keyboard user sees where it is.
  if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
      acciones_.value(watched).contains(int(Suceso::Clic))) {
    if (auto* label = qobject_cast<QLabel*>(watched)) marcaFoco(label, event->type() == QEvent::FocusIn);
  }
  switch (event->type()) {
    case QEvent::MouseMove: lanza(watched, Suceso::Mover); break;
    case QEvent::MouseButtonPress: lanza(watched, Suceso::Pulsar); break;
    case QEvent::MouseButtonRelease: {
      lanza(watched, Suceso::Soltar);
      const auto* raton = static_cast<QMouseEvent*>(event);
      const auto* control = static_cast<QWidget*>(watched);
      if (raton->button() == Qt::LeftButton && control->rect().contains(raton->position().toPoint())) {
        lanza(watched, Suceso::Clic);
      }
      break;
    }
    default: break;
  }
  return false;
}
