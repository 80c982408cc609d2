#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "model/text_ops.h"

namespace model {
namespace {

constexpr int kSignificantDigits = 15;

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
};

// Digits and exponent of d.ddd...e[+-]xx as std::to_chars writes it in scientific form.
DecimalForm FromScientific(bool negative, const char* first, const char* last) {
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

// A whole number below 10^15 shows all its digits.
constexpr double kWholeLimit = 1e15;

// Digits of a whole number as 0.<digits> x 10^point, shifted by decimals places.
DecimalForm FromWhole(bool negative, std::uint64_t whole, int decimals) {
  DecimalForm form;
  form.negative = negative;
  auto res = std::to_chars(form.digit_buf.data(), form.digit_buf.data() + form.digit_buf.size(), whole);
  form.count = static_cast<int>(res.ptr - form.digit_buf.data());
  form.point = form.count - decimals;
  form.DropTrailingZeros();
  return form;
}

// A value of one to three decimals: m / 10^k reading back as the value means the decimal m x 10^-k
// lies within half a unit in the value's last binary place, so with 15 digits or fewer it is the
// value rounded to 15 digits.
std::optional<DecimalForm> FewDecimals(bool negative, double magnitude) {
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

constexpr std::array<std::uint64_t, 16> kWholePowersOfTen = {1,
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
int DigitCount(std::uint64_t whole) {
  int count = 1;
  while (count < 16 && whole >= kWholePowersOfTen[static_cast<size_t>(count)]) ++count;
  return count;
}

// A value's 15 significant digits as a whole number, and how many of them stand after the point.
struct FifteenDigitRounding {
  std::uint64_t digits;
  int decimals;
};

// A value from 1 up to the whole limit rounded to 15 significant digits, exactly: the value is
// mantissa / 2^shift, so mantissa x 10^decimals / 2^shift in 128 bits gives the 15 digits and the
// remainder the rounding. An exact half goes to the even digit, as std::to_chars rounds.
FifteenDigitRounding RoundToFifteenDigits(double magnitude) {
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

DecimalForm FifteenDigits(bool negative, double magnitude) {
  const FifteenDigitRounding rounded = RoundToFifteenDigits(magnitude);
  return FromWhole(negative, rounded.digits, rounded.decimals);
}

// A quarter of one unit in the 15th significant digit of a number of 1 to 15 integer digits; index 0
// unused.
constexpr std::array<double, 16> kQuarterUnits = {0,       2.5e-15, 2.5e-14, 2.5e-13, 2.5e-12, 2.5e-11,
                                                  2.5e-10, 2.5e-9,  2.5e-8,  2.5e-7,  2.5e-6,  2.5e-5,
                                                  2.5e-4,  2.5e-3,  2.5e-2,  2.5e-1};

// The whole number a magnitude from 1 up to the whole limit rounds to at 15 significant digits, when
// it lies within a quarter unit of that digit from it (as a sum of tenths such as 12.000000000000028
// does); nullopt for any other value. The difference to a whole number within 0.5 is exact, and the
// whole number lies on the 15-digit grid, so it is the rounding without a tie to decide.
std::optional<std::uint64_t> NearWhole(double magnitude) {
  if (!(magnitude >= 1 && magnitude < kWholeLimit)) return std::nullopt;
  const auto floor = static_cast<std::uint64_t>(magnitude);
  const double quarter_unit = kQuarterUnits[static_cast<size_t>(DigitCount(floor))];
  const double fraction = magnitude - static_cast<double>(floor);  // exact: both lie within 1
  if (fraction < quarter_unit) return floor;
  if (1 - fraction < quarter_unit) return floor + 1;
  return std::nullopt;
}

// The value rounded to 15 significant digits, exactly as the decimal text shows it.
DecimalForm ToDecimalForm(double value) {
  if (value == 0) return {};
  const bool negative = value < 0;
  const double magnitude = std::fabs(value);
  char buf[64];
  // Below the limit the conversion truncates, which for a positive value is the floor.
  if (magnitude < kWholeLimit) {
    const auto whole = static_cast<std::uint64_t>(magnitude);
    if (static_cast<double>(whole) == magnitude) return FromWhole(negative, whole, 0);
  }
  if (std::isnormal(magnitude)) {
    if (std::optional<DecimalForm> form = FewDecimals(negative, magnitude)) return *form;
  }
  if (const std::optional<std::uint64_t> whole = NearWhole(magnitude)) return FromWhole(negative, *whole, 0);
  if (magnitude >= 1 && magnitude < kWholeLimit) return FifteenDigits(negative, magnitude);
  // The shortest text that reads back as the value lies within half a unit in its last binary
  // place, far inside half a unit of the 15th digit; with 15 digits or fewer it is that rounding.
  if (std::isnormal(magnitude)) {
    auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    const char* e = std::find(buf, res.ptr, 'e');
    const long digit_count = e - buf - (e - buf > 1 ? 1 : 0);
    if (digit_count <= kSignificantDigits) return FromScientific(negative, buf, res.ptr);
  }
  auto res =
      std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, kSignificantDigits - 1);
  return FromScientific(negative, buf, res.ptr);
}

// How many digits stand before the point (none below 1).
size_t IntegerDigitCount(const DecimalForm& f) {
  return f.point > 0 ? static_cast<size_t>(f.point) : 0;
}

// How many digits stand after the point, leading zeros included.
size_t FractionDigitCount(const DecimalForm& f) {
  if (f.point <= 0) return static_cast<size_t>(f.count - f.point);
  return f.point < f.count ? static_cast<size_t>(f.count - f.point) : 0;
}

// Writes the digits of the magnitude before the point, without sign; returns the end.
template <typename Char>
Char* WriteIntegerDigits(const DecimalForm& f, Char* out) {
  if (f.point <= 0) return out;
  const int shown = std::min(f.point, f.count);
  for (int i = 0; i < shown; ++i) *out++ = static_cast<Char>(f.digit_buf[static_cast<size_t>(i)]);
  for (int i = shown; i < f.point; ++i) *out++ = Char{'0'};
  return out;
}

// Writes the digits after the point; returns the end.
template <typename Char>
Char* WriteFractionDigits(const DecimalForm& f, Char* out) {
  for (int i = f.point; i < 0; ++i) *out++ = Char{'0'};
  for (int i = std::max(f.point, 0); i < f.count; ++i)
    *out++ = static_cast<Char>(f.digit_buf[static_cast<size_t>(i)]);
  return out;
}

// The decimal text of a form: a sign (or the given lead when not negative), the integer digits (or
// "0" when there are none and zero_before_point) and the fraction after a point when there is one.
struct DecimalLayout {
  bool has_lead;
  size_t integer_count;
  bool zero;
  size_t fraction_count;

  DecimalLayout(const DecimalForm& f, char16_t positive_lead, bool zero_before_point)
      : has_lead(f.negative || positive_lead != 0),
        integer_count(IntegerDigitCount(f)),
        zero(integer_count == 0 && zero_before_point),
        fraction_count(FractionDigitCount(f)) {}

  size_t Size() const {
    return (has_lead ? 1 : 0) + integer_count + (zero ? 1 : 0) +
           (fraction_count > 0 ? 1 + fraction_count : 0);
  }
};

// Writes the decimal text of a form as its layout says, Size() characters from out.
void WriteDecimalText(const DecimalForm& f, const DecimalLayout& layout, char16_t positive_lead,
                      char16_t* out) {
  char16_t* at = out;
  if (layout.has_lead) *at++ = f.negative ? u'-' : positive_lead;
  if (layout.zero) {
    *at++ = u'0';
  } else {
    at = WriteIntegerDigits(f, at);
  }
  if (layout.fraction_count > 0) {
    *at++ = u'.';
    WriteFractionDigits(f, at);
  }
}

// Sized first and written in place, so that a short text needs no allocation at all.
Text DecimalText(const DecimalForm& f, char16_t positive_lead, bool zero_before_point) {
  const DecimalLayout layout(f, positive_lead, zero_before_point);
  Text out(layout.Size(), u'0');
  WriteDecimalText(f, layout, positive_lead, out.data());
  return out;
}

// Writes the digits of a whole number so that they end just before end; returns the first.
char16_t* WriteWholeBackwards(std::uint64_t whole, char16_t* end) {
  do {
    *--end = static_cast<char16_t>(u'0' + whole % 10);
    whole /= 10;
  } while (whole != 0);
  return end;
}

// Room for a sign, 16 digits, a point and a decimal.
using CommonDecimalBuffer = std::array<char16_t, 24>;

// The values the tables mostly hold: whole numbers and numbers of one decimal from 1 up.
struct CommonDecimal {
  std::uint64_t whole = 0;
  int tenths = -1;  // -1 for a whole number
};

// Takes a magnitude apart by the tests ToDecimalForm makes first; nullopt for any other value.
std::optional<CommonDecimal> SplitCommonDecimal(double magnitude) {
  if (!(magnitude >= 1 && magnitude < kWholeLimit)) return std::nullopt;
  const auto whole = static_cast<std::uint64_t>(magnitude);
  if (static_cast<double>(whole) == magnitude) return CommonDecimal{whole, -1};
  // The test FewDecimals makes first.
  const double tenths = std::nearbyint(magnitude * 10);
  if (!(tenths < kWholeLimit) || tenths / 10 != magnitude) return std::nullopt;
  const auto scaled = static_cast<std::uint64_t>(tenths);
  return CommonDecimal{scaled / 10, static_cast<int>(scaled % 10)};
}

// Writes a common value straight from its digits, as DecimalText writes its decimal form, so that it
// ends just before end; returns the first character, or nullptr for any other value.
char16_t* WriteCommonDecimal(double value, char16_t positive_lead, char16_t* end) {
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

Text NonFiniteText(double value) {
  if (std::isnan(value)) return u"nan";
  return value < 0 ? u"-inf" : u"inf";
}

// Reads the text the way table cells are read: blanks are skipped wherever they stand.
class NumberScanner {
 public:
  explicit NumberScanner(std::u16string_view text) : text_(text) {}

  char16_t Peek() {
    while (pos_ < text_.size() && text_[pos_] == u' ') ++pos_;
    return pos_ < text_.size() ? text_[pos_] : char16_t{0};
  }
  void Advance() { ++pos_; }

 private:
  std::u16string_view text_;
  size_t pos_ = 0;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Exponent digits beyond this make no difference: the value is already out of double range.
constexpr std::int64_t kExponentLimit = 100000;

// An optional sign; true for "-".
bool ReadSign(NumberScanner& scan) {
  char16_t c = scan.Peek();
  if (c != u'+' && c != u'-') return false;
  scan.Advance();
  return c == u'-';
}

// "E" or "e", an optional sign and digits; 0 when there are no digits ("1e" and "1e+" are plain 1).
std::int64_t ReadExponent(NumberScanner& scan) {
  if (scan.Peek() != u'E' && scan.Peek() != u'e') return 0;
  scan.Advance();
  bool negative = ReadSign(scan);
  std::int64_t exponent = 0;
  for (char16_t c = scan.Peek(); IsAsciiDigit(c); c = scan.Peek()) {
    if (exponent < kExponentLimit) exponent = exponent * 10 + (c - u'0');
    scan.Advance();
  }
  return negative ? -exponent : exponent;
}

// The powers of ten that a double holds exactly.
constexpr std::int64_t kExactPowers = 22;
constexpr std::array<double, kExactPowers + 1> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The double nearest to digits x 10^(point - digit count + exponent), out of range giving
// infinity or zero.
double DecimalToDouble(bool negative, const std::string& digits, std::int64_t point, std::int64_t exponent) {
  // Normalise to 0.<significant> x 10^scale so that only the scale can grow large.
  size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  std::int64_t scale = point - static_cast<std::int64_t>(first) + exponent;
  double infinity = negative ? -kInfinity : kInfinity;
  if (scale > 400) return infinity;
  if (scale < -400) return 0;

  // Up to 15 digits are exact in a double, as is every power of ten up to 10^22; one multiplication
  // or division of the two rounds once, to the same nearest double as reading the text.
  const size_t count = digits.size() - first;
  const std::int64_t shift = scale - static_cast<std::int64_t>(count);
  if (count <= static_cast<size_t>(kSignificantDigits) && shift >= -kExactPowers && shift <= kExactPowers) {
    std::uint64_t whole = 0;
    for (size_t i = first; i < digits.size(); ++i)
      whole = whole * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    const double power = kPowersOfTen[static_cast<size_t>(shift < 0 ? -shift : shift)];
    const double magnitude =
        shift < 0 ? static_cast<double>(whole) / power : static_cast<double>(whole) * power;
    return negative ? -magnitude : magnitude;
  }

  std::string ascii = (negative ? "-0." : "0.") + digits.substr(first) + "e" + std::to_string(scale);
  double value = 0;
  auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (res.ec == std::errc::result_out_of_range) return scale > 0 ? infinity : 0;
  return value == 0 ? 0 : value;  // no negative zero from a text
}

// Any text, by the scanner; out of line, so that the short path needs no stack frame.
[[gnu::noinline]] double ScanTextToNumber(std::u16string_view text) {
  NumberScanner scan(text);
  bool negative = ReadSign(scan);
  std::string digits;  // every digit before the exponent, leading zeros included
  std::int64_t point = -1;
  for (char16_t c = scan.Peek(); IsAsciiDigit(c) || (c == u'.' && point < 0); c = scan.Peek()) {
    if (c == u'.') {
      point = static_cast<std::int64_t>(digits.size());
    } else {
      digits.push_back(static_cast<char>(c));
    }
    scan.Advance();
  }
  if (digits.empty()) return 0;
  if (point < 0) point = static_cast<std::int64_t>(digits.size());
  return DecimalToDouble(negative, digits, point, ReadExponent(scan));
}

// The least whole number of more than 15 digits.
constexpr std::uint64_t kSixteenDigits = 1'000'000'000'000'000;

// The usual cell text, read in one pass: at most 15 significant digits, at most 22 of them after the
// point and no exponent. It gives what DecimalToDouble gives for it; any other text reads as nullopt.
std::optional<double> ReadShortNumber(std::u16string_view text) {
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

}  // namespace

double TextToNumber(std::u16string_view text) {
  if (std::optional<double> value = ReadShortNumber(text)) return *value;
  return ScanTextToNumber(text);
}

double TextToNumber(const Text& text) {
  return TextToNumber(std::u16string_view(text));
}

double TextToNumber(const char16_t* text) {
  return TextToNumber(std::u16string_view(text));
}

Text NumberToText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  CommonDecimalBuffer buf;
  char16_t* const end = buf.data() + buf.size();
  if (const char16_t* first = WriteCommonDecimal(value, 0, end))
    return Text(first, static_cast<size_t>(end - first));
  const DecimalForm form = ToDecimalForm(value);
  if (form.count == 0) return u"0";
  return DecimalText(form, 0, true);
}

// A common value's text holds its digits exactly, and at most fifteen of them, so it reads back as
// the value itself.
double NumberThroughText(double value) {
  if (!std::isfinite(value)) return TextToNumber(NumberToText(value));
  if (SplitCommonDecimal(std::fabs(value))) return value;
  // Its text is the whole number's digits, which read back as that number.
  if (const std::optional<std::uint64_t> whole = NearWhole(std::fabs(value))) {
    const auto magnitude = static_cast<double>(*whole);
    return value < 0 ? -magnitude : magnitude;
  }
  // From 1 up its text shows the 15-digit rounding, which reads back as that decimal's nearest
  // double: one exact division of two exact doubles rounds to it.
  const double magnitude = std::fabs(value);
  if (magnitude >= 1 && magnitude < kWholeLimit) {
    const FifteenDigitRounding rounded = RoundToFifteenDigits(magnitude);
    const double read =
        static_cast<double>(rounded.digits) / kPowersOfTen[static_cast<size_t>(rounded.decimals)];
    return value < 0 ? -read : read;
  }
  // Any other value: the text NumberToText writes, read from the stack where it fits.
  const DecimalForm form = ToDecimalForm(value);
  if (form.count == 0) return 0;  // the text "0"
  const DecimalLayout layout(form, 0, true);
  std::array<char16_t, 64> buf{};
  if (layout.Size() > buf.size()) return TextToNumber(DecimalText(form, 0, true));
  WriteDecimalText(form, layout, 0, buf.data());
  return TextToNumber(std::u16string_view(buf.data(), layout.Size()));
}

Text NumberToSpacedText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  CommonDecimalBuffer buf;
  char16_t* const end = buf.data() + buf.size();
  if (const char16_t* first = WriteCommonDecimal(value, u' ', end))
    return Text(first, static_cast<size_t>(end - first));
  const DecimalForm form = ToDecimalForm(value);
  if (form.count == 0) return u" 0";
  return DecimalText(form, u' ', false);
}

namespace {

bool IsPlaceholder(char16_t c) {
  return c == u'0' || c == u'#';
}

// Writes the integer digits under the placeholders before the point. Digits run right to left;
// the leftmost "0" fixes how many digits are always written (zeros fill in before the digits);
// digits beyond the placeholders go with the leftmost one.
void AppendIntegerPart(Text& out, std::u16string_view pattern, std::string_view digits) {
  size_t slots = 0;
  size_t always = 0;
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) continue;
    ++slots;
    if (c == u'0' && always == 0)
      always = 1;
    else if (always > 0)
      ++always;
  }
  const size_t padding = digits.size() < always ? always - digits.size() : 0;
  const size_t written = padding + digits.size();
  auto digit_at = [&](size_t i) { return i < padding ? u'0' : static_cast<char16_t>(digits[i - padding]); };

  if (slots == 0) out.append(digits.begin(), digits.end());
  size_t slot = 0;
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) {
      out.push_back(c);
      continue;
    }
    ++slot;
    const size_t from_right = slots - slot + 1;  // 1 for the units placeholder
    if (slot == 1 && written > slots) {
      for (size_t i = 0; i < written - slots + 1; ++i) out.push_back(digit_at(i));
    } else if (from_right <= written) {
      out.push_back(digit_at(written - from_right));
    }
  }
}

// Writes the fraction digits (one for each placeholder) under the placeholders after the point;
// "#" drops trailing zeros beyond the rightmost "0".
void AppendFractionPart(Text& out, std::u16string_view pattern, std::string_view digits) {
  size_t always = 0;
  size_t slot = 0;
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) continue;
    ++slot;
    if (c == u'0') always = slot;
  }
  size_t shown = digits.find_last_not_of('0');
  shown = shown == std::string_view::npos ? 0 : shown + 1;
  if (shown < always) shown = always;

  slot = 0;
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) {
      out.push_back(c);
      continue;
    }
    if (slot < shown) out.push_back(static_cast<char16_t>(digits[slot]));
    ++slot;
  }
}

