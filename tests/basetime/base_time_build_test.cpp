#include "basetime/base_time_build.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>

#include "basetime/base_time_tables.h"
#include "basetime/class_average.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "past_run_fixture.h"
#include "recording_grid.h"

namespace basetime {
namespace {

using model::Text;
using testing::BlankRun;
using testing::PastRun;
using testing::RecordingGrid;
using testing::SetPastRun;

const std::array<Text, 12> kDistances = {u"1000", u"1200", u"1400", u"1500", u"1600", u"1700",
                                         u"1800", u"2000", u"2100", u"2200", u"2300", u"2400"};
// A 東京 turf row whose neighbouring distances all lie 6.5 s apart per 100 m: nothing to fill or smooth.
const std::array<Text, 12> kTokyoTurf = {u"56.0",  u"69.0",  u"82.0",  u"88.5",  u"95.0",  u"101.5",
                                         u"108.0", u"121.0", u"127.5", u"134.0", u"140.5", u"147.0"};
const std::array<Text, 5> kClasses = {u"未勝利", u"500万", u"900万", u"1600万", u"オ－プン"};

// Race 1: three runners whose runs give the 東京 turf row, one distance each (winners on good
// going, so the corrected winner time is the own time). Race 2 has a blank runner count. Race 3:
// a 中山 dirt 1200 m winner, a winner of the same race without a time, and runs that cannot serve.
// Race 4 claims 30 runners; runner 28 has a 阪神 turf 2000 m run.
class BaseTimeBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    card.RunnerCount(1) = u"3";
    for (int i = 0; i < 15; ++i) {
      const int runner = i / 5 + 1;
      const int k = i % 5 + 1;
      if (i >= 12) {
        SetPastRun(m, 1, runner, k, BlankRun());
        continue;
      }
      SetPastRun(m, 1, runner, k,
                 {.className = kClasses[static_cast<size_t>(i % 5)],
                  .distance = kDistances[static_cast<size_t>(i)],
                  .timeSeconds = kTokyoTurf[static_cast<size_t>(i)]});
    }
    card.RunnerCount(2) = u"";
    SetPastRun(m, 2, 1, 1, {.timeSeconds = u"50.0"});

    card.RunnerCount(3) = u"2";
    const PastRun dirt{.courseName = u"中山",
                       .distance = u"1200",
                       .surfaceCode = u"0",
                       .goingCode = u"1",
                       .timeSeconds = u"71.6"};
    SetPastRun(m, 3, 1, 1, dirt);
    PastRun noTime = dirt;
    noTime.timeSeconds = u"0";
    noTime.position = u"04";
    noTime.marginText = u"0.3";
    SetPastRun(m, 3, 1, 2, noTime);
    SetPastRun(m, 3, 2, 1, {.courseName = u"公営", .timeSeconds = u"0", .marginText = u"1.0"});
    for (int k = 3; k <= 5; ++k) SetPastRun(m, 3, 1, k, BlankRun());

    card.RunnerCount(4) = u"30";
    SetPastRun(m, 4, 28, 3, {.courseName = u"阪神", .distance = u"2000", .timeSeconds = u"121.0"});

    BuildBaseTimes(m, grid);
  }

  model::Meeting m;
  intake::RaceCardTables& card = m.Group<intake::RaceCardTables>();
  const intake::PastRunTables& past_runs = m.Group<intake::PastRunTables>();
  BaseTimeTables& b = m.Group<BaseTimeTables>();
  RecordingGrid grid;
};

TEST_F(BaseTimeBuild, EveryStandardTimeCellInOneDecimalForm) {
  const std::regex oneDecimal("([1-9][0-9]*)?\\.[0-9]");
  for (const CourseDistanceTable* table : {&b.TurfStdTime, &b.DirtStdTime}) {
    for (int c = 1; c <= 10; ++c) {
      const bool hasData = table == &b.TurfStdTime ? (c == 1 || c == 3) : c == 2;
      for (int d = 1; d <= 12; ++d) {
        const std::string text = model::ToUtf8((*table)(c, d));
        EXPECT_TRUE(std::regex_match(text, oneDecimal)) << c << "," << d << ": " << text;
        EXPECT_EQ(text == ".0", !hasData) << c << "," << d << ": " << text;
      }
    }
  }
}

