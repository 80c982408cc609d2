#pragma once
// Display texts of evaluation values.

#include "model/text.h"

namespace basic {

// The three-character display text of an evaluation held as text: its sign and two digits, held
// between "-99" and "+99" ("-5" gives "-05", " 0" gives "+00"); "---" stays "---". A value that is not
// whole is first rounded to the nearest whole number, halves away from zero.
model::Text SignedValueText(const model::Text& value_text);

}  // namespace basic
