#include <gtest/gtest.h>

#include "shell/app.h"
#include "shell/frm_ag0.h"
#include "shell/frm_ag1.h"
#include "shell_fixture.h"

namespace shell_test {
namespace {

using shell::frmAg0;
using shell::frmAg1;
using Names = std::vector<std::string>;

struct ScreenCase {
  int width, height;  // pixels
  double main_left, main_top, opening_top;
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << " pixels";
}

class StartUpOnScreen : public testing::TestWithParam<ScreenCase> {};

// Both windows share one 13000 x 9475 frame centred across and 200 twips above the middle.
TEST_P(StartUpOnScreen, PlacesTheMainWindowAsTopBarAndTheOpeningWindowUnderIt) {
  const ScreenCase& c = GetParam();
  auto app = StartedApp(c.width, c.height);
  const frmAg0& main = *app->FindLoaded<frmAg0>();
  const frmAg1& opening = *app->FindLoaded<frmAg1>();

  EXPECT_EQ(main.Left(), c.main_left);
  EXPECT_EQ(main.Top(), c.main_top);
  EXPECT_EQ(main.Width(), 13000);
  EXPECT_EQ(main.Height(), 1250);
  EXPECT_EQ(opening.Left(), c.main_left);
  EXPECT_EQ(opening.Top(), c.opening_top);
  EXPECT_EQ(opening.Width(), 13000);
  EXPECT_EQ(opening.Height(), 8225);
}

INSTANTIATE_TEST_SUITE_P(Screens, StartUpOnScreen,
                         testing::Values(ScreenCase{1920, 1080, 7900, 3162.5, 4412.5},
                                         ScreenCase{1280, 1024, 3100, 2742.5, 3992.5},
                                         ScreenCase{800, 600, -500, -437.5, 812.5}),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

TEST(MainWindow, StartsWithPrintingLockedAndTheOpeningWindowShown) {
  auto app = StartedApp();
  EXPECT_EQ(LoadedNames(*app), (Names{"frmAg0", "frmAg1"}));
  frmAg0& main = app->Form<frmAg0>();
  EXPECT_TRUE(main.Visible());
  EXPECT_TRUE(app->Form<frmAg1>().Visible());
  EXPECT_EQ(main.Label2.Caption(), u"");
  EXPECT_FALSE(main.Check1.Enabled());
  EXPECT_EQ(main.Check1.Value(), ui::kUnchecked);
  EXPECT_FALSE(main.Command4.Enabled());
  EXPECT_TRUE(main.mnuOpen1.Enabled());
  EXPECT_FALSE(main.mnuPrint.Enabled());
  EXPECT_TRUE(main.Command5.Enabled());
  EXPECT_TRUE(main.mnuExit.Enabled());
  EXPECT_EQ(main.mnuExit.Shortcut(), "Ctrl+X");
  ASSERT_EQ(main.MenuBar().size(), 2u);
  EXPECT_EQ(main.MenuBar()[0], &main.mnuFile);
  EXPECT_EQ(main.MenuBar()[1], &main.mnuPrint);
  ASSERT_EQ(main.mnuFile.Items().size(), 3u);
  EXPECT_TRUE(main.mnuFile.Items()[1]->IsSeparator());
}

// "推奨馬" is the only thing that enables the check box; a tick unlocks "印刷" for one print.
TEST(MainWindow, PrintControlsFollowTheTick) {
  auto app = StartedApp();
  frmAg0& main = app->Form<frmAg0>();

  main.Check1.UserClick();  // still locked
  EXPECT_EQ(main.Check1.Value(), ui::kUnchecked);
  EXPECT_FALSE(main.Command4.Enabled());
  main.Command4.UserClick();
  EXPECT_FALSE(main.Command4.Enabled());

  main.Check1.SetEnabled(true);  // as "推奨馬" leaves it
  EXPECT_FALSE(main.Command4.Enabled());
  main.Check1.UserClick();
  EXPECT_EQ(main.Check1.Value(), ui::kChecked);
  EXPECT_TRUE(main.Command4.Enabled());
  main.Check1.UserClick();
  EXPECT_EQ(main.Check1.Value(), ui::kUnchecked);
  EXPECT_FALSE(main.Command4.Enabled());

  for (int print = 1; print <= 2; ++print) {
    SCOPED_TRACE(print);
    main.Check1.UserClick();
    ASSERT_TRUE(main.Command4.Enabled());
    main.Command4.UserClick();
    EXPECT_FALSE(main.Command4.Enabled());
    EXPECT_EQ(main.Check1.Value(), ui::kUnchecked);
    EXPECT_TRUE(main.Check1.Enabled());
    main.Command4.UserClick();  // nothing until ticked again
    EXPECT_FALSE(main.Command4.Enabled());
  }
  EXPECT_FALSE(main.mnuPrint.Enabled());
}

// "色解除" only locks the check box; "ＮＥＸＴ" clears the tick first, which locks "印刷".
TEST(MainWindow, ClearingColoursKeepsPrintingAndNextRaceLocksIt) {
  auto app = StartedApp();
  frmAg0& main = app->Form<frmAg0>();
  main.Check1.SetEnabled(true);
  main.Check1.UserClick();

  main.Check1.SetEnabled(false);  // "色解除"
  EXPECT_EQ(main.Check1.Value(), ui::kChecked);
  EXPECT_TRUE(main.Command4.Enabled());
  main.Check1.UserClick();
  EXPECT_EQ(main.Check1.Value(), ui::kChecked);

  main.Check1.SetValue(ui::kUnchecked);  // "ＮＥＸＴ"
  main.Check1.SetEnabled(false);
  EXPECT_FALSE(main.Command4.Enabled());
}

TEST(MainWindow, GreyTickLeavesThePrintButtonAsItWas) {
  for (bool ticked_before : {false, true}) {
    SCOPED_TRACE(ticked_before);
    auto app = StartedApp();
    frmAg0& main = app->Form<frmAg0>();
    main.Check1.SetEnabled(true);
    if (ticked_before) main.Check1.UserClick();
    main.Check1.SetValue(ui::kGrayed);
    EXPECT_EQ(main.Command4.Enabled(), ticked_before);
  }
}

TEST(MainWindow, OpenMenuShowsTheDataReadWindowOnceAndKeepsTheOpeningWindow) {
  auto app = StartedApp();
  frmAg0& main = app->Form<frmAg0>();
  main.mnuOpen1.UserClick();

  EXPECT_EQ(LoadedNames(*app), (Names{"frmAg0", "frmAg1", "frmAg2"}));
  EXPECT_TRUE(app->FormByName("frmAg2").Visible());
  EXPECT_FALSE(main.mnuOpen1.Enabled());
  frmAg1& opening = app->Form<frmAg1>();
  EXPECT_TRUE(opening.Visible());
  EXPECT_FALSE(opening.Command1.Enabled());

  opening.Command1.UserClick();  // "Ｓｔａｒｔ" is locked now
  main.mnuOpen1.UserClick();
  EXPECT_EQ(LoadedNames(*app), (Names{"frmAg0", "frmAg1", "frmAg2"}));
}

enum class ExitBy { kEndButton, kExitMenu };

void PrintTo(ExitBy by, std::ostream* os) {
  *os << (by == ExitBy::kEndButton ? "the end button Command5" : "the exit menu mnuExit");
}

class ExitTest : public testing::TestWithParam<ExitBy> {
 protected:
  static void Exit(frmAg0& main) {
    if (GetParam() == ExitBy::kEndButton) {
      main.Command5.UserClick();
    } else {
      main.mnuExit.UserClick();
    }
  }
};

TEST_P(ExitTest, UnloadsShownAndHiddenWindowsAndEndsTheProgram) {
  auto app = StartedApp();
  app->Form<frmAg0>().mnuOpen1.UserClick();
  app->FormByName("frmHidden");
  ASSERT_EQ(LoadedNames(*app), (Names{"frmAg0", "frmAg1", "frmAg2", "frmHidden"}));
  ASSERT_FALSE(app->FormByName("frmHidden").Visible());
  Names unloaded;
  app->SetUnloadWatcher([&unloaded](ui::Form& form) { unloaded.push_back(form.Name()); });

  Exit(app->Form<frmAg0>());

  EXPECT_EQ(unloaded, (Names{"frmHidden", "frmAg2", "frmAg1", "frmAg0"}));
  EXPECT_TRUE(app->LoadedForms().empty());
  EXPECT_FALSE(app->Running());
}

TEST_P(ExitTest, EndsTheProgramAfterTheOpeningWindowHasGone) {
  auto app = StartedApp();
  app->Form<frmAg1>().Command1.UserClick();
  ASSERT_EQ(LoadedNames(*app), (Names{"frmAg0", "frmAg2"}));

  Exit(app->Form<frmAg0>());

  EXPECT_FALSE(app->Running());
}

INSTANTIATE_TEST_SUITE_P(EndAndExit, ExitTest, testing::Values(ExitBy::kEndButton, ExitBy::kExitMenu),
                         [](const auto& info) {
                           return info.param == ExitBy::kEndButton ? "Command5" : "mnuExit";
                         });

}  // namespace
}  // namespace shell_test
