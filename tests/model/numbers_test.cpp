#include "model/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

#include "model/numbers_reference.h"
#include "tests/support/case_names.h"
#include "tests/support/text_printer.h"

namespace model {
namespace {

struct ParseCase {
  const char16_t* text;
  double expected;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
  testsupport::PrintText(c.text, os);
}

class TextToNumberTest : public testing::TestWithParam<ParseCase> {};

TEST_P(TextToNumberTest, ReadsTheNumberAtTheStart) {
  const ParseCase& c = GetParam();
  // Exact equality: the text must give the double nearest its decimal value.
  EXPECT_EQ(TextToNumber(c.text), c.expected);
  EXPECT_EQ(reference::TextToNumber(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToNumberTest,
    testing::Values(
        // Blanks are skipped anywhere, also between sign and digits.
        ParseCase{u"12", 12}, ParseCase{u" 57.2", 57.2}, ParseCase{u" 12 ", 12}, ParseCase{u"1 2", 12},
        ParseCase{u"- 3", -3}, ParseCase{u"+5", 5}, ParseCase{u" - 1 . 5", -1.5},
        // Texts without digits.
        ParseCase{u"", 0}, ParseCase{u"   ", 0}, ParseCase{u"abc", 0}, ParseCase{u"-", 0}, ParseCase{u"+", 0},
        ParseCase{u".", 0}, ParseCase{u"--3", 0}, ParseCase{u"+-3", 0}, ParseCase{u"e5", 0},
        ParseCase{u".e5", 0}, ParseCase{u"なし", 0}, ParseCase{u"***", 0},
        // Points: at most one, on either side of the digits.
        ParseCase{u".5", 0.5}, ParseCase{u"5.", 5}, ParseCase{u"1.2.3", 1.2}, ParseCase{u".0", 0},
        ParseCase{u"00012.50", 12.5},
        // Exponents, and exponents without digits, which are not exponents.
        ParseCase{u"1e3", 1000}, ParseCase{u"1E3", 1000}, ParseCase{u"1e-2", 0.01}, ParseCase{u"1e+2", 100},
        ParseCase{u"1 e 2", 100}, ParseCase{u"1e", 1}, ParseCase{u"1e+", 1}, ParseCase{u"1e-", 1},
        ParseCase{u"2.5ex", 2.5}, ParseCase{u"0e99999999", 0},
        // The first other character ends the number; full-width digits and U+3000 are other characters.
        ParseCase{u"12abc", 12}, ParseCase{u"1,000", 1}, ParseCase{u"１２", 0}, ParseCase{u"3１", 3},
        ParseCase{u"1\u30002", 1}, ParseCase{u"1\t2", 1}, ParseCase{u"-5-3", -5},
        // Decimal texts read exactly, also beyond 17 digits.
        ParseCase{u"96.3", 96.3}, ParseCase{u"0.1", 0.1},
        ParseCase{u"0.30000000000000004", 0.30000000000000004},
        ParseCase{u"123456789012345678901234567890", 123456789012345678901234567890.0},
        ParseCase{u"0.000000000000000000001234", 1.234e-21}, ParseCase{u"4.9e-324", 4.9e-324},
        // Out of range: infinity or zero, never a failure.
        ParseCase{u"1e400", std::numeric_limits<double>::infinity()},
        ParseCase{u"-1e400", -std::numeric_limits<double>::infinity()},
        ParseCase{u"1e99999999999999999999", std::numeric_limits<double>::infinity()},
        ParseCase{u"1e-400", 0}, ParseCase{u"1e-99999999999999999999", 0}),
    [](const auto& info) { return testsupport::CaseName(info.param.text); });

TEST(TextToNumber, GivesNoNegativeZero) {
  for (const char16_t* text : {u"-0", u"-.0", u"- 0", u"-1e-400", u"-"}) {
    EXPECT_FALSE(std::signbit(TextToNumber(text))) << ToUtf8(text);
  }
}

TEST(TextToNumber, ReadsOnlyThePieceItIsGiven) {
  const Text record = u"12345 96.3e2";
  const std::u16string_view view(record);
  EXPECT_EQ(TextToNumber(view.substr(1, 2)), 23);
  EXPECT_EQ(TextToNumber(view.substr(5, 5)), 96.3);  // the exponent lies outside the piece
  EXPECT_EQ(TextToNumber(view.substr(5)), 9630);
  EXPECT_EQ(TextToNumber(view.substr(0, 0)), 0);
}

TEST(TextToNumber, ReadsLongDigitRuns) {
  Text ones(5000, u'1');
  EXPECT_EQ(TextToNumber(ones), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextToNumber(u"0." + Text(5000, u'0') + u"1e5000"), 0.1);
  EXPECT_EQ(TextToNumber(Text(5000, u'0') + u"7"), 7);
}

// The fast reading of short texts and the general one must agree wherever they meet: up to and
// beyond 15 digits, and powers of ten up to and beyond 10^22.
TEST(TextToNumber, ReadsTheNearestDoubleAroundFifteenDigitsAndExactPowers) {
  const std::string digits = "9007199254740993123";
  for (size_t count = 1; count <= digits.size(); ++count) {
    for (int exponent = -26; exponent <= 26; ++exponent) {
      for (const char* sign : {"", "-"}) {
        const std::string ascii = sign + digits.substr(0, count) + "e" + std::to_string(exponent);
        double expected = 0;
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), expected);
        EXPECT_EQ(TextToNumber(Text(ascii.begin(), ascii.end())), expected) << ascii;
      }
    }
  }
}

struct FormatCase {
  double value;
  const char16_t* plain;
  const char16_t* spaced;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  testsupport::PrintText(c.plain, os);
}

class NumberToTextTest : public testing::TestWithParam<FormatCase> {};

TEST_P(NumberToTextTest, WritesShortestDecimalWithFifteenDigits) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(NumberToText(c.value), c.plain);
  EXPECT_EQ(NumberToSpacedText(c.value), c.spaced);
  EXPECT_EQ(reference::NumberToText(c.value), c.plain);
  EXPECT_EQ(reference::NumberToSpacedText(c.value), c.spaced);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberToTextTest,
    testing::Values(
        FormatCase{0, u"0", u" 0"}, FormatCase{-0.0, u"0", u" 0"}, FormatCase{1, u"1", u" 1"},
        FormatCase{-1, u"-1", u"-1"}, FormatCase{58, u"58", u" 58"}, FormatCase{0.5, u"0.5", u" .5"},
        FormatCase{-0.5, u"-0.5", u"-.5"}, FormatCase{96.3, u"96.3", u" 96.3"},
        FormatCase{-1234.5, u"-1234.5", u"-1234.5"}, FormatCase{0.1 + 0.2, u"0.3", u" .3"},
        FormatCase{1e20, u"100000000000000000000", u" 100000000000000000000"},
        FormatCase{1e-7, u"0.0000001", u" .0000001"}, FormatCase{-1.5e-5, u"-0.000015", u"-.000015"},
        FormatCase{123456789012345, u"123456789012345", u" 123456789012345"},
        // The 16th digit is rounded away.
        FormatCase{1234567890123456, u"1234567890123460", u" 1234567890123460"},
        FormatCase{999999999999999.9, u"1000000000000000", u" 1000000000000000"},
        FormatCase{1.0 / 3, u"0.333333333333333", u" .333333333333333"},
        FormatCase{-2.0 / 3, u"-0.666666666666667", u"-.666666666666667"},
        FormatCase{55.05, u"55.05", u" 55.05"}, FormatCase{100.25, u"100.25", u" 100.25"},
        // Around 15 digits: whole numbers, and fractions of 15 and 16 digits.
        FormatCase{999999999999999, u"999999999999999", u" 999999999999999"},
        FormatCase{1e15 + 2, u"1000000000000000", u" 1000000000000000"},
        FormatCase{-1e15 - 6, u"-1000000000000010", u"-1000000000000010"},
        FormatCase{0.123456789012345, u"0.123456789012345", u" .123456789012345"},
        FormatCase{0.1234567890123456, u"0.123456789012346", u" .123456789012346"},
        FormatCase{72.3, u"72.3", u" 72.3"}, FormatCase{0.001, u"0.001", u" .001"},
        FormatCase{-1234.567, u"-1234.567", u"-1234.567"}, FormatCase{0.0005, u"0.0005", u" .0005"},
        FormatCase{0.1 + 0.7, u"0.8", u" .8"}, FormatCase{4.35 * 100, u"435", u" 435"},
        FormatCase{-1.0 / 7, u"-0.142857142857143", u"-.142857142857143"},
        // An exact half at the 16th digit goes to the even digit.
        FormatCase{100000000000000.5, u"100000000000000", u" 100000000000000"},
        FormatCase{100000000000001.5, u"100000000000002", u" 100000000000002"},
        FormatCase{12345678901234.25, u"12345678901234.2", u" 12345678901234.2"},
        FormatCase{-12345678901234.75, u"-12345678901234.8", u"-12345678901234.8"}),
    [](const auto& info) { return testsupport::CaseName(info.param.value); });

TEST(NumberToText, ReadsBackExactlyUpToFifteenDigits) {
  for (double v : {96.3, 59.99, -0.125, 1e20, 1e-7, 123456.789, 0.1, 98765432109.8765}) {
    EXPECT_EQ(TextToNumber(NumberToText(v)), v) << v;
    EXPECT_EQ(TextToNumber(NumberToSpacedText(v)), v) << v;
  }
}

// Sums of tenths land a hair off a whole number; the 15-digit text shows the whole number, and a value
// just past half a unit of the 15th digit keeps that digit.
TEST(NumberToText, RoundsValuesNearAWholeNumberAtFifteenDigits) {
  EXPECT_EQ(NumberToText((94.3 - 95.5) * 10), u"-12");
  EXPECT_EQ(NumberToText(99.99999999999997), u"100");
  EXPECT_EQ(NumberToText(1.0000000000000027), u"1");
  EXPECT_EQ(NumberToText(1.000000000000006), u"1.00000000000001");
  EXPECT_EQ(NumberToText(-999999999999999.6), u"-1000000000000000");
  EXPECT_EQ(NumberToSpacedText(34.99999999999999), u" 35");
  EXPECT_EQ(NumberToPatternText(2.4999999999999996, u"0"), u"3");
}

// The shortcut must read back what the text would, bit for bit: a negative zero comes back as 0, a
// value past 15 digits as its rounding, infinity as what its text reads.
TEST(NumberThroughText, ReadsWhatTheTextWouldRead) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {0.0,
                   -0.0,
                   1.0,
                   -35.6,
                   0.1 + 0.2,
                   12.000000000000028,
                   999999999999999.9,
                   1e15,
                   1e15 + 1,
                   -123456789012345.6,
                   5e-324,
                   1e300,
                   inf,
                   -inf,
                   std::numeric_limits<double>::quiet_NaN(),
                   (94.3 - 95.5) * 10,
                   1600 / 1800.0 * -12,
                   9.9999999999999947,
                   99999999999999.95,
                   1.2345678901234567,
                   -7.0000000000000711}) {
    const double through = NumberThroughText(v);
    const double read = reference::NumberThroughText(v);
    EXPECT_EQ(std::signbit(through), std::signbit(read)) << v;
    if (std::isnan(read)) {
      EXPECT_TRUE(std::isnan(through)) << v;
    } else {
      EXPECT_EQ(through, read) << v;
    }
  }
}

