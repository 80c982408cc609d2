#pragma once
// Names for the cases of parameterised tests, so that ctest lists them readably. GoogleTest takes
// only letters, digits and '_' in a name, so a text is spelled out: letters and digits as they are,
// every other character as a word, joined by '_' (" 57.2" -> "Blank_57_Point_2", "" -> "Empty").

#include <string>
#include <string_view>

namespace testsupport {

std::string CaseName(std::u16string_view text);

// The shortest decimal that reads back as the value, spelled as above (-0.5 -> "Minus_0_Point_5").
std::string CaseName(double value);

}  // namespace testsupport
