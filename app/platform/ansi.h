#pragma once
// Files beside the program are Windows ANSI text (code page 1252).
#include <QByteArray>
#include <QString>

QString decodeAnsi(const QByteArray& bytes);
// Characters with no code in the page become '?'.
QByteArray encodeAnsi(const QString& text);