// Whole-unit patterns round halves away from zero on the text; a one-decimal pattern keeps the tenth;
// anything else goes by the written text, zeros, long fractions and other patterns alike.
TEST(PatternNumberThroughText, ReadsWhatThePatternTextWouldRead) {
  for (const char16_t* pattern : {u"0", u"00", u"0.0", u"00.0", u"0.00", u"#0", u"0."}) {
    for (double v : {0.0, -0.0, 2.5, -2.5, 0.5, -0.4, 99.5, 36.8, -36.85, 0.1 + 0.2, 999999999999999.5, 1e300,
                     std::numeric_limits<double>::infinity()}) {
      const double through = PatternNumberThroughText(v, pattern);
      const double read = reference::PatternNumberThroughText(v, pattern);
      EXPECT_EQ(std::signbit(through), std::signbit(read)) << v;
      EXPECT_EQ(through, read) << v;
    }
  }
}

TEST(NumberToText, WritesInfinityWithoutFailing) {
  EXPECT_EQ(NumberToText(std::numeric_limits<double>::infinity()), u"inf");
  EXPECT_EQ(NumberToSpacedText(-std::numeric_limits<double>::infinity()), u"-inf");
  EXPECT_EQ(NumberToPatternText(std::numeric_limits<double>::infinity(), u"0.0"), u"inf");
}

