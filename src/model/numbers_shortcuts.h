#pragma once
// The fast paths of the number conversions. Each one takes only the values it is sure of and declines
// the others (nullopt); for what it takes it must give exactly what the plain conversion in
// numbers_reference.h gives, byte for byte and bit for bit. The fuzz targets fuzz/numbers_*_fuzz.cpp
// hold them to it. They are defined here, inline, because the conversions in numbers.cpp call them
// for nearly every table cell.

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
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

// A value's 15 significant digits as a whole number, and how many of them stand after the point.
struct FifteenDigitRounding {
  std::uint64_t digits;
  int decimals;
};

// The values the tables mostly hold: whole numbers and numbers of one decimal from 1 up.
struct CommonDecimal {
  std::uint64_t whole = 0;
  int tenths = -1;  // -1 for a whole number
};

// Room for a sign, 16 digits, a point and a decimal.
using CommonDecimalBuffer = std::array<char16_t, 24>;

// Digits and exponent of d.ddd...e[+-]xx as std::to_chars writes it in scientific form.
inline DecimalForm FromScientific(bool negative, const char* first, const char* last) {
  DecimalForm form;
  form.negative = negative;
  const char* e = std::find(first, last, 'e');
  int exponent = 0;
  std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), last, exponent);
  form.Assign(first, first + 1);
  if (e - first > 2) form.Append(first + 2, e);
  form.DropTrailingZeros();
  form.point = exponent + 1;
  return form;
}

// Digits of a whole number as 0.<digits> x 10^point, shifted by decimals places.
inline DecimalForm FromWhole(bool negative, std::uint64_t whole, int decimals) {
  DecimalForm form;
  form.negative = negative;
  auto res = std::to_chars(form.digit_buf.data(), form.digit_buf.data() + form.digit_buf.size(), whole);
  form.count = static_cast<int>(res.ptr - form.digit_buf.data());
  form.point = form.count - decimals;
  form.DropTrailingZeros();
  return form;
}

// Each of the forms below gives the 15-digit form of the magnitude (not negative), signed by
// negative: it equals reference::ToFifteenDigits.

// A whole number below the whole limit is its own rounding. Below the limit the conversion
// truncates, which for a positive value is the floor.
inline std::optional<DecimalForm> WholeForm(bool negative, double magnitude) {
  if (!(magnitude >= 1 && magnitude < kWholeLimit)) return std::nullopt;
  const auto whole = static_cast<std::uint64_t>(magnitude);
  if (static_cast<double>(whole) != magnitude) return std::nullopt;
  return FromWhole(negative, whole, 0);
}

// A value of one to three decimals: m / 10^k reading back as the value means the decimal m x 10^-k
// lies within half a unit in the value's last binary place, so with 15 digits or fewer it is the
// value rounded to 15 digits.
inline std::optional<DecimalForm> FewDecimals(bool negative, double magnitude) {
  constexpr std::array<double, 4> kScales = {1, 10, 100, 1000};
  for (int k = 1; k <= 3; ++k) {
    const double scale = kScales[static_cast<size_t>(k)];
    const double whole = std::nearbyint(magnitude * scale);
    if (whole >= kWholeLimit) return std::nullopt;
    if (whole < 1) continue;
    if (whole / scale == magnitude) return FromWhole(negative, static_cast<std::uint64_t>(whole), k);
  }
  return std::nullopt;
}

__extension__ using Uint128 = unsigned __int128;

inline constexpr std::array<std::uint64_t, 16> kWholePowersOfTen = {1,
                                                                    10,
                                                                    100,
                                                                    1000,
                                                                    10000,
                                                                    100000,
                                                                    1000000,
                                                                    10000000,
                                                                    100000000,
                                                                    1000000000,
                                                                    10000000000,
                                                                    100000000000,
                                                                    1000000000000,
                                                                    10000000000000,
                                                                    100000000000000,
                                                                    1000000000000000};

// Digits of a whole number above 0.
inline int DigitCount(std::uint64_t whole) {
  int count = 1;
  while (count < 16 && whole >= kWholePowersOfTen[static_cast<size_t>(count)]) ++count;
  return count;
}

