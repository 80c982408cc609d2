// " 基本  解析" on the sample meeting, along the road the user takes to it.
#include "basic/basic_analysis_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/analysis_tables.h"
#include "model/numbers.h"
#include "program/program.h"
#include "tests/support/sample_road.h"
#include "tools/driver/script_driver.h"

namespace basic {
namespace {

using analysis::frmAg3;
using model::Text;

class BasicAnalysisRun : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Start();
    ASSERT_EQ(testsupport::RoadToAnalysisWindow(app_), "");
  }
  void Run(const std::string& lines) { ASSERT_EQ(testsupport::RunLines(app_, lines), ""); }
  // UP to race, then "確定".
  void Confirm(int race) {
    for (int k = 0; k < race; ++k) Run("click frmAg3.Command16\n");
    Run("click frmAg3.Command18\n");
  }
  frmAg3& Window() { return app_.Form<frmAg3>(); }
  BasicAnalysisTables& Tables() { return app_.meeting.Group<BasicAnalysisTables>(); }
  program::Program app_;
};

TEST_F(BasicAnalysisRun, WithoutAGoingOnlyTheMessageShowsAndASecondClickRuns) {
  Confirm(2);
  const Text title_before = Window().MSFlexGrid1.TextMatrix(0, 1);
  Run("click frmAg3.Command20\n");
  ASSERT_EQ(app_.Messages().size(), 1u);
  EXPECT_EQ(app_.Messages()[0].text, u"当日の「 馬場状態 」が入力されていません");
  EXPECT_EQ(app_.Messages()[0].style, ui::kOkOnly);
  EXPECT_EQ(app_.Messages()[0].title, u"");
  EXPECT_TRUE(Window().Command20.Enabled());
  EXPECT_TRUE(Window().Command19.Enabled());
  EXPECT_FALSE(Window().Command5.Enabled());
  EXPECT_TRUE(Window().Combo1.Enabled());
  EXPECT_EQ(Window().MSFlexGrid1.TextMatrix(0, 1), title_before);
  EXPECT_EQ(Window().MSFlexGrid2.TextMatrix(2, 0), u"");
  EXPECT_EQ(Tables().RunMask(1), u"");
  EXPECT_EQ(app_.meeting.Group<model::AnalysisTables>().TodayGoingText(), u"");
  EXPECT_EQ(Tables().TodayDayNumber(), u"");

  Run("select frmAg3.Combo1 1\n"
      "click frmAg3.Command20\n");
  EXPECT_EQ(app_.Messages().size(), 1u);
  EXPECT_EQ(app_.meeting.Group<model::AnalysisTables>().TodayGoingText(), u" 稍重 ");
  EXPECT_NE(Tables().RunMask(1), u"");
}

TEST_F(BasicAnalysisRun, LeavesTheWindowReadyForTheSecondaryAnalysis) {
  Run("select frmAg3.Combo1 0\n");
  Confirm(1);
  Run("click frmAg3.Command20\n");
  frmAg3& w = Window();
  EXPECT_FALSE(w.Command19.Enabled());
  EXPECT_FALSE(w.Command20.Enabled());
  EXPECT_TRUE(w.Command5.Enabled());
  EXPECT_FALSE(w.Combo1.Enabled());
  EXPECT_EQ(w.Check2.Value(), ui::kChecked);
  EXPECT_FALSE(w.Option1.Value());
  for (int column = 1; column <= 5; ++column) EXPECT_EQ(w.MSFlexGrid1.TextMatrix(0, column), u"実　評　価");
  const int runners = analysis::AnalysedRunnerCount(app_.meeting);
  ASSERT_GT(runners, 0);
  const auto& card = app_.meeting.Group<intake::RaceCardTables>();
  for (int runner = 1; runner <= runners; ++runner) {
    EXPECT_EQ(w.MSFlexGrid2.TextMatrix(runner + 1, 0), card.HorseName(1, runner));
  }
  if (runners < 18) {
    EXPECT_EQ(w.MSFlexGrid2.TextMatrix(runners + 2, 0), u"");
  }
  // The sample's meeting is on H14.10.19; race 1 is a dirt race.
  EXPECT_EQ(Tables().TodayDayNumber(), u"1752");
  EXPECT_NE(Tables().TodayDirtStdTime(), u"");
}

