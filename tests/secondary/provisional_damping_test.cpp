#include "secondary/provisional_damping.h"

#include <gtest/gtest.h>

#include <array>
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

constexpr int kRace = 3;
constexpr int kRunner = 6;

// Texts of runs 5, 4, 3, 2, 1: the order of the mask and of the grid.
using FiveTexts = std::array<Text, 5>;

class ProvisionalDampingTest : public ::testing::Test {
 protected:
  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  model::Meeting& Meeting() { return app_.meeting; }
  SecondaryAnalysisTables& Tables() { return app_.meeting.Group<SecondaryAnalysisTables>(); }
  basic::BasicAnalysisTables& Basic() { return app_.meeting.Group<basic::BasicAnalysisTables>(); }

  void SetFamily(model::AnalysedRunnerFamily& family, int runner, const FiveTexts& texts) {
    for (int run = 5; run >= 1; --run) family[run](runner) = texts[static_cast<size_t>(5 - run)];
  }
  FiveTexts FamilyOf(const model::AnalysedRunnerFamily& family, int runner) {
    FiveTexts texts;
    for (int run = 5; run >= 1; --run) texts[static_cast<size_t>(5 - run)] = family[run](runner);
    return texts;
  }
  // A runner with a counting run whose runs are all on today's surface.
  void SetRunner(int runner, const FiveTexts& provisional) {
    Basic().RunMask(runner) = u"55555";
    SetFamily(Basic().RunSurfaceMatch, runner, {u"2", u"2", u"2", u"2", u"2"});
    SetFamily(Tables().ProvEval, runner, provisional);
  }

  program::Program app_;
  testsupport::WindowGrids grids_;
};

TEST_F(ProvisionalDampingTest, DampsEveryJumpOfMoreThan20OncePairByPair) {
  const struct {
    const char* what;
    FiveTexts before, after;
  } cases[] = {
      {"exactly 20 apart stays", {u"30", u"10", u"10", u"10", u"10"}, {u"30", u"10", u"10", u"10", u"10"}},
      {"21 apart moves by 1", {u"31", u"10", u"10", u"10", u"10"}, {u"30", u"11", u"10", u"10", u"10"}},
      {"22 apart moves by 2", {u"22", u"0", u"0", u"0", u"0"}, {u"20", u"2", u"0", u"0", u"0"}},
      {"23 apart moves by 2", {u"23", u"0", u"0", u"0", u"0"}, {u"21", u"2", u"0", u"0", u"0"}},
      {"20.5 apart moves by 1", {u"20.5", u"0", u"0", u"0", u"0"}, {u"19.5", u"1", u"0", u"0", u"0"}},
      {"older run worse", {u"40", u"10", u"10", u"10", u"10"}, {u"34", u"16", u"10", u"10", u"10"}},
      {"older run better", {u"0", u"30", u"30", u"30", u"30"}, {u"6", u"24", u"30", u"30", u"30"}},
      {"latest pair", {u"0", u"0", u"0", u"0", u"25"}, {u"0", u"0", u"0", u"3", u"22"}},
      {"below zero", {u"5", u"-20", u"-20", u"-20", u"-20"}, {u"2", u"-17", u"-20", u"-20", u"-20"}},
      {"a fraction moves with its value",
       {u"12.5", u"40", u"40", u"40", u"40"},
       {u"16.5", u"36", u"40", u"40", u"40"}},
      // Run 4 moves with both neighbours, the second pair reading the value the first left; the
      // first pair is not looked at again although it ends 29 apart.
      {"chain", {u"60", u"20", u"-10", u"-5", u"0"}, {u"49", u"20", u"1", u"-5", u"0"}},
      // Values that do not move keep their texts as they are.
      {"unmoved texts", {u" 12.0", u"12", u" 12", u"12", u"40"}, {u" 12.0", u"12", u" 12", u"17", u"35"}},
      {"no counting run",
       {u"----", u"----", u"----", u"----", u"----"},
       {u"----", u"----", u"----", u"----", u"----"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetRunner(kRunner, c.before);
    DampProvisionalEvaluations(Meeting(), kRace, kRunner);
    EXPECT_EQ(FamilyOf(Tables().ProvEval, kRunner), c.after);
  }
}

// The value is rounded to a whole number, halves away from zero, before it is placed, so no text
// grows to three digits and a small negative value shows as "+00". Only the run five back writes its
// lower bound with a trailing blank.
TEST_F(ProvisionalDampingTest, SignedTextsAtTheirBounds) {
  const struct {
    Text value, shown, shown_run5;
  } cases[] = {
      {u"-130", u"-99", u"-99 "},  {u"-100", u"-99", u"-99 "}, {u"-99.6", u"-99", u"-99 "},
      {u"-99.5", u"-99", u"-99 "}, {u"-99.4", u"-99", u"-99"}, {u"-99", u"-99", u"-99"},
      {u"-12", u"-12", u"-12"},    {u"-5", u"-05", u"-05"},    {u"-1", u"-01", u"-01"},
      {u"-0.5", u"-01", u"-01"},   {u"-0.4", u"+00", u"+00"},  {u"0", u"+00", u"+00"},
      {u"7", u"+07", u"+07"},      {u" 40.2", u"+40", u"+40"}, {u"99", u"+99", u"+99"},
      {u"99.4", u"+99", u"+99"},   {u"99.6", u"+99", u"+99"},  {u"100", u"+99", u"+99"},
      {u"140", u"+99", u"+99"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.value));
    SetRunner(kRunner, {c.value, c.value, c.value, c.value, c.value});
    BuildProvisionalTexts(grids_.PastRuns(Window().MSFlexGrid1), Meeting(), kRace, kRunner);
    EXPECT_EQ(FamilyOf(Tables().ProvEvalSigned, kRunner),
              (FiveTexts{c.shown_run5, c.shown, c.shown, c.shown, c.shown}));
  }
}

// A point after the text marks a run that is not a usable run on today's surface; a run on today's
// surface, or a code the basic analysis does not write, gets a blank.
TEST_F(ProvisionalDampingTest, CellTextsMarkRunsOffTodaysSurface) {
  const struct {
    Text surface_match, mark;
  } cases[] = {{u"1", u"."}, {u"2", u" "}, {u"3", u"."}, {u"4", u" "},
               {u"5", u"."}, {u"", u" "},  {u"0", u" "}};
  for (const auto& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.surface_match));
    SetRunner(kRunner, {u"-100", u"5", u"5", u"5", u"5"});
    SetFamily(Basic().RunSurfaceMatch, kRunner,
              {c.surface_match, c.surface_match, c.surface_match, c.surface_match, c.surface_match});
    BuildProvisionalTexts(grids_.PastRuns(Window().MSFlexGrid1), Meeting(), kRace, kRunner);
    EXPECT_EQ(
        FamilyOf(Tables().ProvEvalText, kRunner),
        (FiveTexts{u"-99 " + c.mark, u"+05" + c.mark, u"+05" + c.mark, u"+05" + c.mark, u"+05" + c.mark}));
  }
}

