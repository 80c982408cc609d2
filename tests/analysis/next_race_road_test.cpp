// "ＮＥＸＴ" end to end on the sample meeting: two races analysed with every companion window and
// switch in use, each followed by the reset for the next race.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysis_window_tables.h"
#include "analysis/frm_ag3.h"
#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"
#include "shell/frm_ag0.h"
#include "tests/analysis/analysis_window_fixture.h"
#include "tests/support/sample_road.h"
#include "ui/palette.h"

namespace analysis_test {
namespace {

using analysis::frmAg3;

class NextRaceRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Start();
    ASSERT_EQ(testsupport::RoadToAnalysisWindow(app_), "");
    Run("select frmAg3.Combo1 2");
    app_.screen.SetPointerWatcher([this](int p) { pointers_.push_back(p); });
  }
  void Run(const std::string& line) { ASSERT_EQ(testsupport::RunLines(app_, line + "\n"), "") << line; }
  frmAg3& Window() { return app_.Form<frmAg3>(); }

  // What the analyses still to come leave of race `race` with n runners: its validity, grade and
  // recommendation, values and colours in every runner row of the runner grid, result labels and
  // the provisional evaluations that the secondary analysis shows.
  void WriteResults(int race, int n) {
    analysis::AnalysisWindowTables& results = app_.meeting.Group<analysis::AnalysisWindowTables>();
    results.AnalysisValidity(race) = model::NumberToText(80 + race);
    results.AnalysisGrade(race) = u"良";
    results.RecommendLine[1](race) = u"1 2";
    auto& prov = app_.meeting.Group<secondary::SecondaryAnalysisTables>().ProvEvalText;
    for (int b = 1; b <= 5; ++b) {
      for (int i = 1; i <= 18; ++i) prov[b](i) = u"+10A";
    }
    frmAg3& w = Window();
    for (int r = 2; r <= n + 1; ++r) {
      for (int c = 0; c <= 21; ++c) {
        w.MSFlexGrid2.SetTextMatrix(r, c, u"v");
        w.MSFlexGrid2.SetRow(r);
        w.MSFlexGrid2.SetCol(c);
        w.MSFlexGrid2.SetCellBackColor(ui::palette::kPaleGreen);
      }
    }
    for (ui::Label* label : {&w.Label9, &w.Label18, &w.Label24, &w.Label36, &w.Label37, &w.Label41}) {
      label->SetCaption(u"result");
    }
  }

  // Race `race` from selection through every step, launcher and switch.
  void AnalyseWithEverything(int race, int n) {
    for (int k = 0; k < race; ++k) Run("click frmAg3.Command16");
    Run("click frmAg3.Command18");
    Run("click frmAg3.Command20");
    WriteResults(race, n);
    Run("click frmAg3.Command5");
    Window().Check2.SetValue(ui::kChecked);  // as the basic analysis leaves it
    for (const char* line :
         {"click frmAg3.Command9", "click frmAg3.Command10", "click frmAg3.Command11", "click frmAg0.Check1",
          "click frmAg3.Command6", "click frmAg3.Command7", "click frmAg3.Command8", "click frmAg3.Command13",
          "click frmAg3.Check4", "click frmAg3.Check5", "click frmAg3.Check6", "click frmAg3.Check7"}) {
      Run(line);
    }
    ASSERT_TRUE(app_.Form<shell::frmAg0>().Command4.Enabled());
    for (const char* name : {"frmAg13", "frmAg14", "frmAg15", "frmAg8", "frmAg9", "frmAg10", "frmAg12"}) {
      ASSERT_NE(app_.FindLoaded(name), nullptr) << name;
    }
  }
  void PressNext() {
    Run("click frmAg3.Option1");
    pointers_.clear();
    Run("click frmAg3.Command12");
  }

  std::vector<std::string> LoadedNames() const {
    std::vector<std::string> names;
    for (const ui::Form* form : app_.LoadedForms()) names.push_back(form->Name());
    return names;
  }
  std::vector<std::string> OpenButtons() {
    std::vector<std::string> names;
    for (int k = 1; k <= 20; ++k) {
      const std::string name = "Command" + std::to_string(k);
      if (Window().FindControl(name)->Enabled()) names.push_back(name);
    }
    return names;
  }

  program::Program app_;
  std::vector<int> pointers_;
};

