#include "app/platform/numbers.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>

#include "tests/support/error_number.h"

namespace {

TEST(NumberText, LeadingBlankUnlessNegativeNoZeroBeforeThePointFifteenDigits) {
  QStringList texts;
  for (const double value : {5.0, -30.0, -0.0, 0.5, -0.5, 0.1 + 0.2, 2.0 / 3, 99999999999999.99, 1e15,
                             1234567890123456.0, 0.0001, -1.5e-7}) {
    texts += numberText(value);
    EXPECT_EQ(plainNumber(value), texts.last().trimmed());
  }
  EXPECT_EQ(texts.join(QLatin1Char('|')),
            QStringLiteral(" 5|-30| 0| .5|-.5| .3| .666666666666667| 100000000000000| "
                           "1E+15| 1.23456789012346E+15| .0001|-1.5E-07"));
  EXPECT_EQ(boolText(true) + boolText(false), QStringLiteral("TrueFalse"));
  EXPECT_EQ(rightAligned("5", 2) + "|" + rightAligned("123456", 5), QStringLiteral(" 5|123456"));
  EXPECT_EQ(zeroPadded(7, 2) + "|" + zeroPadded(123, 2) + "|" + zeroPadded(-5, 2) + "|" + zeroPadded(155, 4),
            QStringLiteral("07|123|-05|0155"));
  EXPECT_EQ(zeroPadded(std::numeric_limits<qint64>::min(), 2), QStringLiteral("-9223372036854775808"));
}

// A text reads as the longest leading number, 0 when there is none; a whole
// number rounds halves to even, and fields of 32 and 16 bits take what fits
// (no value: overflow).
TEST(TextValue, ReadsTheLongestLeadingNumberRoundsHalvesToEvenAndOverflowsWhatDoesNotFit) {
  const std::tuple<const char*, double, std::optional<qint32>, std::optional<qint16>> texts[] = {
      {"  -30abc", -30, -30, -30},
      {"\t 7", 7, 7, 7},
      {"+4", 4, 4, 4},
      {"-.5", -0.5, 0, 0},
      {"1.2.3", 1.2, 1, 1},
      {"0155", 155, 155, 155},
      {"1,5", 1, 1, 1},
      {"2085\r\n", 2085, 2085, 2085},
      {"", 0, 0, 0},
      {"- 5", 0, 0, 0},
      {".", 0, 0, 0},
      {"True 09", 0, 0, 0},
      {" 3.5 cm", 3.5, 4, 4},
      {"2.5", 2.5, 2, 2},
      {"-2.5", -2.5, -2, -2},
      {"2.5001", 2.5001, 3, 3},
      {"\xef\xbc\x93", 0, 0, 0} /* a full-width digit */,
      {"2147483647", 2147483647, 2147483647, {}},
      {"-2147483648.4", -2147483648.4, -2147483647 - 1, {}},
      {"2147483648", 2147483648, {}, {}},
      {"32767.5", 32767.5, 32768, {}},
      {"-32768", -32768, -32768, qint16(-32768)},
      {"99999999999999999999", 1e20, {}, {}}};
  for (const auto& [text, value, int32, int16] : texts) {
    const QString t = QString::fromUtf8(text);
    EXPECT_DOUBLE_EQ(textValue(t), value) << text;
    EXPECT_EQ(errorNumberOf([&] { EXPECT_EQ(textToInt32(t), int32.value_or(0)) << text; }),
              int32 ? 0 : int(ErrorNumber::Overflow))
        << text;
    EXPECT_EQ(errorNumberOf([&] { EXPECT_EQ(textToInt16(t), int16.value_or(0)) << text; }),
              int16 ? 0 : int(ErrorNumber::Overflow))
        << text;
  }
  EXPECT_EQ(textToWhole(QStringLiteral(" 3.5 cm")), 4);
  EXPECT_EQ(roundHalfEven(-9e18), -9000000000000000000);
  for (const double value : {1e19, -1e19, std::nan("")})
    EXPECT_EQ(errorNumberOf([value] { roundHalfEven(value); }), ErrorNumber::Overflow) << value;
  EXPECT_EQ(errorNumberOf([] { textValue(QString(400, QLatin1Char('9'))); }), ErrorNumber::Overflow);
}

}  // namespace
