#include "model/numbers_reference.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace model::reference {

FifteenDigitDecimal ToFifteenDigits(double value) {
  FifteenDigitDecimal form;
  if (value == 0) return form;
  form.negative = value < 0;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
  const std::string text(buf, res.ptr);  // d.dddddddddddddde[+-]xx
  const size_t e = text.find('e');
  int exponent = 0;
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
  form.digits = text.substr(0, 1) + text.substr(2, e - 2);
  while (!form.digits.empty() && form.digits.back() == '0') form.digits.pop_back();
  form.point = exponent + 1;
  return form;
}

namespace {

std::string Zeros(long count) {
  return count > 0 ? std::string(static_cast<size_t>(count), '0') : std::string();
}

std::string IntegerDigits(const FifteenDigitDecimal& f) {
  if (f.point <= 0) return {};
  const auto size = static_cast<long>(f.digits.size());
  if (f.point >= size) return f.digits + Zeros(f.point - size);
  return f.digits.substr(0, static_cast<size_t>(f.point));
}

std::string FractionDigits(const FifteenDigitDecimal& f) {
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

// Blanks are skipped wherever they stand.
class Scanner {
 public:
  explicit Scanner(std::u16string_view text) : text_(text) {}
  char16_t Peek() {
    while (pos_ < text_.size() && text_[pos_] == u' ') ++pos_;
    return pos_ < text_.size() ? text_[pos_] : char16_t{0};
  }
  void Advance() { ++pos_; }

 private:
  std::u16string_view text_;
  size_t pos_ = 0;
};

bool ReadSign(Scanner& scan) {
  const char16_t c = scan.Peek();
  if (c != u'+' && c != u'-') return false;
  scan.Advance();
  return c == u'-';
}

// Beyond this the value is out of double range anyway.
constexpr std::int64_t kExponentLimit = 100000;

std::int64_t ReadExponent(Scanner& scan) {
  if (scan.Peek() != u'E' && scan.Peek() != u'e') return 0;
  scan.Advance();
  const bool negative = ReadSign(scan);
  std::int64_t exponent = 0;
  for (char16_t c = scan.Peek(); IsDigit(c); c = scan.Peek()) {
    if (exponent < kExponentLimit) exponent = exponent * 10 + (c - u'0');
    scan.Advance();
  }
  return negative ? -exponent : exponent;
}

}  // namespace

double TextToNumber(std::u16string_view text) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  Scanner scan(text);
  const bool negative = ReadSign(scan);
  std::string digits;
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
  const std::int64_t exponent = ReadExponent(scan);

  // As 0.<significant> x 10^scale, so that only the scale can grow large.
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return 0;
  const std::int64_t scale = point - static_cast<std::int64_t>(first) + exponent;
  if (scale > 400) return negative ? -kInfinity : kInfinity;
  if (scale < -400) return 0;
  const std::string ascii = (negative ? "-0." : "0.") + digits.substr(first) + "e" + std::to_string(scale);
  double value = 0;
  auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (res.ec == std::errc::result_out_of_range) {
    if (scale <= 0) return 0;
    value = negative ? -kInfinity : kInfinity;
  }
  return value == 0 ? 0 : value;  // no negative zero from a text
}

Text NumberToText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const FifteenDigitDecimal form = ToFifteenDigits(value);
  if (form.digits.empty()) return u"0";
  const std::string integer = IntegerDigits(form);
  const std::string fraction = FractionDigits(form);
  std::string out = form.negative ? "-" : "";
  out += integer.empty() ? "0" : integer;
  if (!fraction.empty()) out += "." + fraction;
  return Ascii(out);
}

Text NumberToSpacedText(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const FifteenDigitDecimal form = ToFifteenDigits(value);
  if (form.digits.empty()) return u" 0";
  const std::string fraction = FractionDigits(form);
  std::string out = form.negative ? "-" : " ";
  out += IntegerDigits(form);
  if (!fraction.empty()) out += "." + fraction;
  return Ascii(out);
}

namespace {

// Adds one unit in the last place, growing the digits on a carry.
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

// Digits run right to left under the placeholders; the leftmost "0" fixes how many are always
// written; digits beyond the placeholders go with the leftmost one.
Text FormatIntegerPart(std::u16string_view pattern, std::string digits) {
  size_t slots = 0;
  size_t always = 0;
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) continue;
    ++slots;
    if (c == u'0' && always == 0) {
      always = 1;
    } else if (always > 0) {
      ++always;
    }
  }
  if (digits.size() < always) digits.insert(0, always - digits.size(), '0');

  Text out;
  size_t slot = 0;
  const size_t written = digits.size();
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) {
      out.push_back(c);
      continue;
    }
    ++slot;
    const size_t from_right = slots - slot + 1;
    if (slot == 1 && written > slots) {
      out += Ascii(digits.substr(0, written - slots + 1));
    } else if (from_right <= written) {
      out.push_back(static_cast<char16_t>(digits[written - from_right]));
    }
  }
  if (slots == 0) out.insert(0, Ascii(digits));
  return out;
}

// One fraction digit under each placeholder; "#" drops trailing zeros beyond the rightmost "0".
Text FormatFractionPart(std::u16string_view pattern, const std::string& digits) {
  size_t always = 0;
  size_t slot = 0;
  for (char16_t c : pattern) {
    if (!IsPlaceholder(c)) continue;
    ++slot;
    if (c == u'0') always = slot;
  }
  size_t shown = digits.find_last_not_of('0');
  shown = shown == std::string::npos ? 0 : shown + 1;
  shown = std::max(shown, always);

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

}  // namespace

Text NumberToPatternText(double value, std::u16string_view pattern) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const size_t point_at = pattern.find(u'.');
  if (point_at == std::u16string_view::npos && std::none_of(pattern.begin(), pattern.end(), IsPlaceholder)) {
    return NumberToText(value);
  }
  const std::u16string_view integer_pattern = pattern.substr(0, point_at);
  const std::u16string_view fraction_pattern =
      point_at == std::u16string_view::npos ? std::u16string_view() : pattern.substr(point_at + 1);
  const auto decimals =
      static_cast<size_t>(std::count_if(fraction_pattern.begin(), fraction_pattern.end(), IsPlaceholder));

  // Half away from zero on the digits of the 15-digit text.
  const FifteenDigitDecimal form = ToFifteenDigits(value);
  std::string integer = IntegerDigits(form);
  std::string fraction = FractionDigits(form);
  fraction.resize(std::max(fraction.size(), decimals + 1), '0');
  const bool round_up = fraction[decimals] >= '5';
  fraction.resize(decimals);
  std::string all = integer + fraction;
  if (round_up) IncrementDigits(all);
  integer = all.substr(0, all.size() - decimals);
  fraction = all.substr(all.size() - decimals);
  const size_t non_zero = integer.find_first_not_of('0');
  integer = non_zero == std::string::npos ? std::string() : integer.substr(non_zero);
  const bool zero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;

  Text out = form.negative && !zero ? u"-" : u"";
  out += FormatIntegerPart(integer_pattern, integer);
  if (point_at != std::u16string_view::npos) out += u"." + FormatFractionPart(fraction_pattern, fraction);
  return out;
}

double NumberThroughText(double value) {
  return TextToNumber(NumberToText(value));
}

double PatternNumberThroughText(double value, std::u16string_view pattern) {
  return TextToNumber(NumberToPatternText(value, pattern));
}

}  // namespace model::reference
