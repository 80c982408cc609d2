#pragma once
// The class position of an evaluation value: which of the five race-class bands of today's surface
// and course it falls in, and how far towards the band's fast end (00 to 99), as "九45"; "Ｇ00" above
// every band, "未外" below them all, "****" for no position.

#include "model/text.h"

namespace secondary {

// CourseArg is the course code ("05"), ValueArg the evaluation value as the tables hold it (" 12.3",
// " + 5.0"). The text "0" is a value not yet known and has no position, and neither has a course
// outside the four course groups.
// NOLINTBEGIN(readability-identifier-naming): the argument words keep the names the rules give
model::Text TurfClassPosition(const model::Text& CourseArg, const model::Text& ValueArg);
model::Text DirtClassPosition(const model::Text& CourseArg, const model::Text& ValueArg);
// NOLINTEND(readability-identifier-naming)

}  // namespace secondary