// Placeholders "0" alone, with at most the one point at point_at ("00", "000.0"): the integer digits
// padded with zeros to as many as stand before the point, and every fraction digit after it.
bool IsZerosPattern(std::u16string_view pattern, size_t point_at) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != u'0' && i != point_at) return false;
  }
  return true;
}

// Adds one unit in the last place of the digits; true when it carries out of the first one.
bool IncrementDigits(char* first, char* last) {
  while (last != first) {
    --last;
    if (*last != '9') {
      ++*last;
      return false;
    }
    *last = '0';
  }
  return true;
}

// The digits of a value rounded half away from zero to a number of decimals, on the digits its
// decimal text shows, not on its binary value.
class RoundedDigits {
 public:
  RoundedDigits(const DecimalForm& form, size_t decimals) {
    const size_t integer_count = IntegerDigitCount(form);
    const size_t fraction_count = FractionDigitCount(form);
    // One place in front for a carry; the decimals and the one digit that decides the rounding.
    const size_t size = 1 + integer_count + std::max(fraction_count, decimals + 1);
    if (size > local_.size()) heap_.resize(size);
    char* buf = size > local_.size() ? heap_.data() : local_.data();
    char* digits = buf + 1;
    char* end = WriteFractionDigits(form, WriteIntegerDigits(form, digits));
    std::fill(end, buf + size, '0');
    char* rounded_end = digits + integer_count + decimals;
    const bool round_up = *rounded_end >= '5';
    if (round_up && IncrementDigits(digits, rounded_end)) *--digits = '1';
    std::string_view all(digits, static_cast<size_t>(rounded_end - digits));
    integer_ = all.substr(0, all.size() - decimals);
    fraction_ = all.substr(all.size() - decimals);
    const size_t non_zero = integer_.find_first_not_of('0');
    integer_ = non_zero == std::string_view::npos ? std::string_view() : integer_.substr(non_zero);
  }
  RoundedDigits(const RoundedDigits&) = delete;
  RoundedDigits& operator=(const RoundedDigits&) = delete;

