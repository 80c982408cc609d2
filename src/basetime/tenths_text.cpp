#include "basetime/tenths_text.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "model/text_ops.h"

namespace basetime {

using model::Text;

namespace {

// Below 10^13 tenths a value has at most 14 significant digits. Each of the at most three
// conversions and two additions errs by at most half a unit in the last binary place (2^-53 of
// the value), so the double result lies within 4 x 2^-53 of the exact tenths as long as the terms
// together are at most 1.5 times the result; that is less than half a unit in the 15th digit,
// and NumberToText, which rounds to 15 digits, writes the exact tenths.
constexpr std::int64_t kTenthsLimit = 10'000'000'000'000;
// Longer texts (leading zeros) go the slow way; 15 characters cannot overflow the tenths.
constexpr size_t kLongestPlainText = 15;

// Tenths of a plain non-negative decimal starting at pos: digits with at most one after the
// point; an empty remainder is 0, as TextToNumber reads it.
std::optional<std::int64_t> PlainTenths(const Text& text, size_t pos = 0) {
  const size_t end = text.size();
  if (end - pos > kLongestPlainText) return std::nullopt;
  if (pos == end) return 0;
  std::int64_t whole = 0;
  size_t i = pos;
  for (; i < end && model::IsAsciiDigit(text[i]); ++i) whole = whole * 10 + (text[i] - u'0');
  if (i == pos) return std::nullopt;
  std::int64_t tenths = whole * 10;
  if (i < end) {
    if (text[i] != u'.' || i + 2 != end || !model::IsAsciiDigit(text[i + 1])) return std::nullopt;
    tenths += text[i + 1] - u'0';
  }
  if (tenths >= kTenthsLimit) return std::nullopt;
  return tenths;
}

// A correction: blanks, then an optional sign, then a plain decimal.
std::optional<std::int64_t> SignedTenths(const Text& text) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == u' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
    negative = text[pos] == u'-';
    ++pos;
    if (pos == text.size()) return std::nullopt;
  }
  const std::optional<std::int64_t> tenths = PlainTenths(text, pos);
  if (!tenths) return std::nullopt;
  return negative ? -*tenths : *tenths;
}

// Room for a sign, 16 whole places or digits, the point and the tenth.
constexpr size_t kTextRoom = 20;
constexpr size_t kMostWholePlaces = 16;

// Writes the digits of whole backwards before end, at least places of them (zeros in front);
// returns where they start.
char16_t* WriteWholeDigits(std::uint64_t whole, size_t places, char16_t* end) {
  char16_t* p = end;
  while (whole != 0) {
    *--p = static_cast<char16_t>(u'0' + whole % 10);
    whole /= 10;
  }
  while (static_cast<size_t>(end - p) < places) *--p = u'0';
  return p;
}

// The shortest text of the tenths, as NumberToText writes it, written before end; returns where
// it starts. The room before end holds kTextRoom characters.
char16_t* WriteTenthsText(std::int64_t tenths, char16_t* end) {
  const bool negative = tenths < 0;
  const std::uint64_t magnitude = static_cast<std::uint64_t>(negative ? -tenths : tenths);
  char16_t* p = end;
  if (magnitude % 10 != 0) {
    *--p = static_cast<char16_t>(u'0' + magnitude % 10);
    *--p = u'.';
  }
  p = WriteWholeDigits(magnitude / 10, 1, p);
  if (negative) *--p = u'-';
  return p;
}

Text TenthsToText(std::int64_t tenths) {
  std::array<char16_t, kTextRoom> buf;
  char16_t* const end = buf.data() + buf.size();
  return Text(WriteTenthsText(tenths, end), end);
}

constexpr size_t kSignificantDigits = 15;
constexpr size_t kMostWholeDigits = 12;
constexpr size_t kLongestRoundedText = 32;

}  // namespace

std::optional<std::int64_t> RoundedTenths(const Text& text) {
  const size_t end = text.size();
  if (end > kLongestRoundedText) return std::nullopt;
  std::int64_t whole = 0;
  size_t significant = 0;
  size_t i = 0;
  for (; i < end && model::IsAsciiDigit(text[i]); ++i) {
    if (i == kMostWholeDigits) return std::nullopt;
    whole = whole * 10 + (text[i] - u'0');
    if (whole != 0) ++significant;
  }
  if (i == 0 && end != 0) return std::nullopt;
  std::int64_t tenth = 0;
  bool round_up = false;
  if (i < end) {
    if (text[i] != u'.' || i + 1 == end) return std::nullopt;
    for (size_t f = i + 1; f < end; ++f) {
      if (!model::IsAsciiDigit(text[f])) return std::nullopt;
      const int digit = text[f] - u'0';
      if (significant > 0 || digit != 0) ++significant;
      if (f == i + 1) tenth = digit;
      if (f == i + 2) round_up = digit >= 5;
    }
  }
  if (significant > kSignificantDigits) return std::nullopt;
  return whole * 10 + tenth + (round_up ? 1 : 0);
}

