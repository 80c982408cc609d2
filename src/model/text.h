#pragma once
// Every table cell and control text: UTF-16, one code unit per character, so that
// character positions count a full-width character as one.

#include <string>
#include <string_view>

namespace model {

using Text = std::u16string;

// UTF-8 at the program's edges (source literals, output, file names). Bytes that are not UTF-8
// read as U+FFFD, one for each byte that cannot start a character and one for each sequence cut
// short, so that no other character is ever made up from them.
Text FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view text);

}  // namespace model