  // Without leading zeros; empty below 1.
  std::string_view Integer() const { return integer_; }
  // Exactly the decimals asked for.
  std::string_view Fraction() const { return fraction_; }
  bool IsZero() const {
    return integer_.empty() && fraction_.find_first_not_of('0') == std::string_view::npos;
  }

 private:
  std::array<char, 64> local_{};
  std::string heap_;  // only for very large or very small values, or many decimals
  std::string_view integer_;
  std::string_view fraction_;
};

// What the general writing gives for a pattern of zeros, sized first and written in place.
Text ZerosPatternText(bool negative, const RoundedDigits& digits, size_t slots, bool has_point) {
  const std::string_view integer = digits.Integer();
  const std::string_view fraction = digits.Fraction();
  const size_t integer_size = std::max(slots, integer.size());
  Text out((negative ? 1 : 0) + integer_size + (has_point ? 1 + fraction.size() : 0), u'0');
  char16_t* at = out.data();
  if (negative) *at++ = u'-';
  at = std::copy(integer.begin(), integer.end(), at + (integer_size - integer.size()));
  if (has_point) {
    *at++ = u'.';
    std::copy(fraction.begin(), fraction.end(), at);
  }
  return out;
}

// ZerosPatternText for a common value: at most one decimal digit decides the rounding.
Text CommonZerosPatternText(bool negative, CommonDecimal common, size_t slots, bool has_point,
                            size_t decimals) {
  const int tenths = std::max(common.tenths, 0);
  std::uint64_t integer = common.whole;
  if (decimals == 0 && tenths >= 5) ++integer;  // half away from zero
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

}  // namespace

