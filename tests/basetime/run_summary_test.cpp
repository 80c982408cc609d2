#include "basetime/run_summary.h"

#include <gtest/gtest.h>

#include "basetime/base_time_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "past_run_fixture.h"

namespace basetime {
namespace {

using model::Text;
using testing::BlankRun;
using testing::PastRun;
using testing::SetPastRun;

// Builds the summaries of a one-runner race whose last run is the given one.
Text SummaryOf(const PastRun& run, model::Meeting& m) {
  m.Group<intake::RaceCardTables>().RunnerCount(1) = u"1";
  SetPastRun(m, 1, 1, 1, run);
  BuildRunSummaries(m);
  return m.Group<BaseTimeTables>().RunSummary[1](1, 1);
}

Text SummaryOf(const PastRun& run) {
  model::Meeting m;
  return SummaryOf(run, m);
}

struct SummaryCase {
  const char* what;
  PastRun run;
  Text expected;
};

TEST(RunSummary, RecordsOfUsableAndUnusableRuns) {
  const SummaryCase cases[] = {
      {"winner of the worked example", PastRun{}, u"東五16芝良 095.3 0.0  0.0 095.3"},
      {"0.2 s behind it",
       {.position = u"02", .time_seconds = u"95.5", .margin_text = u"0.2"},
       u"東五16芝良 095.5 0.2  0.0 095.3"},
      {"winner whose margin field holds something",
       {.margin_text = u"0.7"},
       u"東五16芝良 095.3 0.0  0.0 095.3"},
      {"corrected dirt loser",
       {.course_name = u"中山",
        .class_name = u"未勝利",
        .distance = u"1200",
        .surface_code = u"0",
        .going_code = u"1",
        .position = u"03",
        .time_seconds = u"73.1",
        .margin_text = u"0.4"},
       u"中未12ダや 073.1 0.4 +0.4 073.1"},
      {"中京 takes 名",
       {.course_name = u"中京", .class_name = u"1600万"},
       u"名ジ16芝良 095.3 0.0  0.0 095.3"},
      {"900万 and 新馬",
       {.course_name = u"阪神", .class_name = u"900万"},
       u"阪九16芝良 095.3 0.0  0.0 095.3"},
      {"オ－プン", {.course_name = u"京都", .class_name = u"オ－プン"}, u"京オ16芝良 095.3 0.0  0.0 095.3"},
      {"foreign course is usable",
       {.course_name = u"外国", .class_name = u"その他"},
       u"外そ16芝良 095.3 0.0  0.0 095.3"},
      {"course outside the list: empty name shortens the record",
       {.course_name = u""},
       u"五16芝良 095.3 0.0  0.0 095.3"},
      {"2500 m: no correction, two blanks",
       {.distance = u"2500", .going_code = u"1", .time_seconds = u"152.0"},
       u"東五25芝や 152.0 0.0  152.0"},
      {"blank distance passes as 0 m", {.distance = u"    "}, u"東五なし芝良 095.3 0.0  0.0 095.3"},
      {"position 28 passes",
       {.position = u"28", .time_seconds = u"97.0", .margin_text = u"1.7"},
       u"東五16芝良 097.0 1.7  0.0 095.3"},
      {"公営", {.course_name = u"公営"}, kUnusableRunMark},
      {"no course", {.course_name = u"なし"}, kUnusableRunMark},
      {"2600 m", {.distance = u"2600"}, kUnusableRunMark},
      {"position 00", {.position = u"00"}, kUnusableRunMark},
      {"blank position", {.position = u"  "}, kUnusableRunMark},
      {"position 29", {.position = u"29"}, kUnusableRunMark},
      {"blank block", BlankRun(), kUnusableRunMark},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SummaryOf(c.run), c.expected);
  }
  EXPECT_EQ(kUnusableRunMark.size(), 31u);
}

// A usable run without a time keeps its computed winner time in the table, but its record carries
// "000.0" so that the accumulation neither sums nor counts it; the same for a winner time of 0 or
// below, which only a damaged margin gives.
TEST(RunSummary, RunsWithoutARealWinnerTimeCarryZero) {
  struct Case {
    const char* what;
    PastRun run;
    Text winner_time, margin, record;
  };
  const Case cases[] = {
      {"winner without a time on heavy dirt",
       {.distance = u"1200",
        .surface_code = u"0",
        .going_code = u"1",
        .time_seconds = u"0",
        .margin_text = u"なし"},
       u"0.4",
       u"0.0",
       u"東五12ダや 000.0 0.0 +0.4 000.0"},
      {"loser without a time: margin subtracted before it becomes 0.0",
       {.distance = u"1200",
        .going_code = u"2",
        .position = u"05",
        .time_seconds = u"0",
        .margin_text = u"1.4"},
       u"-2.1",
       u"0.0",
       u"東五12芝重 000.0 0.0 -0.7 000.0"},
      {"margin larger than the time",
       {.position = u"03", .time_seconds = u"5.0", .margin_text = u"9.9"},
       u"-4.9",
       u"9.9",
       u"東五16芝良 005.0 9.9  0.0 000.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    model::Meeting m;
    EXPECT_EQ(model::ToUtf8(SummaryOf(c.run, m)), model::ToUtf8(c.record));
    EXPECT_EQ(m.Group<BaseTimeTables>().RunWinTimeAdj[1](1, 1), c.winner_time);
    EXPECT_EQ(m.Group<intake::PastRunTables>().RunMarginText[1](1, 1), c.margin);
  }
}

TEST(RunSummary, MarginOfAnUnusableRunWithoutTimeIsLeftAlone) {
  model::Meeting m;
  EXPECT_EQ(
      SummaryOf({.course_name = u"公営", .position = u"04", .time_seconds = u"0", .margin_text = u"1.2"}, m),
      kUnusableRunMark);
  const intake::PastRunTables& past_runs = m.Group<intake::PastRunTables>();
  EXPECT_EQ(past_runs.RunMarginText[1](1, 1), u"1.2");
  // A horse's blank blocks keep their margin text too.
  EXPECT_EQ(past_runs.RunMarginText[2](1, 1), u"");
}

TEST(RunSummary, EachRunIsTestedOnItsOwnPosition) {
  model::Meeting m;
  m.Group<intake::RaceCardTables>().RunnerCount(2) = u"3";
  for (int k = 1; k <= 5; ++k) SetPastRun(m, 2, 3, k, PastRun{});
  m.Group<intake::PastRunTables>().RunPosition[4](2, 3) = u"00";
  BuildRunSummaries(m);
  const BaseTimeTables& base_times = m.Group<BaseTimeTables>();
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(base_times.RunSummary[k](2, 3) == kUnusableRunMark, k == 4) << k;
  }
  // Runners 1 and 2 have no runs: every one is unusable. Runner 4 is beyond the count.
  EXPECT_EQ(base_times.RunSummary[1](2, 1), kUnusableRunMark);
  EXPECT_EQ(base_times.RunSummary[1](2, 4), u"");
}

}  // namespace
}  // namespace basetime