TEST_F(BaseTimeBuild, InBandRowIsStoredAsItsClassAverages) {
  for (int d = 1; d <= 12; ++d) EXPECT_EQ(b.TurfStdTime(1, d), kTokyoTurf[static_cast<size_t>(d - 1)]) << d;
}

TEST_F(BaseTimeBuild, RaceWithBlankCountContributesNothing) {
  EXPECT_EQ(b.RunSummary[1](2, 1), u"");
  EXPECT_EQ(b.TurfTimeCount(2, 5, 1), u"");
}

// The winner without a time would otherwise add its correction alone (0.4 s) and halve the average.
TEST_F(BaseTimeBuild, RunWithoutTimeDoesNotDragTheAverage) {
  EXPECT_EQ(b.RunWinTimeAdj[2](3, 1), u"0.1");  // 0 + 0.4 − 0.3: kept as computed
  EXPECT_EQ(past_runs.RunMarginText[2](3, 1), u"0.0");
  EXPECT_EQ(b.DirtTimeSum(2, 2, 2), u"72");
  EXPECT_EQ(b.DirtTimeCount(2, 2, 2), u"1");
  EXPECT_EQ(b.DirtClassAvg(2, 2, 2), u"72.0");
  EXPECT_EQ(past_runs.RunMarginText[1](3, 2), u"1.0");  // unusable run: untouched
}

TEST_F(BaseTimeBuild, RunnerLoopsStopAt28) {
  EXPECT_NE(b.RunSummary[3](4, 28), u"");
  EXPECT_EQ(b.TurfClassAvg(2, 8, 3), u"121.0");
  EXPECT_EQ(b.TurfStdTime(3, 8), u"121.0");
}

TEST_F(BaseTimeBuild, CheckGridsShowRunningSumsFirstAndClassAveragesLast) {
  ASSERT_FALSE(grid.writes.empty());
  // The first write is the accumulation's running sum of race 1, runner 1, oldest run first.
  EXPECT_EQ(std::tie(grid.writes[0].surface, grid.writes[0].row, grid.writes[0].col), std::tuple(1, 5, 6));
  EXPECT_EQ(grid.writes[0].text, u"95");
  EXPECT_EQ(grid.writes.size(), 15u + 1200u);  // 12 + 1 + 1 + 1 sums, then every class cell
  EXPECT_EQ(grid.cells.size(), 1200u);
  EXPECT_EQ(grid.Cell(1, 5, 6), u"95.0");
  EXPECT_EQ(grid.Cell(2, 11, 3), u"72.0");
  EXPECT_EQ(grid.Cell(1, 1, 6), kNoClassTimeMark);
}

TEST(BaseTimeBuildOneSurface, OtherSurfaceGetsNoDataEverywhere) {
  model::Meeting m;
  m.Group<intake::RaceCardTables>().RunnerCount(5) = u"1";
  SetPastRun(m, 5, 1, 1, PastRun{});
  RecordingGrid grid;
  BuildBaseTimes(m, grid);
  const BaseTimeTables& b = m.Group<BaseTimeTables>();
  for (int c = 1; c <= 10; ++c) {
    for (int d = 1; d <= 12; ++d) {
      EXPECT_EQ(b.DirtStdTime(c, d), u".0");
      EXPECT_EQ(b.DirtClassAvg(1, d, c), u"0");
      EXPECT_EQ(b.StdTimeWork(c, d), u"0");  // the dirt pass overwrote the turf work
    }
  }
  EXPECT_NE(b.TurfStdTime(1, 5), u".0");
}

}  // namespace
}  // namespace basetime
