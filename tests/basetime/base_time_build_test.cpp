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
    card_.RunnerCount(1) = u"3";
    for (int i = 0; i < 15; ++i) {
      const int runner = i / 5 + 1;
      const int k = i % 5 + 1;
      if (i >= 12) {
        SetPastRun(m_, 1, runner, k, BlankRun());
        continue;
      }
      SetPastRun(m_, 1, runner, k,
                 {.class_name = kClasses[static_cast<size_t>(i % 5)],
                  .distance = kDistances[static_cast<size_t>(i)],
                  .time_seconds = kTokyoTurf[static_cast<size_t>(i)]});
    }
    card_.RunnerCount(2) = u"";
    SetPastRun(m_, 2, 1, 1, {.time_seconds = u"50.0"});

    card_.RunnerCount(3) = u"2";
    const PastRun dirt{.course_name = u"中山",
                       .distance = u"1200",
                       .surface_code = u"0",
                       .going_code = u"1",
                       .time_seconds = u"71.6"};
    SetPastRun(m_, 3, 1, 1, dirt);
    PastRun no_time = dirt;
    no_time.time_seconds = u"0";
    no_time.position = u"04";
    no_time.margin_text = u"0.3";
    SetPastRun(m_, 3, 1, 2, no_time);
    SetPastRun(m_, 3, 2, 1, {.course_name = u"公営", .time_seconds = u"0", .margin_text = u"1.0"});
    for (int k = 3; k <= 5; ++k) SetPastRun(m_, 3, 1, k, BlankRun());

    card_.RunnerCount(4) = u"30";
    SetPastRun(m_, 4, 28, 3, {.course_name = u"阪神", .distance = u"2000", .time_seconds = u"121.0"});

    BuildBaseTimes(m_, grid_);
  }

  model::Meeting m_;
  intake::RaceCardTables& card_ = m_.Group<intake::RaceCardTables>();
  const intake::PastRunTables& past_runs_ = m_.Group<intake::PastRunTables>();
  BaseTimeTables& b_ = m_.Group<BaseTimeTables>();
  RecordingGrid grid_;
};

TEST_F(BaseTimeBuild, EveryStandardTimeCellInOneDecimalForm) {
  const std::regex one_decimal("([1-9][0-9]*)?\\.[0-9]");
  for (const CourseDistanceTable* table : {&b_.TurfStdTime, &b_.DirtStdTime}) {
    for (int c = 1; c <= 10; ++c) {
      const bool has_data = table == &b_.TurfStdTime ? (c == 1 || c == 3) : c == 2;
      for (int d = 1; d <= 12; ++d) {
        const std::string text = model::ToUtf8((*table)(c, d));
        EXPECT_TRUE(std::regex_match(text, one_decimal)) << c << "," << d << ": " << text;
        EXPECT_EQ(text == ".0", !has_data) << c << "," << d << ": " << text;
      }
    }
  }
}

TEST_F(BaseTimeBuild, InBandRowIsStoredAsItsClassAverages) {
  for (int d = 1; d <= 12; ++d) EXPECT_EQ(b_.TurfStdTime(1, d), kTokyoTurf[static_cast<size_t>(d - 1)]) << d;
}

TEST_F(BaseTimeBuild, RaceWithBlankCountContributesNothing) {
  EXPECT_EQ(b_.RunSummary[1](2, 1), u"");
  EXPECT_EQ(b_.TurfTimeCount(2, 5, 1), u"");
}

// The winner without a time would otherwise add its correction alone (0.4 s) and halve the average.
TEST_F(BaseTimeBuild, RunWithoutTimeDoesNotDragTheAverage) {
  EXPECT_EQ(b_.RunWinTimeAdj[2](3, 1), u"0.1");  // 0 + 0.4 − 0.3: kept as computed
  EXPECT_EQ(past_runs_.RunMarginText[2](3, 1), u"0.0");
  EXPECT_EQ(b_.DirtTimeSum(2, 2, 2), u"72");
  EXPECT_EQ(b_.DirtTimeCount(2, 2, 2), u"1");
  EXPECT_EQ(b_.DirtClassAvg(2, 2, 2), u"72.0");
  EXPECT_EQ(past_runs_.RunMarginText[1](3, 2), u"1.0");  // unusable run: untouched
}

TEST_F(BaseTimeBuild, RunnerLoopsStopAt28) {
  EXPECT_NE(b_.RunSummary[3](4, 28), u"");
  EXPECT_EQ(b_.TurfClassAvg(2, 8, 3), u"121.0");
  EXPECT_EQ(b_.TurfStdTime(3, 8), u"121.0");
}

TEST_F(BaseTimeBuild, CheckGridsShowRunningSumsFirstAndClassAveragesLast) {
  ASSERT_FALSE(grid_.writes.empty());
  // The first write is the accumulation's running sum of race 1, runner 1, oldest run first.
  EXPECT_EQ(std::tie(grid_.writes[0].surface, grid_.writes[0].row, grid_.writes[0].col), std::tuple(1, 5, 6));
  EXPECT_EQ(grid_.writes[0].text, u"95");
  EXPECT_EQ(grid_.writes.size(), 15u + 1200u);  // 12 + 1 + 1 + 1 sums, then every class cell
  EXPECT_EQ(grid_.cells.size(), 1200u);
  EXPECT_EQ(grid_.Cell(1, 5, 6), u"95.0");
  EXPECT_EQ(grid_.Cell(2, 11, 3), u"72.0");
  EXPECT_EQ(grid_.Cell(1, 1, 6), kNoClassTimeMark);
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
