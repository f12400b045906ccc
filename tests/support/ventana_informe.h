#pragma once
// The report window of "Comprobar apuestas", reached from a ticket window's menu.
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <functional>

#include "app/comprobacion/ventana_comprobacion.h"

// Triggers `menu` and runs `enVentana` on the report window it opens; false
// when none opened.
inline bool conInforme(QAction* menu, const std::function<void(VentanaComprobacion&)>& enVentana) {
  bool abierta = false;
  QTimer::singleShot(0, [&] {
    auto* ventana = qobject_cast<VentanaComprobacion*>(QApplication::activeModalWidget());
    abierta = ventana != nullptr;
    if (!ventana) return;
    enVentana(*ventana);
    if (ventana->isVisible()) ventana->reject();
  });
  menu->trigger();
  return abierta;
}