// A quarter of one unit in the 15th significant digit of a number of 1 to 15 integer digits; index 0
// unused.
inline constexpr std::array<double, 16> kQuarterUnits = {0,       2.5e-15, 2.5e-14, 2.5e-13, 2.5e-12, 2.5e-11,
                                                         2.5e-10, 2.5e-9,  2.5e-8,  2.5e-7,  2.5e-6,  2.5e-5,
                                                         2.5e-4,  2.5e-3,  2.5e-2,  2.5e-1};

// A value's 15 significant digits as a whole number, for a magnitude from 1 up to the whole limit
// only. Exactly: the value is mantissa / 2^shift, so
// mantissa x 10^decimals / 2^shift in 128 bits gives the 15 digits and the remainder the rounding.
// An exact half goes to the even digit, as std::to_chars rounds.
inline FifteenDigitRounding RoundToFifteenDigits(double magnitude) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - static_cast<int>(bits >> 52);  // 3 to 52 in this range
  const int decimals = kSignificantDigits - DigitCount(static_cast<std::uint64_t>(magnitude));
  const Uint128 scaled = Uint128{mantissa} * kWholePowersOfTen[static_cast<size_t>(decimals)];
  auto digits = static_cast<std::uint64_t>(scaled >> shift);
  const Uint128 remainder = scaled & ((Uint128{1} << shift) - 1);
  const Uint128 half = Uint128{1} << (shift - 1);
  if (remainder > half || (remainder == half && (digits & 1) != 0)) ++digits;
  return {digits, decimals};
}

// A value from 1 up to the whole limit, by RoundToFifteenDigits.
inline std::optional<DecimalForm> FifteenDigits(bool negative, double magnitude) {
  if (!(magnitude >= 1 && magnitude < kWholeLimit)) return std::nullopt;
  const FifteenDigitRounding rounded = RoundToFifteenDigits(magnitude);
  return FromWhole(negative, rounded.digits, rounded.decimals);
}

// A normal value whose shortest text has at most 15 digits: the shortest text that reads back as the value
// lies within half a unit in its last binary place, far inside half a unit of the 15th digit; with 15 digits
// or fewer it is that rounding.
inline std::optional<DecimalForm> ShortestForm(bool negative, double magnitude) {
  if (!std::isnormal(magnitude)) return std::nullopt;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
  const char* e = std::find(buf, res.ptr, 'e');
  const long digit_count = e - buf - (e - buf > 1 ? 1 : 0);
  if (digit_count > kSignificantDigits) return std::nullopt;
  return FromScientific(negative, buf, res.ptr);
}

// The whole number a magnitude rounds to at 15 significant digits, when it lies within a quarter unit
// of that digit from it (as a sum of tenths such as 12.000000000000028 does); reference::ToFifteenDigits
// is that whole number. The difference to a whole number within 0.5 is exact, and the whole number
// lies on the 15-digit grid, so it is the rounding without a tie to decide.
inline std::optional<std::uint64_t> NearWhole(double magnitude) {
  if (!(magnitude >= 1 && magnitude < kWholeLimit)) return std::nullopt;
  const auto floor = static_cast<std::uint64_t>(magnitude);
  const double quarter_unit = kQuarterUnits[static_cast<size_t>(DigitCount(floor))];
  const double fraction = magnitude - static_cast<double>(floor);  // exact: both lie within 1
  if (fraction < quarter_unit) return floor;
  if (1 - fraction < quarter_unit) return floor + 1;
  return std::nullopt;
}

// Takes a magnitude apart into its whole number and its one decimal when it is common, by the same
// tests WholeForm and FewDecimals make, so that its digits are those of its 15-digit form.
inline std::optional<CommonDecimal> SplitCommonDecimal(double magnitude) {
  if (!(magnitude >= 1 && magnitude < kWholeLimit)) return std::nullopt;
  const auto whole = static_cast<std::uint64_t>(magnitude);
  if (static_cast<double>(whole) == magnitude) return CommonDecimal{whole, -1};
  const double tenths = std::nearbyint(magnitude * 10);
  if (!(tenths < kWholeLimit) || tenths / 10 != magnitude) return std::nullopt;
  const auto scaled = static_cast<std::uint64_t>(tenths);
  return CommonDecimal{scaled / 10, static_cast<int>(scaled % 10)};
}

