#include "secondary/speed_value.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "secondary/secondary_analysis_tables.h"
#include "tests/support/case_names.h"
#include "tests/support/recording_grid.h"

namespace secondary {
namespace {

using model::Text;

constexpr int kRace = 7;
constexpr analysis::RunnerColumn kValueColumn = analysis::RunnerColumn::kSpeedValue;
constexpr analysis::RunnerColumn kGradeColumn = analysis::RunnerColumn::kSpeedGrade;
const Text kKept = u"kept";

// --- Weighting by the age of the run

struct WeightRow {
  double value;
  std::array<double, 5> best;    // runs 1 to 5
  std::array<double, 5> second;  // runs 1 to 5
};

TEST(WeightedValues, MoveTheWorseWayByTheAgeOfTheRun) {
  const WeightRow rows[] = {
      {0, {1, 1, 1, 2, 3}, {1, 1, 1, 2, 3}},
      {10, {11, 11, 11, 12, 13}, {10, 10, 10, 11, 12}},
      {25, {26, 26, 28, 29, 31}, {25, 25, 27, 28, 30}},
      {-1, {0, 1, 1, 1, 1}, {-1, 0, 0, 0, 0}},
      {-10, {-9, -8, -8, -7, -7}, {-10, -9, -9, -8, -8}},
      {-25, {-24, -23, -22, -20, -19}, {-25, -24, -23, -21, -20}},
      // The extremes of the signed texts.
      {99, {100, 101, 107, 112, 119}, {99, 100, 106, 111, 118}},
      {-99, {-98, -96, -90, -85, -78}, {-99, -97, -91, -86, -79}},
  };
  for (const WeightRow& row : rows) {
    for (int run = 1; run <= 5; ++run) {
      const size_t k = static_cast<size_t>(run - 1);
      EXPECT_EQ(WeightedBest(row.value, run), row.best[k]) << row.value << " of run " << run;
      EXPECT_EQ(WeightedSecond(row.value, run), row.second[k]) << row.value << " of run " << run;
    }
  }
}

// --- Speed values of a race

// What one runner shows of its speed value.
struct Speed {
  Text best, second, value, text;
  bool operator==(const Speed&) const = default;
};

void PrintTo(const Speed& s, std::ostream* os) {
  *os << testing::PrintToString(s.best) << " " << testing::PrintToString(s.second) << " "
      << testing::PrintToString(s.value) << " " << testing::PrintToString(s.text);
}

class SpeedValues : public ::testing::Test {
 protected:
  SecondaryAnalysisTables& Tables() { return meeting_.Group<SecondaryAnalysisTables>(); }

  // ProvEvalSigned1 to 5 of runner, run 1 (the latest) first.
  void SetSigned(int runner, const std::array<Text, 5>& runs) {
    for (int run = 1; run <= 5; ++run)
      Tables().ProvEvalSigned[run](runner) = runs[static_cast<size_t>(run - 1)];
  }
  void Run(int runners, int race = kRace) {
    ComputeSpeedValues(meeting_, race, runners);
    GradeSpeedValues(grid_, meeting_, race, runners);
  }
  Speed SpeedOf(int runner) {
    const SecondaryAnalysisTables& t = Tables();
    return {t.SpeedBest(runner), t.SpeedSecond(runner), t.SpeedValue(runner), t.SpeedValueText(runner)};
  }
  // GradeSpeed of each runner, checked against the grid's two columns.
  Text Grades(int runners) {
    Text grades;
    for (int runner = 1; runner <= runners; ++runner) {
      EXPECT_EQ(grid_.TextAt(runner + 1, kValueColumn), Tables().SpeedValueText(runner)) << runner;
      EXPECT_EQ(grid_.TextAt(runner + 1, kGradeColumn), Tables().GradeSpeed(runner)) << runner;
      grades += Tables().GradeSpeed(runner);
    }
    return grades;
  }

