#include "navigator/same_condition_statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "basic/past_run_view_tables.h"
#include "basic/value_texts.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "navigator/navigator_tables.h"

namespace navigator {

using model::Text;

namespace {

const Text kNoEvaluation = u" --- ";
const Text kNoFigure = u"---";
const Text kHalfRangeSign = u"±";
constexpr double kDistanceBand = 300;
constexpr double kFirstOtherCourse = 10;  // codes below are the ten central courses

double LeadingNumber(const Text& text) {
  return model::TextToNumber(text);
}

// The text of the usable run with the smallest (best) value, first in slot order on a tie.
const Text& SmallestRun(const std::vector<Text>& runs) {
  return *std::min_element(runs.begin(), runs.end(),
                           [](const Text& a, const Text& b) { return LeadingNumber(a) < LeadingNumber(b); });
}

const Text& LargestRun(const std::vector<Text>& runs) {
  return *std::max_element(runs.begin(), runs.end(),
                           [](const Text& a, const Text& b) { return LeadingNumber(a) < LeadingNumber(b); });
}

// The whole number below the mean in the signed two-digit form ("+05", "-12").
Text MeanText(const std::vector<Text>& runs) {
  double sum = 0;
  for (const Text& run : runs) sum += LeadingNumber(run);
  const double mean = sum / static_cast<double>(runs.size());
  return basic::SignedValueText(model::NumberToText(model::FloorNumber(mean)));
}

// Half the range, halves away from zero, with at least two digits.
Text SpreadText(const Text& best, const Text& worst) {
  const double half = (LeadingNumber(worst) - LeadingNumber(best)) / 2;
  return kHalfRangeSign + model::NumberToPatternText(half, u"00");
}

}  // namespace

RunCondition PastRunCondition(const model::Meeting& meeting, int race, int runner, int b) {
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  const intake::PastRunTables& runs = meeting.Group<intake::PastRunTables>();
  const Text& evaluation = meeting.Group<basic::PastRunViewTables>().RealEvalText[b](runner);
  const double course = LeadingNumber(runs.RunCourseCode[b](race, runner));
  const double distance = LeadingNumber(runs.RunDistance[b](race, runner));
  const double today_distance = LeadingNumber(card.RaceDistance(race));
  const bool usable = evaluation != kNoEvaluation && course < kFirstOtherCourse &&
                      runs.RunSurfaceCode[b](race, runner) == card.RaceSurfaceCode(race) &&
                      today_distance - kDistanceBand <= distance &&
                      distance <= today_distance + kDistanceBand;
  if (!usable) return RunCondition::kOther;
  return course == LeadingNumber(card.RaceCourseCode(race)) ? RunCondition::kSame : RunCondition::kNear;
}

std::array<RunCondition, kPastRuns> PackUsableRuns(model::Meeting& meeting, int race, int runner) {
  NavigatorTables& t = meeting.Group<NavigatorTables>();
  const basic::PastRunViewTables& views = meeting.Group<basic::PastRunViewTables>();
  std::array<RunCondition, kPastRuns> conditions{};
  int slot = 0;
  for (int k = 1; k <= kPastRuns; ++k) {
    const int b = kPastRuns + 1 - k;
    conditions[static_cast<size_t>(k - 1)] = PastRunCondition(meeting, race, runner, b);
    if (conditions[static_cast<size_t>(k - 1)] == RunCondition::kOther) continue;
    t.UsableRunValue(++slot, runner) = views.RealEvalText[b](runner);
  }
  t.UsableRunCount(race, runner) = model::NumberToText(slot);
  return conditions;
}

void StoreRunFigures(model::Meeting& meeting, int race, int runner) {
  NavigatorTables& t = meeting.Group<NavigatorTables>();
  const int count = static_cast<int>(
      std::clamp(LeadingNumber(t.UsableRunCount(race, runner)), 0.0, static_cast<double>(kPastRuns)));
  std::vector<Text> runs;
  for (int slot = 1; slot <= count; ++slot) runs.push_back(t.UsableRunValue(slot, runner));
  if (runs.empty()) {
    t.RunMean(race, runner) = t.RunBest(race, runner) = t.RunWorst(race, runner) = kNoFigure;
    t.RunSpread(race, runner) = kNoFigure;
    return;
  }
  if (runs.size() == 1) {
    t.RunMean(race, runner) = t.RunBest(race, runner) = t.RunWorst(race, runner) = runs.front();
    t.RunSpread(race, runner) = kNoFigure;
    return;
  }
  t.RunMean(race, runner) = MeanText(runs);
  t.RunBest(race, runner) = SmallestRun(runs);
  t.RunWorst(race, runner) = LargestRun(runs);
  t.RunSpread(race, runner) = SpreadText(t.RunBest(race, runner), t.RunWorst(race, runner));
}

}  // namespace navigator
