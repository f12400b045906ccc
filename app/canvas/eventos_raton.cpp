#include "app/canvas/eventos_raton.h"

#include <QMouseEvent>
#include <QWidget>

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
  anade(control, Suceso::Clic, std::move(accion));
}

void EventosRaton::anade(QWidget* control, Suceso suceso, Accion accion) {
  if (!acciones_.contains(control)) control->installEventFilter(this);
  acciones_[control][int(suceso)] = std::move(accion);
}

void EventosRaton::lanza(QObject* control, Suceso suceso) const {
  const auto porControl = acciones_.constFind(control);
  if (porControl == acciones_.constEnd()) return;
  const auto accion = porControl->constFind(int(suceso));
  if (accion != porControl->constEnd()) (*accion)();
}

bool EventosRaton::eventFilter(QObject* watched, QEvent* event) {
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
