#include "model/text.h"

namespace model {

namespace {

// The bytes that may follow a lead byte as its first continuation, as well-formed UTF-8 allows
// them (no overlong forms, no surrogates, nothing above U+10FFFF); {0, 0} for a byte that cannot
// lead.
struct Lead {
  int continuations;
  unsigned char low, high;
};

Lead LeadOf(unsigned char c) {
  if (c >= 0xC2 && c <= 0xDF) return {1, 0x80, 0xBF};
  if (c == 0xE0) return {2, 0xA0, 0xBF};
  if (c == 0xED) return {2, 0x80, 0x9F};
  if (c >= 0xE1 && c <= 0xEF) return {2, 0x80, 0xBF};
  if (c == 0xF0) return {3, 0x90, 0xBF};
  if (c >= 0xF1 && c <= 0xF3) return {3, 0x80, 0xBF};
  if (c == 0xF4) return {3, 0x80, 0x8F};
  return {0, 0, 0};
}

}  // namespace

Text FromUtf8(std::string_view utf8) {
  Text out;
  size_t i = 0;
  while (i < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[i++]);
    if (c < 0x80) {
      out.push_back(c);
      continue;
    }
    const Lead lead = LeadOf(c);
    if (lead.continuations == 0) {
      out.push_back(0xFFFD);
      continue;
    }
    // A sequence cut short stands for one U+FFFD; the byte that cut it is read afresh.
    char32_t cp = c & (0x3F >> lead.continuations);
    bool whole = true;
    for (int k = 0; k < lead.continuations; ++k) {
      const unsigned char low = k == 0 ? lead.low : 0x80, high = k == 0 ? lead.high : 0xBF;
      if (i >= utf8.size() || static_cast<unsigned char>(utf8[i]) < low ||
          static_cast<unsigned char>(utf8[i]) > high) {
        whole = false;
        break;
      }
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3F);
    }
    if (!whole) {
      out.push_back(0xFFFD);
    } else if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace model
