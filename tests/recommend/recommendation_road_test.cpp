// The chain after "色分け" on the sample meeting as a user runs it: "絞込み", "推奨馬", the tick that arms
// "色解除", the release itself and the chain once more, the option button that arms "ＮＥＸＴ", and
// the release after another race was confirmed or after "ＮＥＸＴ", which must not open "色分け" over
// tables of another race.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "analysis/analysis_window_tables.h"
#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"
#include "program/program.h"
#include "recommend/colour_release.h"
#include "recommend/colouring_tables.h"
#include "shell/frm_ag0.h"
#include "tests/support/sample_road.h"
#include "ui/palette.h"

namespace recommend {
namespace {

using analysis::frmAg3;
using model::Text;

constexpr ui::Color kBefore = ui::palette::kPaleGreen;
constexpr ui::Color kGrey = ui::Rgb(230, 230, 230);

TEST(WhitenRunnerRows, WhitensColumnsOneToTwentyOneOfTheRunnerRowsOnly) {
  program::Program app;
  ui::FlexGrid& grid = app.Form<frmAg3>().MSFlexGrid2;
  for (int runners : {0, 1, 5, 18, 30}) {
    for (int row = 0; row < grid.Rows(); ++row) {
      for (int column = 0; column < grid.Cols(); ++column) {
        grid.SetRow(row);
        grid.SetCol(column);
        grid.SetCellBackColor(kBefore);
      }
    }
    analysis::RunnerGridOf writer(grid);
    WhitenRunnerRows(writer, runners);
    const int last_row = std::min(runners, 18) + 1;
    for (int row = 0; row < grid.Rows(); ++row) {
      for (int column = 0; column < grid.Cols(); ++column) {
        const bool runner_value = row >= 2 && row <= last_row && column >= 1 && column <= 21;
        EXPECT_EQ(grid.CellBackColorAt(row, column), runner_value ? ui::palette::kWhite : kBefore)
            << runners << " runners, cell " << row << ", " << column;
      }
    }
  }
}

class RecommendationRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Start();
    ASSERT_EQ(testsupport::RoadToAnalysisWindow(app_), "");
    ASSERT_EQ(Run("select frmAg3.Combo1 1\nclick frmAg3.Command16\nclick frmAg3.Command16\n"), "");
    Analyse();
    app_.screen.SetPointerWatcher([this](int p) { pointers_.push_back(p); });
  }
  std::string Run(const std::string& lines) { return testsupport::RunLines(app_, lines); }
  // "確定" of the race shown, then both analyses.
  void Analyse() {
    ASSERT_EQ(Run("click frmAg3.Command18\nclick frmAg3.Command20\nclick frmAg3.Command5\n"), "");
    ASSERT_TRUE(app_.Messages().empty());
  }
  frmAg3& Window() { return app_.Form<frmAg3>(); }
  shell::frmAg0& Main() { return app_.Form<shell::frmAg0>(); }
  int Runners() { return analysis::AnalysedRunnerCount(app_.meeting); }
  int Race() { return analysis::AnalysedRaceIndex(app_.meeting); }
  std::vector<Text> Lines() {
    std::vector<Text> lines;
    for (int k = 1; k <= 5; ++k) {
      lines.push_back(app_.meeting.Group<analysis::AnalysisWindowTables>().RecommendLine[k](Race()));
    }
    return lines;
  }

  program::Program app_;
  std::vector<int> pointers_;
};

