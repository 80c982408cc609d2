// The sample meeting along the road into the analysis window and through the buttons of its later
// steps, as the assembled program attaches them: each opens the next step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "shell/frm_ag0.h"
#include "tests/support/sample_road.h"

namespace program {
namespace {

using analysis::frmAg3;

class AnalysisRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Start();
    ASSERT_EQ(testsupport::RoadToAnalysisWindow(app_), "");
    ASSERT_TRUE(app_.IsLoaded<frmAg3>());
  }
  void Run(const std::string& lines) { ASSERT_EQ(testsupport::RunLines(app_, lines), ""); }
  frmAg3& Window() { return app_.Form<frmAg3>(); }
  // The names of frmAg3's command buttons that take a click now.
  std::vector<std::string> Open() {
    std::vector<std::string> names;
    for (int k = 1; k <= 20; ++k) {
      const std::string name = "Command" + std::to_string(k);
      if (Window().FindControl(name)->AcceptsUserInput()) names.push_back(name);
    }
    return names;
  }
  Program app_;
};

TEST_F(AnalysisRoad, EveryRaceOfTheSampleCanBeConfirmedWithItsTimeAndPace) {
  frmAg3& w = Window();
  EXPECT_TRUE(w.Visible());
  for (int race = 1; race <= 12; ++race) {
    SCOPED_TRACE(race);
    Run("click frmAg3.Command16\n");
    EXPECT_EQ(w.Label2.Caption(), app_.meeting.Group<intake::RaceCardTables>().RaceSummary(race));
    Run("click frmAg3.Command18\n");
    EXPECT_EQ(analysis::AnalysedRace(app_.meeting), race);
    EXPECT_EQ(w.Label6.Caption(), app_.meeting.Group<intake::RaceCardTables>().RaceEstTimeLabel(race));
    EXPECT_EQ(w.Label7.Caption(), app_.meeting.Group<intake::RaceCardTables>().RacePaceLabel(race));
    EXPECT_EQ(w.MSFlexGrid3.Top(), 8500);
    Run("click frmAg3.Command19\n");
  }
  EXPECT_TRUE(app_.Messages().empty());
  EXPECT_EQ(w.MSFlexGrid3.TextMatrix(1, 12), app_.meeting.Group<intake::RaceCardTables>().RaceName(12));
  EXPECT_EQ(w.MSFlexGrid3.TextMatrix(5, 3), u"18");
}

struct RoadStep {
  const char* line;
  std::vector<std::string> open;  // the command buttons that take a click afterwards
};

TEST_F(AnalysisRoad, EachStepOpensTheNext) {
  frmAg3& w = Window();
  const RoadStep steps[] = {
      {"select frmAg3.Combo1 0", {"Command16"}},
      {"click frmAg3.Command16", {"Command16", "Command18"}},
      {"click frmAg3.Command18", {"Command19", "Command20"}},
      {"click frmAg3.Command20", {"Command5"}},
      {"click frmAg3.Command5",
       {"Command2", "Command3", "Command4", "Command6", "Command7", "Command8", "Command9", "Command13",
        "Command14"}},
      {"click frmAg3.Command3",
       {"Command1", "Command2", "Command4", "Command6", "Command7", "Command8", "Command9", "Command13",
        "Command14"}},
      {"click frmAg3.Command4",
       {"Command1", "Command2", "Command3", "Command6", "Command7", "Command8", "Command9", "Command13",
        "Command14"}},
      {"click frmAg3.Command9",
       {"Command1", "Command2", "Command3", "Command6", "Command7", "Command8", "Command10", "Command13",
        "Command14"}},
      {"click frmAg3.Command10",
       {"Command1", "Command2", "Command3", "Command6", "Command7", "Command8", "Command11", "Command13",
        "Command14"}},
      {"click frmAg3.Command11",
       {"Command1", "Command2", "Command3", "Command6", "Command7", "Command8", "Command13", "Command14"}},
      {"click frmAg3.Check1",
       {"Command1", "Command2", "Command3", "Command6", "Command7", "Command8", "Command13", "Command14",
        "Command15"}},
      {"click frmAg3.Option1",
       {"Command1", "Command2", "Command3", "Command6", "Command7", "Command8", "Command12", "Command13",
        "Command14", "Command15"}},
  };
  for (const RoadStep& step : steps) {
    SCOPED_TRACE(step.line);
    Run(std::string(step.line) + "\n");
    EXPECT_EQ(Open(), step.open);
  }
  // "色分け" brought the navigation switches over the analysis buttons; on good going the going
  // switch has nothing to offer.
  EXPECT_EQ(w.Frame1.Left(), 9850);
  EXPECT_EQ(w.Frame1.Top(), 0);
  EXPECT_TRUE(w.Check4.AcceptsUserInput());
  EXPECT_FALSE(w.Check6.Visible());
  // "推奨馬" opened the evaluation switch and the main window's print box.
  EXPECT_TRUE(w.Check7.Enabled());
  EXPECT_TRUE(app_.Form<shell::frmAg0>().Check1.Enabled());
  // The arming option clears itself, so every click arms "ＮＥＸＴ" again.
  EXPECT_FALSE(w.Option1.Value());
  // "色解除" closes them again and opens "色分け" once more.
  Run("click frmAg3.Command15\n");
  EXPECT_EQ(Open(),
            (std::vector<std::string>{"Command1", "Command2", "Command3", "Command6", "Command7", "Command8",
                                      "Command9", "Command12", "Command13", "Command14"}));
  EXPECT_FALSE(app_.Form<shell::frmAg0>().Check1.Enabled());
  EXPECT_FALSE(w.Check7.Enabled());
  EXPECT_EQ(w.Check7.Value(), 0);
}

// "ＮＥＸＴ" armed and pressed before any race was chosen leaves "取消" open, and "取消" opens "確定";
// with no race chosen the confirmation has nothing to confirm and leaves everything as it is.
TEST_F(AnalysisRoad, ConfirmationWithoutAnyChosenRaceDoesNothing) {
  Run("click frmAg3.Option1\n"
      "click frmAg3.Command12\n"
      "click frmAg3.Command19\n"
      "click frmAg3.Command18\n");
  EXPECT_EQ(analysis::AnalysedRace(app_.meeting), 0);
  EXPECT_FALSE(Window().Command20.Enabled());
  EXPECT_TRUE(app_.Messages().empty());
  // UP still starts at race 1, and that race confirms as usual.
  Run("click frmAg3.Command16\nclick frmAg3.Command18\n");
  EXPECT_EQ(analysis::AnalysedRace(app_.meeting), 1);
  EXPECT_TRUE(Window().Command20.Enabled());
}

TEST_F(AnalysisRoad, ColouringOnOtherGoingKeepsTheGoingSwitch) {
  Run("select frmAg3.Combo1 2\n"
      "click frmAg3.Command16\n"
      "click frmAg3.Command18\n"
      "click frmAg3.Command20\n"
      "click frmAg3.Command5\n"
      "click frmAg3.Command9\n");
  EXPECT_TRUE(Window().Check6.Visible());
  EXPECT_TRUE(Window().Check6.AcceptsUserInput());
}

}  // namespace
}  // namespace program
