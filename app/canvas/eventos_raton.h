#pragma once
// Mouse events of a window's controls routed to handlers: pointer moves (the
// help line), button presses and releases, and clicks on controls that have no
// click signal of their own (labels, text boxes). Each action runs as a
// protected handler (safe_handler.h).
#include <QHash>
#include <QObject>
#include <functional>

class Dialogs;
class QListWidget;
class QWidget;

class EventosRaton : public QObject {
  Q_OBJECT
 public:
  using Accion = std::function<void()>;
  EventosRaton(Dialogs& dialogs, QObject* parent) : QObject(parent), dialogs_(dialogs) {}

  // The pointer moving over the control, without reaching the controls beneath it.
  void alMover(QWidget* control, Accion accion);
  void alPulsar(QWidget* control, Accion accion);
  // Button released; a click when the pointer is still over the control.
  void alSoltar(QWidget* control, Accion accion);
  // A click. No command may be the mouse's alone: a control that takes no
  // focus (a label) is given Tab, shows a frame while it has the focus, and
  // Space or Enter then click it. A text box is left to typing.
  void alHacerClic(QWidget* control, Accion accion);
  // Space or Enter on the current entry of `lista` choose it as a click does:
  // the entry is selected (toggled in a list of many selections), then
  // `accion` runs. The list's own click signal serves the mouse.
  void alElegir(QListWidget* lista, Accion accion);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Suceso { Mover, Pulsar, Soltar, Clic, Elegir };
  bool teclaDeClic(QObject* control, const QEvent* event) const;
  void anade(QWidget* control, Suceso suceso, Accion accion);
  void lanza(QObject* control, Suceso suceso) const;

  Dialogs& dialogs_;
  QHash<QObject*, QHash<int, Accion>> acciones_;
};