// Writes the digits of a whole number so that they end just before end; returns the first.
inline char16_t* WriteWholeBackwards(std::uint64_t whole, char16_t* end) {
  do {
    *--end = static_cast<char16_t>(u'0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  return end;
}

// Writes a common value so that it ends just before end; returns the first character, or nullptr for
// any other value. Equals reference::NumberToText without a lead and reference::NumberToSpacedText
// with the lead u' ': the digits of the 15-digit form, straight from the whole number and the tenth.
inline char16_t* WriteCommonDecimal(double value, char16_t positive_lead, char16_t* end) {
  const std::optional<CommonDecimal> common = SplitCommonDecimal(std::fabs(value));
  if (!common) return nullptr;
  char16_t* first = end;
  if (common->tenths >= 0) {
    *--first = static_cast<char16_t>(u'0' + common->tenths);
    *--first = u'.';
  }
  first = WriteWholeBackwards(common->whole, first);
  if (value < 0) {
    *--first = u'-';
  } else if (positive_lead != 0) {
    *--first = positive_lead;
  }
  return first;
}

// Placeholders "0" alone, with at most the one point at point_at ("00", "000.0").
inline bool IsZerosPattern(std::u16string_view pattern, size_t point_at) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != u'0' && i != point_at) return false;
  }
  return true;
}

// A common value by a pattern of zeros alone (at most one point): slots zeros before the point,
// decimals after it. Equals reference::NumberToPatternText: at most one decimal digit decides the rounding,
// half away from zero, and a common value is never zero, so it keeps its sign.
inline std::optional<Text> CommonZerosPatternText(double value, size_t slots, bool has_point,
                                                  size_t decimals) {
  const std::optional<CommonDecimal> common = SplitCommonDecimal(std::fabs(value));
  if (!common) return std::nullopt;
  const bool negative = value < 0;
  const int tenths = std::max(common->tenths, 0);
  std::uint64_t integer = common->whole;
  if (decimals == 0 && tenths >= 5) ++integer;
  CommonDecimalBuffer buf;
  char16_t* const end = buf.data() + buf.size();
  const char16_t* first = WriteWholeBackwards(integer, end);
  const auto count = static_cast<size_t>(end - first);
  const size_t integer_size = std::max(slots, count);
  Text out((negative ? 1 : 0) + integer_size + (has_point ? 1 + decimals : 0), u'0');
  char16_t* at = out.data();
  if (negative) *at++ = u'-';
  at = std::copy(first, static_cast<const char16_t*>(end), at + (integer_size - count));
  if (has_point) {
    *at++ = u'.';
    if (decimals > 0) *at = static_cast<char16_t>(u'0' + tenths);
  }
  return out;
}

// Equals reference::NumberThroughText. A common value's text holds its digits exactly, and at most
// fifteen of them, so it reads back as the value itself; a value near a whole number writes that
// number's digits; from 1 up the text shows the 15-digit rounding, which reads back as that decimal's
// nearest double: one exact division of two exact doubles rounds to it.
inline std::optional<double> ReadBackWithoutText(double value) {
  const double magnitude = std::fabs(value);
  if (!(magnitude >= 1 && magnitude < kWholeLimit)) return std::nullopt;
  if (SplitCommonDecimal(magnitude)) return value;
  if (const std::optional<std::uint64_t> whole = NearWhole(magnitude)) {
    const auto read = static_cast<double>(*whole);
    return value < 0 ? -read : read;
  }
  const FifteenDigitRounding rounded = RoundToFifteenDigits(magnitude);
  const double read =
      static_cast<double>(rounded.digits) / kPowersOfTen[static_cast<size_t>(rounded.decimals)];
  return value < 0 ? -read : read;
}

