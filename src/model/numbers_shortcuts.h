#pragma once
// The fast paths of the number conversions. Each one takes only the values it is sure of and declines
// the others (nullopt); for what it takes it must give exactly what the plain conversion in
// numbers_reference.h gives, byte for byte and bit for bit. The fuzz targets fuzz/numbers_*_fuzz.cpp
// hold them to it.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/text.h"

namespace model::shortcuts {

constexpr int kSignificantDigits = 15;

// A whole number below 10^15 shows all its digits.
constexpr double kWholeLimit = 1e15;

// The powers of ten that a double holds exactly.
constexpr std::int64_t kExactPowers = 22;
constexpr std::array<double, kExactPowers + 1> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A finite magnitude as 0.<digits> x 10^point: digits without leading or trailing zeros,
// none for zero. The digits stay on the stack: at most 17 of them.
struct DecimalForm {
  bool negative = false;
  std::array<char, 24> digit_buf{};
  int count = 0;
  int point = 0;

  void Assign(const char* first, const char* last) {
    count = static_cast<int>(last - first);
    std::copy(first, last, digit_buf.begin());
  }
  void Append(const char* first, const char* last) {
    std::copy(first, last, digit_buf.begin() + count);
    count += static_cast<int>(last - first);
  }
  void DropTrailingZeros() {
    while (count > 0 && digit_buf[static_cast<size_t>(count - 1)] == '0') --count;
  }
  std::string_view Digits() const { return {digit_buf.data(), static_cast<size_t>(count)}; }
};

// Digits and exponent of d.ddd...e[+-]xx as std::to_chars writes it in scientific form.
DecimalForm FromScientific(bool negative, const char* first, const char* last);

// Digits of a whole number as 0.<digits> x 10^point, shifted by decimals places.
DecimalForm FromWhole(bool negative, std::uint64_t whole, int decimals);

// Each of these gives the 15-digit form of the magnitude, signed by negative:
// reference::ToFifteenDigits. The magnitude is not negative.

// A whole number below the whole limit.
std::optional<DecimalForm> WholeForm(bool negative, double magnitude);
// A value of one to three decimals.
std::optional<DecimalForm> FewDecimals(bool negative, double magnitude);
// A value from 1 up to the whole limit.
std::optional<DecimalForm> FifteenDigits(bool negative, double magnitude);
// A normal value whose shortest text has at most 15 digits.
std::optional<DecimalForm> ShortestForm(bool negative, double magnitude);

// A value's 15 significant digits as a whole number, and how many of them stand after the point.
struct FifteenDigitRounding {
  std::uint64_t digits;
  int decimals;
};

// FifteenDigits as a whole number; only for a magnitude from 1 up to the whole limit.
FifteenDigitRounding RoundToFifteenDigits(double magnitude);

// The whole number a magnitude rounds to at 15 significant digits, when it lies within a quarter
// unit of that digit from it: reference::ToFifteenDigits is that whole number.
std::optional<std::uint64_t> NearWhole(double magnitude);

// The values the tables mostly hold: whole numbers and numbers of one decimal from 1 up.
struct CommonDecimal {
  std::uint64_t whole = 0;
  int tenths = -1;  // -1 for a whole number
};

// Takes a magnitude apart into its whole number and its one decimal, when it is common.
std::optional<CommonDecimal> SplitCommonDecimal(double magnitude);

// Room for a sign, 16 digits, a point and a decimal.
using CommonDecimalBuffer = std::array<char16_t, 24>;

// Writes a common value so that it ends just before end; returns the first character, or nullptr for
// any other value. Equals reference::NumberToText without a lead and reference::NumberToSpacedText
// with the lead u' '.
char16_t* WriteCommonDecimal(double value, char16_t positive_lead, char16_t* end);

// Placeholders "0" alone, with at most the one point at point_at ("00", "000.0").
bool IsZerosPattern(std::u16string_view pattern, size_t point_at);

// A common value by a pattern of zeros alone (at most one point): slots zeros before the point,
// decimals after it. Equals reference::NumberToPatternText.
std::optional<Text> CommonZerosPatternText(double value, size_t slots, bool has_point, size_t decimals);

// What the text of a value reads back as, where that needs no text: a common value, a value near a
// whole number, a value from 1 up. Equals reference::NumberThroughText.
std::optional<double> ReadBackWithoutText(double value);

// A common value by a pattern of zeros with at least one place before the point and at most one
// after it. Equals reference::PatternNumberThroughText.
std::optional<double> PatternReadBackWithoutText(double value, std::u16string_view pattern);

// The usual cell text, read in one pass: at most 15 significant digits, at most 22 of them after the
// point and no exponent. Equals reference::TextToNumber.
std::optional<double> ReadShortNumber(std::u16string_view text);

// The double nearest to 0.<significant> x 10^scale when at most 15 digits and an exact power of ten
// make it one rounding. significant holds digits without leading zeros. Equals std::from_chars.
std::optional<double> ExactDecimalToDouble(bool negative, std::string_view significant, std::int64_t scale);

}  // namespace model::shortcuts
