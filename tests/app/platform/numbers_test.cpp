#include "app/platform/numbers.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>
#include <functional>

#include "tests/support/error_number.h"

namespace {

TEST(NumberText, LeadingBlankUnlessNegativeNoZeroBeforeThePointFifteenDigits) {
  QStringList texts;
  for (const double value :
       {5.0, -0.0, -0.5, 2.0 / 3, 99999999999999.99, 1e15, 1234567890123456.0, 0.0001, -1.5e-7})
    texts += numberText(value);
  EXPECT_EQ(texts.join(QLatin1Char('|')),
            QStringLiteral(" 5| 0|-.5| .666666666666667| 100000000000000| 1E+15| "
                           "1.23456789012346E+15| .0001|-1.5E-07"));
}

// A text reads as the longest leading number, 0 when there is none; a whole
// number rounds halves to even, and a field of 32 bits takes what fits (no
// value: overflow).
TEST(TextValue, ReadsTheLongestLeadingNumberRoundsHalvesToEvenAndOverflowsWhatDoesNotFit) {
  // The whole number of 32 bits, or kDesborda when it overflows; a full-width digit is no digit.
  constexpr qint64 kDesborda = 1LL << 40;
  const std::tuple<const char*, double, qint64> texts[] = {{"  -30abc", -30, -30},
                                                           {" \t+4", 4, 4},
                                                           {"- 5", 0, 0},
                                                           {"2.5", 2.5, 2},
                                                           {"-2.5", -2.5, -2},
                                                           {"\xef\xbc\x93", 0, 0},
                                                           {"2147483648", 2147483648, kDesborda},
                                                           {"-2147483648.4", -2147483648.4, -2147483648LL}};
  for (const auto& [text, value, whole] : texts) {
    const QString t = QString::fromUtf8(text);
    EXPECT_DOUBLE_EQ(textValue(t), value) << text;
    qint64 read = kDesborda;  // left so by an error
    const int error = errorNumberOf([&] { read = textToInt32(t); });
    EXPECT_EQ(std::pair(read, error), std::pair(whole, whole == kDesborda ? int(ErrorNumber::Overflow) : 0))
        << text;
  }
  EXPECT_EQ(textToInt16("-32768"), -32768);
  for (const auto& overflow : std::initializer_list<std::function<void()>>{
           [] { textToInt16("32767.5"); }, [] { roundHalfEven(1e19); }, [] { roundHalfEven(std::nan("")); }})
    EXPECT_EQ(errorNumberOf(overflow), ErrorNumber::Overflow);
}

}  // namespace
