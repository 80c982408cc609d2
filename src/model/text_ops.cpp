#include "model/text_ops.h"

#include <algorithm>

namespace model {

int Len(const Text& text) {
  return static_cast<int>(text.size());
}

Text Mid(const Text& text, int start, int length) {
  if (length <= 0) return {};
  start = std::max(start, 1);
  if (start > Len(text)) return {};
  const size_t from = static_cast<size_t>(start - 1);
  return Text(text.data() + from, std::min(static_cast<size_t>(length), text.size() - from));
}

std::u16string_view MidView(std::u16string_view text, int start, int length) {
  if (length <= 0) return {};
  start = std::max(start, 1);
  if (start > static_cast<int>(text.size())) return {};
  const size_t from = static_cast<size_t>(start - 1);
  return text.substr(from, std::min(static_cast<size_t>(length), text.size() - from));
}

Text Mid(const Text& text, int start) {
  start = std::max(start, 1);
  if (start > Len(text)) return {};
  const size_t from = static_cast<size_t>(start - 1);
  return Text(text.data() + from, text.size() - from);
}

Text Left(const Text& text, int length) {
  if (length <= 0) return {};
  return text.substr(0, static_cast<size_t>(length));
}

Text Right(const Text& text, int length) {
  if (length <= 0) return {};
  size_t count = std::min(static_cast<size_t>(length), text.size());
  return text.substr(text.size() - count);
}

int InStr(const Text& text, const Text& what, int start) {
  start = std::max(start, 1);
  if (start > Len(text)) return 0;
  if (what.empty()) return start;
  size_t found = text.find(what, static_cast<size_t>(start - 1));
  return found == Text::npos ? 0 : static_cast<int>(found) + 1;
}

Text LTrim(const Text& text) {
  size_t first = text.find_first_not_of(u' ');
  return first == Text::npos ? Text() : text.substr(first);
}

Text RTrim(const Text& text) {
  size_t last = text.find_last_not_of(u' ');
  return last == Text::npos ? Text() : text.substr(0, last + 1);
}

std::u16string_view TrimView(std::u16string_view text) {
  const size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') + 1 - first);
}

Text Trim(const Text& text) {
  return Text(TrimView(text));
}

Text Spaces(int count) {
  return count > 0 ? Text(static_cast<size_t>(count), u' ') : Text();
}

}  // namespace model