TEST_F(NextRaceRoad, TwoRacesAnalysedAndResetForTheNext) {
  AnalyseWithEverything(3, 18);
  app_.FindLoaded("frmAg13")->SetCaption(u"race 3");
  PressNext();
  frmAg3& w = Window();
  // The windows each race opens afresh are gone; the launched ones stay with their content.
  EXPECT_EQ(LoadedNames(), (std::vector<std::string>{"frmAg0", "frmAg7", "frmAg3", "frmAg10", "frmAg8",
                                                     "frmAg9", "frmAg12"}));
  app_.FindLoaded("frmAg10")->SetCaption(u"race 3");
  w.MSFlexGrid1.SetTextMatrix(18, 1, u"earlier race");
  w.MSFlexGrid2.SetTextMatrix(18, 0, u"earlier race");

  AnalyseWithEverything(7, 15);
  EXPECT_NE(app_.FindLoaded("frmAg13")->Caption(), u"race 3");  // loaded afresh for this race
  PressNext();
  EXPECT_EQ(LoadedNames(), (std::vector<std::string>{"frmAg0", "frmAg7", "frmAg3", "frmAg10", "frmAg8",
                                                     "frmAg9", "frmAg12"}));
  for (const char* name : {"frmAg10", "frmAg8", "frmAg9", "frmAg12"}) {
    EXPECT_TRUE(app_.FindLoaded(name)->Visible()) << name;
  }
  EXPECT_EQ(app_.FindLoaded("frmAg10")->Caption(), u"race 3");

  // The overview: both analysed races on cyan with their results, the others as they were.
  const ui::FlexGrid& overview = w.MSFlexGrid3;
  EXPECT_EQ(PlaceOf(overview), (GridPlace{200, 3025, 12300, 3500}));
  for (int race = 1; race <= 12; ++race) {
    const bool analysed = race == 3 || race == 7;
    EXPECT_EQ(overview.CellBackColorAt(5, race) == ui::palette::kLightCyan, analysed) << race;
    EXPECT_EQ(overview.TextMatrix(8, race), analysed ? model::NumberToText(80 + race) + u" 良" : u"") << race;
  }
  // "推奨馬" has rewritten the race's first line since; the overview shows it behind a blank.
  const model::Text& line = app_.meeting.Group<analysis::AnalysisWindowTables>().RecommendLine[1](7);
  EXPECT_NE(line, u"1 2");
  EXPECT_EQ(overview.TextMatrix(9, 7), u" " + line);

  // Runner rows 2 to 16 empty and white; rows further down keep what an earlier race left.
  for (int r = 2; r <= 16; ++r) {
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(w.MSFlexGrid1.TextMatrix(r, c), u"") << r << ", " << c;
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(w.MSFlexGrid1.CellBackColorAt(r, c), ui::palette::kWhite) << r;
    for (int c = 0; c <= 21; ++c) EXPECT_EQ(w.MSFlexGrid2.TextMatrix(r, c), u"") << r << ", " << c;
    for (int c = 1; c <= 21; ++c) EXPECT_EQ(w.MSFlexGrid2.CellBackColorAt(r, c), ui::palette::kWhite) << r;
  }
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(18, 1), u"earlier race");
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(18, 0), u"earlier race");
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(0, 1), u"仮　評　価");  // the secondary analysis's own title

  // Controls back to selection.
  EXPECT_EQ(OpenButtons(), (std::vector<std::string>{"Command16", "Command19"}));
  for (const ui::Label* label : {&w.Label2, &w.Label6, &w.Label7, &w.Label9, &w.Label18, &w.Label24,
                                 &w.Label36, &w.Label37, &w.Label41}) {
    EXPECT_EQ(label->Caption(), u"") << label->Name();
  }
  EXPECT_EQ(w.Text1.Text(), u"");
  EXPECT_EQ(w.Check2.Value(), ui::kUnchecked);
  const shell::frmAg0& main = app_.Form<shell::frmAg0>();
  EXPECT_EQ(main.Check1.Value(), ui::kUnchecked);
  EXPECT_FALSE(main.Check1.Enabled());
  EXPECT_FALSE(main.Command4.Enabled());

  // The navigation frame and the going panel out of view, the panel's runner rows cleared.
  EXPECT_EQ(PlaceOf(w.Frame1), (GridPlace{9850, 12000, 2900, 1100}));
  EXPECT_EQ(PlaceOf(w.MSFlexGrid4), (GridPlace{200, 12000, 3775, 4600}));
  EXPECT_EQ(w.MSFlexGrid4.TextMatrix(2, 1), u"");
  EXPECT_EQ(w.MSFlexGrid4.CellBackColorAt(2, 2), w.MSFlexGrid4.BackColor());
  const struct {
    const ui::CheckBox* box;
    const char16_t* caption;
  } switches[] = {
      {&w.Check4, u"軸馬OFF"}, {&w.Check5, u"グラフOFF"}, {&w.Check6, u"馬場OFF"}, {&w.Check7, u"評価OFF"}};
  for (const auto& s : switches) {
    EXPECT_EQ(s.box->Value(), ui::kUnchecked) << s.box->Name();
    EXPECT_EQ(s.box->Caption(), s.caption) << s.box->Name();
  }
  EXPECT_EQ(pointers_, (std::vector<int>{ui::pointer::kHourglass, ui::pointer::kDefault,
                                         ui::pointer::kHourglass, ui::pointer::kDefault}));
  EXPECT_TRUE(app_.Messages().empty());

  // The next race starts at race 1.
  Run("click frmAg3.Command16");
  EXPECT_EQ(w.Label2.Caption(), app_.meeting.Group<intake::RaceCardTables>().RaceSummary(1));
}

}  // namespace
}  // namespace analysis_test
