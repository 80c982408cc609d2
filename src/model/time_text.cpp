#include "model/time_text.h"

#include <cmath>

#include "model/numbers.h"
#include "model/text_ops.h"

namespace model {

namespace {}  // namespace

bool IsTimeText(const Text& text) {
  return text.size() == 6 && IsAsciiDigit(text[0]) && text[1] == u'.' && IsAsciiDigit(text[2]) &&
         IsAsciiDigit(text[3]) && text[4] == u'.' && IsAsciiDigit(text[5]);
}

Text SecondsToTimeText(const Text& TimeArg) {  // NOLINT(readability-identifier-naming)
  double seconds = TextToNumber(TimeArg);
  if (seconds < 60) return u"0." + Trim(TimeArg);

  // Whole seconds and tenths come from the decimal text of the value: 96.3 is stored as a double
  // just below 96.3, and the shown time must still read .3.
  Text decimal = NumberToText(seconds);
  size_t point = decimal.find(u'.');
  double whole = std::isfinite(seconds) ? TextToNumber(decimal.substr(0, point)) : seconds;
  Text tenths = point == Text::npos ? Text(u"0") : decimal.substr(point + 1, 1);

  // There is no minute digit above 3: from 240 seconds on the seconds part reads 60 and more.
  int minute = whole < 120 ? 1 : whole < 180 ? 2 : 3;
  double within_minute = whole - 60.0 * minute;
  Text seconds_text = NumberToText(within_minute);
  if (within_minute < 10) seconds_text = u"0" + seconds_text;
  return NumberToText(minute) + u"." + seconds_text + u"." + tenths;
}

}  // namespace model
