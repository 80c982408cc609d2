#include "secondary/three_furlong_values.h"

#include <gtest/gtest.h>

#include <string>

#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/case_names.h"
#include "tests/support/recording_grid.h"

namespace secondary {
namespace {

using analysis::RunnerColumn;
using model::Text;

constexpr int kRace = 5;

const Text kNone = u"－";

// One past run as the intake and the basic analysis leave it.
struct PastRun {
  Text distance;
  Text pace;
  Text first3f;
  Text last3f;
  Text valid = u"5";
};

class ThreeFurlongFixture : public ::testing::Test {
 protected:
  void SetRace(const Text& distance, const Text& pace) {
    auto& card = meeting_.Group<intake::RaceCardTables>();
    card.RaceDistance(kRace) = distance;
    card.RacePaceCode(kRace) = pace;
  }
  void SetRun(int runner, int run, const PastRun& r) {
    auto& runs = meeting_.Group<intake::PastRunTables>();
    runs.RunDistance[run](kRace, runner) = r.distance;
    runs.RunPaceCode[run](kRace, runner) = r.pace;
    runs.RunFirst3FText[run](kRace, runner) = r.first3f;
    runs.RunLast3FText[run](kRace, runner) = r.last3f;
    meeting_.Group<basic::BasicAnalysisTables>().RunValid[run](runner) = r.valid;
  }
  // Every run of runner without a value, as the basic analysis leaves a horse without past runs.
  void ClearRuns(int runner) {
    for (int run = 1; run <= 5; ++run) SetRun(runner, run, {u"    ", u" ", u"なし", u"なし", u"1"});
  }
  void Compute(int runner) { ComputeThreeFurlongValues(grid_, meeting_, kRace, runner); }
  // Front3FMean|Front3FText|Back3FMean|Back3FText|Total6FText of runner.
  Text Values(int runner) {
    const SecondaryAnalysisTables& t = Tables();
    return t.Front3FMean(runner) + u"|" + t.Front3FText(runner) + u"|" + t.Back3FMean(runner) + u"|" +
           t.Back3FText(runner) + u"|" + t.Total6FText(runner);
  }
  // The front, back and total columns of the runner's row.
  Text Columns(int runner) {
    return grid_.TextAt(runner + 1, RunnerColumn::kFront3F) + u"|" +
           grid_.TextAt(runner + 1, RunnerColumn::kBack3F) + u"|" +
           grid_.TextAt(runner + 1, RunnerColumn::kTotal6F);
  }
  SecondaryAnalysisTables& Tables() { return meeting_.Group<SecondaryAnalysisTables>(); }
  model::Meeting meeting_;
  testsupport::RecordingRunnerGrid grid_;
};

// --- The values of one runner

TEST_F(ThreeFurlongFixture, TwoValidRunsMovedToTodaysPaceAndDistance) {
  // An 1800 m race at high pace. The 1800 m high-pace run is taken as it is; the 1600 m middle-pace run
  // moves by 0.8 s (34.7 and 36.8) and scales by 1.01 (35.047 and 37.168, cut to 35.0 and 37.1).
  SetRace(u"1800", u"0");
  ClearRuns(3);
  SetRun(3, 2, {u"1800", u"0", u"36.0", u"35.2"});
  SetRun(3, 1, {u"1600", u"1", u"35.5", u"36.0"});
  Compute(3);
  // Front: floor((35.5 + 3/20) x 10) / 10; back: floor(36.15 x 10) / 10.
  EXPECT_EQ(Values(3), u"35.6| 35.6|36.1| 36.1|71.7");
  EXPECT_EQ(Columns(3), u" 35.6| 36.1|71.7");
}

TEST_F(ThreeFurlongFixture, ALongerRunScalesDown) {
  // A 2000 m run in a 1600 m race: 36.0 x 0.98 = 35.28 and 35.0 x 0.98 = 34.3.
  SetRace(u"1600", u"1");
  ClearRuns(1);
  SetRun(1, 4, {u"2000", u"1", u"36.0", u"35.0"});
  Compute(1);
  EXPECT_EQ(Values(1), u"35.2| 35.2|34.3| 34.3|69.5");
}

TEST_F(ThreeFurlongFixture, EachPlaceOfTheRunnerAddsATwentiethBeforeTheCut) {
  SetRace(u"1600", u"1");
  for (int runner : {2, 4}) {
    ClearRuns(runner);
    SetRun(runner, 1, {u"1600", u"1", u"35.5", u"36.0"});
    Compute(runner);
  }
  EXPECT_EQ(Values(2), u"35.6| 35.6|36| 36.0|71.6");
  EXPECT_EQ(Values(4), u"35.7| 35.7|36| 36.0|71.7");
}

TEST_F(ThreeFurlongFixture, WholeValuesShowAPointZeroAndTotalsTwoIntegerDigits) {
  SetRace(u"1600", u"1");
  ClearRuns(1);
  SetRun(1, 1, {u"1600", u"1", u"36.0", u"36.0"});
  Compute(1);
  EXPECT_EQ(Values(1), u"36| 36.0|36| 36.0|72.0");
  EXPECT_EQ(Columns(1), u" 36.0| 36.0|72.0");

  ClearRuns(1);
  SetRun(1, 1, {u"1600", u"1", u"2.0", u"3.5"});
  Compute(1);
  EXPECT_EQ(Values(1), u"2| 2.0|3.5| 3.5|05.5");
}

TEST_F(ThreeFurlongFixture, ARunnerWithoutACountedRunShowsTheNoneMarkers) {
  SetRace(u"1600", u"1");
  ClearRuns(1);
  // Runs that do not count today bring nothing, however good their times.
  SetRun(1, 2, {u"1600", u"1", u"33.0", u"33.0", u"1"});
  SetRun(1, 3, {u"1600", u"1", u"33.0", u"33.0", u""});
  Compute(1);
  EXPECT_EQ(Values(1), u"**.*| **.*|**.*| **.*|**.*");
  EXPECT_EQ(Columns(1), u" **.*| **.*|**.*");
}

// A counted run without a 3-furlong time would read 0 and make its runner the race's best.
TEST_F(ThreeFurlongFixture, AValidRunCountsOnlyWithBothTimes) {
  SetRace(u"1600", u"1");
  ClearRuns(1);
  SetRun(1, 3, {u"1600", u"1", u"なし", u"36.0"});
  SetRun(1, 2, {u"1600", u"1", u"35.0", u"なし"});
  SetRun(1, 1, {u"1600", u"1", u"35.5", u"36.0"});
  Compute(1);
  EXPECT_EQ(Values(1), u"35.5| 35.5|36| 36.0|71.5");

  ClearRuns(2);
  SetRun(2, 1, {u"1600", u"1", u"なし", u"なし"});
  SetRun(2, 2, {u"1600", u"1", u"", u"  "});
  Compute(2);
  EXPECT_EQ(Values(2), u"**.*| **.*|**.*| **.*|**.*");

  // Blanks, a sign and a leading point still make a number.
  ClearRuns(3);
  SetRun(3, 1, {u"1600", u"1", u" 35.5", u"+36.0"});
  SetRun(3, 2, {u"1600", u"1", u" .5", u"- 1"});
  Compute(3);
  EXPECT_EQ(Values(3), u"18.1| 18.1|17.5| 17.5|35.6");
}

TEST_F(ThreeFurlongFixture, RunnersOutsideTheTablesWriteNothing) {
  SetRace(u"1600", u"1");
  EXPECT_NO_THROW(Compute(0));
  EXPECT_NO_THROW(Compute(19));
  EXPECT_NO_THROW(ComputeThreeFurlongValues(grid_, meeting_, 13, 1));
  EXPECT_EQ(Tables().Front3FText(1), u"");
  EXPECT_EQ(grid_.TextAt(2, RunnerColumn::kFront3F), u"");
}

// --- The pace correction: a 1600 m run in a 1600 m race, first 35.5 and last 36.0, x = 0.8.

struct PaceCase {
  const char16_t* run_pace;
  const char16_t* todays_pace;
  const char16_t* front;  // Front3FMean of runner 1 (a twentieth added before the cut)
  const char16_t* back;
};

void PrintTo(const PaceCase& c, std::ostream* os) {
  *os << model::ToUtf8(c.run_pace) << "/" << model::ToUtf8(c.todays_pace);
}

class PaceCorrection : public ThreeFurlongFixture, public testing::WithParamInterface<PaceCase> {};

TEST_P(PaceCorrection, MovesTheFrontAndTheBackTimeApart) {
  const PaceCase& c = GetParam();
  SetRace(u"1600", c.todays_pace);
  ClearRuns(1);
  SetRun(1, 1, {u"1600", c.run_pace, u"35.5", u"36.0"});
  Compute(1);
  EXPECT_EQ(Tables().Front3FMean(1), c.front);
  EXPECT_EQ(Tables().Back3FMean(1), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaceCorrection,
    testing::Values(PaceCase{u"0", u"0", u"35.5", u"36"}, PaceCase{u"0", u"1", u"36.3", u"35.2"},
                    PaceCase{u"0", u"2", u"36.7", u"34.8"}, PaceCase{u"1", u"0", u"34.7", u"36.8"},
                    PaceCase{u"1", u"1", u"35.5", u"36"}, PaceCase{u"1", u"2", u"36.3", u"35.2"},
                    PaceCase{u"2", u"0", u"34.3", u"37.2"},
                    // A slow run on a middle-pace day moves like a high-pace run.
                    PaceCase{u"2", u"1", u"36.3", u"35.2"}, PaceCase{u"2", u"2", u"35.5", u"36"},
                    // A pace not known on either side moves nothing.
                    PaceCase{u" ", u"0", u"35.5", u"36"}, PaceCase{u"", u"2", u"35.5", u"36"},
                    PaceCase{u"3", u"1", u"35.5", u"36"}, PaceCase{u"0", u" ", u"35.5", u"36"},
                    PaceCase{u"2", u"", u"35.5", u"36"}),
    [](const auto& info) {
      return testsupport::CaseName(Text(info.param.run_pace) + u"_" + info.param.todays_pace);
    });

// --- The race's bests

class RaceBests : public ThreeFurlongFixture {
 protected:
  void SetTexts(int runner, const Text& front, const Text& back) {
    Tables().Front3FText(runner) = front;
    Tables().Back3FText(runner) = back;
  }
};

TEST_F(RaceBests, TheSmallestValueKeepsItsTextAndTheFirstOfEqualsStays) {
  SetTexts(1, u" 36.0", u" 35.9");
  SetTexts(2, u" 35.6", u" 34.8");
  SetTexts(3, u"35.6", u"34.8");  // the same values, written without the blank
  SetTexts(4, u" **.*", u" **.*");
  SetTexts(5, u" 35.7", u" 34.9");
  FindRaceBestThreeFurlongs(meeting_, kRace, 5);
  EXPECT_EQ(Tables().RaceBestFront3F(kRace), u" 35.6");
  EXPECT_EQ(Tables().RaceBestBack3F(kRace), u" 34.8");

  SetTexts(2, u"35.6", u"34.8");
  SetTexts(3, u" 35.6", u" 34.8");
  FindRaceBestThreeFurlongs(meeting_, kRace, 5);
  EXPECT_EQ(Tables().RaceBestFront3F(kRace), u"35.6");
  EXPECT_EQ(Tables().RaceBestBack3F(kRace), u"34.8");
}

TEST_F(RaceBests, OnlyTheRunnersOfThePassCount) {
  SetTexts(1, u" 36.0", u" 35.9");
  SetTexts(2, u" 35.0", u" 34.0");
  FindRaceBestThreeFurlongs(meeting_, kRace, 1);
  EXPECT_EQ(Tables().RaceBestFront3F(kRace), u" 36.0");
  EXPECT_EQ(Tables().RaceBestBack3F(kRace), u" 35.9");
}

TEST_F(RaceBests, NoRunnerWithAValueLeavesOneHundredAndEveryStyleNone) {
  for (int runner = 1; runner <= 18; ++runner) SetTexts(runner, u" **.*", u" **.*");
  FindRaceBestThreeFurlongs(meeting_, kRace, 28);
  EXPECT_EQ(Tables().RaceBestFront3F(kRace), u"100");
  EXPECT_EQ(Tables().RaceBestBack3F(kRace), u"100");
  AssignRunningStyles(grid_, meeting_, kRace, 28);
  for (int runner = 1; runner <= 18; ++runner) {
    EXPECT_EQ(Tables().RunningStyle(runner), kNone + kNone);
    EXPECT_EQ(grid_.TextAt(runner + 1, RunnerColumn::kRunningStyle), kNone + kNone);
  }
}

// --- Running styles

// The text of a value in tenths as the 3-furlong step writes it: " 35.6", " 36.0".
Text TenthsText(int tenths) {
  return u" " + model::NumberToPatternText(tenths / 10.0, u"0.0");
}

struct StyleCase {
  int tenths_above;  // the runner's value above the race's best
  const char16_t* early;
  const char16_t* finish;
};

void PrintTo(const StyleCase& c, std::ostream* os) {
  *os << c.tenths_above;
}

class RunningStyleBounds : public ThreeFurlongFixture, public testing::WithParamInterface<StyleCase> {};

// Bounds hold whatever the best: values a whole number of tenths apart compare as such.
TEST_P(RunningStyleBounds, EachBoundIncludesItsValue) {
  const StyleCase& c = GetParam();
  for (int best : {299, 333, 347, 350, 356, 361, 379, 402}) {
    SCOPED_TRACE(best);
    Tables().RaceBestFront3F(kRace) = TenthsText(best);
    Tables().RaceBestBack3F(kRace) = TenthsText(best);
    Tables().Front3FText(1) = TenthsText(best + c.tenths_above);
    Tables().Back3FText(1) = TenthsText(best + c.tenths_above);
    AssignRunningStyles(grid_, meeting_, kRace, 1);
    EXPECT_EQ(Tables().RunningStyle(1), Text(c.early) + c.finish);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, RunningStyleBounds,
                         testing::Values(StyleCase{0, u"逃", u"差"}, StyleCase{6, u"逃", u"差"},
                                         StyleCase{7, u"先", u"追"}, StyleCase{16, u"先", u"追"},
                                         StyleCase{17, u"中", u"中"}, StyleCase{26, u"中", u"中"},
                                         StyleCase{27, u"後", u"中"}, StyleCase{80, u"後", u"中"}),
                         [](const auto& info) { return std::to_string(info.param.tenths_above); });

TEST_F(ThreeFurlongFixture, StylesOfARaceFromItsComputedValues) {
  // Runner 1 leads early, runner 2 has no values, runner 3 comes from behind, runner 4 sits between.
  SetRace(u"1600", u"1");
  ClearRuns(1);
  SetRun(1, 1, {u"1600", u"1", u"34.0", u"36.5"});
  ClearRuns(2);
  ClearRuns(3);
  SetRun(3, 1, {u"1600", u"1", u"36.5", u"35.0"});
  ClearRuns(4);
  SetRun(4, 1, {u"1600", u"1", u"35.2", u"36.2"});
  for (int runner = 1; runner <= 4; ++runner) Compute(runner);
  FindRaceBestThreeFurlongs(meeting_, kRace, 4);
  AssignRunningStyles(grid_, meeting_, kRace, 4);
  EXPECT_EQ(Tables().RaceBestFront3F(kRace), u" 34.0");
  EXPECT_EQ(Tables().RaceBestBack3F(kRace), u" 35.0");
  EXPECT_EQ(grid_.TextAt(2, RunnerColumn::kRunningStyle), u"逃追");
  EXPECT_EQ(grid_.TextAt(3, RunnerColumn::kRunningStyle), kNone + kNone);
  EXPECT_EQ(grid_.TextAt(4, RunnerColumn::kRunningStyle), u"中差");
  EXPECT_EQ(grid_.TextAt(5, RunnerColumn::kRunningStyle), u"先追");
}

TEST_F(ThreeFurlongFixture, TheOnlyRunnerWithValuesLeadsAndFinishesBest) {
  SetRace(u"1600", u"1");
  ClearRuns(1);
  ClearRuns(2);
  SetRun(2, 3, {u"1600", u"1", u"38.4", u"39.9"});
  for (int runner = 1; runner <= 2; ++runner) Compute(runner);
  FindRaceBestThreeFurlongs(meeting_, kRace, 2);
  AssignRunningStyles(grid_, meeting_, kRace, 2);
  EXPECT_EQ(Tables().RunningStyle(1), kNone + kNone);
  EXPECT_EQ(Tables().RunningStyle(2), u"逃差");
}

}  // namespace
}  // namespace secondary