  model::Meeting meeting_;
  testsupport::RecordingRunnerGrid grid_;
};

struct SpeedCase {
  const char* name;
  std::array<Text, 5> runs;  // run 1 first
  Speed expected;
};

class SpeedValueCases : public SpeedValues, public testing::WithParamInterface<SpeedCase> {};

TEST_P(SpeedValueCases, MeanOfTheWeightedBestTwo) {
  SetSigned(1, GetParam().runs);
  Run(1);
  EXPECT_EQ(SpeedOf(1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpeedValueCases,
    testing::Values(
        // Best -8 of run 3: 1 - floor(8 × 0.92) = -6; second -5 of run 1: -5; floor(-5.5) = -6.
        SpeedCase{"BestOfRunThreeSecondOfRunOne",
                  {u"-05", u"+03", u"-08", u"+10", u"+00"},
                  {u"-08", u"-05", u"-6", u"-06"}},
        SpeedCase{"AllEqual", {u"+10", u"+10", u"+10", u"+10", u"+10"}, {u"+10", u"+10", u"10", u"+10"}},
        // Both zeros take the factor of run 2.
        SpeedCase{"ZerosOfRunsTwoAndFour",
                  {u"+05", u"+00", u"+07", u"+00", u"+09"},
                  {u"+00", u"+00", u"1", u"+01"}},
        // Both take run 4's factor: -7 and -8, floor(-7.5) = -8.
        SpeedCase{"MinusTensOfRunsFourAndFive",
                  {u"+05", u"+06", u"+07", u"-10", u"-10"},
                  {u"-10", u"-10", u"-8", u"-08"}},
        // The second +10 came from run 5, but run 1 holds the same number: both weigh 1.0.
        SpeedCase{"EqualValuesTakeTheMoreRecentRun",
                  {u"+10", u"+20", u"+20", u"+20", u"+10"},
                  {u"+10", u"+10", u"10", u"+10"}},
        // -1 weighs 1 from run 2 and 0 from run 1; the second, +05, is weighted from run 1.
        SpeedCase{
            "MinusOneOfRunTwo", {u"+05", u"-01", u"+05", u"+05", u"+05"}, {u"-01", u"+05", u"3", u"+03"}},
        SpeedCase{
            "MinusOneOfRunOne", {u"-01", u"+05", u"+05", u"+05", u"+05"}, {u"-01", u"+05", u"2", u"+02"}},
        // Just below and at zero: floor(-0.5) = -1 is "-01", floor(0.5) = 0 is "+00".
        SpeedCase{"MinusOneTwice", {u"-01", u"+05", u"+05", u"+05", u"-01"}, {u"-01", u"-01", u"-1", u"-01"}},
        SpeedCase{
            "MinusOneAndZero", {u"-01", u"+00", u"+05", u"+05", u"+05"}, {u"-01", u"+00", u"0", u"+00"}},
        // The oldest run's "-99 " keeps its blank; the later "-99" of run 1 sorts first.
        SpeedCase{"MinusNinetyNineOfTheOldestAndTheLatest",
                  {u"-99", u"+05", u"+05", u"+05", u"-99 "},
                  {u"-99", u"-99 ", u"-99", u"-99"}},
        // floor(98 × 1.2) + 1 = 118 and 99 of run 1: 108 shows "+99".
        SpeedCase{"AboveNinetyNineShowsPlusNinetyNine",
                  {u"+99", u"+99", u"+99", u"+99", u"+98"},
                  {u"+98", u"+99", u"108", u"+99"}},
        SpeedCase{
            "AllPlusNinetyNine", {u"+99", u"+99", u"+99", u"+99", u"+99"}, {u"+99", u"+99", u"99", u"+99"}},
        SpeedCase{"NoValidRun", {u"---", u"---", u"---", u"---", u"---"}, {u"***", u"***", u"***", u"***"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Grade ①

class SpeedGrades : public SpeedValues {
 protected:
  // SpeedValue of runners 1, 2, ... in order, as the first step leaves them.
  void SetValues(const std::vector<Text>& values) {
    for (size_t i = 0; i < values.size(); ++i) Tables().SpeedValue(static_cast<int>(i) + 1) = values[i];
  }
  Text Graded(const std::vector<Text>& values) {
    SetValues(values);
    const int runners = static_cast<int>(values.size());
    GradeSpeedValues(grid_, meeting_, kRace, runners);
    return Grades(runners);
  }
};

TEST_F(SpeedGrades, StepsOfSixFromTheRacesLowestValue) {
  // The lowest, -6, is neither the first runner nor the last.
  EXPECT_EQ(Graded({u"0", u"1", u"-6", u"6", u"7", u"48", u"49", u"54", u"55"}), u"98987100*");
}

TEST_F(SpeedGrades, ARunnerWithoutAValueDoesNotMoveTheLowest) {
  // Read as a number, "***" would be 0 and the lowest.
  EXPECT_EQ(Graded({u"10", u"***", u"16", u"17"}), u"9-98");
}

TEST_F(SpeedGrades, TheLowestIsNeverAboveOneHundred) {
  EXPECT_EQ(Graded({u"103", u"106", u"107"}), u"998");
}

TEST_F(SpeedValues, NoValidRunInTheRace) {
  for (int runner = 1; runner <= 3; ++runner) SetSigned(runner, {u"---", u"---", u"---", u"---", u"---"});
  Run(3);
  EXPECT_EQ(Grades(3), u"---");
  EXPECT_EQ(grid_.TextAt(4, kValueColumn), u"***");
}

TEST_F(SpeedValues, ASmallerRaceLeavesTheRunnersBeyondItsField) {
  SetSigned(1, {u"+10", u"+10", u"+10", u"+10", u"+10"});
  SetSigned(2, {u"+16", u"+16", u"+16", u"+16", u"+16"});
  SetSigned(3, {u"+30", u"+30", u"+30", u"+30", u"+30"});
  Run(3);
  SetSigned(1, {u"---", u"---", u"---", u"---", u"---"});
  SetSigned(2, {u"+40", u"+40", u"+40", u"+40", u"+40"});
  Run(2);
  EXPECT_EQ(SpeedOf(1), (Speed{u"***", u"***", u"***", u"***"}));
  EXPECT_EQ(SpeedOf(3), (Speed{u"+30", u"+30", u"30", u"+30"}));
  // Runner 3 keeps the grade it had against the earlier race's lowest, 10.
  EXPECT_EQ(Grades(3), u"-96");
}

TEST_F(SpeedValues, OnlyTheEighteenRunnersTheTablesHold) {
  for (int runner = 1; runner <= 18; ++runner) SetSigned(runner, {u"+10", u"+10", u"+10", u"+10", u"+10"});
  Run(28);
  EXPECT_EQ(Grades(18), Text(18, u'9'));
}

TEST_F(SpeedValues, NoRaceConfirmedWritesNothing) {
  SetSigned(1, {u"+10", u"+10", u"+10", u"+10", u"+10"});
  Tables().SpeedValue(1) = kKept;
  Tables().GradeSpeed(1) = kKept;
  Run(1, 0);
  Run(1, 13);
  EXPECT_EQ(Tables().SpeedValue(1), kKept);
  EXPECT_EQ(Tables().GradeSpeed(1), kKept);
  EXPECT_EQ(grid_.TextAt(2, kGradeColumn), u"");
}

}  // namespace
}  // namespace secondary
