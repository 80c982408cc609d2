#pragma once
// The evaluation window's index bars: each scale turns a runner's value into a run of 1 to 12 "■"
// glyphs, " " for a missing value, or nothing (the cell is left as it is) for a case no scale
// covers. Values compare with their limits in whole tenths.

#include <optional>

#include "model/text.h"

namespace navigator {

// "■" repeated count times.
model::Text BarGlyphs(int count);

// 総合力 from the overall evaluation: 0 " ", up to 12 glyphs above 245; negative: none.
std::optional<model::Text> OverallBar(const model::Text& overall_eval);
// スピ－ド from grade ② ("0" to "9"): "*" and "-" " "; a grade outside 0 to 9: none.
std::optional<model::Text> SpeedBar(const model::Text& grade);
// パワ－ from the good-going dirt aptitude: "---" " ", else 1 (negative) to 7 glyphs (50 and up).
std::optional<model::Text> PowerBar(const model::Text& aptitude);
// 先行度 and 追込度 from a 3-furlong mean against the race's best: "**.*" " ", 5 glyphs at the best
// down to 1 far behind it; faster than the best: none.
std::optional<model::Text> FrontRunningBar(const model::Text& front_mean, const model::Text& race_best);
std::optional<model::Text> ClosingBar(const model::Text& back_mean, const model::Text& race_best);

}  // namespace navigator
