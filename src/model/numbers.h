#pragma once
// Conversions between table texts and numbers. Locale-independent; double precision throughout.

#include "model/text.h"

namespace model {

// Skips blanks anywhere; optional sign; digits with at most one point; optional exponent;
// stops at the first other character; 0 for a text without digits.
double TextToNumber(const Text& text);
// The same for a piece of a text, read without copying it.
double TextToNumber(std::u16string_view text);
double TextToNumber(const char16_t* text);  // a literal would otherwise fit both of the above

// Shortest decimal text with at most 15 significant digits, never in exponent form.
Text NumberToText(double value);
// What TextToNumber reads from the text NumberToText writes, without writing it.
double NumberThroughText(double value);
// As NumberToText, with one leading blank when not negative and no zero before the point.
Text NumberToSpacedText(double value);
// Formats by a digit pattern of "0", "#" and "."; half away from zero on the 15-digit decimal form.
Text NumberToPatternText(double value, const Text& pattern);
// What TextToNumber reads from the text NumberToPatternText writes, without writing it where it can.
double PatternNumberThroughText(double value, const Text& pattern);
// The greatest whole number not above the argument.
double FloorNumber(double value);

}  // namespace model
