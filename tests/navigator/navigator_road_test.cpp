// The sample meeting along the real road: race 2 (1800 m) through both analyses and "色分け", then
// the navigator's switch, "解析" and "軸馬ナビ", and the evaluation window's "総合評価".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/frm_ag3.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "navigator/frm_ag13.h"
#include "navigator/frm_ag15.h"
#include "navigator/navigator_tables.h"
#include "program/program.h"
#include "tests/support/sample_road.h"
#include "ui/palette.h"

namespace navigator_test {
namespace {

using model::Text;

constexpr int kRace = 2;

class NavigatorRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Start();
    ASSERT_EQ(testsupport::RoadToAnalysisWindow(app_), "");
    Run("select frmAg3.Combo1 0\n"
        "click frmAg3.Command16\n"
        "click frmAg3.Command16\n"
        "click frmAg3.Command18\n"
        "click frmAg3.Command20\n"
        "click frmAg3.Command5\n"
        "click frmAg3.Command9\n");
  }
  void Run(const std::string& lines) { ASSERT_EQ(testsupport::RunLines(app_, lines), ""); }
  int RunnerCount() {
    return static_cast<int>(
        model::TextToNumber(app_.meeting.Group<intake::RaceCardTables>().RunnerCount(kRace)));
  }

  program::Program app_;
};

TEST_F(NavigatorRoad, TheSwitchOpensTheNavigatorWhoseButtonsMarkAxisHorses) {
  Run("click frmAg3.Check4\n");
  navigator::frmAg13& w = app_.Form<navigator::frmAg13>();
  EXPECT_TRUE(w.Visible());
  EXPECT_TRUE(w.Option2.Value());
  EXPECT_EQ(w.MSFlexGrid3.Top(), 500);
  Run("click frmAg13.Command2\nclick frmAg13.Command1\n");
  EXPECT_FALSE(w.Command2.Enabled());
  EXPECT_FALSE(w.Command1.Enabled());

  const int n = RunnerCount();
  ASSERT_EQ(n, 16);
  const navigator::NavigatorTables& t = app_.meeting.Group<navigator::NavigatorTables>();
  const ui::FlexGrid& stats = w.MSFlexGrid1;
  for (int i = 1; i <= n; ++i) {
    SCOPED_TRACE(i);
    // Every usable run is coloured, and the figures are the tables'.
    int coloured = 0;
    for (int k = 1; k <= 5; ++k) {
      const ui::Color c = stats.CellBackColorAt(i + 1, k);
      if (c == ui::palette::kPink || c == ui::palette::kLightYellow) ++coloured;
    }
    EXPECT_EQ(t.UsableRunCount(kRace, i), model::NumberToText(coloured));
    EXPECT_EQ(stats.TextMatrix(i + 1, 7), t.RunMean(kRace, i));
    EXPECT_EQ(stats.TextMatrix(i + 1, 10), t.RunSpread(kRace, i));
    // A mark stands only on a runner whose first four criteria are green.
    const ui::FlexGrid& nav = w.MSFlexGrid3;
    const Text& mark = nav.TextMatrix(i + 1, 2);
    if (mark.empty()) continue;
    for (int c = 4; c <= 7; ++c) EXPECT_EQ(nav.CellBackColorAt(i + 1, c), ui::palette::kGreen) << c;
    EXPECT_EQ(nav.CellBackColorAt(i + 1, 8), mark == u"Ａ軸" ? ui::palette::kGreen : ui::Rgb(230, 230, 230));
  }
  EXPECT_EQ(w.AxisListA, (std::vector<int>{2, 5, 6, 7, 8, 11, 12}));
  EXPECT_EQ(w.AxisListB, std::vector<int>{15});
  EXPECT_EQ(t.RunSpread(kRace, 15), u"---");

  // Switched off and on again: the same window with its marks and spent buttons.
  Run("click frmAg3.Check4\nclick frmAg3.Check4\n");
  EXPECT_EQ(&app_.Form<navigator::frmAg13>(), &w);
  EXPECT_EQ(w.MSFlexGrid3.TextMatrix(3, 2), u"Ａ軸");
  EXPECT_FALSE(w.Command2.Enabled());
}

TEST_F(NavigatorRoad, TheEvaluationWindowShowsTheBars) {
  Run("click frmAg3.Command10\nclick frmAg3.Command11\nclick frmAg3.Check7\nclick frmAg15.Command1\n");
  navigator::frmAg15& w = app_.Form<navigator::frmAg15>();
  EXPECT_TRUE(w.Visible());
  EXPECT_FALSE(w.Command1.Enabled());
  const int n = RunnerCount();
  const ui::FlexGrid& g = w.MSFlexGrid1;
  for (int k = 1; k <= n; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(g.TextMatrix(k + 1, 0), model::NumberToText(k));
    EXPECT_EQ(g.TextMatrix(k + 1, 1), app_.meeting.Group<intake::RaceCardTables>().HorseName(kRace, k));
    // Bars are runs of glyphs within their column's length, or " " for a missing value.
    const std::pair<int, size_t> bars[] = {{3, 12}, {5, 7}, {7, 7}, {9, 5}, {10, 5}};
    for (const auto& [col, longest] : bars) {
      const Text& bar = g.TextMatrix(k + 1, col);
      if (bar == u" ") continue;
      EXPECT_LE(bar.size(), longest) << col;
      EXPECT_EQ(bar.find_first_not_of(u'■'), Text::npos) << col;
    }
  }
  EXPECT_EQ(g.TextMatrix(n + 2, 0), u"");
  EXPECT_EQ(g.TextMatrix(4, 3), u" ");  // runner 3 has no current ability
}

}  // namespace
}  // namespace navigator_test
