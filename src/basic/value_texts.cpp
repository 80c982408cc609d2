#include "basic/value_texts.h"

#include <cmath>

#include "basic/basic_analysis_tables.h"
#include "model/numbers.h"

namespace basic {

namespace {

using model::Text;

constexpr double kShownBound = 99;
const Text kWholePattern = u"0";

// Two digits, with a leading zero below 10. The shown magnitudes are whole numbers up to 99, written
// here directly; anything else goes by the pattern.
Text TwoDigits(double magnitude) {
  if (magnitude >= 0 && magnitude <= kShownBound && magnitude == std::floor(magnitude)) {
    const int whole = static_cast<int>(magnitude);
    return {static_cast<char16_t>(u'0' + whole / 10), static_cast<char16_t>(u'0' + whole % 10)};
  }
  return model::NumberToPatternText(magnitude, u"00");
}

// A sign and two digits.
Text SignedTwoDigits(char16_t sign, double magnitude) {
  Text digits = TwoDigits(magnitude);
  digits.insert(digits.begin(), sign);
  return digits;
}

}  // namespace

Text SignedValueText(const Text& value_text) {
  if (value_text == kNoValue) return kNoValue;
  const double value = model::PatternNumberThroughText(model::TextToNumber(value_text), kWholePattern);
  if (value < -kShownBound) return SignedTwoDigits(u'-', kShownBound);
  if (value < 0) return SignedTwoDigits(u'-', -value);
  if (value > kShownBound) return SignedTwoDigits(u'+', kShownBound);
  return SignedTwoDigits(u'+', value);
}

}  // namespace basic
