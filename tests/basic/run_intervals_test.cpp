#include "basic/run_intervals.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "basic/basic_analysis_tables.h"
#include "basic/past_run_view_tables.h"
#include "model/meeting.h"

namespace basic {
namespace {

using model::Text;
using RunTexts = std::array<Text, 5>;  // run 1 (the last run) first

constexpr int kRace = 3;
constexpr int kRunner = 2;
const Text kNone = u"---";

struct IntervalCase {
  const char* what;
  Text today;
  RunTexts day_numbers;
  RunTexts intervals;
  RunTexts days_ago;
};

void WriteDayNumbers(model::Meeting& meeting, int race, int runner, const RunTexts& day_numbers) {
  for (int run = 1; run <= 5; ++run) {
    meeting.Group<BasicAnalysisTables>().RunDayNumber[run](race, runner) = day_numbers[run - 1];
  }
}

RunTexts Read(const model::AnalysedRaceRunnerFamily& family, int race, int runner) {
  RunTexts texts;
  for (int run = 1; run <= 5; ++run) texts[static_cast<size_t>(run - 1)] = family[run](race, runner);
  return texts;
}

TEST(ComputeRunIntervals, MeasuresEachRunToTheNearestMoreRecentRunWithADayNumber) {
  const IntervalCase cases[] = {
      {"all runs with day numbers: run 1 to today, every other run to the run after it",
       u"4400",
       {u"4365", u"4330", u"4300", u"4250", u"4200"},
       {u"35", u"35", u"30", u"50", u"50"},
       {u"35", u"70", u"100", u"150", u"200"}},
      {"a gap at run 2: run 3 measures across it to run 1",
       u"4400",
       {u"4365", kNone, u"4300", u"4250", u"4200"},
       {u"35", kNone, u"65", u"50", u"50"},
       {u"35", kNone, u"100", u"150", u"200"}},
      {"a gap of three runs",
       u"4400",
       {u"4365", kNone, kNone, kNone, u"4200"},
       {u"35", kNone, kNone, kNone, u"165"},
       {u"35", kNone, kNone, kNone, u"200"}},
      {"only run 5: it measures to today's race",
       u"4400",
       {kNone, kNone, kNone, kNone, u"4200"},
       {kNone, kNone, kNone, kNone, u"200"},
       {kNone, kNone, kNone, kNone, u"200"}},
      {"last run not measurable: run 2 is the rest before today",
       u"4400",
       {kNone, u"4330", u"4300", u"4250", u"4200"},
       {kNone, u"70", u"30", u"50", u"50"},
       {kNone, u"70", u"100", u"150", u"200"}},
      {"a horse without past runs",
       u"4400",
       {kNone, kNone, kNone, kNone, kNone},
       {kNone, kNone, kNone, kNone, kNone},
       {kNone, kNone, kNone, kNone, kNone}},
      {"runs on the same day and on today's day give 0",
       u"4400",
       {u"4400", u"4365", u"4365", kNone, u"4365"},
       {u"0", u"35", u"0", kNone, u"0"},
       {u"0", u"35", u"35", kNone, u"35"}},
      {"out of order: a more recent run with the smaller day number gives a negative count",
       u"4400",
       {u"4330", u"4337", u"4300", u"4410", u"4200"},
       {u"70", u"-7", u"37", u"-110", u"210"},
       {u"70", u"63", u"100", u"-10", u"200"}},
      {"an empty day number of today counts as 0",
       u"",
       {u"35", u"10", kNone, u"10", kNone},
       {u"-35", u"25", kNone, u"0", kNone},
       {u"-35", u"-10", kNone, u"-10", kNone}},
      {"only the exact text --- has no day number; any other text counts by its leading number",
       u"4400",
       {u" ---", u"4330x", u"", u"--- ", u"4200"},
       {u"4400", u"-4330", u"4330", u"0", u"-4200"},
       {u"4400", u"70", u"4400", u"4400", u"200"}},
  };
  for (const IntervalCase& c : cases) {
    SCOPED_TRACE(c.what);
    model::Meeting meeting;
    meeting.Group<BasicAnalysisTables>().TodayDayNumber() = c.today;
    WriteDayNumbers(meeting, kRace, kRunner, c.day_numbers);
    ComputeRunIntervals(meeting, kRace, kRunner);
    const PastRunViewTables& views = meeting.Group<PastRunViewTables>();
    EXPECT_EQ(Read(views.RunInterval, kRace, kRunner), c.intervals);
    EXPECT_EQ(Read(views.RunDaysAgo, kRace, kRunner), c.days_ago);
  }
}

// The counts of one runner of one race replace what an earlier analysis left there, and nothing
// else: the other runner positions and the other races keep their counts.
TEST(ComputeRunIntervals, RewritesOnlyTheRunnerOfTheRace) {
  model::Meeting meeting;
  PastRunViewTables& views = meeting.Group<PastRunViewTables>();
  for (int run = 1; run <= 5; ++run) {
    for (int race = 1; race <= 12; ++race) {
      for (int runner = 1; runner <= 18; ++runner) {
        views.RunInterval[run](race, runner) = u"old";
        views.RunDaysAgo[run](race, runner) = u"old";
      }
    }
  }
  meeting.Group<BasicAnalysisTables>().TodayDayNumber() = u"100";
  WriteDayNumbers(meeting, kRace, kRunner, {u"90", kNone, kNone, kNone, kNone});
  ComputeRunIntervals(meeting, kRace, kRunner);
  for (int run = 1; run <= 5; ++run) {
    for (int race = 1; race <= 12; ++race) {
      for (int runner = 1; runner <= 18; ++runner) {
        const bool analysed = race == kRace && runner == kRunner;
        const Text expected = !analysed ? u"old" : run == 1 ? u"10" : kNone;
        EXPECT_EQ(views.RunInterval[run](race, runner), expected) << run << " " << race << " " << runner;
        EXPECT_EQ(views.RunDaysAgo[run](race, runner), expected) << run << " " << race << " " << runner;
      }
    }
  }
}

// The tables hold races 1 to 12 and runners 1 to 18; a position outside them is passed over.
TEST(ComputeRunIntervals, PositionOutsideTheTablesWritesNothing) {
  for (const auto& [race, runner] : {std::pair{0, 1}, std::pair{13, 1}, std::pair{1, 0}, std::pair{1, 19}}) {
    model::Meeting meeting;
    meeting.Group<BasicAnalysisTables>().TodayDayNumber() = u"100";
    EXPECT_NO_THROW(ComputeRunIntervals(meeting, race, runner)) << race << " " << runner;
  }
}

}  // namespace
}  // namespace basic
