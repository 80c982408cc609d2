#include "basic/run_intervals.h"

#include "basic/basic_analysis_tables.h"
#include "basic/past_run_view_tables.h"
#include "model/numbers.h"

namespace basic {

using model::Text;

namespace {

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;
constexpr int kRuns = 5;
const Text kNoDays = u"---";

bool HasDayNumber(const Text& day_number) {
  return day_number != kNoDays;
}

// Any text other than "---" counts by its leading number, so an odd one measures as 0 rather than
// breaking the chain.
double DayValue(const Text& day_number) {
  return model::TextToNumber(day_number);
}

// The day number the interval of run is measured to: the nearest more recent run that has one,
// else today's race.
double ReferenceDay(const model::AnalysedRaceRunnerFamily& day_numbers, int race, int runner, int run,
                    double today) {
  for (int recent = run - 1; recent >= 1; --recent) {
    const Text& day_number = day_numbers[recent](race, runner);
    if (HasDayNumber(day_number)) return DayValue(day_number);
  }
  return today;
}

// Days from day to later, as a plain whole number ("35", "0", "-7").
Text DaysBetween(double day, double later) {
  return model::NumberToText(later - day);
}

}  // namespace

void ComputeRunIntervals(model::Meeting& meeting, int race, int runner) {
  if (race < 1 || race > kRaces || runner < 1 || runner > kRunnersHeld) return;
  const BasicAnalysisTables& analysis = meeting.Group<BasicAnalysisTables>();
  PastRunViewTables& views = meeting.Group<PastRunViewTables>();
  const double today = DayValue(analysis.TodayDayNumber());
  for (int run = 1; run <= kRuns; ++run) {
    const Text& day_number = analysis.RunDayNumber[run](race, runner);
    Text& interval = views.RunInterval[run](race, runner);
    Text& days_ago = views.RunDaysAgo[run](race, runner);
    if (!HasDayNumber(day_number)) {
      interval = kNoDays;
      days_ago = kNoDays;
      continue;
    }
    const double day = DayValue(day_number);
    interval = DaysBetween(day, ReferenceDay(analysis.RunDayNumber, race, runner, run, today));
    days_ago = DaysBetween(day, today);
  }
}

}  // namespace basic
