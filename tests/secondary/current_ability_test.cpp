#include "secondary/current_ability.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/window_grids.h"
#include "ui/grid.h"

namespace secondary {
namespace {

using model::Text;

constexpr int kRace = 9;
constexpr int kRunner = 4;

// Texts of runs 5, 4, 3, 2, 1.
using FiveTexts = std::array<Text, 5>;

class CurrentAbilityTest : public ::testing::Test {
 protected:
  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  model::Meeting& Meeting() { return app_.meeting; }
  SecondaryAnalysisTables& Tables() { return app_.meeting.Group<SecondaryAnalysisTables>(); }

  void SetRunner(int runner, const Text& mask, const FiveTexts& provisional) {
    Meeting().Group<basic::BasicAnalysisTables>().RunMask(runner) = mask;
    for (int run = 5; run >= 1; --run)
      Tables().ProvEval[run](runner) = provisional[static_cast<size_t>(5 - run)];
  }
  // Sets the runners' current abilities ("***" for none) as the per-runner step leaves them.
  void SetAbilities(const std::vector<Text>& abilities) {
    for (size_t i = 0; i < abilities.size(); ++i) {
      const int runner = static_cast<int>(i) + 1;
      Tables().CurrentAbility(runner) = abilities[i];
      Tables().CurrentAbilityText(runner) = u"text " + abilities[i];
    }
  }