// The tables as the script driver prints them after the road to an analysed race.
// The reliability colours at the end are those of the race just analysed, also when the switch was
// ticked before the click (so that ticking it ran nothing new).
TEST_F(BasicAnalysisRun, EndsWithTheReliabilityColoursOfThisRaceAlsoWhenTheSwitchWasTicked) {
  Confirm(3);
  Run("select frmAg3.Combo1 0\n"
      "click frmAg3.Command20\n"
      "click frmAg3.Option1\n"
      "click frmAg3.Command12\n"  // ＮＥＸＴ unticks the switch
      "click frmAg3.Check2\n");   // ticked again, while race 3 is still the analysed race
  Confirm(1);
  Run("click frmAg3.Command20\n");
  ASSERT_EQ(Window().Check2.Value(), ui::kChecked);
  ui::FlexGrid& grid = Window().MSFlexGrid1;
  auto colours = [&grid] {
    std::vector<ui::Color> all;
    for (int r = 2; r <= 19; ++r) {
      for (int c = 1; c <= 5; ++c) all.push_back(grid.CellBackColorAt(r, c));
    }
    return all;
  };
  const std::vector<ui::Color> at_end = colours();
  Run("click frmAg3.Check2\n"    // cleared
      "click frmAg3.Check2\n");  // and coloured afresh for race 1
  EXPECT_EQ(at_end, colours());
}

TEST_F(BasicAnalysisRun, TheScriptDriverPrintsItsTables) {
  std::istringstream script(
      "select frmAg3.Combo1 2\n"
      "click frmAg3.Command16\n"
      "click frmAg3.Command18\n"
      "click frmAg3.Command20\n"
      "dump table TodayDayNumber\n"
      "dump table TodayGoingText\n"
      "dump table RunMask\n"
      "dump table RunDayNumber1\n"
      "dump table RunTurfEvalText3\n");
  std::ostringstream out, err;
  ASSERT_EQ(driver::RunScript(app_, script, out, err), 0) << err.str();
  const std::string printed = out.str();
  EXPECT_NE(printed.find("TodayDayNumber\t\"1752\"\n"), std::string::npos) << printed;
  EXPECT_NE(printed.find("TodayGoingText\t\"  重  \"\n"), std::string::npos);
  EXPECT_NE(printed.find("RunMask[1]\t\""), std::string::npos);
  EXPECT_NE(printed.find("RunMask[18]\t\""), std::string::npos);
  EXPECT_NE(printed.find("RunDayNumber1[12,18]\t\""), std::string::npos);
  EXPECT_NE(printed.find("RunTurfEvalText3[1]\t\""), std::string::npos);
}

// What every evaluated run of every race of the sample must show, whatever its numbers: the
// display text is the evaluation held between -99 and +99, the mask marks exactly the runs that
// count today, and a run counts only on today's surface.
TEST_F(BasicAnalysisRun, EveryRaceOfTheSampleGivesConsistentEvaluations) {
  for (int race = 1; race <= 12; ++race) {
    SCOPED_TRACE(race);
    program::Program app;
    app.Start();
    ASSERT_EQ(testsupport::RoadToAnalysisWindow(app), "");
    std::string lines = "select frmAg3.Combo1 " + std::to_string(race % 4) + "\n";
    for (int k = 0; k < race; ++k) lines += "click frmAg3.Command16\n";
    lines += "click frmAg3.Command18\nclick frmAg3.Command20\n";
    ASSERT_EQ(testsupport::RunLines(app, lines), "");
    if (!app.Messages().empty()) continue;  // a race too long to analyse
    const BasicAnalysisTables& t = app.meeting.Group<BasicAnalysisTables>();
    const auto& card = app.meeting.Group<intake::RaceCardTables>();
    const auto& runs = app.meeting.Group<intake::PastRunTables>();
    const int runners = analysis::AnalysedRunnerCount(app.meeting);
    int counted = 0;
    for (int runner = 1; runner <= runners; ++runner) {
      for (int run = 1; run <= 5; ++run) {
        const Text& turf = t.RunTurfEval[run](runner);
        const Text& shown = t.RunTurfEvalText[run](runner);
        if (turf == u"---") {
          EXPECT_EQ(shown, u"---");
        } else {
          const double v = model::TextToNumber(turf);
          const double held = v < -99 ? -99 : v > 99 ? 99 : v;
          EXPECT_EQ(model::TextToNumber(shown), held) << model::ToUtf8(turf);
          EXPECT_EQ(shown.size(), 3u);
        }
        const bool valid = t.RunValid[run](runner) == u"5";
        EXPECT_EQ(t.RunMask(runner)[static_cast<size_t>(5 - run)], valid ? u'5' : u'1');
        if (valid) {
          EXPECT_EQ(runs.RunSurfaceCode[run](race, runner), card.RaceSurfaceCode(race));
          ++counted;
        }
      }
    }
    EXPECT_GT(counted, 0);
  }
}

}  // namespace
}  // namespace basic