struct PatternCase {
  double value;
  const char16_t* pattern;
  const char16_t* expected;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
  *os << c.value << " by ";
  testsupport::PrintText(c.pattern, os);
}

class NumberToPatternTextTest : public testing::TestWithParam<PatternCase> {};

TEST_P(NumberToPatternTextTest, FormatsByDigitPattern) {
  const PatternCase& c = GetParam();
  EXPECT_EQ(NumberToPatternText(c.value, c.pattern), c.expected);
  EXPECT_EQ(reference::NumberToPatternText(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberToPatternTextTest,
    testing::Values(
        // Rounding half away from zero on the 15-digit decimal form, not the binary value.
        PatternCase{55.05, u"0.0", u"55.1"}, PatternCase{1.005, u"0.00", u"1.01"},
        PatternCase{12.345, u"0.00", u"12.35"}, PatternCase{9.95, u"#0.0", u"10.0"},
        PatternCase{0.4999999999999999, u"0", u"1"}, PatternCase{0.5, u"0", u"1"},
        PatternCase{2.5, u"0", u"3"}, PatternCase{-2.5, u"0", u"-3"}, PatternCase{0.04, u"#.0", u".0"},
        PatternCase{0.05, u"#.0", u".1"}, PatternCase{9.96, u"0.0", u"10.0"},
        PatternCase{99.95, u"00.0", u"100.0"},
        // "#" writes only digits the number has; "0" pads.
        PatternCase{0, u"###.0", u".0"}, PatternCase{58, u"###.0", u"58.0"},
        PatternCase{96.34, u"###.0", u"96.3"}, PatternCase{1234.56, u"###.0", u"1234.6"},
        PatternCase{1234, u"00", u"1234"}, PatternCase{7, u"00", u"07"}, PatternCase{7, u"000", u"007"},
        PatternCase{0, u"0", u"0"}, PatternCase{0, u"##0", u"0"}, PatternCase{5, u"##0", u"5"},
        PatternCase{0.5, u"#0.0", u"0.5"}, PatternCase{0.123, u"0.00", u"0.12"},
        PatternCase{3, u"0.00", u"3.00"}, PatternCase{1e20, u"0", u"100000000000000000000"},
        PatternCase{1e-20, u"0.0", u"0.0"},
        // "#" after the point drops trailing zeros; the point stays.
        PatternCase{1.5, u"#.##", u"1.5"}, PatternCase{1, u"#.##", u"1."},
        PatternCase{1.25, u"0.0#", u"1.25"}, PatternCase{1.5, u"0.0#", u"1.5"},
        PatternCase{1.5, u"0.#0", u"1.50"},
        // The leftmost "0" fixes how many integer digits are always written.
        PatternCase{5, u"0##", u"005"}, PatternCase{5, u"#0#", u"05"}, PatternCase{0.5, u".0", u".5"},
        PatternCase{12.5, u".0", u"12.5"},
        // Signs: before the padded magnitude, none when the result is zero.
        PatternCase{-5, u"000.0", u"-005.0"}, PatternCase{-0.04, u"000.0", u"000.0"},
        PatternCase{-0.4, u"0", u"0"}, PatternCase{-0.05, u"0.0", u"-0.1"}, PatternCase{-0.5, u"#.0", u"-.5"},
        PatternCase{-0.0, u"0.0", u"0.0"},
        // Patterns of "0" alone, with and without a point.
        PatternCase{72.34, u"000.0", u"072.3"}, PatternCase{0.25, u".0", u".3"}, PatternCase{5, u".", u"5."},
        PatternCase{-1234.96, u"00.00", u"-1234.96"}, PatternCase{-7, u"00", u"-07"},
        // Without placeholders there is nothing to format by.
        PatternCase{12.5, u"", u"12.5"}),
    [](const auto& info) {
      return testsupport::CaseName(info.param.value) + "_By_" + testsupport::CaseName(info.param.pattern);
    });

TEST(FloorNumber, GivesGreatestWholeNumberNotAbove) {
  EXPECT_EQ(FloorNumber(2.5), 2);
  EXPECT_EQ(FloorNumber(-2.5), -3);
  EXPECT_EQ(FloorNumber(-3), -3);
  EXPECT_EQ(FloorNumber(0.9999999999999999), 0);
  EXPECT_EQ(FloorNumber(1e20), 1e20);
}

}  // namespace
}  // namespace model