  program::Program app_;
  testsupport::WindowGrids grids_;
};

TEST_F(CurrentAbilityTest, MeanOfTheLatestRunsMovedByTheTrend) {
  const struct {
    const char* what;
    FiveTexts provisional;
    Text ability, text;
  } cases[] = {
      // Falling values: S < 0, 8 + 2.4 = 10.4.
      {"falling", {u"34", u"16", u"12", u"11", u"5"}, u"10", u"+10"},
      // Rising values: S >= 0, 13.5 - 1.4 = 12.1.
      {"rising", {u"5", u"8", u"10", u"12", u"15"}, u"12", u"+12"},
      // A negative mean with a negative trend takes it away: -6.5 + 1.4 = -5.1, floored to -6.
      {"rising below zero", {u"-15", u"-12", u"-10", u"-8", u"-5"}, u"-6", u"-06"},
      {"falling below zero", {u"-5", u"-8", u"-10", u"-12", u"-15"}, u"-13", u"-13"},
      // S = 0 takes the sign "-", but a trend of 0 moves nothing.
      {"steady", {u"10", u"10", u"10", u"10", u"10"}, u"10", u"+10"},
      {"steady with a fraction", {u" 12.5", u" 12.5", u" 12.5", u" 12.5", u" 12.5"}, u"12", u"+12"},
      // The trend passes through its 15-digit text: 0.055 read back makes -0.5 + 5.5 exactly 5,
      // where the unrounded trend would floor to 4; 0.07 read back makes 5 - 7 fall just below -2
      // and floor to -3, a step below what decimal arithmetic gives.
      {"trend read back, whole", {u"-20", u"-20", u"-20", u"-5", u"4"}, u"5", u"+05"},
      {"trend read back, below whole", {u"-20", u"-20", u"-20", u"0", u"10"}, u"-3", u"-03"},
      // The text is held between -99 and +99, the lower bound without a trailing blank.
      {"100", {u"100", u"100", u"100", u"100", u"100"}, u"100", u"+99"},
      {"99", {u"99", u"99", u"99", u"99", u"99"}, u"99", u"+99"},
      {"0", {u"0", u"0", u"0", u"0", u"0"}, u"0", u"+00"},
      {"-1", {u"-1", u"-1", u"-1", u"-1", u"-1"}, u"-1", u"-01"},
      {"-99", {u"-99", u"-99", u"-99", u"-99", u"-99"}, u"-99", u"-99"},
      {"-100", {u"-100", u"-100", u"-100", u"-100", u"-100"}, u"-100", u"-99"},
      {"-130", {u"-130", u"-130", u"-130", u"-130", u"-130"}, u"-130", u"-99"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetRunner(kRunner, u"55155", c.provisional);
    ComputeCurrentAbility(Meeting(), kRace, kRunner);
    EXPECT_EQ(Tables().CurrentAbility(kRunner), c.ability);
    EXPECT_EQ(Tables().CurrentAbilityText(kRunner), c.text);
  }
}

// The sum and count start afresh with each pass and leave out runners without a counting run.
TEST_F(CurrentAbilityTest, SumAndCountOfTheRunnersWithAValue) {
  Tables().AbilitySum() = u"37";
  Tables().AbilityCount() = u"5";
  SetRunner(1, u"55555", {u"34", u"16", u"12", u"11", u"5"});
  SetRunner(2, u"11111", {u"----", u"----", u"----", u"----", u"----"});
  SetRunner(3, u"15111", {u"-15", u"-12", u"-10", u"-8", u"-5"});
  ResetAbilityAverage(Meeting());
  EXPECT_EQ(Tables().AbilitySum(), u"0");
  EXPECT_EQ(Tables().AbilityCount(), u"0");
  for (int runner = 1; runner <= 3; ++runner) ComputeCurrentAbility(Meeting(), kRace, runner);
  EXPECT_EQ(Tables().CurrentAbility(2), u"***");
  EXPECT_EQ(Tables().CurrentAbilityText(2), u"***");
  EXPECT_EQ(Tables().AbilitySum(), u"4");
  EXPECT_EQ(Tables().AbilityCount(), u"2");
}

// "***" whatever the provisional values hold: they are "----" after the estimate, or anything an
// earlier race left.
TEST_F(CurrentAbilityTest, NoCountingRunHasNoValue) {
  for (const FiveTexts& provisional :
       {FiveTexts{u"----", u"----", u"----", u"----", u"----"}, FiveTexts{u"40", u"1", u"7", u"-3", u"12"}}) {
    SetRunner(kRunner, u"11111", provisional);
    ComputeCurrentAbility(Meeting(), kRace, kRunner);
    EXPECT_EQ(Tables().CurrentAbility(kRunner), u"***");
    EXPECT_EQ(Tables().CurrentAbilityText(kRunner), u"***");
  }
}

TEST_F(CurrentAbilityTest, GradesInStepsOf6FromTheRacesLowest) {
  const struct {
    const char* what;
    std::vector<Text> abilities;
    std::vector<Text> grades;
  } cases[] = {
      // The lowest is -3; each step includes its upper bound: 3 = m + 6 is still "9", 57 = m + 60 "0".
      {"lowest -3",
       {u"3", u"-3", u"9", u"***", u"10", u"57", u"58"},
       {u"9", u"9", u"8", u"-", u"7", u"0", u"*"}},
      // The lowest starts at 100, so a field at 100 and above is graded from 100.
      {"all from 100 up", {u"103", u"160", u"161", u"100"}, {u"9", u"0", u"*", u"9"}},
      {"no value", {u"***", u"***"}, {u"-", u"-"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetAbilities(c.abilities);
    const int runners = static_cast<int>(c.abilities.size());
    GradeCurrentAbilities(grids_.Runners(Window().MSFlexGrid2), Meeting(), kRace, runners);
    for (int runner = 1; runner <= runners; ++runner) {
      EXPECT_EQ(Tables().GradeAbility(runner), c.grades[static_cast<size_t>(runner - 1)]) << runner;
    }
  }
}

// Columns 4 and 5 of the runners' rows take the text and the grade; the spacers, the other columns
// and the rows below the field keep theirs.
TEST_F(CurrentAbilityTest, WritesTheTwoColumnsOfTheFieldsRows) {
  ui::FlexGrid& grid = Window().MSFlexGrid2;
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) grid.SetTextMatrix(r, c, u"before");
  }
  SetAbilities({u"12", u"***", u"-4"});
  GradeCurrentAbilities(grids_.Runners(Window().MSFlexGrid2), Meeting(), kRace, 3);
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) {
      const bool written = r >= 2 && r <= 4 && (c == 4 || c == 5);
      if (!written) {
        EXPECT_EQ(grid.TextMatrix(r, c), u"before") << r << " " << c;
      }
    }
  }
  const std::array<std::pair<Text, Text>, 3> rows = {
      {{u"text 12", u"7"}, {u"text ***", u"-"}, {u"text -4", u"9"}}};
  for (int runner = 1; runner <= 3; ++runner) {
    EXPECT_EQ(grid.TextMatrix(runner + 1, 4), rows[static_cast<size_t>(runner - 1)].first);
    EXPECT_EQ(grid.TextMatrix(runner + 1, 5), rows[static_cast<size_t>(runner - 1)].second);
  }
}

// A race of 8 after a race of 18: the lowest is taken over the 8 only, although the entries of
// runners 9 to 18 still hold the earlier race's values, and those entries and rows stay.
TEST_F(CurrentAbilityTest, ASmallerRaceAfterALargerOne) {
  std::vector<Text> larger(18, u"40");
  larger[11] = u"-50";
  SetAbilities(larger);
  GradeCurrentAbilities(grids_.Runners(Window().MSFlexGrid2), Meeting(), kRace, 18);
  EXPECT_EQ(Tables().GradeAbility(1), u"*");
  EXPECT_EQ(Tables().GradeAbility(12), u"9");

  SetAbilities({u"20", u"26", u"27", u"***", u"80", u"21", u"33", u"20"});
  GradeCurrentAbilities(grids_.Runners(Window().MSFlexGrid2), Meeting(), kRace + 1, 8);
  const std::vector<Text> grades = {u"9", u"9", u"8", u"-", u"0", u"9", u"7", u"9"};
  for (int runner = 1; runner <= 8; ++runner) {
    EXPECT_EQ(Tables().GradeAbility(runner), grades[static_cast<size_t>(runner - 1)]) << runner;
  }
  EXPECT_EQ(Tables().GradeAbility(12), u"9");
  EXPECT_EQ(Tables().GradeAbility(13), u"*");
  EXPECT_EQ(Window().MSFlexGrid2.TextMatrix(13, 4), u"text -50");
  EXPECT_EQ(Window().MSFlexGrid2.TextMatrix(14, 5), u"*");
}

// Counts outside 0 to 18 and indices outside the tables never reach outside them.
TEST_F(CurrentAbilityTest, IndicesOutsideTheTablesAreKeptOut) {
  SetAbilities(std::vector<Text>(18, u"7"));
  EXPECT_NO_THROW(GradeCurrentAbilities(grids_.Runners(Window().MSFlexGrid2), Meeting(), kRace, 28));
  EXPECT_EQ(Tables().GradeAbility(18), u"9");
  EXPECT_NO_THROW(GradeCurrentAbilities(grids_.Runners(Window().MSFlexGrid2), Meeting(), kRace, -1));
  Tables().GradeAbility(1) = u"kept";
  EXPECT_NO_THROW(GradeCurrentAbilities(grids_.Runners(Window().MSFlexGrid2), Meeting(), 0, 18));
  EXPECT_NO_THROW(GradeCurrentAbilities(grids_.Runners(Window().MSFlexGrid2), Meeting(), 13, 18));
  EXPECT_EQ(Tables().GradeAbility(1), u"kept");

  ResetAbilityAverage(Meeting());
  SetRunner(kRunner, u"55555", {u"1", u"1", u"1", u"1", u"1"});
  for (const auto& [race, runner] : {std::pair{0, kRunner}, {13, kRunner}, {kRace, 0}, {kRace, 19}}) {
    EXPECT_NO_THROW(ComputeCurrentAbility(Meeting(), race, runner)) << race << " " << runner;
  }
  EXPECT_EQ(Tables().AbilityCount(), u"0");
}

}  // namespace
}  // namespace secondary
