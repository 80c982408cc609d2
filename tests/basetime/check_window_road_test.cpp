#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "analysis/frm_ag3.h"
#include "basetime/base_time_tables.h"
#include "basetime/class_average.h"
#include "basetime/frm_ag7.h"
#include "basetime/frm_ag9.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "model/time_text.h"
#include "program/program.h"
#include "shell/app.h"
#include "tools/driver/script_driver.h"

namespace basetime {
namespace {

using model::Text;

std::vector<Text> Cells(const model::TextTable& table) {
  std::vector<Text> cells;
  for (size_t i = 0; i < table.CellCount(); ++i) cells.push_back(table.CellAt(i));
  return cells;
}

// The sample meeting along the road to the analysis window: the build loads the check window
// without showing it, and it stays so after the hand-over.
class SampleRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Start();
    std::istringstream script(
        "click frmAg1.Command1\n"
        "folder " TARVELO_SOURCE_DIR
        "/sample\n"
        "click frmAg2.Command1\n"
        "click frmAg2.Command7\n"
        "click frmAg2.Command8\n"
        "tick frmAg2.Timer1\n"
        "tick frmAg2.Timer1\n");
    std::ostringstream out, err;
    ASSERT_EQ(driver::RunScript(app_, script, out, err), 0) << err.str();
  }
  program::Program app_;
  BaseTimeTables& b_ = app_.meeting.Group<BaseTimeTables>();
};

TEST_F(SampleRoad, BuildLeavesTheCheckWindowHiddenWithTheClassAverages) {
  ASSERT_TRUE(app_.IsLoaded<analysis::frmAg3>());
  ASSERT_TRUE(app_.IsLoaded<frmAg7>());
  const frmAg7& w = app_.Form<frmAg7>();
  EXPECT_FALSE(w.Visible());
  int with_time = 0;
  for (int k = 1; k <= 10; ++k) {
    for (int line = 1; line <= 5; ++line) {
      for (int d = 1; d <= 12; ++d) {
        const Text& average = b_.TurfClassAvg(line, d, k);
        const Text& shown = w.MSFlexGrid1.TextMatrix(ClassGridRow(k, line), d + 1);
        EXPECT_EQ(shown, average == u"0" ? kNoClassTimeMark : average) << k << "," << line << "," << d;
        with_time += average == u"0" ? 0 : 1;
        const Text& dirt = b_.DirtClassAvg(line, d, k);
        EXPECT_EQ(w.MSFlexGrid3.TextMatrix(ClassGridRow(k, line), d + 1),
                  dirt == u"0" ? kNoClassTimeMark : dirt);
      }
    }
    for (int line = 6; line <= 9; ++line) EXPECT_EQ(w.MSFlexGrid1.TextMatrix(ClassGridRow(k, line), 2), u"");
  }
  EXPECT_GT(with_time, 0);
}

// Re-running the last two stages on the tables the build left changes nothing, and the sheet
// of race 1 lists every runner of the sample's race.
TEST_F(SampleRoad, StepsOnTheBuiltTablesAgreeWithTheBuild) {
  frmAg7& w = app_.Form<frmAg7>();
  const std::vector<Text> turf = Cells(b_.TurfStdTime);
  const std::vector<Text> dirt = Cells(b_.DirtStdTime);
  const std::vector<Text> averages = Cells(b_.TurfClassAvg);
  w.Command2_Click();
  w.Command3_Click();
  EXPECT_EQ(Cells(b_.TurfClassAvg), averages);
  EXPECT_EQ(Cells(b_.TurfStdTime), turf);
  EXPECT_EQ(Cells(b_.DirtStdTime), dirt);

  w.Check1.SetValue(ui::kChecked);
  w.Command5_Click();
  ASSERT_EQ(app_.printer.Documents().size(), 1u);
  const auto& ops = app_.printer.Documents()[0].ops;
  const double runners = model::TextToNumber(app_.meeting.Group<intake::RaceCardTables>().RunnerCount(1));
  ASSERT_GT(runners, 0);
  EXPECT_EQ(ops.size(), 15 + 20 + 8 + 6 * static_cast<size_t>(runners));
  EXPECT_EQ(ops.back().text, b_.RunSummary[1](1, static_cast<int>(runners)));
}

// The view of the sample's standard times: every cell the trimmed time text of its table.
TEST_F(SampleRoad, StandardTimeViewShowsTheBuiltTimes) {
  frmAg9& view = app_.Show<frmAg9>();
  view.Option2.UserClick();
  for (int i = 1; i <= 10; ++i) {
    for (int j = 1; j <= 12; ++j) {
      EXPECT_EQ(view.MSFlexGrid1.TextMatrix(i, j),
                model::Trim(model::SecondsToTimeText(b_.DirtStdTime(i, j))));
    }
  }
}

}  // namespace
}  // namespace basetime
