#include "tests/support/text_printer.h"

#include <cstdio>

namespace testsupport {
namespace {

bool IsSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDFFF;
}

// Characters whose glyph does not show which character it is.
bool NeedsEscape(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0xA0) || (c >= 0x2000 && c <= 0x200F) ||
         (c >= 0x2028 && c <= 0x202F) || c == 0x3000 || c == 0xFEFF || IsSurrogate(c);
}

void WriteUtf8(char32_t c, std::ostream& os) {
  if (c < 0x80) {
    os << static_cast<char>(c);
  } else if (c < 0x800) {
    os << static_cast<char>(0xC0 | (c >> 6)) << static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    os << static_cast<char>(0xE0 | (c >> 12)) << static_cast<char>(0x80 | ((c >> 6) & 0x3F))
       << static_cast<char>(0x80 | (c & 0x3F));
  } else {
    os << static_cast<char>(0xF0 | (c >> 18)) << static_cast<char>(0x80 | ((c >> 12) & 0x3F))
       << static_cast<char>(0x80 | ((c >> 6) & 0x3F)) << static_cast<char>(0x80 | (c & 0x3F));
  }
}

void WriteEscaped(char32_t c, std::ostream& os) {
  switch (c) {
    case u'\t':
      os << "\\t";
      return;
    case u'\n':
      os << "\\n";
      return;
    case u'\r':
      os << "\\r";
      return;
    default:
      char code[8];
      std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
      os << code;
  }
}

}  // namespace

void PrintText(std::u16string_view text, std::ostream* os) {
  *os << "u\"";
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (c == u'"' || c == u'\\') {
      *os << '\\' << static_cast<char>(c);
    } else if (NeedsEscape(c)) {
      WriteEscaped(c, *os);
    } else {
      WriteUtf8(c, *os);
    }
  }
  *os << '"';
}

}  // namespace testsupport
