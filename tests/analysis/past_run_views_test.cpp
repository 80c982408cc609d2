// The past-run grid's views: five buttons acting as one group, each view writing its title and the
// runs of every runner from five back to the last, and nothing else.
#include "analysis/past_run_views.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "secondary/secondary_analysis_tables.h"
#include "tests/analysis/analysis_window_fixture.h"
#include "ui/palette.h"

namespace analysis_test {
namespace {

using analysis::frmAg3;

// Runner i's run b as "i/b", so that a cell shows which runner and run filled it.
Text RunMark(int runner, int run) {
  return model::NumberToText(runner) + u"/" + model::NumberToText(run);
}

class PastRunViewTest : public AnalysisWindowTest {
 protected:
  std::vector<std::string> EnabledViewButtons(const frmAg3& w) {
    std::vector<std::string> names;
    for (const ui::CommandButton* b : {&w.Command1, &w.Command2, &w.Command3, &w.Command4, &w.Command14}) {
      if (b->Enabled()) names.push_back(b->Name());
    }
    return names;
  }
};

TEST_F(PastRunViewTest, EachViewDisablesItsOwnButtonAndEnablesTheOtherFour) {
  frmAg3& w = Open();
  Analyse(w, 3);
  // The secondary analysis shows its own view.
  EXPECT_EQ(EnabledViewButtons(w),
            (std::vector<std::string>{"Command2", "Command3", "Command4", "Command14"}));
  struct Press {
    ui::CommandButton* button;
    std::vector<std::string> enabled;
  };
  const auto no_text = [](int, int) { return Text(); };
  const Press presses[] = {
      {&w.Command3, {"Command1", "Command2", "Command4", "Command14"}},
      {&w.Command14, {"Command1", "Command2", "Command3", "Command4"}},
      {&w.Command4, {"Command1", "Command2", "Command3", "Command14"}},
      {&w.Command2, {"Command1", "Command3", "Command4", "Command14"}},
      {&w.Command1, {"Command2", "Command3", "Command4", "Command14"}},
  };
  for (const Press& press : presses) {
    SCOPED_TRACE(press.button->Name());
    if (press.button->OnClick) {
      press.button->UserClick();
    } else {  // views whose stage attaches them later
      analysis::ShowPastRunView(w, *press.button, u"", no_text, 9);
    }
    EXPECT_EQ(EnabledViewButtons(w), press.enabled);
  }
}

TEST_F(PastRunViewTest, ProvisionalEvaluationsFillTheRunnerRowsOldestRunFirst) {
  frmAg3& w = Open();
  Analyse(w, 3);  // 9 runners
  auto& prov = app_.meeting.Group<secondary::SecondaryAnalysisTables>().ProvEvalText;
  for (int b = 1; b <= 5; ++b) {
    for (int i = 1; i <= 18; ++i) prov[b](i) = RunMark(i, b);
  }
  ui::FlexGrid& grid = w.MSFlexGrid1;
  grid.SetTextMatrix(3, 0, u"kept");
  grid.SetTextMatrix(11, 2, u"race before");
  grid.SetRow(2);
  grid.SetCol(1);
  grid.SetCellBackColor(ui::palette::kPink);
  w.Command3.UserClick();
  w.Command1.UserClick();

  for (int c = 1; c <= 5; ++c) EXPECT_EQ(grid.TextMatrix(0, c), u"仮  評  価") << c;
  for (int i = 1; i <= 9; ++i) {
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(grid.TextMatrix(i + 1, c), RunMark(i, 6 - c)) << i << ", " << c;
  }
  EXPECT_EQ(grid.TextMatrix(1, 1), u"５走");
  EXPECT_EQ(grid.TextMatrix(3, 0), u"kept");
  EXPECT_EQ(grid.TextMatrix(11, 2), u"race before");
  EXPECT_EQ(grid.CellBackColorAt(2, 1), ui::palette::kPink);
}

TEST_F(PastRunViewTest, TheViewsOfTheBasicAnalysisCarryTheirTitles) {
  frmAg3& w = Open();
  Analyse(w, 1);
  const struct {
    ui::CommandButton* button;
    const Text& title;
    const char16_t* shown;
  } views[] = {{&w.Command2, analysis::kRealEvalTitle, u"実  評  価"},
               {&w.Command14, analysis::kRunIntervalTitle, u"レ－ス間隔"}};
  for (const auto& view : views) {
    analysis::ShowPastRunView(w, *view.button, view.title, RunMark, 7);
    EXPECT_EQ(w.MSFlexGrid1.TextMatrix(0, 3), view.shown);
  }
}

// The grid has 18 runner rows; a larger count stops there, and no runner writes only the title.
TEST_F(PastRunViewTest, TheRunnerRowsStopAtTheGridsLast) {
  frmAg3& w = Open();
  analysis::ShowPastRunView(w, w.Command2, u"t", RunMark, 25);
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(19, 5), RunMark(18, 1));
  w.MSFlexGrid1.SetTextMatrix(2, 1, u"kept");
  analysis::ShowPastRunView(w, w.Command14, u"u", RunMark, 0);
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(0, 1), u"u");
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(2, 1), u"kept");
}

}  // namespace
}  // namespace analysis_test
