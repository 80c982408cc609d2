// The companion windows of the analysis window: four launchers acting as one group, "基本" showing
// the standard times of today's surface, and three switches showing and hiding their windows.
#include "analysis/companion_windows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basetime/base_time_tables.h"
#include "basetime/frm_ag9.h"
#include "basetime/std_time_view_tables.h"
#include "model/text_ops.h"
#include "model/time_text.h"
#include "tests/analysis/analysis_window_fixture.h"

namespace analysis_test {
namespace {

using analysis::frmAg3;

class CompanionWindowTest : public AnalysisWindowTest {
 protected:
  void SetUp() override {
    AnalysisWindowTest::SetUp();
    basetime::BaseTimeTables& base = app_.meeting.Group<basetime::BaseTimeTables>();
    for (int i = 1; i <= 10; ++i) {
      for (int j = 1; j <= 12; ++j) {
        base.TurfStdTime(i, j) = model::NumberToPatternText(60 + 10 * j + 0.1 * i, u"###.0");
        base.DirtStdTime(i, j) = model::NumberToPatternText(65 + 10 * j + 0.1 * i, u"###.0");
      }
    }
  }
  // Race 3 analysed with "色分け" run: the launchers open and the switches in view.
  frmAg3& Ready(const Text& surface_code = u"1") {
    app_.meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(3) = surface_code;
    frmAg3& w = Open();
    w.Combo1.UserSelect(1);
    Analyse(w, 3);
    w.Command9.UserClick();
    return w;
  }
  std::vector<std::string> EnabledLaunchers(const frmAg3& w) {
    std::vector<std::string> names;
    for (const ui::CommandButton* b : {&w.Command6, &w.Command7, &w.Command8, &w.Command13}) {
      if (b->Enabled()) names.push_back(b->Name());
    }
    return names;
  }
  // Loaded, shown and in front of the analysis window.
  void ExpectShownByTheWindow(const std::string& name, const frmAg3& w) {
    const ui::Form* form = app_.FindLoaded(name);
    ASSERT_NE(form, nullptr) << name;
    EXPECT_TRUE(form->Visible()) << name;
    EXPECT_EQ(form->Owner(), &w) << name;
  }
  static void ExpectTimes(const basetime::frmAg9& view, const basetime::CourseDistanceTable& times) {
    for (int i = 1; i <= 10; ++i) {
      for (int j = 1; j <= 12; ++j) {
        EXPECT_EQ(view.MSFlexGrid1.TextMatrix(i, j), model::Trim(model::SecondsToTimeText(times(i, j))))
            << i << "," << j;
      }
    }
  }
};

TEST_F(CompanionWindowTest, EachLauncherShowsItsWindowAndEnablesTheOtherThree) {
  frmAg3& w = Ready();
  const struct {
    ui::CommandButton* button;
    const char* window;
    std::vector<std::string> enabled;
  } presses[] = {
      {&w.Command6, "frmAg10", {"Command7", "Command8", "Command13"}},
      {&w.Command7, "frmAg8", {"Command6", "Command8", "Command13"}},
      {&w.Command6, "frmAg10", {"Command7", "Command8", "Command13"}},
      {&w.Command13, "frmAg12", {"Command6", "Command7", "Command8"}},
      {&w.Command8, "frmAg9", {"Command6", "Command7", "Command13"}},
  };
  for (const auto& press : presses) {
    SCOPED_TRACE(press.button->Name());
    ASSERT_TRUE(press.button->AcceptsUserInput());
    press.button->UserClick();
    EXPECT_EQ(EnabledLaunchers(w), press.enabled);
    ExpectShownByTheWindow(press.window, w);
  }
}

// A launched window that is still open is only shown: it keeps what it holds.
TEST_F(CompanionWindowTest, AnOpenWindowIsShownWithItsContent) {
  frmAg3& w = Ready();
  w.Command6.UserClick();
  ui::Form* record = app_.FindLoaded("frmAg10");
  record->SetCaption(u"race 3");
  record->Hide();
  w.Command7.UserClick();
  w.Command6.UserClick();
  EXPECT_EQ(app_.FindLoaded("frmAg10"), record);
  EXPECT_EQ(record->Caption(), u"race 3");
  EXPECT_TRUE(record->Visible());
}

TEST_F(CompanionWindowTest, StandardTimesOfTodaysSurfaceUnderTheLaunchersCaption) {
  const basetime::BaseTimeTables& base = app_.meeting.Group<basetime::BaseTimeTables>();
  const struct {
    const char16_t* surface_code;
    const char16_t* corner;
    bool turf_option;
    const basetime::CourseDistanceTable& shown;
    const basetime::CourseDistanceTable& other;
  } surfaces[] = {{u"1", u"(   芝   ) ", true, base.TurfStdTime, base.DirtStdTime},
                  {u"0", u"( ダ－ト ) ", false, base.DirtStdTime, base.TurfStdTime}};
  for (const auto& s : surfaces) {
    SCOPED_TRACE(model::ToUtf8(s.surface_code));
    frmAg3& w = Ready(s.surface_code);
    w.Command8.UserClick();
    auto& view = static_cast<basetime::frmAg9&>(*app_.FindLoaded("frmAg9"));
    EXPECT_EQ(view.Caption(), u"[  基本タイムの表示  ]");
    EXPECT_EQ(view.MSFlexGrid1.TextMatrix(0, 0), s.corner);
    EXPECT_EQ(view.Option1.Value(), s.turf_option);
    EXPECT_EQ(view.Option2.Value(), !s.turf_option);
    ExpectTimes(view, s.shown);
    // The other option shows the other surface under the view's own caption.
    (s.turf_option ? view.Option2 : view.Option1).UserClick();
    EXPECT_EQ(view.Caption(), u"[  標準タイムの表示  ]");
    ExpectTimes(view, s.other);
    app_.UnloadAll();
  }
}

// Pressed again for the same race with its surface's option still selected, "基本" fills the view
// again under its own caption.
TEST_F(CompanionWindowTest, StandardTimesAreFilledAgainOnTheNextPress) {
  frmAg3& w = Ready(u"1");
  w.Command8.UserClick();
  auto& view = static_cast<basetime::frmAg9&>(*app_.FindLoaded("frmAg9"));
  view.SetCaption(u"changed");
  app_.meeting.Group<basetime::BaseTimeTables>().TurfStdTime(1, 1) = u"58.0";
  w.Command6.UserClick();
  w.Command8.UserClick();
  EXPECT_EQ(view.Caption(), u"[  基本タイムの表示  ]");
  EXPECT_EQ(view.MSFlexGrid1.TextMatrix(1, 1), u"0.58.0");
}

TEST_F(CompanionWindowTest, ARaceOfNeitherSurfaceOnlyShowsTheStandardTimes) {
  frmAg3& w = Ready(u" ");
  w.Command8.UserClick();
  ExpectShownByTheWindow("frmAg9", w);
  const auto& view = static_cast<const basetime::frmAg9&>(*app_.FindLoaded("frmAg9"));
  EXPECT_EQ(view.MSFlexGrid1.TextMatrix(0, 0), u"");
  EXPECT_FALSE(view.Option1.Value() || view.Option2.Value());
}

TEST_F(CompanionWindowTest, SwitchesShowAndHideTheirWindows) {
  frmAg3& w = Ready();
  const struct {
    ui::CheckBox* box;
    const char* window;
    const char16_t* on;
    const char16_t* off;
  } switches[] = {{&w.Check4, "frmAg13", u"軸馬 O N", u"軸馬OFF"},
                  {&w.Check5, "frmAg14", u"グラフO N", u"グラフOFF"},
                  {&w.Check7, "frmAg15", u"評価O N", u"評価OFF"}};
  for (const auto& s : switches) {
    SCOPED_TRACE(s.window);
    EXPECT_EQ(app_.FindLoaded(s.window), nullptr);
    ASSERT_TRUE(s.box->AcceptsUserInput());
    s.box->UserClick();
    ExpectShownByTheWindow(s.window, w);
    EXPECT_EQ(s.box->Caption(), s.on);
    ui::Form* shown = app_.FindLoaded(s.window);
    shown->SetCaption(u"content");
    s.box->UserClick();
    EXPECT_EQ(app_.FindLoaded(s.window), shown);
    EXPECT_FALSE(shown->Visible());
    EXPECT_EQ(s.box->Caption(), s.off);
    s.box->UserClick();
    EXPECT_TRUE(shown->Visible());
    EXPECT_EQ(shown->Caption(), u"content");
  }
}

// Unticking hides a window only while it is loaded: a window the user closed is not loaded again
// just to be hidden, and the next tick loads it afresh.
TEST_F(CompanionWindowTest, AWindowClosedByTheUserIsLoadedAfreshByTheNextTick) {
  frmAg3& w = Ready();
  w.Check4.UserClick();
  app_.FindLoaded("frmAg13")->UserClose();
  w.Check4.UserClick();
  EXPECT_EQ(app_.FindLoaded("frmAg13"), nullptr);
  EXPECT_EQ(w.Check4.Caption(), u"軸馬OFF");
  w.Check4.UserClick();
  ExpectShownByTheWindow("frmAg13", w);
}

}  // namespace
}  // namespace analysis_test
