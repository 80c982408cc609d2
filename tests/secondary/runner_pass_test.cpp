// The per-runner steps in the order of the analysis run: each reads what the step before it left.

#include <gtest/gtest.h>

#include <array>

#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "program/program.h"
#include "secondary/current_ability.h"
#include "secondary/provisional_damping.h"
#include "secondary/provisional_evaluations.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/window_grids.h"
#include "ui/grid.h"

namespace secondary {
namespace {

using model::Text;

constexpr int kRace = 2;

// Texts of runs 5, 4, 3, 2, 1.
using FiveTexts = std::array<Text, 5>;

class RunnerPassTest : public ::testing::Test {
 protected:
  void SetRunner(int runner, const Text& mask, const FiveTexts& evals, const FiveTexts& surface_match) {
    auto& basic = app_.meeting.Group<basic::BasicAnalysisTables>();
    basic.RunMask(runner) = mask;
    for (int run = 5; run >= 1; --run) {
      basic.RunEval[run](runner) = evals[static_cast<size_t>(5 - run)];
      basic.RunSurfaceMatch[run](runner) = surface_match[static_cast<size_t>(5 - run)];
    }
  }
  FiveTexts FamilyOf(const model::AnalysedRunnerFamily& family, int runner) {
    FiveTexts texts;
    for (int run = 5; run >= 1; --run) texts[static_cast<size_t>(5 - run)] = family[run](runner);
    return texts;
  }
  void RunPass(int runners) {
    analysis::frmAg3& window = app_.Form<analysis::frmAg3>();
    ResetAbilityAverage(app_.meeting);
    for (int runner = 1; runner <= runners; ++runner) {
      EstimateProvisionalEvaluations(app_.meeting, kRace, runner);
      DampProvisionalEvaluations(app_.meeting, kRace, runner);
      BuildProvisionalTexts(grids_.PastRuns(window.MSFlexGrid1), app_.meeting, kRace, runner);
      ComputeCurrentAbility(app_.meeting, kRace, runner);
    }
    GradeCurrentAbilities(grids_.Runners(window.MSFlexGrid2), app_.meeting, kRace, runners);
  }

  program::Program app_;
  testsupport::WindowGrids grids_;
};

// The current ability reads the damped values (49, 20, 1, -5, 0 give 1; the undamped ones would give
// 4), and a runner without a counting run shows its markers all the way to the grade.
TEST_F(RunnerPassTest, LaterStepsReadTheDampedValuesAndTheMarkers) {
  SetRunner(1, u"55555", {u"60", u"20", u"-10", u"-5", u"0"}, {u"2", u"4", u"2", u"4", u"2"});
  SetRunner(2, u"11111", {u"---", u"---", u"---", u"---", u"---"}, {u"1", u"3", u"1", u"5", u"1"});
  RunPass(2);

  SecondaryAnalysisTables& t = app_.meeting.Group<SecondaryAnalysisTables>();
  EXPECT_EQ(FamilyOf(t.ProvEval, 1), (FiveTexts{u"49", u"20", u"1", u"-5", u"0"}));
  EXPECT_EQ(FamilyOf(t.ProvEvalText, 1), (FiveTexts{u"+49 ", u"+20 ", u"+01 ", u"-05 ", u"+00 "}));
  EXPECT_EQ(t.CurrentAbility(1), u"1");
  EXPECT_EQ(t.GradeAbility(1), u"9");

  EXPECT_EQ(FamilyOf(t.ProvEval, 2), (FiveTexts{u"----", u"----", u"----", u"----", u"----"}));
  EXPECT_EQ(FamilyOf(t.ProvEvalSigned, 2), (FiveTexts{u"---", u"---", u"---", u"---", u"---"}));
  EXPECT_EQ(FamilyOf(t.ProvEvalText, 2), (FiveTexts{u"---.", u"---.", u"---.", u"---.", u"---."}));
  EXPECT_EQ(t.CurrentAbility(2), u"***");
  EXPECT_EQ(t.CurrentAbilityText(2), u"***");
  EXPECT_EQ(t.GradeAbility(2), u"-");
  EXPECT_EQ(t.AbilitySum(), u"1");
  EXPECT_EQ(t.AbilityCount(), u"1");

  const ui::FlexGrid& past_runs = app_.Form<analysis::frmAg3>().MSFlexGrid1;
  EXPECT_EQ(past_runs.TextMatrix(3, 1), u"---.");
  EXPECT_EQ(past_runs.TextMatrix(2, 1), u"+49 ");
  const ui::FlexGrid& runners = app_.Form<analysis::frmAg3>().MSFlexGrid2;
  EXPECT_EQ(runners.TextMatrix(2, 4), u"+01");
  EXPECT_EQ(runners.TextMatrix(3, 4), u"***");
  EXPECT_EQ(runners.TextMatrix(3, 5), u"-");
}

// Every table the steps write is registered under its own name.
TEST_F(RunnerPassTest, TablesAreRegisteredByName) {
  for (const char* name :
       {"ProvEval1", "ProvEval5", "ProvEvalSigned3", "ProvEvalText1", "ProvEvalText5", "CurrentAbility",
        "CurrentAbilityText", "GradeAbility", "AbilitySum", "AbilityCount"}) {
    EXPECT_NE(app_.meeting.Registry().Find(name), nullptr) << name;
  }
}

}  // namespace
}  // namespace secondary
