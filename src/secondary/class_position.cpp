#include "secondary/class_position.h"

#include <array>
#include <cmath>
#include <optional>

#include "model/numbers.h"

namespace secondary {

using model::Text;

namespace {

constexpr int kGroups = 4;
constexpr int kBands = 5;  // 未, 五, 九, ジ, オ: slowest class first
constexpr double kTopBandWidth = 20;

const Text kNoPosition = u"****";
const Text kBelowAllBands = u"未外";
// The band letters, slowest class first; Ｇ stands above オ, so a value past the オ base reads "Ｇ00".
const std::array<Text, kBands + 1> kBandLetters = {u"未", u"五", u"九", u"ジ", u"オ", u"Ｇ"};

// The bounds of one surface and course group: values at or above top lie below every band; band b
// holds lower[b] up to the lower bound of the band before it (top for 未). オ has no lower limit and
// counts from kTopBandWidth below the lower bound of ジ.
struct BandBounds {
  double top;
  std::array<double, kBands - 1> lower;
};
using BandTable = std::array<BandBounds, kGroups>;

constexpr BandTable kTurfBands = {{
    {40, {10, 4, -8, -13}},
    {39, {9, 3, -8, -14}},
    {37, {7, 2, -5, -9}},
    {39, {9, 3, -6, -11}},
}};

constexpr BandTable kDirtBands = {{
    {43, {13, 5, -9, -16}},
    {42, {12, 6, -11, -18}},
    {40, {10, 3, -7, -13}},
    {40, {10, 3, -6, -10}},
}};

struct CourseInGroup {
  const char16_t* code;
  int group;  // index into a BandTable: course group 1 is 0
};

// 東京, 中山; 京都, 阪神; 中京, 小倉; 福島, 新潟, 札幌, 函館.
constexpr std::array<CourseInGroup, 10> kCourseGroups = {{
    {u"04", 0},
    {u"05", 0},
    {u"00", 1},
    {u"01", 1},
    {u"02", 2},
    {u"03", 2},
    {u"06", 3},
    {u"07", 3},
    {u"08", 3},
    {u"09", 3},
}};
constexpr int kNorthGroup = 3;

// Codes compare whole: " 5", "5" and a blank code have no group.
std::optional<int> CourseGroupOf(const Text& course) {
  for (const CourseInGroup& entry : kCourseGroups) {
    if (course == entry.code) return entry.group;
  }
  return std::nullopt;
}

// A band by index into kBandLetters, with its lower bound (the オ base for オ) and width.
struct Band {
  int index;
  double lower;
  double width;
};

Band BandOf(const BandBounds& bounds, double value) {
  double upper = bounds.top;
  for (int band = 0; band < kBands - 1; ++band) {
    const double lower = bounds.lower[static_cast<size_t>(band)];
    if (value >= lower) return {band, lower, upper - lower};
    upper = lower;
  }
  return {kBands - 1, upper - kTopBandWidth, kTopBandWidth};
}

// 100 at the band's lower bound down to 0 just below its upper bound; over 100 below the オ base.
double PositionIn(const Band& band, double value) {
  const double step = band.width / 100;
  const double distance = value - band.lower;
  return std::floor(100 - distance / step);
}

Text PositionText(int band, double position, bool blank_after_zero) {
  const Text& letter = kBandLetters[static_cast<size_t>(band)];
  if (position >= 100) return kBandLetters[static_cast<size_t>(band + 1)] + u"00";
  if (position <= 0) return letter + (blank_after_zero ? u"00 " : u"00");
  const int whole = static_cast<int>(position);
  return letter + (whole < 10 ? u"0" : u"") + model::NumberToText(whole);
}

constexpr int kBandKyu = 2;
constexpr int kNoBand = -1;

struct SurfaceRules {
  const BandTable& bands;
  // The slow end of one band of one group carries a trailing blank on this surface.
  int blank_group;
  int blank_band;
};

Text ClassPosition(const SurfaceRules& rules, const Text& course, const Text& value_text) {
  if (value_text == u"0") return kNoPosition;
  const std::optional<int> group = CourseGroupOf(course);
  if (!group) return kNoPosition;
  const BandBounds& bounds = rules.bands[static_cast<size_t>(*group)];
  const double value = model::TextToNumber(value_text);
  if (value >= bounds.top) return kBelowAllBands;
  const Band band = BandOf(bounds, value);
  const bool blank_after_zero = *group == rules.blank_group && band.index == rules.blank_band;
  return PositionText(band.index, PositionIn(band, value), blank_after_zero);
}

}  // namespace

// NOLINTBEGIN(readability-identifier-naming): the argument words keep the names the rules give
Text TurfClassPosition(const Text& CourseArg, const Text& ValueArg) {
  return ClassPosition({kTurfBands, kNorthGroup, kNoBand}, CourseArg, ValueArg);
}

Text DirtClassPosition(const Text& CourseArg, const Text& ValueArg) {
  // Course group 4's 九 band writes its slow end as "九00 ".
  return ClassPosition({kDirtBands, kNorthGroup, kBandKyu}, CourseArg, ValueArg);
}
// NOLINTEND(readability-identifier-naming)

}  // namespace secondary
