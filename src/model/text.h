#pragma once
// Every table cell and control text: UTF-16, one code unit per character, so that
// character positions count a full-width character as one.

#include <string>
#include <string_view>

namespace model {

using Text = std::u16string;

// UTF-8 at the program's edges (source literals, output, file names).
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view text);

}  // namespace model
