#include "basetime/going_correction.h"

#include <gtest/gtest.h>

#include "basetime/base_time_tables.h"
#include "intake/race_card_tables.h"
#include "past_run_fixture.h"

namespace basetime {
namespace {

using model::Text;
using testing::PastRun;
using testing::SetPastRun;

struct CorrectionCase {
  Text distance, surface, going;
  std::optional<Text> expected;
};

TEST(GoingCorrectionText, BySurfaceGoingAndDistance) {
  const CorrectionCase cases[] = {
      // Turf takes time off: a share of d / 10 / 20, at least a tenth.
      {u"1600", u"1", u"1", u"-0.5"},
      {u"1000", u"1", u"1", u"-0.3"},
      {u"2400", u"1", u"2", u"-1.3"},
      {u"2000", u"1", u"3", u"-1.0"},
      // Dirt puts time on: a share of (d / 100)² / 23, 重 with the full factor.
      {u"1200", u"0", u"1", u"+0.4"},
      {u"1800", u"0", u"2", u"+1.5"},
      {u"1700", u"0", u"3", u"+0.3"},
      {u"2400", u"0", u"2", u"+2.6"},
      // Good going, with its leading blank, up to and including 2400 m.
      {u"2400", u"1", u"0", u" 0.0"},
      {u"2400", u"0", u"0", u" 0.0"},
      {u"1000", u"0", u"0", u" 0.0"},
      // Longer than 2400 m: no correction at all, even on good going.
      {u"2401", u"1", u"1", std::nullopt},
      {u"2500", u"0", u"2", std::nullopt},
      {u"2500", u"1", u"0", std::nullopt},
      // A blank distance counts as 0 m and still moves the time by a tenth.
      {u"    ", u"1", u"1", u"-0.1"},
      {u"    ", u"0", u"2", u"+0.1"},
      {u"    ", u"1", u"0", u" 0.0"},
      // Codes outside their lists.
      {u"1600", u" ", u"1", std::nullopt},
      {u"1600", u"1", u" ", std::nullopt},
      {u"1600", u"2", u"0", std::nullopt},
      {u"1600", u"0", u"4", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.distance + u"/" + c.surface + u"/" + c.going));
    EXPECT_EQ(GoingCorrectionText(c.distance, c.surface, c.going), c.expected);
  }
}

struct WinnerCase {
  Text time, correction, position, margin;
  Text expected;
};

TEST(CorrectedWinnerTime, WinnerIgnoresMarginLoserSubtractsIt) {
  const WinnerCase cases[] = {
      {u"95.3", u"-0.5", u"01", u"0.7", u"94.8"},  // a winner's margin field counts as 0.0
      {u"96.1", u"+0.4", u"03", u"0.3", u"96.2"},
      {u"152", u"", u"02", u"0.5", u"151.5"},   // no correction written
      {u"0", u"", u"なし", u"なし", u"0"},      // a run without any data
      {u"0", u"+0.4", u"01", u"なし", u"0.4"},  // a winner without a time
      {u"98.5", u"", u"なし", u"1.5", u"97"},   // no placing is no winner: its margin counts
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.time + u" " + c.correction + u" " + c.position + u" " + c.margin));
    EXPECT_EQ(model::NumberToText(CorrectedWinnerTime(c.time, c.correction, c.position, c.margin)),
              c.expected);
  }
}

TEST(CorrectRunTimes, WritesEveryRunOfCountedRunnersOnly) {
  model::Meeting m;
  intake::RaceCardTables& card = m.Group<intake::RaceCardTables>();
  card.RunnerCount(1) = u"2";
  card.RunnerCount(2) = u"";  // a blank count: no runners
  card.RunnerCount(3) = u"0";
  SetPastRun(m, 1, 1, 1, {.going_code = u"1", .position = u"01", .time_seconds = u"95.3"});
  SetPastRun(m, 1, 2, 4,
             {.distance = u"2500", .position = u"04", .time_seconds = u"152.4", .margin_text = u"0.9"});
  SetPastRun(m, 1, 3, 1, PastRun{});  // beyond the count
  SetPastRun(m, 2, 1, 1, PastRun{});
  SetPastRun(m, 3, 1, 1, PastRun{});

  CorrectRunTimes(m);
  const BaseTimeTables& b = m.Group<BaseTimeTables>();
  EXPECT_EQ(b.RunGoingCorr[1](1, 1), u"-0.5");
  EXPECT_EQ(b.RunWinTimeAdj[1](1, 1), u"94.8");
  EXPECT_EQ(b.RunGoingCorr[4](1, 2), u"");  // 2500 m: left as it was
  EXPECT_EQ(b.RunWinTimeAdj[4](1, 2), u"151.5");
  // Runs without data still get a corrected winner time.
  EXPECT_EQ(b.RunWinTimeAdj[2](1, 1), u"0");
  EXPECT_EQ(b.RunGoingCorr[2](1, 1), u"");
  for (auto [race, runner] : {std::pair{1, 3}, {2, 1}, {3, 1}}) {
    EXPECT_EQ(b.RunWinTimeAdj[1](race, runner), u"") << race << "/" << runner;
    EXPECT_EQ(b.RunGoingCorr[1](race, runner), u"") << race << "/" << runner;
  }
}

TEST(CorrectRunTimes, RunnerLoopStopsAtTheTables28) {
  model::Meeting m;
  m.Group<intake::RaceCardTables>().RunnerCount(1) = u"35";
  SetPastRun(m, 1, 28, 5, PastRun{});
  ASSERT_NO_THROW(CorrectRunTimes(m));
  EXPECT_EQ(m.Group<BaseTimeTables>().RunWinTimeAdj[5](1, 28), u"95.3");
}

}  // namespace
}  // namespace basetime
