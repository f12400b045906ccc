#pragma once
// The number and text conversions every window uses when it shows, reads or
// writes a value. They follow the rules of the program's original platform,
// because calibration files and messages depend on the exact text.
#include <QString>
#include <QtGlobal>

// A number as a message shows it: one leading blank when it is not negative
// (5 -> " 5", -5 -> "-5", 0.5 -> " .5"), up to 15 significant digits.
QString numberText(double value);

// A number as plain decimal digits, no leading blank (5 -> "5", 0.5 -> ".5").
QString plainNumber(double value);

// "True" or "False".
QString boolText(bool value);

// The longest leading decimal number of a text: leading blanks skipped, an
// optional sign, digits with one decimal point; anything after it ignored;
// no number gives 0. A number too large for a double throws RuntimeError 6.
double textValue(const QString& text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2).
// Throws RuntimeError 6 when the result does not fit in 64 bits.
qint64 roundHalfEven(double value);

// A text read into a whole-number field: textValue then roundHalfEven.
qint64 textToWhole(const QString& text);

// A number stored into a 32-bit or 16-bit whole-number field, rounded as
// roundHalfEven; one that does not fit the field throws RuntimeError 6, so
// the field keeps its old value.
qint32 toInt32(double value);
qint16 toInt16(double value);
qint32 textToInt32(const QString& text);
qint16 textToInt16(const QString& text);

// Zero-padded to at least `digits` digits: (7, 2) -> "07", (-5, 2) -> "-05".
QString zeroPadded(qint64 value, int digits);

// Right-aligned in a field of `width` characters, blank-padded on the left; a
// longer text is returned whole.
QString rightAligned(const QString& text, int width);
