#pragma once
// A race time in seconds shown as minutes, seconds and tenths ("1.36.3").

#include "model/text.h"

namespace model {

// TimeArg is the seconds text as the tables hold it (" 96.3"); below 60 seconds the text itself
// is shown after "0.", so the text and not only its value is needed.
Text SecondsToTimeText(
    const Text& TimeArg);  // NOLINT(readability-identifier-naming): the name the rules give

// A minute digit, a point, two digits of seconds, a point and a tenths digit ("1.36.2", "0.56.8").
bool IsTimeText(const Text& text);

}  // namespace model
