#include "app/platform/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/platform/runtime_error.h"

namespace {

struct NumberCase {
  double value;
  const char* withBlank;  // numberText
  const char* plain;      // plainNumber
};

class NumberTextTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberTextTest, WritesTheOriginalPlatformText) {
  const NumberCase c = GetParam();
  EXPECT_EQ(numberText(c.value), QString::fromLatin1(c.withBlank));
  EXPECT_EQ(plainNumber(c.value), QString::fromLatin1(c.plain));
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    ::testing::Values(NumberCase{5, " 5", "5"}, NumberCase{-5, "-5", "-5"}, NumberCase{0, " 0", "0"},
                      NumberCase{-0.0, " 0", "0"}, NumberCase{0.5, " .5", ".5"},
                      NumberCase{-0.5, "-.5", "-.5"}, NumberCase{1290, " 1290", "1290"},
                      NumberCase{-30, "-30", "-30"}, NumberCase{12.25, " 12.25", "12.25"},
                      NumberCase{100, " 100", "100"}, NumberCase{0.1 + 0.2, " .3", ".3"},
                      NumberCase{1.0 / 3, " .333333333333333", ".333333333333333"},
                      NumberCase{2.0 / 3, " .666666666666667", ".666666666666667"},
                      NumberCase{123456789012345, " 123456789012345", "123456789012345"},
                      NumberCase{99999999999999.99, " 100000000000000", "100000000000000"},
                      NumberCase{1e15, " 1E+15", "1E+15"},
                      NumberCase{1234567890123456, " 1.23456789012346E+15", "1.23456789012346E+15"},
                      NumberCase{2.5e300, " 2.5E+300", "2.5E+300"}, NumberCase{0.0001, " .0001", ".0001"},
                      NumberCase{0.00012, " .00012", ".00012"}, NumberCase{0.00001, " 1E-05", "1E-05"},
                      NumberCase{-1.5e-7, "-1.5E-07", "-1.5E-07"}));

TEST(BoolText, IsTheEnglishWord) {
  EXPECT_EQ(boolText(true), QStringLiteral("True"));
  EXPECT_EQ(boolText(false), QStringLiteral("False"));
}

struct ValueCase {
  const char* text;
  double value;
};

class TextValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(TextValueTest, ReadsTheLongestLeadingNumber) {
  const ValueCase c = GetParam();
  EXPECT_DOUBLE_EQ(textValue(QString::fromUtf8(c.text)), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextValueTest,
    ::testing::Values(ValueCase{"  -30abc", -30}, ValueCase{"12.5x", 12.5}, ValueCase{"x12", 0},
                      ValueCase{"", 0}, ValueCase{"   ", 0}, ValueCase{"\t 7", 7}, ValueCase{"+4", 4},
                      ValueCase{"-.5", -0.5}, ValueCase{".5", 0.5}, ValueCase{"5.", 5},
                      ValueCase{"1.2.3", 1.2}, ValueCase{"-", 0}, ValueCase{".", 0}, ValueCase{"- 5", 0},
                      ValueCase{"0155", 155}, ValueCase{"1,5", 1}, ValueCase{"12 34", 12},
                      ValueCase{"2085\r\n", 2085}, ValueCase{"True 09", 0}, ValueCase{"09", 9},
                      ValueCase{"\xef\xbc\x93", 0} /* a full-width digit is not a digit */));

TEST(TextValue, ANumberBeyondTheDoubleRangeOverflows) {
  try {
    textValue(QString(400, QLatin1Char('9')));
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), ErrorNumber::Overflow);
  }
}

struct RoundCase {
  double value;
  qint64 rounded;
};

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsHalvesToEven) {
  EXPECT_EQ(roundHalfEven(GetParam().value), GetParam().rounded) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEvenTest,
                         ::testing::Values(RoundCase{2.5, 2}, RoundCase{3.5, 4}, RoundCase{-2.5, -2},
                                           RoundCase{-3.5, -4}, RoundCase{0.5, 0}, RoundCase{1.5, 2},
                                           RoundCase{2.4999, 2}, RoundCase{2.5001, 3}, RoundCase{-0.4, 0},
                                           RoundCase{2085, 2085}, RoundCase{-9e18, -9000000000000000000}));

TEST(RoundHalfEven, AValueOutsideSixtyFourBitsOverflows) {
  for (const double value : {1e19, -1e19, std::numeric_limits<double>::infinity(), std::nan("")}) {
    try {
      roundHalfEven(value);
      ADD_FAILURE() << value << " gave no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
  }
}

TEST(TextToWhole, ReadsThenRoundsHalvesToEven) {
  EXPECT_EQ(textToWhole(QStringLiteral("2.5")), 2);
  EXPECT_EQ(textToWhole(QStringLiteral(" 3.5 cm")), 4);
  EXPECT_EQ(textToWhole(QStringLiteral("-30")), -30);
  EXPECT_EQ(textToWhole(QStringLiteral("abc")), 0);
}

TEST(ZeroPadded, PadsTheDigitsNotTheSign) {
  EXPECT_EQ(zeroPadded(7, 2), QStringLiteral("07"));
  EXPECT_EQ(zeroPadded(123, 2), QStringLiteral("123"));
  EXPECT_EQ(zeroPadded(-5, 2), QStringLiteral("-05"));
  EXPECT_EQ(zeroPadded(155, 4), QStringLiteral("0155"));
  EXPECT_EQ(zeroPadded(0, 4), QStringLiteral("0000"));
  EXPECT_EQ(zeroPadded(std::numeric_limits<qint64>::min(), 2), QStringLiteral("-9223372036854775808"));
}

TEST(RightAligned, PadsOnTheLeftAndNeverCuts) {
  EXPECT_EQ(rightAligned(QStringLiteral("12"), 5), QStringLiteral("   12"));
  EXPECT_EQ(rightAligned(QStringLiteral("5"), 2), QStringLiteral(" 5"));
  EXPECT_EQ(rightAligned(QStringLiteral("123456"), 5), QStringLiteral("123456"));
  EXPECT_EQ(rightAligned(QString(), 2), QStringLiteral("  "));
}

}  // namespace
