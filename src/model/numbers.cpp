#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace model {
namespace {

constexpr int kSignificantDigits = 15;

// A finite magnitude as 0.<digits> x 10^point: digits without leading or trailing zeros,
// empty for zero.
struct DecimalForm {
  bool negative = false;
  std::string digits;
  int point = 0;
};

// Digits and exponent of d.ddd...e[+-]xx as std::to_chars writes it in scientific form.
DecimalForm FromScientific(bool negative, const char* first, const char* last) {
  DecimalForm form;
  form.negative = negative;
  const char* e = std::find(first, last, 'e');
  int exponent = 0;
  std::from_chars(e + 1 + (e[1] == '+' ? 1 : 0), last, exponent);
  form.digits.assign(first, 1);
  if (e - first > 2) form.digits.append(first + 2, e);
  while (!form.digits.empty() && form.digits.back() == '0') form.digits.pop_back();
  form.point = exponent + 1;
  return form;
}

// A whole number below 10^15 shows all its digits.
constexpr double kWholeLimit = 1e15;

// Digits of a whole number as 0.<digits> x 10^point, shifted by decimals places.
DecimalForm FromWhole(bool negative, std::uint64_t whole, int decimals) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, whole);
  DecimalForm form;
  form.negative = negative;
  form.point = static_cast<int>(res.ptr - buf) - decimals;
  form.digits.assign(buf, res.ptr);
  while (form.digits.back() == '0') form.digits.pop_back();
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

// The value rounded to 15 significant digits, exactly as the decimal text shows it.
DecimalForm ToDecimalForm(double value) {
  if (value == 0) return {};
  const bool negative = value < 0;
  const double magnitude = std::fabs(value);
  char buf[64];
  if (magnitude < kWholeLimit && magnitude == std::floor(magnitude))
    return FromWhole(negative, static_cast<std::uint64_t>(magnitude), 0);
  if (std::isnormal(magnitude)) {
    if (std::optional<DecimalForm> form = FewDecimals(negative, magnitude)) return *form;
  }
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

std::string Zeros(long count) {
  return count > 0 ? std::string(static_cast<size_t>(count), '0') : std::string();
}

// Digits of the magnitude before and after the point, without sign.
std::string IntegerDigits(const DecimalForm& f) {
  if (f.point <= 0) return {};
  long len = static_cast<long>(f.digits.size());
  if (f.point >= len) return f.digits + Zeros(f.point - len);
  return f.digits.substr(0, static_cast<size_t>(f.point));
}

std::string FractionDigits(const DecimalForm& f) {
  if (f.point <= 0) return Zeros(-f.point) + f.digits;
  if (static_cast<size_t>(f.point) >= f.digits.size()) return {};
  return f.digits.substr(static_cast<size_t>(f.point));
}

Text Ascii(const std::string& s) {
  return Text(s.begin(), s.end());
}

Text NonFiniteText(double value) {
  if (std::isnan(value)) return u"nan";
  return value < 0 ? u"-inf" : u"inf";
}

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

// Reads the text the way table cells are read: blanks are skipped wherever they stand.
class NumberScanner {
 public:
  explicit NumberScanner(const Text& text) : text_(text) {}

  char16_t Peek() {
    while (pos_ < text_.size() && text_[pos_] == u' ') ++pos_;
    return pos_ < text_.size() ? text_[pos_] : char16_t{0};
  }
  void Advance() { ++pos_; }

 private:
  const Text& text_;
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
  for (char16_t c = scan.Peek(); IsDigit(c); c = scan.Peek()) {
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

// Any text, by the scanner.
double ScanTextToNumber(const Text& text) {
  NumberScanner scan(text);
  bool negative = ReadSign(scan);
  std::string digits;  // every digit before the exponent, leading zeros included
  std::int64_t point = -1;
  for (char16_t c = scan.Peek(); IsDigit(c) || (c == u'.' && point < 0); c = scan.Peek()) {
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

// The usual cell text, read in one pass: at most 15 significant digits, at most 22 of them after the
// point and no exponent. It gives what DecimalToDouble gives for it; any other text reads as nullopt.
std::optional<double> ReadShortNumber(const Text& text) {
  const size_t size = text.size();
  size_t at = 0;
  auto skip_blanks = [&] {
    while (at < size && text[at] == u' ') ++at;
  };
  skip_blanks();
  bool negative = false;
  if (at < size && (text[at] == u'+' || text[at] == u'-')) {
    negative = text[at] == u'-';
    ++at;
  }
  std::uint64_t whole = 0;
  int significant = 0;
  int after_point = 0;
  bool point = false;
  for (skip_blanks(); at < size; skip_blanks()) {
    const char16_t c = text[at];
    if (IsDigit(c)) {
      if (whole != 0 || c != u'0') {
        if (++significant > kSignificantDigits) return std::nullopt;
        whole = whole * 10 + static_cast<std::uint64_t>(c - u'0');
      }
      if (point) ++after_point;
    } else if (c == u'.' && !point) {
      point = true;
    } else {
      break;
    }
    ++at;
  }
  if (at < size && (text[at] == u'E' || text[at] == u'e')) return std::nullopt;
  if (whole == 0) return 0.0;  // no digits, or zeros only
  if (after_point > kExactPowers) return std::nullopt;
  const double magnitude = static_cast<double>(whole) / kPowersOfTen[static_cast<size_t>(after_point)];
  return negative ? -magnitude : magnitude;
}

}  // namespace

double TextToNumber(const Text& text) {
  if (std::optional<double> value = ReadShortNumber(text)) return *value;
  return ScanTextToNumber(text);
}

Text NumberToText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  DecimalForm form = ToDecimalForm(value);
  if (form.digits.empty()) return u"0";
  std::string integer = IntegerDigits(form);
  std::string fraction = FractionDigits(form);
  std::string out = form.negative ? "-" : "";
  out += integer.empty() ? "0" : integer;
  if (!fraction.empty()) out += "." + fraction;
  return Ascii(out);
}

Text NumberToSpacedText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  DecimalForm form = ToDecimalForm(value);
  if (form.digits.empty()) return u" 0";
  std::string fraction = FractionDigits(form);
  std::string out = form.negative ? "-" : " ";
  out += IntegerDigits(form);
  if (!fraction.empty()) out += "." + fraction;
  return Ascii(out);
}

namespace {

// Adds one unit in the last place of a digit string, growing it on carry.
void IncrementDigits(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

bool IsPlaceholder(char16_t c) {
  return c == u'0' || c == u'#';
}

// Writes the integer digits under the placeholders before the point. Digits run right to left;
// the leftmost "0" fixes how many digits are always written; digits beyond the placeholders go
// with the leftmost one.
Text FormatIntegerPart(const Text& pattern, std::string digits) {
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
  if (digits.size() < always) digits.insert(0, always - digits.size(), '0');

  Text out;
  size_t slot = 0;
  size_t written = digits.size();
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) {
      out.push_back(c);
      continue;
    }
    ++slot;
    size_t from_right = slots - slot + 1;  // 1 for the units placeholder
    if (slot == 1 && written > slots) {
      out += Ascii(digits.substr(0, written - slots + 1));
    } else if (from_right <= written) {
      out.push_back(static_cast<char16_t>(digits[written - from_right]));
    }
  }
  if (slots == 0) out.insert(0, Ascii(digits));
  return out;
}

// Writes the fraction digits under the placeholders after the point; "#" drops trailing zeros
// beyond the rightmost "0".
Text FormatFractionPart(const Text& pattern, const std::string& digits) {
  size_t always = 0;
  size_t slot = 0;
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) continue;
    ++slot;
    if (c == u'0') always = slot;
  }
  size_t shown = digits.find_last_not_of('0');
  shown = shown == std::string::npos ? 0 : shown + 1;
  if (shown < always) shown = always;

  Text out;
  slot = 0;
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) {
      out.push_back(c);
      continue;
    }
    if (slot < shown) out.push_back(static_cast<char16_t>(digits[slot]));
    ++slot;
  }
  return out;
}

