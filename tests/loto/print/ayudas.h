#pragma once
// Shared by the lotto print tests: texts shown as texts when a check fails.
#include <QString>
#include <ostream>

using namespace Qt::StringLiterals;

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
