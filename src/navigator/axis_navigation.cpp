#include "navigator/axis_navigation.h"

#include "basic/basic_analysis_tables.h"
#include "basic/past_run_view_tables.h"
#include "navigator/navigator_tables.h"
#include "navigator/whole_tenths.h"
#include "secondary/secondary_analysis_tables.h"

namespace navigator {

using model::Text;

namespace {

constexpr long long kRestLimit = 600;    // 60 days, strictly below
constexpr long long kDiff6FLimit = 120;  // 12 tenths behind the field's best
constexpr long long kSpeedMargin = 100;
constexpr long long kAbilityMargin = 120;
constexpr long long kBack3FMargin = 12;

CriterionResult Outcome(bool passed) {
  return passed ? CriterionResult::kPassed : CriterionResult::kFailed;
}

// A value passes at or below its limit unless its text is the missing marker.
CriterionResult AtMost(const Text& value, const Text& missing, long long limit) {
  return Outcome(value != missing && WholeTenths(value) <= limit);
}

}  // namespace

std::array<Criterion, kCriteria> CategoryCriteria(DistanceCategory category) {
  using enum Criterion;
  switch (category) {
    case DistanceCategory::kMiddle:
      return {kRest, kSpeed, kAbility, kTotal6F, kMean};
    case DistanceCategory::kLong:
      return {kRest, kSpeed, kAbility, kMean, kBack3F};
    case DistanceCategory::kShort:
    case DistanceCategory::kNone:
      break;
  }
  return {kRest, kTotal6F, kSpeed, kAbility, kMean};
}

NavigationLimits LimitsOf(const model::Meeting& meeting, int race, int runner_count) {
  const secondary::SecondaryAnalysisTables& s = meeting.Group<secondary::SecondaryAnalysisTables>();
  const long long level = WholeTenths(s.RaceTimeLevel(race));
  long long best_back_3f = WholeTenths(secondary::kNoRaceBest3F);
  for (int j = 1; j <= runner_count; ++j) {
    const Text& back_3f = s.Back3FText(j);
    if (back_3f != secondary::kNoFurlongTimeText && WholeTenths(back_3f) < best_back_3f)
      best_back_3f = WholeTenths(back_3f);
  }
  return {.speed = level + kSpeedMargin,
          .ability = level + kAbilityMargin,
          .back_3f = best_back_3f + kBack3FMargin};
}

Text ShownText(const model::Meeting& meeting, int race, int runner, Criterion criterion) {
  const secondary::SecondaryAnalysisTables& s = meeting.Group<secondary::SecondaryAnalysisTables>();
  switch (criterion) {
    case Criterion::kRest:
      return meeting.Group<basic::PastRunViewTables>().RunInterval[1](race, runner);
    case Criterion::kTotal6F:
      return s.Total6FText(runner);
    case Criterion::kSpeed:
      return s.SpeedValueText(runner);
    case Criterion::kAbility:
      return s.CurrentAbilityText(runner);
    case Criterion::kMean:
      return meeting.Group<NavigatorTables>().RunMean(race, runner);
    case Criterion::kBack3F:
      return s.Back3FText(runner);
  }
  return {};
}

CriterionResult TestCriterion(const model::Meeting& meeting, int race, int runner, Criterion criterion,
                              const NavigationLimits& limits) {
  const secondary::SecondaryAnalysisTables& s = meeting.Group<secondary::SecondaryAnalysisTables>();
  switch (criterion) {
    case Criterion::kRest: {
      const Text& days = meeting.Group<basic::PastRunViewTables>().RunInterval[1](race, runner);
      return Outcome(days != basic::kNoValue && WholeTenths(days) < kRestLimit);
    }
    case Criterion::kTotal6F:
      return AtMost(s.Diff6FText(runner), secondary::kNo6FDiff, kDiff6FLimit);
    case Criterion::kSpeed:
      return AtMost(s.SpeedValue(runner), secondary::kNoValue, limits.speed);
    case Criterion::kAbility:
      return AtMost(s.CurrentAbility(runner), secondary::kNoValue, limits.ability);
    case Criterion::kMean: {
      const NavigatorTables& t = meeting.Group<NavigatorTables>();
      return Outcome(t.RunSpread(race, runner) != kNoFigure &&
                     WholeTenths(t.RunMean(race, runner)) <= limits.ability);
    }
    case Criterion::kBack3F:
      if (s.Back3FText(runner) == secondary::kNoFurlongTimeText) return CriterionResult::kUntested;
      return Outcome(WholeTenths(s.Back3FText(runner)) <= limits.back_3f);
  }
  return CriterionResult::kUntested;
}

RunnerNavigation NavigateRunner(const model::Meeting& meeting, int race, int runner,
                                DistanceCategory category, const NavigationLimits& limits) {
  RunnerNavigation row;
  const std::array<Criterion, kCriteria> criteria = CategoryCriteria(category);
  for (size_t k = 0; k < criteria.size(); ++k) row.shown[k] = ShownText(meeting, race, runner, criteria[k]);
  for (size_t k = 0; k < criteria.size(); ++k) {
    const CriterionResult result = TestCriterion(meeting, race, runner, criteria[k], limits);
    const bool last = k + 1 == criteria.size();
    if (last) {
      row.results[k] = result;
      if (result == CriterionResult::kPassed) row.mark = AxisMark::kA;
      if (result == CriterionResult::kFailed) row.mark = AxisMark::kB;
      break;
    }
    if (result == CriterionResult::kFailed) {
      for (size_t rest = k; rest < criteria.size(); ++rest) row.results[rest] = CriterionResult::kFailed;
      break;
    }
    row.results[k] = CriterionResult::kPassed;
  }
  return row;
}

}  // namespace navigator
