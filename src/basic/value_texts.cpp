#include "basic/value_texts.h"

#include "model/numbers.h"

namespace basic {

namespace {

using model::Text;

const Text kNoValue = u"---";
constexpr double kShownBound = 99;

// Two digits, with a leading zero below 10.
Text TwoDigits(double magnitude) {
  return model::NumberToPatternText(magnitude, u"00");
}

}  // namespace

Text SignedValueText(const Text& value_text) {
  if (value_text == kNoValue) return kNoValue;
  const double value = model::TextToNumber(model::NumberToPatternText(model::TextToNumber(value_text), u"0"));
  if (value < -kShownBound) return u"-" + TwoDigits(kShownBound);
  if (value < 0) return u"-" + TwoDigits(-value);
  if (value > kShownBound) return u"+" + TwoDigits(kShownBound);
  return u"+" + TwoDigits(value);
}

}  // namespace basic
