#pragma once
// Small helpers of the football-pools tests.
#include <QString>
#include <functional>
#include <ostream>

#include "app/platform/runtime_error.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

// The number of the RuntimeError an action raises; 0 when it raises none.
inline int errorDe(const std::function<void()>& accion) {
  try {
    accion();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}
