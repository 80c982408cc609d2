#pragma once
// The plain conversions that the fast ones (numbers.h, numbers_shortcuts.h) must equal byte for byte
// and bit for bit: each writes or reads the whole decimal text through the standard library's own
// conversions, with no shortcut. Slow; the program does not use them, tests and fuzz targets do.

#include <string>
#include <string_view>

#include "model/text.h"

namespace model::reference {

// A finite value rounded to 15 significant digits: 0.<digits> x 10^point, digits without leading or
// trailing zeros, none for zero.
struct FifteenDigitDecimal {
  bool negative = false;
  std::string digits;
  int point = 0;
};
FifteenDigitDecimal ToFifteenDigits(double value);

double TextToNumber(std::u16string_view text);
Text NumberToText(double value);
Text NumberToSpacedText(double value);
Text NumberToPatternText(double value, std::u16string_view pattern);

// The text round trips: what TextToNumber reads from the text written.
double NumberThroughText(double value);
double PatternNumberThroughText(double value, std::u16string_view pattern);

}  // namespace model::reference