// Without a counting run every signed text is "---", whatever the values hold, and the cells keep
// their surface marks.
TEST_F(ProvisionalDampingTest, NoCountingRunShowsThreeHyphens) {
  SetRunner(kRunner, {u"----", u"----", u"----", u"----", u"----"});
  Basic().RunMask(kRunner) = u"11111";
  SetFamily(Basic().RunSurfaceMatch, kRunner, {u"1", u"3", u"2", u"5", u"4"});
  DampProvisionalEvaluations(Meeting(), kRace, kRunner);
  BuildProvisionalTexts(grids_.PastRuns(Window().MSFlexGrid1), Meeting(), kRace, kRunner);
  EXPECT_EQ(FamilyOf(Tables().ProvEval, kRunner), (FiveTexts{u"----", u"----", u"----", u"----", u"----"}));
  EXPECT_EQ(FamilyOf(Tables().ProvEvalSigned, kRunner), (FiveTexts{u"---", u"---", u"---", u"---", u"---"}));
  EXPECT_EQ(FamilyOf(Tables().ProvEvalText, kRunner),
            (FiveTexts{u"---.", u"---.", u"--- ", u"---.", u"--- "}));
}

// The runner's row shows run five back in column 1 to the last run in column 5; the horse number,
// the other rows and every colour stay.
TEST_F(ProvisionalDampingTest, WritesTheRunnersRowOnly) {
  ui::FlexGrid& grid = Window().MSFlexGrid1;
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) grid.SetTextMatrix(r, c, u"before");
  }
  grid.SetRow(kRunner + 1);
  grid.SetCol(3);
  grid.SetCellBackColor(0xC0FFFF);
  SetRunner(kRunner, {u"-3", u"12", u"0", u"150", u"-7"});
  SetFamily(Basic().RunSurfaceMatch, kRunner, {u"2", u"3", u"4", u"5", u"1"});
  SetRunner(kRunner + 1, {u"1", u"1", u"1", u"1", u"1"});
  Tables().ProvEvalText[1](kRunner + 1) = u"kept";

  BuildProvisionalTexts(grids_.PastRuns(Window().MSFlexGrid1), Meeting(), kRace, kRunner);

  const std::array<Text, 6> row = {u"before", u"-03 ", u"+12.", u"+00 ", u"+99.", u"-07."};
  for (int c = 0; c < grid.Cols(); ++c)
    EXPECT_EQ(grid.TextMatrix(kRunner + 1, c), row[static_cast<size_t>(c)]) << c;
  for (int r = 0; r < grid.Rows(); ++r) {
    if (r == kRunner + 1) continue;
    for (int c = 0; c < grid.Cols(); ++c) EXPECT_EQ(grid.TextMatrix(r, c), u"before") << r << " " << c;
  }
  EXPECT_EQ(grid.CellBackColorAt(kRunner + 1, 3), 0xC0FFFFu);
  EXPECT_EQ(Tables().ProvEvalText[1](kRunner + 1), u"kept");
}

// A race or runner the tables do not hold writes nothing, neither tables nor grid.
TEST_F(ProvisionalDampingTest, IndicesOutsideTheTablesWriteNothing) {
  SetRunner(kRunner, {u"60", u"0", u"0", u"0", u"0"});
  for (const auto& [race, runner] : {std::pair{0, kRunner}, {13, kRunner}, {kRace, 0}, {kRace, 19}}) {
    EXPECT_NO_THROW(DampProvisionalEvaluations(Meeting(), race, runner)) << race << " " << runner;
    EXPECT_NO_THROW(BuildProvisionalTexts(grids_.PastRuns(Window().MSFlexGrid1), Meeting(), race, runner))
        << race << " " << runner;
  }
  EXPECT_EQ(FamilyOf(Tables().ProvEval, kRunner), (FiveTexts{u"60", u"0", u"0", u"0", u"0"}));
  EXPECT_EQ(Tables().ProvEvalSigned[5](kRunner), u"");
  EXPECT_EQ(Window().MSFlexGrid1.TextMatrix(kRunner + 1, 1), u"");
}

}  // namespace
}  // namespace secondary
