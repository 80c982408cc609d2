#include "tests/support/case_names.h"

#include <charconv>
#include <cstdio>

namespace testsupport {
namespace {

bool IsLetterOrDigit(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

std::string WordFor(char16_t c) {
  switch (c) {
    case u' ':
      return "Blank";
    case u'\t':
      return "Tab";
    case u'.':
      return "Point";
    case u'-':
      return "Minus";
    case u'+':
      return "Plus";
    case u',':
      return "Comma";
    case u'*':
      return "Star";
    case u'#':
      return "Hash";
    case u'/':
      return "Slash";
    case u'_':
      return "Underscore";
    default:
      char code[8];
      std::snprintf(code, sizeof code, "U%04X", static_cast<unsigned>(c));
      return code;
  }
}

}  // namespace

std::string CaseName(std::u16string_view text) {
  if (text.empty()) return "Empty";
  std::string name;
  bool in_run = false;  // inside a run of letters and digits
  for (char16_t c : text) {
    const bool letter_or_digit = IsLetterOrDigit(c);
    if (!name.empty() && !(in_run && letter_or_digit)) name += '_';
    name += letter_or_digit ? std::string(1, static_cast<char>(c)) : WordFor(c);
    in_run = letter_or_digit;
  }
  return name;
}

std::string CaseName(double value) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return CaseName(std::u16string(digits, end));
}

}  // namespace testsupport
