#pragma once
// Small helpers of the lotto file tests.
#include <QString>
#include <ostream>

#include "tests/support/error_number.h"

using namespace Qt::StringLiterals;

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
