#pragma once
// A window the program opens modally, driven from within its own event loop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Opens a window modally with `abre` and runs `dentro` on it while it is open; the window is closed
// afterwards, whatever `dentro` did.
template <typename Ventana>
void conVentana(const std::function<void()>& abre, const std::function<void(Ventana&)>& dentro) {
  bool abierta = false;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* ventana = qobject_cast<Ventana*>(modal)) {
      abierta = true;
      dentro(*ventana);
    }
    if (modal) modal->close();
  });
  abre();
  EXPECT_TRUE(abierta) << "the window was not open modally";
}
