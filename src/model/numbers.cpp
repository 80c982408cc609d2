#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "model/numbers_shortcuts.h"
#include "model/text_ops.h"

namespace model {
namespace {

using shortcuts::CommonDecimalBuffer;
using shortcuts::DecimalForm;
using shortcuts::kSignificantDigits;

// The value rounded to 15 significant digits, exactly as the decimal text shows it: by the first
// shortcut that takes it, else by the general conversion.
DecimalForm ToDecimalForm(double value) {
  if (value == 0) return {};
  const bool negative = value < 0;
  const double magnitude = std::fabs(value);
  if (std::optional<DecimalForm> form = shortcuts::WholeForm(negative, magnitude)) return *form;
  if (std::isnormal(magnitude)) {
    if (std::optional<DecimalForm> form = shortcuts::FewDecimals(negative, magnitude)) return *form;
  }
  if (const std::optional<std::uint64_t> whole = shortcuts::NearWhole(magnitude))
    return shortcuts::FromWhole(negative, *whole, 0);
  if (std::optional<DecimalForm> form = shortcuts::FifteenDigits(negative, magnitude)) return *form;
  if (std::optional<DecimalForm> form = shortcuts::ShortestForm(negative, magnitude)) return *form;
  char buf[64];
  auto res =
      std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, kSignificantDigits - 1);
  return shortcuts::FromScientific(negative, buf, res.ptr);
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

  const std::string_view significant = std::string_view(digits).substr(first);
  if (const std::optional<double> exact = shortcuts::ExactDecimalToDouble(negative, significant, scale))
    return *exact;

  std::string ascii = (negative ? "-0." : "0.");
  ascii.append(significant).append("e").append(std::to_string(scale));
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

}  // namespace

double TextToNumber(std::u16string_view text) {
  if (std::optional<double> value = shortcuts::ReadShortNumber(text)) return *value;
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
  if (const char16_t* first = shortcuts::WriteCommonDecimal(value, 0, end))
    return Text(first, static_cast<size_t>(end - first));
  const DecimalForm form = ToDecimalForm(value);
  if (form.count == 0) return u"0";
  return DecimalText(form, 0, true);
}

double NumberThroughText(double value) {
  if (!std::isfinite(value)) return TextToNumber(NumberToText(value));
  if (const std::optional<double> read = shortcuts::ReadBackWithoutText(value)) return *read;
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
  if (const char16_t* first = shortcuts::WriteCommonDecimal(value, u' ', end))
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

  const bool zeros_pattern = shortcuts::IsZerosPattern(view, point_at);
  const size_t slots = has_point ? point_at : view.size();
  if (zeros_pattern) {
    if (std::optional<Text> text = shortcuts::CommonZerosPatternText(value, slots, has_point, decimals))
      return std::move(*text);
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

double PatternNumberThroughText(double value, const Text& pattern) {
  if (const std::optional<double> read = shortcuts::PatternReadBackWithoutText(value, pattern)) return *read;
  return TextToNumber(NumberToPatternText(value, pattern));
}

double FloorNumber(double value) {
  return std::floor(value);
}

}  // namespace model
