#pragma once
// The sums and differences the base-time build keeps as table texts, worked on whole tenths. The
// texts it adds are times, margins, corrections and counts of at most one decimal; on those the
// tenths give the very text that reading both, adding the doubles and writing the result gives,
// without the conversions. Any other text gets nothing here and takes the double arithmetic.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "model/text.h"

namespace basetime {

// NumberToText(TextToNumber(a) + TextToNumber(b)) when a and b are both empty or plain
// non-negative decimals (digits, at most one after a point).
std::optional<model::Text> SumOfTenthsTexts(const model::Text& a, const model::Text& b);
// The same text written over out (which may be a or b); false, out untouched, where
// SumOfTenthsTexts gives nothing.
bool SumOfTenthsTextsInto(const model::Text& a, const model::Text& b, model::Text& out);

// NumberToText(TextToNumber(a) + TextToNumber(b) - TextToNumber(c)) when a and c are empty or
// plain non-negative decimals, b is empty or such a decimal after blanks or a sign, and the result
// is not much smaller than its terms (a time, its correction and its margin).
std::optional<model::Text> SumLessTenthsText(const model::Text& a, const model::Text& b,
                                             const model::Text& c);

// NumberToPatternText(tenths / 10.0, pattern) for the pattern of whole_places zeros, a point and
// one zero ("0.0"), when the tenths are below 10^13 either way: the value is exact in the 15-digit
// form that the pattern rounds.
std::optional<model::Text> TenthsPatternText(std::int64_t tenths, size_t whole_places);

// NumberToPatternText(TextToNumber(text), pattern) for the pattern of whole_places zeros, a point
// and one zero ("000.0"), when the text is empty or a plain non-negative decimal: its tenths are
// exact in the 15-digit form that the pattern rounds.
std::optional<model::Text> PaddedTenthsText(const model::Text& text, size_t whole_places);
// The same text appended to out; false, out untouched, where PaddedTenthsText gives nothing.
bool AppendPaddedTenthsText(const model::Text& text, size_t whole_places, model::Text& out);

// TextToNumber(text) rounded half away from zero to tenths, as NumberToPatternText rounds it to
// one decimal, when the text is empty or a plain non-negative decimal (any number of places) of
// at most 15 significant digits below 10^12: such a decimal is exactly the 15-digit form of the
// double it reads as, and the pattern rounds that form.
std::optional<std::int64_t> RoundedTenths(const model::Text& text);

// The mean TextToNumber(sum) / TextToNumber(count) in tenths, rounded half away from zero as
// NumberToPatternText rounds it to one decimal, when the sum is empty or a plain non-negative
// decimal, the count a plain whole number from 1 to 10^6 and the mean below 10^4: the nearest
// halfway point then lies far beyond the errors of the doubles and of the 15-digit form.
std::optional<std::int64_t> MeanTenths(const model::Text& sum, const model::Text& count);

}  // namespace basetime
