// "  ２次   解析" as one run: its button states and title whatever the data, what it writes for the
// analysed race only, and the sample meeting after the basic analysis.
#include "secondary/secondary_analysis_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "model/time_text.h"
#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/sample_road.h"
#include "tools/driver/script_driver.h"

namespace secondary {
namespace {

using analysis::frmAg3;
using model::Text;

const Text kTitle = u"仮　評　価";
const Text kNone = u"－";
const Text kLeads = u"逃";
const Text kFinishesBest = u"差";

// The buttons the run sets, with the state it leaves them in.
struct ButtonState {
  ui::CommandButton frmAg3::*button;
  bool enabled;
};
const ButtonState kAfterTheRun[] = {
    {&frmAg3::Command1, false}, {&frmAg3::Command2, true},  {&frmAg3::Command3, true},
    {&frmAg3::Command4, true},  {&frmAg3::Command5, false}, {&frmAg3::Command6, true},
    {&frmAg3::Command7, true},  {&frmAg3::Command8, true},  {&frmAg3::Command9, true},
    {&frmAg3::Command13, true}, {&frmAg3::Command14, true},
};

void ExpectStateAfterTheRun(frmAg3& w) {
  for (const ButtonState& b : kAfterTheRun) {
    SCOPED_TRACE((w.*b.button).Name());
    EXPECT_EQ((w.*b.button).Enabled(), b.enabled);
  }
  for (int column = 1; column <= 5; ++column) EXPECT_EQ(w.MSFlexGrid1.TextMatrix(0, column), kTitle);
}

// --- Fixtures with hand-made tables

class SecondaryRun : public ::testing::Test {
 protected:
  // A race of runners whose runners all have one counted run; the front time grows with the runner.
  void SetRace(int race, int runners, const Text& expected_time) {
    auto& card = app_.meeting.Group<intake::RaceCardTables>();
    card.RunnerCount(race) = model::NumberToText(runners);
    card.RaceDistance(race) = u"1600";
    card.RacePaceCode(race) = u"1";
    card.RaceSurfaceCode(race) = u"1";
    auto& runs = app_.meeting.Group<intake::PastRunTables>();
    auto& basic = app_.meeting.Group<basic::BasicAnalysisTables>();
    for (int runner = 1; runner <= 18; ++runner) {
      runs.RunDistance[1](race, runner) = u"1600";
      runs.RunPaceCode[1](race, runner) = u"1";
      runs.RunFirst3FText[1](race, runner) = model::NumberToText(34 + runner * 0.3);
      runs.RunLast3FText[1](race, runner) = model::NumberToText(38 - runner * 0.5);
      for (int run = 1; run <= 5; ++run) basic.RunValid[run](runner) = run == 1 ? u"5" : u"1";
    }
    basic.TodayTurfStdTime() = u"95.0";
    analysis::SetAnalysedRace(app_.meeting, race);
    Window().Label6.SetCaption(expected_time);
  }
  // The 3-furlong texts and style of runner, and its grid cells.
  Text RunnerValues(int runner) {
    const SecondaryAnalysisTables& t = Tables();
    const ui::FlexGrid& grid = Window().MSFlexGrid2;
    Text joined = t.Front3FMean(runner) + u"|" + t.Front3FText(runner) + u"|" + t.Back3FMean(runner) + u"|" +
                  t.Back3FText(runner) + u"|" + t.Total6FText(runner) + u"|" + t.RunningStyle(runner);
    for (int column : {7, 8, 9, 12}) joined += u"|" + grid.TextMatrix(runner + 1, column);
    return joined;
  }
  SecondaryAnalysisTables& Tables() { return app_.meeting.Group<SecondaryAnalysisTables>(); }
  frmAg3& Window() { return app_.Form<frmAg3>(); }
  program::Program app_;
};

TEST_F(SecondaryRun, SetsTheButtonsAndTheTitleWhateverTheData) {
  frmAg3& w = Window();
  // The opposite of what the run leaves, and the buttons it does not touch switched on.
  for (const ButtonState& b : kAfterTheRun) (w.*b.button).SetEnabled(!b.enabled);
  for (ui::CommandButton* button : {&w.Command10, &w.Command11, &w.Command12, &w.Command15}) {
    button->SetEnabled(true);
  }
  RunSecondaryAnalysis(w, app_.meeting);  // no race confirmed
  ExpectStateAfterTheRun(w);
  for (ui::CommandButton* button : {&w.Command10, &w.Command11, &w.Command12, &w.Command15}) {
    EXPECT_TRUE(button->Enabled()) << button->Name();
  }
  EXPECT_EQ(w.Label18.Caption(), u"");

  SetRace(4, 3, u"1.36.0");
  RunSecondaryAnalysis(w, app_.meeting);
  ExpectStateAfterTheRun(w);
}

TEST_F(SecondaryRun, WritesTheThreeFurlongStepsAndTheLevelOfTheAnalysedRace) {
  SetRace(4, 3, u"1.36.0");
  RunSecondaryAnalysis(Window(), app_.meeting);
  // Fronts 34.3, 34.6 and 34.9 plus a twentieth per place; backs 37.5, 37.0 and 36.5.
  EXPECT_EQ(RunnerValues(1), u"34.3| 34.3|37.5| 37.5|71.8|逃追| 34.3| 37.5|71.8|逃追");
  EXPECT_EQ(RunnerValues(3), u"35| 35.0|36.5| 36.5|71.5|先差| 35.0| 36.5|71.5|先差");
  EXPECT_EQ(Tables().RaceBestFront3F(4), u" 34.3");
  EXPECT_EQ(Tables().RaceBestBack3F(4), u" 36.5");
  EXPECT_EQ(Window().Label18.Caption(), u"  1.35.0");
  EXPECT_EQ(Tables().RaceTimeLevel(4), u"11");
  EXPECT_EQ(Window().Label41.Caption(), u"+11");
}

// Per-runner results of a smaller field leave the entries and rows of the larger field's later
// runners as they were; per-race results stay with their race.
TEST_F(SecondaryRun, ASmallerRaceAfterALargerOneLeavesTheLaterRunnersAsTheyWere) {
  SetRace(2, 10, u"1.37.0");
  RunSecondaryAnalysis(Window(), app_.meeting);
  std::vector<Text> before;
  for (int runner = 1; runner <= 18; ++runner) before.push_back(RunnerValues(runner));
  ASSERT_EQ(Tables().Front3FText(10), u" 37.5");
  ASSERT_EQ(Tables().Front3FText(11), u"");

  SetRace(6, 5, u"1.33.0");
  auto& runs = app_.meeting.Group<intake::PastRunTables>();
  for (int runner = 1; runner <= 18; ++runner) runs.RunFirst3FText[1](6, runner) = u"30.0";
  RunSecondaryAnalysis(Window(), app_.meeting);
  for (int runner = 1; runner <= 5; ++runner) EXPECT_NE(RunnerValues(runner), before[runner - 1]);
  for (int runner = 6; runner <= 18; ++runner) EXPECT_EQ(RunnerValues(runner), before[runner - 1]) << runner;
  EXPECT_EQ(Tables().RaceBestFront3F(2), u" 34.3");
  EXPECT_EQ(Tables().RaceBestFront3F(6), u" 30.0");
  EXPECT_EQ(Tables().RaceTimeLevelText(2), u"+21");
  EXPECT_EQ(Tables().RaceTimeLevelText(6), u"-19");
  EXPECT_EQ(Window().Label41.Caption(), u"-19");
}

TEST_F(SecondaryRun, ARaceWithoutRunnersStillWritesItsBestsAndLevel) {
  SetRace(9, 0, u"1.35.5");
  app_.meeting.Group<intake::RaceCardTables>().RunnerCount(9) = u"";
  Tables().RaceBestFront3F(9) = u" 35.1";
  RunSecondaryAnalysis(Window(), app_.meeting);
  EXPECT_EQ(Tables().RaceBestFront3F(9), u"100");
  EXPECT_EQ(Tables().RaceBestBack3F(9), u"100");
  EXPECT_EQ(Tables().RaceTimeLevelText(9), u"+ 6");
  EXPECT_EQ(Tables().Front3FText(1), u"");
  EXPECT_EQ(Window().MSFlexGrid2.TextMatrix(2, 7), u"");
}

TEST_F(SecondaryRun, AFieldLargerThanTheTablesFillsTheirEighteenRows) {
  SetRace(11, 18, u"1.36.0");
  app_.meeting.Group<intake::RaceCardTables>().RunnerCount(11) = u"28";
  RunSecondaryAnalysis(Window(), app_.meeting);
  EXPECT_NE(Tables().Front3FText(18), u"");
  EXPECT_EQ(Window().MSFlexGrid2.TextMatrix(19, 7), Tables().Front3FText(18));
}

// --- The sample meeting, after the basic analysis of each race

TEST(SecondaryRunOnTheSample, EveryRaceLeavesItsGridsTablesAndLabelsInAgreement) {
  int analysed = 0;
  for (int race = 1; race <= 12; ++race) {
    SCOPED_TRACE(race);
    program::Program app;
    app.Start();
    ASSERT_EQ(testsupport::RoadToAnalysisWindow(app), "");
    std::string lines = "select frmAg3.Combo1 2\n";
    for (int k = 0; k < race; ++k) lines += "click frmAg3.Command16\n";
    lines += "click frmAg3.Command18\nclick frmAg3.Command20\n";
    ASSERT_EQ(testsupport::RunLines(app, lines), "");
    if (!app.Messages().empty()) continue;  // a race too long to analyse
    frmAg3& w = app.Form<frmAg3>();
    RunSecondaryAnalysis(w, app.meeting);
    ++analysed;

    ExpectStateAfterTheRun(w);
    const SecondaryAnalysisTables& t = app.meeting.Group<SecondaryAnalysisTables>();
    const int runners = analysis::AnalysedRunnerCount(app.meeting);
    ASSERT_GT(runners, 0);
    bool any_front = false, any_back = false, a_leader = false, a_best_finisher = false;
    for (int runner = 1; runner <= runners; ++runner) {
      SCOPED_TRACE(runner);
      EXPECT_EQ(w.MSFlexGrid2.TextMatrix(runner + 1, 7), t.Front3FText(runner));
      EXPECT_EQ(w.MSFlexGrid2.TextMatrix(runner + 1, 8), t.Back3FText(runner));
      EXPECT_EQ(w.MSFlexGrid2.TextMatrix(runner + 1, 9), t.Total6FText(runner));
      EXPECT_EQ(w.MSFlexGrid2.TextMatrix(runner + 1, 12), t.RunningStyle(runner));
      const Text& style = t.RunningStyle(runner);
      ASSERT_EQ(style.size(), 2u);
      EXPECT_EQ(style[0] == kNone[0], t.Front3FText(runner) == u" **.*");
      EXPECT_EQ(style[1] == kNone[0], t.Back3FText(runner) == u" **.*");
      any_front |= t.Front3FText(runner) != u" **.*";
      any_back |= t.Back3FText(runner) != u" **.*";
      a_leader |= style[0] == kLeads[0];
      a_best_finisher |= style[1] == kFinishesBest[0];
      // A time missing from a counted run never makes a runner the best.
      if (t.Front3FText(runner) != u" **.*") {
        EXPECT_GT(model::TextToNumber(t.Front3FText(runner)), 20);
      }
    }
    EXPECT_EQ(a_leader, any_front);
    EXPECT_EQ(a_best_finisher, any_back);
    EXPECT_EQ(t.RaceBestFront3F(race) == u"100", !any_front);

    const auto& card = app.meeting.Group<intake::RaceCardTables>();
    const auto& basic = app.meeting.Group<basic::BasicAnalysisTables>();
    const Text& base =
        card.RaceSurfaceCode(race) == u"1" ? basic.TodayTurfStdTime() : basic.TodayDirtStdTime();
    EXPECT_EQ(w.Label18.Caption(), u"  " + model::SecondsToTimeText(model::Trim(base)));
    EXPECT_EQ(w.Label41.Caption(), t.RaceTimeLevelText(race));
    EXPECT_EQ(t.RaceTimeLevelText(race).size(), 3u);
  }
  EXPECT_GT(analysed, 6);
}

// The tables as the script driver prints them after both analyses of a race.
TEST(SecondaryRunOnTheSample, TheScriptDriverPrintsItsTables) {
  program::Program app;
  app.Start();
  ASSERT_EQ(testsupport::RoadToAnalysisWindow(app), "");
  ASSERT_EQ(testsupport::RunLines(app,
                                  "select frmAg3.Combo1 2\n"
                                  "click frmAg3.Command16\n"
                                  "click frmAg3.Command16\n"
                                  "click frmAg3.Command18\n"
                                  "click frmAg3.Command20\n"),
            "");
  RunSecondaryAnalysis(app.Form<frmAg3>(), app.meeting);
  std::istringstream script(
      "dump table Front3FText\n"
      "dump table Total6FText\n"
      "dump table RunningStyle\n"
      "dump table RaceBestFront3F\n"
      "dump table RaceTimeLevelText\n"
      "dump frmAg3.Label41\n");
  std::ostringstream out, err;
  ASSERT_EQ(driver::RunScript(app, script, out, err), 0) << err.str();
  const std::string printed = out.str();
  const SecondaryAnalysisTables& t = app.meeting.Group<SecondaryAnalysisTables>();
  EXPECT_NE(printed.find("Front3FText[1]\t\"" + model::ToUtf8(t.Front3FText(1)) + "\"\n"), std::string::npos)
      << printed;
  EXPECT_NE(printed.find("RunningStyle[18]\t\""), std::string::npos);
  EXPECT_NE(printed.find("RaceBestFront3F[2]\t\"" + model::ToUtf8(t.RaceBestFront3F(2)) + "\"\n"),
            std::string::npos);
  EXPECT_NE(printed.find("RaceTimeLevelText[2]\t\"" + model::ToUtf8(t.RaceTimeLevelText(2)) + "\"\n"),
            std::string::npos);
}

}  // namespace
}  // namespace secondary
