#include "navigator/bar_glyph_scale.h"

#include <array>
#include <cstddef>

#include "analysis/analysis_window_tables.h"
#include "navigator/whole_tenths.h"
#include "secondary/secondary_analysis_tables.h"

namespace navigator {

using model::Text;

namespace {

const Text kGlyph = u"■";
const Text kMissing = u" ";

// Upper bounds (included) of 1 to 11 glyphs of 総合力, in tenths; above the last, 12.
constexpr std::array<long long, 11> kOverallBounds = {1000, 1300, 1500, 1600, 1700, 1800,
                                                      1900, 2000, 2150, 2300, 2450};
// Lower bounds (included) of 2 to 7 glyphs of パワ－, in tenths; below the first, 1.
constexpr std::array<long long, 6> kPowerBounds = {0, 100, 200, 300, 400, 500};
// Glyphs of the grades 6 to 9; every grade from 0 to 5 has one.
constexpr std::array<int, 4> kHighGradeGlyphs = {2, 3, 5, 7};

// Glyphs of a 3-furlong mean by its distance behind the race's best: 5 from the best up to the first
// margin, one fewer for each margin passed (margins in tenths, nearest first); none ahead of the best.
std::optional<Text> PaceBar(const Text& mean, const Text& race_best,
                            const std::array<long long, 4>& margins) {
  if (mean == secondary::kNoFurlongTime) return kMissing;
  const long long behind = WholeTenths(mean) - WholeTenths(race_best);
  if (behind < 0) return std::nullopt;
  int glyphs = 5;
  for (long long margin : margins) {
    if (behind >= margin) --glyphs;
  }
  return BarGlyphs(glyphs);
}

}  // namespace

Text BarGlyphs(int count) {
  Text bar;
  for (int k = 0; k < count; ++k) bar += kGlyph;
  return bar;
}

std::optional<Text> OverallBar(const Text& overall_eval) {
  const long long v = WholeTenths(overall_eval);
  if (v < 0) return std::nullopt;
  if (v == 0) return kMissing;
  int glyphs = 1;
  for (long long bound : kOverallBounds) {
    if (v > bound) ++glyphs;
  }
  return BarGlyphs(glyphs);
}

std::optional<Text> SpeedBar(const Text& grade) {
  if (grade == secondary::kGradeBeyondSteps || grade == secondary::kNoGrade) return kMissing;
  const long long g = WholeTenths(grade);
  if (g < 0 || g > 90) return std::nullopt;
  if (g <= 50) return BarGlyphs(1);
  if (g % 10 != 0) return std::nullopt;
  return BarGlyphs(kHighGradeGlyphs[static_cast<size_t>(g / 10 - 6)]);
}

std::optional<Text> PowerBar(const Text& aptitude) {
  if (aptitude == analysis::kNoAptitude) return kMissing;
  const long long a = WholeTenths(aptitude);
  int glyphs = 1;
  for (long long bound : kPowerBounds) {
    if (a >= bound) ++glyphs;
  }
  return BarGlyphs(glyphs);
}

std::optional<Text> FrontRunningBar(const Text& front_mean, const Text& race_best) {
  return PaceBar(front_mean, race_best, {5, 10, 15, 20});
}

std::optional<Text> ClosingBar(const Text& back_mean, const Text& race_best) {
  return PaceBar(back_mean, race_best, {3, 6, 10, 15});
}

}  // namespace navigator