Text NumberToPatternText(double value, const Text& pattern) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const std::u16string_view view(pattern);
  const size_t point_at = view.find(u'.');
  if (point_at == std::u16string_view::npos && std::none_of(view.begin(), view.end(), IsPlaceholder)) {
    return NumberToText(value);  // nothing to format by
  }
  const bool has_point = point_at != std::u16string_view::npos;
  size_t decimals = 0;
  if (has_point)
    decimals = static_cast<size_t>(
        std::count_if(view.begin() + static_cast<std::ptrdiff_t>(point_at) + 1, view.end(), IsPlaceholder));

  const bool zeros_pattern = IsZerosPattern(view, point_at);
  const size_t slots = has_point ? point_at : view.size();
  if (zeros_pattern) {
    if (const std::optional<CommonDecimal> common = SplitCommonDecimal(std::fabs(value))) {
      return CommonZerosPatternText(value < 0, *common, slots, has_point, decimals);
    }
  }

  const DecimalForm form = ToDecimalForm(value);
  const RoundedDigits digits(form, decimals);
  const bool negative = form.negative && !digits.IsZero();
  if (zeros_pattern) return ZerosPatternText(negative, digits, slots, has_point);
  Text out = negative ? u"-" : u"";
  AppendIntegerPart(out, view.substr(0, point_at), digits.Integer());
  if (has_point) {
    out.push_back(u'.');
    AppendFractionPart(out, view.substr(point_at + 1), digits.Fraction());
  }
  return out;
}

// A pattern of zeros with one place before the point at least and at most one after it ("0", "00",
// "00.0") rounds a common value to whole units or shows its tenth as it stands.
double PatternNumberThroughText(double value, const Text& pattern) {
  const std::u16string_view view(pattern);
  const size_t point_at = view.find(u'.');
  const size_t slots = point_at == std::u16string_view::npos ? view.size() : point_at;
  const size_t decimals = point_at == std::u16string_view::npos ? 0 : view.size() - point_at - 1;
  if (std::isfinite(value) && slots > 0 && decimals <= 1 && IsZerosPattern(view, point_at)) {
    if (const std::optional<CommonDecimal> common = SplitCommonDecimal(std::fabs(value))) {
      if (decimals == 1) return value;
      const double rounded = static_cast<double>(common->whole + (common->tenths >= 5 ? 1 : 0));
      return value < 0 ? -rounded : rounded;
    }
  }
  return TextToNumber(NumberToPatternText(value, pattern));
}

double FloorNumber(double value) {
  return std::floor(value);
}

}  // namespace model
