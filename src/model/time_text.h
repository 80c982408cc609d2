#pragma once
// A race time in seconds shown as minutes, seconds and tenths ("1.36.3").

#include "model/text.h"

namespace model {

Text SecondsToTimeText(double TimeArg);

}  // namespace model
