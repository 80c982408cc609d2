#include "navigator/same_condition_statistics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "basic/past_run_view_tables.h"
#include "basic/value_texts.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "navigator/navigator_tables.h"

namespace navigator {

using model::Text;

namespace {

const Text kHalfRangeSign = u"±";
constexpr double kDistanceBand = 300;
constexpr double kFirstOtherCourse = 10;  // codes below are the ten central courses

double LeadingNumber(const Text& text) {
  return model::TextToNumber(text);
}

// The leading numbers of the usable runs, read once for the mean, best, worst and spread.
std::vector<double> RunNumbers(const std::vector<const Text*>& runs) {
  std::vector<double> numbers;
  numbers.reserve(runs.size());
  for (const Text* run : runs) numbers.push_back(LeadingNumber(*run));
  return numbers;
}

// The text of the usable run with the smallest (best) value, first in slot order on a tie.
const Text& SmallestRun(const std::vector<const Text*>& runs, const std::vector<double>& numbers) {
  return *runs[static_cast<size_t>(std::min_element(numbers.begin(), numbers.end()) - numbers.begin())];
}

const Text& LargestRun(const std::vector<const Text*>& runs, const std::vector<double>& numbers) {
  return *runs[static_cast<size_t>(std::max_element(numbers.begin(), numbers.end()) - numbers.begin())];
}

// The whole number below the mean in the signed two-digit form ("+05", "-12").
Text MeanText(const std::vector<double>& numbers) {
  double sum = 0;
  for (const double number : numbers) sum += number;
  const double mean = sum / static_cast<double>(numbers.size());
  return basic::SignedValueText(model::NumberToText(model::FloorNumber(mean)));
}

// Half the range, halves away from zero, with at least two digits.
Text SpreadText(const Text& best, const Text& worst) {
  const double half = (LeadingNumber(worst) - LeadingNumber(best)) / 2;
  return kHalfRangeSign + model::NumberToPatternText(half, u"00");
}

// The tables a run's condition is read from, and today's race as every run is compared with it.
struct ConditionSources {
  const intake::RaceCardTables& card;
  const intake::PastRunTables& runs;
  const basic::PastRunViewTables& views;
};
struct TodaysRace {
  const Text& surface;
  double distance;
  double course;
};

ConditionSources SourcesOf(const model::Meeting& meeting) {
  return {meeting.Group<intake::RaceCardTables>(), meeting.Group<intake::PastRunTables>(),
          meeting.Group<basic::PastRunViewTables>()};
}

TodaysRace TodaysRaceOf(const ConditionSources& s, int race) {
  return {s.card.RaceSurfaceCode(race), LeadingNumber(s.card.RaceDistance(race)),
          LeadingNumber(s.card.RaceCourseCode(race))};
}

RunCondition ConditionOf(const ConditionSources& s, const TodaysRace& today, int race, int runner, int b) {
  const Text& evaluation = s.views.RealEvalText[b](runner);
  const double course = LeadingNumber(s.runs.RunCourseCode[b](race, runner));
  const double distance = LeadingNumber(s.runs.RunDistance[b](race, runner));
  const bool usable = evaluation != basic::kNoRealEval && course < kFirstOtherCourse &&
                      s.runs.RunSurfaceCode[b](race, runner) == today.surface &&
                      today.distance - kDistanceBand <= distance &&
                      distance <= today.distance + kDistanceBand;
  if (!usable) return RunCondition::kOther;
  return course == today.course ? RunCondition::kSame : RunCondition::kNear;
}

}  // namespace

RunCondition PastRunCondition(const model::Meeting& meeting, int race, int runner, int b) {
  const ConditionSources sources = SourcesOf(meeting);
  return ConditionOf(sources, TodaysRaceOf(sources, race), race, runner, b);
}

std::array<RunCondition, model::kPastRuns> PackUsableRuns(model::Meeting& meeting, int race, int runner) {
  NavigatorTables& t = meeting.Group<NavigatorTables>();
  const ConditionSources sources = SourcesOf(meeting);
  const TodaysRace today = TodaysRaceOf(sources, race);
  std::array<RunCondition, model::kPastRuns> conditions{};
  int slot = 0;
  for (int k = 1; k <= model::kPastRuns; ++k) {
    const int b = model::kPastRuns + 1 - k;
    conditions[static_cast<size_t>(k - 1)] = ConditionOf(sources, today, race, runner, b);
    if (conditions[static_cast<size_t>(k - 1)] == RunCondition::kOther) continue;
    t.UsableRunValue(++slot, runner) = sources.views.RealEvalText[b](runner);
  }
  t.UsableRunCount(race, runner) = model::NumberToText(slot);
  return conditions;
}

void StoreRunFigures(model::Meeting& meeting, int race, int runner) {
  NavigatorTables& t = meeting.Group<NavigatorTables>();
  const int count = static_cast<int>(
      std::clamp(LeadingNumber(t.UsableRunCount(race, runner)), 0.0, static_cast<double>(model::kPastRuns)));
  std::vector<const Text*> runs;
  for (int slot = 1; slot <= count; ++slot) runs.push_back(&t.UsableRunValue(slot, runner));
  if (runs.empty()) {
    t.RunMean(race, runner) = t.RunBest(race, runner) = t.RunWorst(race, runner) = kNoFigure;
    t.RunSpread(race, runner) = kNoFigure;
    return;
  }
  if (runs.size() == 1) {
    t.RunMean(race, runner) = t.RunBest(race, runner) = t.RunWorst(race, runner) = *runs.front();
    t.RunSpread(race, runner) = kNoFigure;
    return;
  }
  const std::vector<double> numbers = RunNumbers(runs);
  t.RunMean(race, runner) = MeanText(numbers);
  t.RunBest(race, runner) = SmallestRun(runs, numbers);
  t.RunWorst(race, runner) = LargestRun(runs, numbers);
  t.RunSpread(race, runner) = SpreadText(t.RunBest(race, runner), t.RunWorst(race, runner));
}

}  // namespace navigator
