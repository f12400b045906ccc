#pragma once
// A calibration box read into its whole-number field, as both ticket windows
// read theirs.
#include <QLineEdit>
#include <type_traits>

#include "app/platform/numbers.h"
#include "app/platform/runtime_error.h"

// Reads the number typed in `caja` into `campo` (16 or 32 bits). A number the
// field cannot hold leaves the field as it was and the box showing it again,
// written by `muestra`, so that no later step meets the same failure; the
// error is then thrown for the caller's trap.
template <typename Campo>
void leeCaja(QLineEdit* caja, Campo& campo, QString (*muestra)(double) = plainNumber) {
  static_assert(std::is_same_v<Campo, qint16> || std::is_same_v<Campo, qint32>);
  try {
    if constexpr (std::is_same_v<Campo, qint16>)
      campo = textToInt16(caja->text());
    else
      campo = textToInt32(caja->text());
  } catch (const RuntimeError&) {
    caja->setText(muestra(campo));
    throw;
  }
}