// Equals reference::PatternNumberThroughText: a pattern of zeros with one place before the point at
// least and at most one after it ("0", "00", "00.0") rounds a common value to whole units, half away
// from zero, or shows its tenth as it stands.
inline std::optional<double> PatternReadBackWithoutText(double value, std::u16string_view pattern) {
  const size_t point_at = pattern.find(u'.');
  const size_t slots = point_at == std::u16string_view::npos ? pattern.size() : point_at;
  const size_t decimals = point_at == std::u16string_view::npos ? 0 : pattern.size() - point_at - 1;
  if (slots == 0 || decimals > 1 || !IsZerosPattern(pattern, point_at)) return std::nullopt;
  const std::optional<CommonDecimal> common = SplitCommonDecimal(std::fabs(value));
  if (!common) return std::nullopt;
  if (decimals == 1) return value;
  const double rounded = static_cast<double>(common->whole + (common->tenths >= 5 ? 1 : 0));
  return value < 0 ? -rounded : rounded;
}

// The least whole number of more than 15 digits.
inline constexpr std::uint64_t kSixteenDigits = 1'000'000'000'000'000;

// The usual cell text, read in one pass: at most 15 significant digits, at most 22 of them after the
// point and no exponent. Equals reference::TextToNumber: the text's digits make a whole number of at most 15
// digits, exact in a double, as is 10^k for at most 22 decimals, and one division of the two rounds once, to
// the double nearest the decimal.
inline std::optional<double> ReadShortNumber(std::u16string_view text) {
  const char16_t* at = text.data();
  const char16_t* const end = at + text.size();
  while (at != end && *at == u' ') ++at;
  bool negative = false;
  if (at != end && (*at == u'+' || *at == u'-')) {
    negative = *at == u'-';
    ++at;
  }
  std::uint64_t whole = 0;
  int after_point = 0;
  int point = 0;  // 1 once the point is read: every digit after it counts
  for (; at != end; ++at) {
    const auto digit = static_cast<unsigned>(*at) - unsigned{u'0'};
    if (digit <= 9) {
      // Leading zeros leave the value at 0; the 16th significant digit takes it to 10^15.
      whole = whole * 10 + digit;
      if (whole >= kSixteenDigits) return std::nullopt;
      after_point += point;
    } else if (*at == u'.' && point == 0) {
      point = 1;
    } else if (*at != u' ') {
      break;
    }
  }
  if (at != end && (*at == u'E' || *at == u'e')) return std::nullopt;
  if (whole == 0) return 0.0;  // no digits, or zeros only
  if (after_point > kExactPowers) return std::nullopt;
  const double magnitude = static_cast<double>(whole) / kPowersOfTen[static_cast<size_t>(after_point)];
  return negative ? -magnitude : magnitude;
}

// The double nearest to 0.<significant> x 10^scale, significant without leading zeros, when at most
// 15 digits and an exact power of ten make it one rounding. Equals std::from_chars on the decimal (as
// reference::TextToNumber reads it): up to 15 digits are exact in a double, as is every power of
// ten up to 10^22; one multiplication or division of the two rounds once, to the nearest double.
inline std::optional<double> ExactDecimalToDouble(bool negative, std::string_view significant,
                                                  std::int64_t scale) {
  const size_t count = significant.size();
  const std::int64_t shift = scale - static_cast<std::int64_t>(count);
  if (count > static_cast<size_t>(kSignificantDigits) || shift < -kExactPowers || shift > kExactPowers) {
    return std::nullopt;
  }
  std::uint64_t whole = 0;
  for (char digit : significant) whole = whole * 10 + static_cast<std::uint64_t>(digit - '0');
  const double power = kPowersOfTen[static_cast<size_t>(shift < 0 ? -shift : shift)];
  const double magnitude =
      shift < 0 ? static_cast<double>(whole) / power : static_cast<double>(whole) * power;
  return negative ? -magnitude : magnitude;
}

}  // namespace model::shortcuts
