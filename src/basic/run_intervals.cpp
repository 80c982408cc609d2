#include "basic/run_intervals.h"

#include <array>
#include <optional>

#include "basic/basic_analysis_tables.h"
#include "basic/past_run_view_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace basic {

using model::Text;

namespace {

bool HasDayNumber(const Text& day_number) {
  return day_number != kNoValue;
}

// Any text other than "---" counts by its leading number, so an odd one measures as 0 rather than
// breaking the chain.
double DayValue(const Text& day_number) {
  return model::TextToNumber(day_number);
}

// The day numbers of a runner's runs as read, indexed by run 1 (the last) to 5; none for "---".
using RunDays = std::array<std::optional<double>, model::kPastRuns + 1>;

RunDays ReadRunDays(const model::AnalysedRaceRunnerFamily& day_numbers, int race, int runner) {
  RunDays days;
  for (int run = 1; run <= model::kPastRuns; ++run) {
    const Text& day_number = day_numbers[run](race, runner);
    if (HasDayNumber(day_number)) days[static_cast<size_t>(run)] = DayValue(day_number);
  }
  return days;
}

// The day number the interval of run is measured to: the nearest more recent run that has one,
// else today's race.
double ReferenceDay(const RunDays& days, int run, double today) {
  for (int recent = run - 1; recent >= 1; --recent) {
    if (const std::optional<double>& day = days[static_cast<size_t>(recent)]) return *day;
  }
  return today;
}

// Days from day to later, as a plain whole number ("35", "0", "-7").
Text DaysBetween(double day, double later) {
  return model::NumberToText(later - day);
}

}  // namespace

void ComputeRunIntervals(model::Meeting& meeting, int race, int runner) {
  if (!model::IsRace(race) || !model::IsAnalysedRunner(runner)) return;
  const BasicAnalysisTables& analysis = meeting.Group<BasicAnalysisTables>();
  PastRunViewTables& views = meeting.Group<PastRunViewTables>();
  const double today = DayValue(analysis.TodayDayNumber());
  const RunDays days = ReadRunDays(analysis.RunDayNumber, race, runner);
  for (int run = 1; run <= model::kPastRuns; ++run) {
    Text& interval = views.RunInterval[run](race, runner);
    Text& days_ago = views.RunDaysAgo[run](race, runner);
    const std::optional<double>& day = days[static_cast<size_t>(run)];
    if (!day) {
      interval = kNoValue;
      days_ago = kNoValue;
      continue;
    }
    interval = DaysBetween(*day, ReferenceDay(days, run, today));
    days_ago = DaysBetween(*day, today);
  }
}

}  // namespace basic
