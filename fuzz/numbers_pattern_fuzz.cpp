// Writing a value by a digit pattern and reading it back, fast against plain, on any double and any
// pattern of placeholders, points and other characters (fuzz/numbers_input.h): the common values by
// patterns of zeros, NumberToPatternText and PatternNumberThroughText, for the value and its negation.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "fuzz/numbers_check.h"
#include "fuzz/numbers_input.h"
#include "model/numbers.h"
#include "model/numbers_reference.h"
#include "model/numbers_shortcuts.h"

namespace {

// A pattern of zeros alone, with at most one point, as NumberToPatternText hands it to the shortcut.
void CheckCommonZerosPattern(const fuzz::ValueByPattern& input, const model::Text& plain) {
  const std::u16string_view pattern(input.pattern);
  const size_t point_at = pattern.find(u'.');
  if (pattern.empty() || !model::shortcuts::IsZerosPattern(pattern, point_at)) return;
  const bool has_point = point_at != std::u16string_view::npos;
  const size_t slots = has_point ? point_at : pattern.size();
  const size_t decimals = has_point ? pattern.size() - point_at - 1 : 0;
  if (std::optional<model::Text> fast =
          model::shortcuts::CommonZerosPatternText(input.value, slots, has_point, decimals)) {
    fuzz::ExpectSame("CommonZerosPatternText", input, *fast, plain);
  }
}

void CheckValue(double value, const model::Text& pattern) {
  const fuzz::ValueByPattern input{value, pattern};
  const model::Text plain = model::reference::NumberToPatternText(value, pattern);
  CheckCommonZerosPattern(input, plain);
  fuzz::ExpectSame("NumberToPatternText", input, model::NumberToPatternText(value, pattern), plain);
  const double read = model::reference::TextToNumber(plain);
  if (const std::optional<double> fast = model::shortcuts::PatternReadBackWithoutText(value, pattern)) {
    fuzz::ExpectSame("PatternReadBackWithoutText", input, *fast, read);
  }
  fuzz::ExpectSame("PatternNumberThroughText", input, model::PatternNumberThroughText(value, pattern), read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  fuzz::NumberInput input(data, size);
  const double value = input.Value();
  const model::Text pattern = input.Text(fuzz::kPatternAlphabet);
  CheckValue(value, pattern);
  CheckValue(-value, pattern);
  return 0;
}