TEST_F(RecommendationRoad, FilterRecommendReleaseAndRepeat) {
  frmAg3& w = Window();
  ui::FlexGrid& grid = w.MSFlexGrid2;
  ASSERT_EQ(Run("click frmAg3.Command9\n"), "");
  pointers_.clear();
  ASSERT_EQ(Run("click frmAg3.Command10\n"), "");
  EXPECT_EQ(pointers_, (std::vector<int>{ui::pointer::kHourglass, ui::pointer::kDefault}));
  EXPECT_FALSE(w.Command10.Enabled());
  EXPECT_TRUE(w.Command11.Enabled());
  const int n = Runners();
  ASSERT_GT(n, 5);
  bool some_out = false, some_in = false;
  for (int row = 2; row <= n + 1; ++row) {
    for (int column = 1; column <= 19; ++column) {
      if (column == 18) continue;  // the rest mark
      const ui::Color colour = grid.CellBackColorAt(row, column);
      EXPECT_TRUE(colour == ui::palette::kGreen || colour == kGrey) << row << ", " << column;
    }
    some_out |= grid.CellBackColorAt(row, 19) == kGrey;
    some_in |= grid.CellBackColorAt(row, 19) == ui::palette::kGreen;
  }
  EXPECT_TRUE(some_out && some_in);

  pointers_.clear();
  ASSERT_EQ(Run("click frmAg3.Command11\n"), "");
  EXPECT_TRUE(pointers_.empty());
  EXPECT_FALSE(w.Command11.Enabled());
  EXPECT_TRUE(w.Check7.Enabled());
  EXPECT_TRUE(Main().Check1.Enabled());
  const Text recommended = w.Text1.Text();
  ASSERT_TRUE(recommended.starts_with(u" ")) << "the sample's race recommends runners";
  const std::vector<Text> lines = Lines();
  EXPECT_TRUE(recommended.starts_with(u" " + lines[0]));
  const auto& colouring = app_.meeting.Group<ColouringTables>();
  for (int runner = 1; runner <= n; ++runner) {
    EXPECT_EQ(grid.TextMatrix(runner + 1, 21), colouring.OverallEval(runner));
  }

  // Arming: a tick opens "色解除", clearing the tick again does not close it.
  ASSERT_EQ(Run("click frmAg3.Check1\n"), "");
  EXPECT_TRUE(w.Command15.Enabled());
  ASSERT_EQ(Run("click frmAg3.Check1\n"), "");
  EXPECT_EQ(w.Check1.Value(), ui::kUnchecked);
  EXPECT_TRUE(w.Command15.Enabled());
  ASSERT_EQ(Run("click frmAg3.Check1\nclick frmAg0.Check1\n"), "");
  ASSERT_TRUE(Main().Command4.Enabled());

  std::vector<Text> texts_before;
  for (int row = 0; row < grid.Rows(); ++row) {
    for (int column = 0; column < grid.Cols(); ++column) texts_before.push_back(grid.TextMatrix(row, column));
  }
  pointers_.clear();
  ASSERT_EQ(Run("click frmAg3.Command15\n"), "");
  EXPECT_EQ(pointers_, (std::vector<int>{ui::pointer::kHourglass, ui::pointer::kDefault}));
  for (int row = 2; row <= n + 1; ++row) {
    for (int column = 1; column <= 21; ++column) {
      EXPECT_EQ(grid.CellBackColorAt(row, column), ui::palette::kWhite) << row << ", " << column;
    }
  }
  std::vector<Text> texts_after;
  for (int row = 0; row < grid.Rows(); ++row) {
    for (int column = 0; column < grid.Cols(); ++column) texts_after.push_back(grid.TextMatrix(row, column));
  }
  EXPECT_EQ(texts_after, texts_before);
  EXPECT_EQ(w.Text1.Text(), u"");
  EXPECT_FALSE(w.Command15.Enabled());
  EXPECT_EQ(w.Check1.Value(), ui::kUnchecked);
  EXPECT_TRUE(w.Command9.Enabled());
  EXPECT_FALSE(w.Check7.Enabled());
  EXPECT_FALSE(Main().Check1.Enabled());
  EXPECT_EQ(Main().Check1.Value(), ui::kChecked) << "the print box keeps its tick";
  EXPECT_TRUE(Main().Command4.Enabled()) << "and with it the print button";
  EXPECT_EQ(Lines(), lines) << "the race's lines stay";

  // The chain once more gives the same recommendation.
  ASSERT_EQ(Run("click frmAg3.Command9\nclick frmAg3.Command10\nclick frmAg3.Command11\n"), "");
  EXPECT_EQ(w.Text1.Text(), recommended);
  EXPECT_TRUE(Main().Check1.Enabled());
}

