#pragma once
// Texts shown as texts in the tests' failure messages, not as bytes.
#include <QString>
#include <ostream>

using namespace Qt::StringLiterals;

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