// Placeholders "0" alone, with at most the one point at point_at ("00", "000.0"): the integer digits
// padded with zeros to as many as stand before the point, and every fraction digit after it.
bool IsZerosPattern(const Text& pattern, size_t point_at) {
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != u'0' && i != point_at) return false;
  }
  return true;
}

}  // namespace

Text NumberToPatternText(double value, const Text& pattern) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  size_t point_at = pattern.find(u'.');
  if (point_at == Text::npos && std::none_of(pattern.begin(), pattern.end(), IsPlaceholder)) {
    return NumberToText(value);  // nothing to format by
  }
  size_t decimals = 0;
  if (point_at != Text::npos)
    decimals = static_cast<size_t>(std::count_if(pattern.begin() + static_cast<std::ptrdiff_t>(point_at) + 1,
                                                 pattern.end(), IsPlaceholder));

  // Round half away from zero on the decimal digits the number shows, not on its binary value.
  DecimalForm form = ToDecimalForm(value);
  std::string integer = IntegerDigits(form);
  std::string fraction = FractionDigits(form);
  fraction.resize(std::max(fraction.size(), decimals + 1), '0');
  bool round_up = fraction[decimals] >= '5';
  fraction.resize(decimals);
  std::string all = integer + fraction;
  if (round_up) IncrementDigits(all);
  integer = all.substr(0, all.size() - decimals);
  fraction = all.substr(all.size() - decimals);
  size_t non_zero = integer.find_first_not_of('0');
  integer = non_zero == std::string::npos ? std::string() : integer.substr(non_zero);
  bool is_zero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;

  Text out = form.negative && !is_zero ? u"-" : u"";
  if (IsZerosPattern(pattern, point_at)) {
    // What the general writing gives for such a pattern, without its passes over the pattern.
    const size_t slots = point_at == Text::npos ? pattern.size() : point_at;
    if (integer.size() < slots) out.append(slots - integer.size(), u'0');
    out.append(integer.begin(), integer.end());
    if (point_at != Text::npos) {
      out.push_back(u'.');
      out.append(fraction.begin(), fraction.end());
    }
    return out;
  }
  const Text integer_pattern = pattern.substr(0, point_at);
  out += FormatIntegerPart(integer_pattern, integer);
  if (point_at != Text::npos) out += u"." + FormatFractionPart(pattern.substr(point_at + 1), fraction);
  return out;
}

double FloorNumber(double value) {
  return std::floor(value);
}

}  // namespace model
