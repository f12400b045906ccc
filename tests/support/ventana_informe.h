#pragma once
// The report window of "Comprobar apuestas", reached from a ticket window.
#include <QApplication>
#include <QTimer>
#include <functional>

#include "app/comprobacion/ventana_comprobacion.h"

// Runs `abre` (the menu entry, its access key) and `enVentana` on the report
// window it opens; false when none opened.
inline bool conInforme(const std::function<void()>& abre,
                       const std::function<void(VentanaComprobacion&)>& enVentana = {}) {
  bool abierta = false;
  QTimer::singleShot(0, [&] {
    auto* ventana = qobject_cast<VentanaComprobacion*>(QApplication::activeModalWidget());
    abierta = ventana != nullptr;
    if (!ventana) return;
    if (enVentana) enVentana(*ventana);
    if (ventana->isVisible()) ventana->reject();
  });
  abre();
  return abierta;
}