namespace {

constexpr std::int64_t kMostCounted = 1'000'000;
constexpr std::int64_t kMeanTenthsLimit = 100'000;

}  // namespace

std::optional<std::int64_t> MeanTenths(const Text& sum, const Text& count) {
  const std::optional<std::int64_t> sum_tenths = PlainTenths(sum);
  const std::optional<std::int64_t> count_tenths = PlainTenths(count);
  if (!sum_tenths || !count_tenths || *count_tenths % 10 != 0) return std::nullopt;
  const std::int64_t counted = *count_tenths / 10;
  if (counted < 1 || counted > kMostCounted || *sum_tenths >= kMeanTenthsLimit * counted) return std::nullopt;
  return (2 * *sum_tenths + counted) / (2 * counted);
}

namespace {

// TenthsPatternText's text written before end, or nullptr where it gives none; returns where the
// text starts. The room before end holds kTextRoom characters.
char16_t* WriteTenthsPattern(std::int64_t tenths, size_t whole_places, char16_t* end) {
  if (tenths <= -kTenthsLimit || tenths >= kTenthsLimit || whole_places > kMostWholePlaces) return nullptr;
  const std::uint64_t magnitude = static_cast<std::uint64_t>(tenths < 0 ? -tenths : tenths);
  char16_t* p = end;
  *--p = static_cast<char16_t>(u'0' + magnitude % 10);
  *--p = u'.';
  // Below 1 there are no whole digits: the pattern's zeros stand alone.
  p = WriteWholeDigits(magnitude / 10, whole_places, p);
  if (tenths < 0) *--p = u'-';
  return p;
}

}  // namespace

std::optional<Text> TenthsPatternText(std::int64_t tenths, size_t whole_places) {
  std::array<char16_t, kTextRoom> buf;
  char16_t* const end = buf.data() + buf.size();
  char16_t* const first = WriteTenthsPattern(tenths, whole_places, end);
  if (first == nullptr) return std::nullopt;
  return Text(first, end);
}

std::optional<Text> PaddedTenthsText(const Text& text, size_t whole_places) {
  const std::optional<std::int64_t> tenths = PlainTenths(text);
  if (!tenths) return std::nullopt;
  return TenthsPatternText(*tenths, whole_places);
}

bool AppendPaddedTenthsText(const Text& text, size_t whole_places, Text& out) {
  const std::optional<std::int64_t> tenths = PlainTenths(text);
  if (!tenths) return false;
  std::array<char16_t, kTextRoom> buf;
  char16_t* const end = buf.data() + buf.size();
  char16_t* const first = WriteTenthsPattern(*tenths, whole_places, end);
  if (first == nullptr) return false;
  out.append(first, end);
  return true;
}

std::optional<Text> SumOfTenthsTexts(const Text& a, const Text& b) {
  const std::optional<std::int64_t> x = PlainTenths(a);
  const std::optional<std::int64_t> y = PlainTenths(b);
  if (!x || !y || *x + *y >= kTenthsLimit) return std::nullopt;
  return TenthsToText(*x + *y);
}

bool SumOfTenthsTextsInto(const Text& a, const Text& b, Text& out) {
  const std::optional<std::int64_t> x = PlainTenths(a);
  const std::optional<std::int64_t> y = PlainTenths(b);
  if (!x || !y || *x + *y >= kTenthsLimit) return false;
  std::array<char16_t, kTextRoom> buf;
  char16_t* const end = buf.data() + buf.size();
  char16_t* const first = WriteTenthsText(*x + *y, end);
  out.assign(first, end);  // out may be a or b: both are read by now
  return true;
}

std::optional<Text> SumLessTenthsText(const Text& a, const Text& b, const Text& c) {
  const std::optional<std::int64_t> x = PlainTenths(a);
  const std::optional<std::int64_t> y = SignedTenths(b);
  const std::optional<std::int64_t> z = PlainTenths(c);
  if (!x || !y || !z) return std::nullopt;
  const std::int64_t result = *x + *y - *z;
  const std::int64_t terms = *x + std::llabs(*y) + *z;
  if (2 * terms > 3 * std::llabs(result) || std::llabs(result) >= kTenthsLimit) return std::nullopt;
  return TenthsToText(result);
}

}  // namespace basetime
