#pragma once
// Mouse events of a window's controls routed to handlers: pointer moves (the
// help line), button presses and releases, and clicks on controls that have no
// click signal of their own (labels, text boxes).
#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

class EventosRaton : public QObject {
  Q_OBJECT
 public:
  using Accion = std::function<void()>;
  explicit EventosRaton(QObject* parent = nullptr) : QObject(parent) {}

  // The pointer moving over the control, without reaching the controls beneath it.
  void alMover(QWidget* control, Accion accion);
  void alPulsar(QWidget* control, Accion accion);
  // Button released; a click when the pointer is still over the control.
  void alSoltar(QWidget* control, Accion accion);
  void alHacerClic(QWidget* control, Accion accion);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Suceso { Mover, Pulsar, Soltar, Clic };
  void anade(QWidget* control, Suceso suceso, Accion accion);
  void lanza(QObject* control, Suceso suceso) const;

  QHash<QObject*, QHash<int, Accion>> acciones_;
};
