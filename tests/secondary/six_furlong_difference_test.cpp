#include "secondary/six_furlong_difference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/numbers.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/case_names.h"
#include "tests/support/recording_grid.h"

namespace secondary {
namespace {

using model::Text;

constexpr int kRace = 5;
constexpr analysis::RunnerColumn kDiffColumn = analysis::RunnerColumn::kSixFurlongDiff;
constexpr analysis::RunnerColumn kGradeColumn = analysis::RunnerColumn::kThreeFurlongGrade;
const Text kKept = u"kept";

// A runner's difference and grade ③ as the tables and the grid row show them.
struct Shown {
  Text diff;
  Text grade;
  bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& s, std::ostream* os) {
  *os << testing::PrintToString(s.diff) << " " << testing::PrintToString(s.grade);
}

class SixFurlongDifferences : public ::testing::Test {
 protected:
  SecondaryAnalysisTables& Tables() { return meeting_.Group<SecondaryAnalysisTables>(); }

  // Totals of runners 1, 2, ... in order.
  void SetTotals(const std::vector<Text>& totals) {
    for (size_t i = 0; i < totals.size(); ++i) Tables().Total6FText(static_cast<int>(i) + 1) = totals[i];
  }
  void Run(int runners, int race = kRace) {
    ComputeSixFurlongDifferences(meeting_, race, runners);
    GradeSixFurlongDifferences(grid_, meeting_, race, runners);
  }
  Shown InTables(int runner) { return {Tables().Diff6FText(runner), Tables().Grade3F(runner)}; }
  Shown InGrid(int runner) {
    return {grid_.TextAt(runner + 1, kDiffColumn), grid_.TextAt(runner + 1, kGradeColumn)};
  }
  std::vector<Shown> ShownFor(int runners) {
    std::vector<Shown> shown;
    for (int runner = 1; runner <= runners; ++runner) {
      EXPECT_EQ(InGrid(runner), InTables(runner)) << "runner " << runner;
      shown.push_back(InTables(runner));
    }
    return shown;
  }

