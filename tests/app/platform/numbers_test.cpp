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
            QStringLiteral(" 5|-30| 0| .5|-.5| .3| .666666666666667| 100000000000000| 1E+15|"
                           " 1.23456789012346E+15| .0001|-1.5E-07"));
  EXPECT_EQ(boolText(true) + boolText(false), QStringLiteral("TrueFalse"));
}

TEST(TextValue, ReadsTheLongestLeadingNumberAndZeroWhenThereIsNone) {
  const std::pair<const char*, double> cases[] = {
      {"  -30abc", -30}, {"\t 7", 7},    {"+4", 4},          {"-.5", -0.5}, {"1.2.3", 1.2},
      {"0155", 155},     {"1,5", 1},     {"2085\r\n", 2085}, {"", 0},       {"- 5", 0},
      {".", 0},          {"True 09", 0}, {"\xef\xbc\x93", 0} /* a full-width digit */};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(textValue(QString::fromUtf8(text)), value) << text;
  EXPECT_EQ(errorNumberOf([] { textValue(QString(400, QLatin1Char('9'))); }), ErrorNumber::Overflow);
}

TEST(WholeNumbers, RoundHalvesToEvenOverflowPastSixtyFourBitsAndPadAfterTheSign) {
  const std::pair<double, qint64> cases[] = {{2.5, 2}, {3.5, 4},    {-2.5, -2},
                                             {0.5, 0}, {2.5001, 3}, {-9e18, -9000000000000000000}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(roundHalfEven(value), rounded) << value;
  for (const double value : {1e19, -1e19, std::nan("")})
    EXPECT_EQ(errorNumberOf([value] { roundHalfEven(value); }), ErrorNumber::Overflow) << value;
  EXPECT_EQ(textToWhole(QStringLiteral(" 3.5 cm")), 4);
  EXPECT_EQ(textToWhole(QStringLiteral("2.5")), 2);
  EXPECT_EQ(zeroPadded(7, 2) + "|" + zeroPadded(123, 2) + "|" + zeroPadded(-5, 2) + "|" + zeroPadded(155, 4),
            QStringLiteral("07|123|-05|0155"));
  EXPECT_EQ(zeroPadded(std::numeric_limits<qint64>::min(), 2), QStringLiteral("-9223372036854775808"));
  // Fields of 32 and 16 bits take what fits, rounded; the rest overflows (no value).
  const std::tuple<const char*, std::optional<qint32>, std::optional<qint16>> fields[] = {
      {"2147483647", 2147483647, {}},
      {"-2147483648.4", -2147483647 - 1, {}},
      {"2147483648", {}, {}},
      {"3000000000", {}, {}},
      {"99999999999999999999", {}, {}},
      {"32767.5", 32768, {}},
      {"-32768", -32768, qint16(-32768)},
      {" 8 apuestas", 8, qint16(8)}};
  for (const auto& [text, int32, int16] : fields) {
    const QString t = QString::fromLatin1(text);
    if (int32)
      EXPECT_EQ(textToInt32(t), *int32) << text;
    else
      EXPECT_EQ(errorNumberOf([&] { textToInt32(t); }), ErrorNumber::Overflow) << text;
    if (int16)
      EXPECT_EQ(textToInt16(t), *int16) << text;
    else
      EXPECT_EQ(errorNumberOf([&] { textToInt16(t); }), ErrorNumber::Overflow) << text;
  }
  EXPECT_EQ(rightAligned("5", 2) + "|" + rightAligned("123456", 5), QStringLiteral(" 5|123456"));
}

}  // namespace
