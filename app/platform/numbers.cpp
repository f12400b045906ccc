#include "app/platform/numbers.h"

#include <QByteArray>
#include <cmath>
#include <limits>

#include "app/platform/runtime_error.h"

namespace {

constexpr int kSignificantDigits = 15;

// The magnitude of a finite number in the original platform's style: at most
// 15 significant digits, no trailing zeros, no zero before the decimal point,
// and an exponent ("1E+15", "1.5E-05") only for very large or small numbers.
QString magnitudeText(double value) {
  if (value == 0) return QStringLiteral("0");
  // "d.dddddddddddddde+XX", independent of the user's locale.
  const QString scientific = QString::number(std::fabs(value), 'e', kSignificantDigits - 1);
  const qsizetype e = scientific.indexOf(QLatin1Char('e'));
  QString digits = scientific.left(1) + scientific.mid(2, e - 2);
  const int exponent = scientific.mid(e + 1).toInt();
  while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);

  if (exponent >= kSignificantDigits || exponent < -4) {
    QString text = digits.left(1);
    if (digits.size() > 1) text += QLatin1Char('.') + digits.mid(1);
    return text + (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
           QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
  }
  if (exponent < 0) return QLatin1Char('.') + QString(-exponent - 1, QLatin1Char('0')) + digits;
  const qsizetype wholeDigits = exponent + 1;
  if (digits.size() <= wholeDigits) return digits.leftJustified(wholeDigits, QLatin1Char('0'));
  return digits.left(wholeDigits) + QLatin1Char('.') + digits.mid(wholeDigits);
}

QString signedText(double value, const QString& nonNegativePrefix) {
  if (!std::isfinite(value)) return QString::number(value);
  return (value < 0 ? QStringLiteral("-") : nonNegativePrefix) + magnitudeText(value);
}

bool isDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

}  // namespace

QString numberText(double value) {
  return signedText(value, QStringLiteral(" "));
}

QString plainNumber(double value) {
  return signedText(value, QString());
}

QString boolText(bool value) {
  return value ? QStringLiteral("True") : QStringLiteral("False");
}

double textValue(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t'))) ++i;
  QByteArray number;
  if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
    number += text[i++].toLatin1();
  bool hasDigit = false;
  bool hasPoint = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (isDigit(c)) {
      hasDigit = true;
    } else if (c == QLatin1Char('.') && !hasPoint) {
      hasPoint = true;
    } else {
      break;
    }
    number += c.toLatin1();
  }
  if (!hasDigit) return 0;
  bool ok = false;
  const double value = number.toDouble(&ok);
  if (!ok) throw RuntimeError(ErrorNumber::Overflow);
  return value;
}

qint64 roundHalfEven(double value) {
  // The default rounding mode is to nearest, ties to even.
  const double rounded = std::nearbyint(value);
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (!(rounded >= -kLimit && rounded < kLimit)) throw RuntimeError(ErrorNumber::Overflow);
  return static_cast<qint64>(rounded);
}

qint64 textToWhole(const QString& text) {
  return roundHalfEven(textValue(text));
}

namespace {

template <typename Whole>
Whole toWhole(double value) {
  const qint64 rounded = roundHalfEven(value);
  if (rounded < std::numeric_limits<Whole>::min() || rounded > std::numeric_limits<Whole>::max())
    throw RuntimeError(ErrorNumber::Overflow);
  return static_cast<Whole>(rounded);
}

}  // namespace

qint32 toInt32(double value) {
  return toWhole<qint32>(value);
}
qint16 toInt16(double value) {
  return toWhole<qint16>(value);
}
qint32 textToInt32(const QString& text) {
  return toInt32(textValue(text));
}
qint16 textToInt16(const QString& text) {
  return toInt16(textValue(text));
}

QString zeroPadded(qint64 value, int digits) {
  QString magnitude = QString::number(value);
  if (value < 0) magnitude.remove(0, 1);
  return (value < 0 ? QStringLiteral("-") : QString()) + magnitude.rightJustified(digits, QLatin1Char('0'));
}

QString rightAligned(const QString& text, int width) {
  return text.rightJustified(width, QLatin1Char(' '));
}
