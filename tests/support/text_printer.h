#pragma once
// GoogleTest shows a std::u16string as \x escapes (u"\x6771\x4EAC"). Text is mostly Japanese, so every
// failure that involves a Text, alone or inside a container, prints it as UTF-8 instead (u"東京").
// tests/CMakeLists.txt compiles this header into every test source: a printer seen by some sources
// and not by others would be two definitions of one template, and the linker would keep either.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace testsupport {

// Writes the text as a u"..." literal in UTF-8. Blanks that cannot be told apart by eye (the
// ideographic space and other wide or zero-width blanks), control characters and broken surrogates
// are written as \uXXXX, so that a literal copied from a failure means the same text.
void PrintText(std::u16string_view text, std::ostream* os);

}  // namespace testsupport

namespace testing::internal {

template <>
class UniversalPrinter<std::u16string> {
 public:
  static void Print(const std::u16string& text, std::ostream* os) { testsupport::PrintText(text, os); }
};

}  // namespace testing::internal