  model::Meeting meeting_;
  testsupport::RecordingRunnerGrid grid_;
};

TEST_F(SixFurlongDifferences, MeasureFromTheRacesBestTotal) {
  // The best, 70.1, is neither the first runner nor the first total; a runner without a total comes
  // first and does not count.
  SetTotals({u"**.*", u"70.5", u"70.1", u"70.6", u"74.1", u"74.2", u"80.0", u"82.4"});
  Run(8);
  const std::vector<Shown> expected = {{u"**", u"-"}, {u"04", u"9"}, {u"00", u"9"}, {u"05", u"8"},
                                       {u"40", u"0"}, {u"41", u"*"}, {u"99", u"*"}, {u"123", u"*"}};
  EXPECT_EQ(ShownFor(8), expected);
}

TEST_F(SixFurlongDifferences, EqualBestTotalsAreBothOnTheBest) {
  SetTotals({u"71.3", u"70.2", u"70.2", u"70.9"});
  Run(4);
  const std::vector<Shown> expected = {{u"11", u"7"}, {u"00", u"9"}, {u"00", u"9"}, {u"07", u"8"}};
  EXPECT_EQ(ShownFor(4), expected);
}

TEST_F(SixFurlongDifferences, ARunnerWithoutATotalWhateverItsBlanks) {
  SetTotals({u" **.*", u"**.* ", u"69.0"});
  Run(3);
  const std::vector<Shown> expected = {{u"**", u"-"}, {u"**", u"-"}, {u"00", u"9"}};
  EXPECT_EQ(ShownFor(3), expected);
}

TEST_F(SixFurlongDifferences, NoTotalInTheRace) {
  SetTotals({u"**.*", u"**.*", u"**.*"});
  Run(3);
  const std::vector<Shown> expected(3, Shown{u"**", u"-"});
  EXPECT_EQ(ShownFor(3), expected);
}

TEST_F(SixFurlongDifferences, TheBestIsNeverAboveOneHundredSeconds) {
  SetTotals({u"100.5", u"101.0", u"100.0"});
  Run(3);
  const std::vector<Shown> expected = {{u"05", u"8"}, {u"10", u"7"}, {u"00", u"9"}};
  EXPECT_EQ(ShownFor(3), expected);
}

// Totals differ by one decimal, whose tenths land a hair off a whole number in binary.
TEST_F(SixFurlongDifferences, EveryTenthUpToTenSecondsShowsItsOwnDigits) {
  for (const double best : {58.3, 69.9, 70.1, 71.7, 74.8}) {
    for (int tenths = 1; tenths <= 99; tenths += 17) {
      SetTotals({model::NumberToPatternText(best, u"00.0"),
                 model::NumberToPatternText(best + tenths / 10.0, u"00.0")});
      Run(2);
      EXPECT_EQ(Tables().Diff6FText(2), model::NumberToPatternText(tenths, u"00")) << best << " " << tenths;
    }
  }
}

struct GradeCase {
  const char16_t* diff;
  const char16_t* expected;
};

class Grade3FBands : public SixFurlongDifferences, public testing::WithParamInterface<GradeCase> {};

// Grade ③ reads the difference text, so a case sets it directly.
TEST_P(Grade3FBands, StepsOfFourTenthsFromZeroHoldTheirUpperBound) {
  Tables().Diff6FText(1) = GetParam().diff;
  GradeSixFurlongDifferences(grid_, meeting_, kRace, 1);
  EXPECT_EQ(Tables().Grade3F(1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Grade3FBands,
    testing::Values(GradeCase{u"00", u"9"}, GradeCase{u"04", u"9"}, GradeCase{u"05", u"8"},
                    GradeCase{u"08", u"8"}, GradeCase{u"09", u"7"}, GradeCase{u"12", u"7"},
                    GradeCase{u"13", u"6"}, GradeCase{u"16", u"6"}, GradeCase{u"17", u"5"},
                    GradeCase{u"20", u"5"}, GradeCase{u"21", u"4"}, GradeCase{u"24", u"4"},
                    GradeCase{u"25", u"3"}, GradeCase{u"28", u"3"}, GradeCase{u"29", u"2"},
                    GradeCase{u"32", u"2"}, GradeCase{u"33", u"1"}, GradeCase{u"36", u"1"},
                    GradeCase{u"37", u"0"}, GradeCase{u"40", u"0"}, GradeCase{u"41", u"*"},
                    GradeCase{u"123", u"*"}, GradeCase{u"**", u"-"}),
    [](const auto& info) { return testsupport::CaseName(info.param.diff); });

TEST_F(SixFurlongDifferences, ASmallerRaceLeavesTheRunnersBeyondItsField) {
  SetTotals({u"70.0", u"70.4", u"70.8", u"71.2", u"71.6"});
  Run(5);
  SetTotals({u"75.0", u"72.0", u"73.0"});
  Run(3);
  const std::vector<Shown> expected = {
      {u"30", u"2"}, {u"00", u"9"}, {u"10", u"7"}, {u"12", u"7"}, {u"16", u"6"}};
  EXPECT_EQ(ShownFor(5), expected);
}

TEST_F(SixFurlongDifferences, OnlyTheEighteenRunnersTheTablesHold) {
  std::vector<Text> totals;
  for (int runner = 1; runner <= 18; ++runner) totals.push_back(model::NumberToText(60 + runner / 10.0));
  SetTotals(totals);
  Run(28);
  EXPECT_EQ(InTables(18), (Shown{u"17", u"5"}));
  EXPECT_EQ(InGrid(18), InTables(18));
}

TEST_F(SixFurlongDifferences, NoRaceConfirmedWritesNothing) {
  SetTotals({u"70.0"});
  Tables().Diff6FText(1) = kKept;
  Tables().Grade3F(1) = kKept;
  Run(1, 0);
  Run(1, 13);
  EXPECT_EQ(InTables(1), (Shown{kKept, kKept}));
  EXPECT_EQ(InGrid(1), (Shown{u"", u""}));
}

}  // namespace
}  // namespace secondary