// Every click on the option button arms "ＮＥＸＴ" and leaves the button clear.
TEST_F(RecommendationRoad, OptionButtonArmsNextEveryTime) {
  frmAg3& w = Window();
  for (int k = 0; k < 2; ++k) {
    ASSERT_EQ(Run("click frmAg3.Option1\n"), "");
    EXPECT_TRUE(w.Command12.Enabled());
    EXPECT_FALSE(w.Option1.Value());
  }
  ASSERT_EQ(Run("click frmAg3.Command12\n"), "");
  EXPECT_FALSE(w.Command12.Enabled());
  ASSERT_EQ(Run("click frmAg3.Option1\n"), "");
  EXPECT_TRUE(w.Command12.Enabled());
}

// After "ＮＥＸＴ" and a new "確定" the tables are indexed by the new race: the release whitens but keeps
// "色分け" closed until the secondary analysis of that race has run.
TEST_F(RecommendationRoad, ReleaseOpensColouringOnlyAfterTheSecondaryAnalysisOfTheConfirmedRace) {
  frmAg3& w = Window();
  ASSERT_EQ(Run("click frmAg3.Command9\nclick frmAg3.Command10\nclick frmAg3.Command11\n"), "");
  ASSERT_EQ(Run("click frmAg3.Option1\nclick frmAg3.Command12\n"), "");
  // Only "確定" stands between here and the new race; it clears the flag on its own too.
  analysis::SetSecondaryAnalysisDone(app_.meeting, true);
  ASSERT_EQ(Run("click frmAg3.Command16\nclick frmAg3.Command18\n"), "");
  ASSERT_EQ(Race(), 1) << "UP starts again at race 1";
  EXPECT_FALSE(analysis::SecondaryAnalysisDone(app_.meeting));
  ASSERT_EQ(Run("click frmAg3.Check1\nclick frmAg3.Command15\n"), "");
  EXPECT_FALSE(w.Command9.Enabled());
  EXPECT_EQ(w.Text1.Text(), u"");
  EXPECT_FALSE(Main().Check1.Enabled());

  ASSERT_EQ(Run("click frmAg3.Command20\nclick frmAg3.Command5\nclick frmAg3.Command9\n"), "");
  ASSERT_FALSE(w.Command9.Enabled());
  ASSERT_EQ(Run("click frmAg3.Check1\nclick frmAg3.Command15\n"), "");
  EXPECT_TRUE(w.Command9.Enabled());
}

// A tick left on through "ＮＥＸＴ" stays; arming the release then takes two clicks, and the release
// keeps "色分け" closed until the next race has been analysed.
TEST_F(RecommendationRoad, NextKeepsTheTickAndClosesColouringForTheRelease) {
  frmAg3& w = Window();
  ASSERT_EQ(Run("click frmAg3.Command9\nclick frmAg3.Command10\nclick frmAg3.Command11\n"), "");
  ASSERT_EQ(Run("click frmAg3.Check1\nclick frmAg3.Option1\nclick frmAg3.Command12\n"), "");
  EXPECT_EQ(w.Check1.Value(), ui::kChecked);
  EXPECT_FALSE(w.Command15.Enabled());
  ASSERT_EQ(Run("click frmAg3.Check1\n"), "");
  EXPECT_FALSE(w.Command15.Enabled());
  ASSERT_EQ(Run("click frmAg3.Check1\n"), "");
  EXPECT_TRUE(w.Command15.Enabled());
  ASSERT_EQ(Run("click frmAg3.Command15\n"), "");
  EXPECT_FALSE(w.Command9.Enabled());
  EXPECT_FALSE(analysis::SecondaryAnalysisDone(app_.meeting));
}

}  // namespace
}  // namespace recommend
