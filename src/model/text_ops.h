#pragma once
// Character-position helpers: positions count from 1, a full-width character counts as one,
// and every helper clamps at the ends of the text instead of failing.

#include "model/text.h"

namespace model {

int Len(const Text& text);
// Characters from position start (1-based), at most length of them.
Text Mid(const Text& text, int start, int length);
// The same characters as Mid, as a view into the text (no copy): for reading a piece of a record.
std::u16string_view MidView(std::u16string_view text, int start, int length);
// Characters from position start to the end.
Text Mid(const Text& text, int start);
Text Left(const Text& text, int length);
Text Right(const Text& text, int length);
// Position (1-based) of the first occurrence of what at or after start, 0 when absent.
int InStr(const Text& text, const Text& what, int start = 1);
Text Trim(const Text& text);  // blanks (U+0020) at both ends
// The same characters as Trim, as a view into the text (no copy).
std::u16string_view TrimView(std::u16string_view text);
Text LTrim(const Text& text);
Text RTrim(const Text& text);
Text Spaces(int count);

// '0' to '9' only: full-width digits are not ASCII digits.
constexpr bool IsAsciiDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

}  // namespace model
