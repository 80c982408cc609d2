// "ＮＥＸＴ": back to race selection after a race, with the basic analysis closed until the next
// confirmation, and only the companion windows that each race opens afresh unloaded.
#include <gtest/gtest.h>

#include <memory>

#include "analysis/analysed_race.h"
#include "analysis/next_race_reset.h"
#include "navigator/frm_ag13.h"
#include "shell/frm_ag0.h"
#include "tests/analysis/analysis_window_fixture.h"
#include "ui/palette.h"

namespace analysis_test {
namespace {

using analysis::frmAg3;

class NextRaceTest : public AnalysisWindowTest {
 protected:
  static void PressNext(frmAg3& w) {
    w.Option1.UserClick();
    ASSERT_TRUE(w.Command12.AcceptsUserInput());
    w.Command12.UserClick();
  }
};

// The basic analysis stays closed after ＮＥＸＴ even when the race was confirmed but not analysed,
// and opens again with the next confirmation.
TEST_F(NextRaceTest, TheBasicAnalysisWaitsForTheNextConfirmation) {
  frmAg3& w = Open();
  Confirm(w, 2);
  ASSERT_TRUE(w.Command20.Enabled());
  PressNext(w);
  EXPECT_FALSE(w.Command20.Enabled());
  EXPECT_TRUE(w.Command16.Enabled());
  EXPECT_FALSE(w.Command17.Enabled());
  EXPECT_FALSE(w.Command18.Enabled());
  EXPECT_TRUE(w.Command19.Enabled());
  EXPECT_FALSE(w.Command12.Enabled());
  EXPECT_EQ(w.Label2.Caption(), u"");
  w.Command16.UserClick();
  EXPECT_EQ(w.Label2.Caption(), u"summary 1");
  w.Command18.UserClick();
  EXPECT_TRUE(w.Command20.Enabled());
}

// "取消" right after ＮＥＸＴ opens DN and "確定", which confirms the previous race again although no
// race is shown.
TEST_F(NextRaceTest, ReleasingAfterTheResetConfirmsThePreviousRaceAgain) {
  frmAg3& w = Open();
  Analyse(w, 4);
  PressNext(w);
  w.Command19.UserClick();
  EXPECT_TRUE(w.Command17.Enabled());
  ASSERT_TRUE(w.Command18.Enabled());
  w.Command18.UserClick();
  EXPECT_EQ(analysis::AnalysedRace(app_.meeting), 4);
  EXPECT_TRUE(w.Command20.Enabled());
}

// No switch ticked: none of their actions runs (the going switch keeps its designed caption) and no
// companion window is loaded just to be unloaded.
TEST_F(NextRaceTest, UntickedSwitchesRunNothing) {
  frmAg3& w = Open();
  Analyse(w, 3);
  PressNext(w);
  EXPECT_EQ(w.Check6.Caption(), u"馬場 OFF");
  EXPECT_EQ(w.Check4.Caption(), u"軸馬OFF");
  for (const char* name : {"frmAg13", "frmAg14", "frmAg15"})
    EXPECT_EQ(app_.FindLoaded(name), nullptr) << name;
}

// Before any confirmation there is no runner row to clear; the rest of the reset runs.
TEST_F(NextRaceTest, BeforeAnyRaceTheRunnerRowsStay) {
  frmAg3& w = Open();
  w.MSFlexGrid1.SetTextMatrix(2, 1, u"kept");
  w.MSFlexGrid2.SetTextMatrix(2, 0, u"kept");
  PressNext(w);
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(2, 1), u"kept");
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(2, 0), u"kept");
  EXPECT_EQ(PlaceOf(w.MSFlexGrid3), (GridPlace{200, 3025, 12300, 3500}));
  EXPECT_FALSE(app_.Form<shell::frmAg0>().Check1.Enabled());
}

TEST(EmptyRunnerRows, EmptiesFromColumnZeroAndWhitensFromColumnOne) {
  program::Program app;
  ui::FlexGrid& grid = app.Show<frmAg3>().MSFlexGrid1;
  for (int r = 0; r < 20; ++r) {
    for (int c = 0; c < 6; ++c) {
      grid.SetTextMatrix(r, c, u"x");
      grid.SetRow(r);
      grid.SetCol(c);
      grid.SetCellBackColor(ui::palette::kPink);
    }
  }
  analysis::EmptyRunnerRows(grid, 3, 5);
  for (int r = 0; r < 20; ++r) {
    const bool runner_row = r >= 2 && r <= 4;
    for (int c = 0; c < 6; ++c) {
      EXPECT_EQ(grid.TextMatrix(r, c), runner_row ? u"" : u"x") << r << ", " << c;
      EXPECT_EQ(grid.CellBackColorAt(r, c), runner_row && c >= 1 ? ui::palette::kWhite : ui::palette::kPink)
          << r << ", " << c;
    }
  }
}

// The first window loaded is never examined; among the others the first of the name goes.
TEST(UnloadCompanion, SkipsTheFirstLoadedWindowAndUnloadsTheFirstOfTheNameAfterIt) {
  program::Program app;
  ui::Form& first = app.Load(std::make_unique<navigator::frmAg13>(app));
  app.Show<frmAg3>();
  app.Load(std::make_unique<navigator::frmAg13>(app));
  analysis::UnloadCompanion(app, "frmAg13");
  EXPECT_TRUE(first.Loaded());
  EXPECT_EQ(app.LoadedForms().size(), 2U);
  EXPECT_EQ(app.LoadedForms().back()->Name(), "frmAg3");
  analysis::UnloadCompanion(app, "frmAg13");
  EXPECT_TRUE(first.Loaded());
  EXPECT_EQ(app.LoadedForms().size(), 2U);
}

}  // namespace
}  // namespace analysis_test
