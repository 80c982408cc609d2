// "解析" of the navigator: which runs count as same- or near-condition runs, the figures of the usable
// runs, and what the press writes into the statistics grid and the tables.
#include "navigator/same_condition_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/navigator/navigator_fixture.h"
#include "ui/palette.h"

namespace navigator_test {
namespace {

using navigator::RunCondition;

struct ConditionCase {
  const char* what;
  PastRun run;
  RunCondition expected;
};

class PastRunConditionTest : public NavigatorTest {};

TEST_F(PastRunConditionTest, ComparesSurfaceCourseAndDistanceWithTodaysRace) {
  const ConditionCase cases[] = {
      {"today's conditions", {}, RunCondition::kSame},
      {"300 m shorter", {.distance = u"1300"}, RunCondition::kSame},
      {"300 m longer", {.distance = u"1900"}, RunCondition::kSame},
      {"301 m shorter", {.distance = u"1299"}, RunCondition::kOther},
      {"301 m longer", {.distance = u"1901"}, RunCondition::kOther},
      {"another central course", {.course = u"09"}, RunCondition::kNear},
      {"a local course", {.course = u"10"}, RunCondition::kOther},
      {"no evaluation", {.evaluation = u" --- "}, RunCondition::kOther},
      {"the other surface", {.evaluation = u"(+03)", .surface = u"0"}, RunCondition::kOther},
      {"a missing run",
       {.evaluation = u" --- ", .surface = u" ", .distance = u"    ", .course = u"  "},
       RunCondition::kOther},
  };
  for (const ConditionCase& c : cases) {
    SetRun(1, 3, c.run);
    EXPECT_EQ(navigator::PastRunCondition(app_.meeting, kRace, 1, 3), c.expected) << c.what;
  }
}

struct FiguresCase {
  const char* what;
  std::vector<Text> usable;  // oldest first
  Text mean, best, worst, spread;
};

class RunFiguresTest : public NavigatorTest {};

// The runs go in as usable runs of runner 2, every one at today's conditions.
TEST_F(RunFiguresTest, MeanBestWorstAndHalfRangeByTheNumberOfUsableRuns) {
  const FiguresCase cases[] = {
      {"none", {}, u"---", u"---", u"---", u"---"},
      {"one, kept as shown", {u" -07 "}, u" -07 ", u" -07 ", u" -07 ", u"---"},
      {"mean 0.5, half range 4.5", {u" +05 ", u" -04 "}, u"+00", u" -04 ", u" +05 ", u"±05"},
      {"mean -8.33, half range 3.5", {u" -05 ", u" -12 ", u" -08 "}, u"-09", u" -12 ", u" -05 ", u"±04"},
      {"mean -0.5", {u" +00 ", u" -01 "}, u"-01", u" -01 ", u" +00 ", u"±01"},
      {"equal runs", {u" +12 ", u" +12 ", u" +12 ", u" +12 "}, u"+12", u" +12 ", u" +12 ", u"±00"},
      {"five", {u" +20 ", u" -30 ", u" +01 ", u" +00 ", u" +09 "}, u"+00", u" -30 ", u" +20 ", u"±25"},
      {"the widest range", {u" +99 ", u" -99 "}, u"+00", u" -99 ", u" +99 ", u"±99"},
  };
  for (const FiguresCase& c : cases) {
    SCOPED_TRACE(c.what);
    for (int b = 1; b <= 5; ++b) {
      const size_t k = static_cast<size_t>(5 - b);  // past run b is the k-th oldest
      SetRun(2, b,
             k < c.usable.size() ? PastRun{.evaluation = c.usable[k]} : PastRun{.evaluation = u" --- "});
    }
    navigator::PackUsableRuns(app_.meeting, kRace, 2);
    navigator::StoreRunFigures(app_.meeting, kRace, 2);
    EXPECT_EQ(Stats().UsableRunCount(kRace, 2), model::NumberToText(static_cast<double>(c.usable.size())));
    EXPECT_EQ(Stats().RunMean(kRace, 2), c.mean);
    EXPECT_EQ(Stats().RunBest(kRace, 2), c.best);
    EXPECT_EQ(Stats().RunWorst(kRace, 2), c.worst);
    EXPECT_EQ(Stats().RunSpread(kRace, 2), c.spread);
  }
}

// The usable runs are packed oldest first; slots above the count keep what was there.
TEST_F(RunFiguresTest, PacksUsableRunsOldestFirstAndLeavesTheSlotsAbove) {
  for (int slot = 1; slot <= 5; ++slot) Stats().UsableRunValue(slot, 1) = u"old";
  SetRun(1, 5, {.evaluation = u" +03 "});
  SetRun(1, 4, {.evaluation = u" --- "});
  SetRun(1, 3, {.evaluation = u" -02 ", .course = u"00"});
  SetRun(1, 2, {.evaluation = u"(+01)", .surface = u"0"});
  SetRun(1, 1, {.evaluation = u" +07 "});
  const auto conditions = navigator::PackUsableRuns(app_.meeting, kRace, 1);
  EXPECT_EQ(conditions, (std::array{RunCondition::kSame, RunCondition::kOther, RunCondition::kNear,
                                    RunCondition::kOther, RunCondition::kSame}));
  EXPECT_EQ(Stats().UsableRunCount(kRace, 1), u"3");
  const std::vector<Text> slots = {Stats().UsableRunValue(1, 1), Stats().UsableRunValue(2, 1),
                                   Stats().UsableRunValue(3, 1), Stats().UsableRunValue(4, 1),
                                   Stats().UsableRunValue(5, 1)};
  EXPECT_EQ(slots, (std::vector<Text>{u" +03 ", u" -02 ", u" +07 ", u"old", u"old"}));
}

class StatisticsPressTest : public NavigatorTest {};

// The press shows the runs oldest first, colours each column by the run shown in it, and writes the
// figures beside them; "軸馬ナビ" opens.
TEST_F(StatisticsPressTest, ShowsRunsColoursAndFigures) {
  SetRace(u"1600", 2);
  SetRun(1, 5, {.evaluation = u" +05 "});
  SetRun(1, 4, {.evaluation = u" -04 ", .course = u"08"});
  SetRun(1, 3, {.evaluation = u"(-10)", .surface = u"0"});
  SetRun(1, 2, {.evaluation = u" +20 ", .course = u"12"});
  SetRun(1, 1, {.evaluation = u" --- "});
  for (int b = 1; b <= 5; ++b) SetRun(2, b, {.evaluation = u" --- "});
  navigator::frmAg13& w = Navigator();
  w.Command2.UserClick();

  EXPECT_FALSE(w.Command2.Enabled());
  EXPECT_TRUE(w.Command1.Enabled());
  const ui::FlexGrid& grid = w.MSFlexGrid1;
  const std::vector<Text> row2 = {grid.TextMatrix(2, 0), grid.TextMatrix(2, 1), grid.TextMatrix(2, 2),
                                  grid.TextMatrix(2, 3), grid.TextMatrix(2, 4), grid.TextMatrix(2, 5),
                                  grid.TextMatrix(2, 6), grid.TextMatrix(2, 7), grid.TextMatrix(2, 8),
                                  grid.TextMatrix(2, 9), grid.TextMatrix(2, 10)};
  EXPECT_EQ(row2, (std::vector<Text>{u"1", u" +05 ", u" -04 ", u"(-10)", u" +20 ", u" --- ", u"", u"+00",
                                     u" -04 ", u" +05 ", u"±05"}));
  const std::vector<ui::Color> colours = {grid.CellBackColorAt(2, 1), grid.CellBackColorAt(2, 2),
                                          grid.CellBackColorAt(2, 3), grid.CellBackColorAt(2, 4),
                                          grid.CellBackColorAt(2, 5)};
  const ui::Color kept = grid.BackColor();
  EXPECT_EQ(colours,
            (std::vector<ui::Color>{ui::palette::kPink, ui::palette::kLightYellow, kept, kept, kept}));
  EXPECT_EQ(grid.TextMatrix(3, 0), u"2");
  EXPECT_EQ(grid.TextMatrix(3, 7), u"---");
  EXPECT_EQ(grid.TextMatrix(3, 10), u"---");
  EXPECT_EQ(grid.TextMatrix(4, 0), u"");  // no third runner
  EXPECT_EQ(Stats().UsableRunCount(kRace, 2), u"0");
}

// The tables and the grid hold 18 runners: a larger count stops at runner 18.
TEST_F(StatisticsPressTest, StopsAtRunner18) {
  SetRace(u"1600", 22);
  for (int i = 1; i <= 18; ++i) SetRun(i, 1, {.evaluation = u" +01 "});
  navigator::frmAg13& w = Navigator();
  w.Command2.UserClick();
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(19, 0), u"18");
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(19, 7), u" +01 ");
  EXPECT_EQ(Stats().UsableRunCount(kRace, 18), u"1");
}

// A second click does nothing: the button took itself out.
TEST_F(StatisticsPressTest, RunsOncePerLoad) {
  SetRun(1, 1, {});
  navigator::frmAg13& w = Navigator();
  w.Command2.UserClick();
  SetRun(1, 1, {.evaluation = u" -50 "});
  w.Command2.UserClick();
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(2, 5), u" +00 ");
  w.Hide();
  w.Show();
  EXPECT_FALSE(w.Command2.Enabled());
}

}  // namespace
}  // namespace navigator_test
