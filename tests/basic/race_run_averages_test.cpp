#include "basic/race_run_averages.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "basic/race_run_average_tables.h"
#include "model/numbers.h"
#include "program/program.h"
#include "tests/support/case_names.h"

namespace basic {
namespace {

using model::Text;

// --- The text of an average

struct AverageCase {
  double average;
  const char16_t* expected;
};

void PrintTo(const AverageCase& c, std::ostream* os) {
  *os << c.average;
}

class RaceAverageTextTest : public testing::TestWithParam<AverageCase> {};

TEST_P(RaceAverageTextTest, WritesTheRoundedAverageInItsBand) {
  EXPECT_EQ(RaceAverageText(GetParam().average), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RaceAverageTextTest,
    testing::Values(
        // The bands go by the average rounded to one decimal, halves away from zero.
        AverageCase{123.4, u"+99"}, AverageCase{100, u"+99"}, AverageCase{99.96, u"+99"},
        AverageCase{99.94, u"+99.9"}, AverageCase{12.3, u"+12.3"}, AverageCase{10, u"+10.0"},
        AverageCase{9.96, u"+10.0"}, AverageCase{9.94, u"+ 9.9"}, AverageCase{5.25, u"+ 5.3"},
        AverageCase{5.3, u"+ 5.3"}, AverageCase{0.15, u"+ 0.2"}, AverageCase{0, u"+ 0.0"},
        // Rounded to nothing, a small negative average is 0.0, never "- 0".
        AverageCase{-0.0, u"+ 0.0"}, AverageCase{-0.04, u"+ 0.0"},
        // Negative averages drop a zero tenth.
        AverageCase{-0.05, u"- 0.1"}, AverageCase{-0.25, u"- 0.3"}, AverageCase{-2, u"- 2"},
        AverageCase{-3, u"- 3"}, AverageCase{-3.4, u"- 3.4"}, AverageCase{-9.94, u"- 9.9"},
        AverageCase{-9.96, u"-10"}, AverageCase{-10, u"-10"}, AverageCase{-12, u"-12"},
        AverageCase{-12.3, u"-12.3"}, AverageCase{-99.94, u"-99.9"}, AverageCase{-99.97, u"-99"},
        AverageCase{-100, u"-99"}, AverageCase{-150, u"-99"}),
    [](const auto& info) { return testsupport::CaseName(info.param.average); });

TEST(RaceAverageText, NoValueIsThreeDashesAndOutOfRangeValuesStayInTheirBand) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(RaceAverageText(std::nullopt), u"---");
  EXPECT_EQ(RaceAverageText(std::nan("")), u"---");
  EXPECT_EQ(RaceAverageText(kInfinity), u"+99");
  EXPECT_EQ(RaceAverageText(-kInfinity), u"-99");
  EXPECT_EQ(RaceAverageText(1e300), u"+99");
}

// --- The averages of a race

constexpr int kRace = 4;

// A run as the today's-surface step leaves it: its evaluation and whether it counts today.
struct RunMark {
  Text eval;
  Text valid;
};
const RunMark kNoRun{u"---", u"1"};

RunMark Counted(const Text& eval) {
  return {eval, u"5"};
}

class RaceRunAverages : public ::testing::Test {
 protected:
  // Runs of runner, five runs back first.
  void SetRuns(int runner, const std::array<RunMark, 5>& runs) {
    BasicAnalysisTables& t = app_.meeting.Group<BasicAnalysisTables>();
    for (int run = 5; run >= 1; --run) {
      const RunMark& r = runs[static_cast<size_t>(5 - run)];
      t.RunEval[run](runner) = r.eval;
      t.RunValid[run](runner) = r.valid;
    }
  }
  void Compute(int runners, int race = kRace) {
    analysis::frmAg3& w = Window();
    ComputeRaceRunAverages({w.Label19, w.Label20, w.Label21, w.Label22, w.Label23}, app_.meeting, race,
                           runners);
  }
  // RaceRunAvg5 to RaceRunAvg1 of race, joined by "|".
  Text Averages(int race = kRace) {
    const RaceRunAverageTables& t = app_.meeting.Group<RaceRunAverageTables>();
    Text joined;
    for (int run = 5; run >= 1; --run) joined += t.RaceRunAvg[run](race) + u"|";
    return joined;
  }
  // Label19 to Label23, joined by "|".
  Text Labels() {
    analysis::frmAg3& w = Window();
    Text joined;
    for (const ui::Label* label : {&w.Label19, &w.Label20, &w.Label21, &w.Label22, &w.Label23}) {
      joined += label->Caption() + u"|";
    }
    return joined;
  }
  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  program::Program app_;
};

TEST_F(RaceRunAverages, AverageOnlyTheRunsThatCountToday) {
  // Last run: " 10" and "-3" count, " 50" of a run that does not count and " 40" of a run with an
  // unknown mark do not.
  SetRuns(1, {Counted(u" 4"), kNoRun, kNoRun, Counted(u" 0"), Counted(u" 10")});
  SetRuns(2, {Counted(u"-4"), kNoRun, kNoRun, kNoRun, Counted(u"-3")});
  SetRuns(3, {kNoRun, kNoRun, kNoRun, kNoRun, RunMark{u" 50", u"1"}});
  SetRuns(4, {kNoRun, kNoRun, kNoRun, kNoRun, RunMark{u" 40", u""}});
  Compute(4);
  // Five back: " 4" and "-4" give 0; two back: the one " 0"; four and three back have no counted run.
  EXPECT_EQ(Averages(), u"+ 0.0|---|---|+ 0.0|+ 3.5|");
  EXPECT_EQ(Labels(), Averages());
}

TEST_F(RaceRunAverages, CountOnlyTheRunnersOfTheRace) {
  SetRuns(1, {Counted(u" 1"), Counted(u" 2"), Counted(u" 3"), Counted(u" 4"), Counted(u" 5")});
  SetRuns(2, {Counted(u" 21"), Counted(u" 22"), Counted(u" 23"), Counted(u" 24"), Counted(u" 25")});
  Compute(1);
  EXPECT_EQ(Averages(), u"+ 1.0|+ 2.0|+ 3.0|+ 4.0|+ 5.0|");
}

TEST_F(RaceRunAverages, ADebutantsRaceAndARaceWithoutRunnersShowThreeDashes) {
  for (int runner = 1; runner <= 18; ++runner) SetRuns(runner, {kNoRun, kNoRun, kNoRun, kNoRun, kNoRun});
  Compute(18);
  EXPECT_EQ(Averages(), u"---|---|---|---|---|");
  SetRuns(1, {Counted(u" 1"), Counted(u" 2"), Counted(u" 3"), Counted(u" 4"), Counted(u" 5")});
  Compute(0);
  EXPECT_EQ(Averages(), u"---|---|---|---|---|");
  EXPECT_EQ(Labels(), Averages());
}

TEST_F(RaceRunAverages, KeepTheTextsOfEveryRaceAndShowTheLast) {
  SetRuns(1, {Counted(u" 1"), Counted(u" 2"), Counted(u" 3"), Counted(u" 4"), Counted(u" 5")});
  Compute(1, 2);
  SetRuns(1, {Counted(u"-1"), Counted(u"-2"), Counted(u"-3"), Counted(u"-4"), Counted(u"-5")});
  Compute(1, 12);
  EXPECT_EQ(Averages(2), u"+ 1.0|+ 2.0|+ 3.0|+ 4.0|+ 5.0|");
  EXPECT_EQ(Averages(12), u"- 1|- 2|- 3|- 4|- 5|");
  EXPECT_EQ(Labels(), Averages(12));
}

TEST_F(RaceRunAverages, CountAtMostTheEighteenRunnersTheTablesHold) {
  for (int runner = 1; runner <= 18; ++runner) {
    SetRuns(runner, {kNoRun, kNoRun, kNoRun, kNoRun, Counted(model::NumberToSpacedText(runner))});
  }
  Compute(28);
  // 1 to 18 give 9.5, which also fills the four older columns.
  EXPECT_EQ(Averages(), u"+ 9.5|+ 9.5|+ 9.5|+ 9.5|+ 9.5|");
}

TEST_F(RaceRunAverages, ARaceOutsideTheMeetingWritesNothing) {
  SetRuns(1, {Counted(u" 1"), Counted(u" 2"), Counted(u" 3"), Counted(u" 4"), Counted(u" 5")});
  Compute(1, 0);
  Compute(1, 13);
  EXPECT_EQ(Labels(), u"|||||");
}

// --- Filling a column without counted runs from its neighbours

struct FillCase {
  const char* name;
  std::array<std::optional<const char16_t*>, 5> evals;  // five runs back first; none: no run counts
  const char16_t* expected;                             // the five texts, five runs back first
};

class FillTest : public RaceRunAverages, public testing::WithParamInterface<FillCase> {};

TEST_P(FillTest, FillsAMissingColumnOnlyWhereThePatternIsListed) {
  std::array<RunMark, 5> runs;
  for (size_t i = 0; i < 5; ++i) runs[i] = GetParam().evals[i] ? Counted(*GetParam().evals[i]) : kNoRun;
  SetRuns(1, runs);
  Compute(1);
  EXPECT_EQ(Averages(), GetParam().expected);
  EXPECT_EQ(Labels(), GetParam().expected);
}

constexpr std::nullopt_t kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Patterns, FillTest,
    testing::Values(
        // One column missing: the oldest takes its neighbour, a gap the mean, the last run the line.
        FillCase{"FiveBack", {kNone, u" 6", u" 8", u" 2", u" 4"}, u"+ 6.0|+ 6.0|+ 8.0|+ 2.0|+ 4.0|"},
        FillCase{"FourBack", {u" 1", kNone, u" 4", u" 0", u" 0"}, u"+ 1.0|+ 2.5|+ 4.0|+ 0.0|+ 0.0|"},
        FillCase{"ThreeBack", {u" 0", u" 3", kNone, u"-2", u" 0"}, u"+ 0.0|+ 3.0|+ 0.5|- 2|+ 0.0|"},
        FillCase{"TwoBack", {u" 0", u" 0", u" 5", kNone, u" 8"}, u"+ 0.0|+ 0.0|+ 5.0|+ 6.5|+ 8.0|"},
        FillCase{"LastRun", {u" 1", u" 2", u" 3", u" 5", kNone}, u"+ 1.0|+ 2.0|+ 3.0|+ 5.0|+ 7.0|"},
        FillCase{"LastRunFalling", {u" 0", u" 0", u" 5", u"-10", kNone}, u"+ 0.0|+ 0.0|+ 5.0|-10|-25|"},
        // The fills take the unrounded averages: 0.25 - (0.14 - 0.25) is 0.36, not 0.3 - (0.1 - 0.3).
        FillCase{"Unrounded", {u" 1", u" 1", u"0.14", u"0.25", kNone}, u"+ 1.0|+ 1.0|+ 0.1|+ 0.3|+ 0.4|"},
        // Five runs back missing with one more column.
        FillCase{"FiveAndFourBack", {kNone, kNone, u" 7", u" 1", u" 2"}, u"+ 7.0|+ 7.0|+ 7.0|+ 1.0|+ 2.0|"},
        FillCase{"FiveAndThreeBack", {kNone, u" 2", kNone, u" 6", u" 0"}, u"+ 2.0|+ 2.0|+ 4.0|+ 6.0|+ 0.0|"},
        FillCase{"FiveAndTwoBack", {kNone, u" 1", u" 3", kNone, u" 9"}, u"+ 1.0|+ 1.0|+ 3.0|+ 6.0|+ 9.0|"},
        FillCase{
            "FiveBackAndLastRun", {kNone, u" 1", u" 3", u" 2", kNone}, u"+ 1.0|+ 1.0|+ 3.0|+ 2.0|+ 1.0|"},
        FillCase{"FiveToThreeBack", {kNone, kNone, kNone, u" 3", u" 1"}, u"+ 3.0|+ 3.0|+ 3.0|+ 3.0|+ 1.0|"},
        FillCase{"FiveToTwoBack", {kNone, kNone, kNone, kNone, u"-5"}, u"- 5|- 5|- 5|- 5|- 5|"},
        // Any other pattern stays as it is.
        FillCase{"NoneMissing", {u" 1", u" 2", u" 3", u" 4", u" 5"}, u"+ 1.0|+ 2.0|+ 3.0|+ 4.0|+ 5.0|"},
        FillCase{"AllMissing", {kNone, kNone, kNone, kNone, kNone}, u"---|---|---|---|---|"},
        FillCase{"FourAndThreeBack", {u" 1", kNone, kNone, u" 4", u" 5"}, u"+ 1.0|---|---|+ 4.0|+ 5.0|"},
        FillCase{"TwoBackAndLastRun", {u" 1", u" 2", u" 3", kNone, kNone}, u"+ 1.0|+ 2.0|+ 3.0|---|---|"},
        FillCase{"FourBackAndLastRun", {u" 1", kNone, u" 3", u" 4", kNone}, u"+ 1.0|---|+ 3.0|+ 4.0|---|"},
        FillCase{"AllButFiveBack", {u" 1", kNone, kNone, kNone, kNone}, u"+ 1.0|---|---|---|---|"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace basic
