#include <gtest/gtest.h>

#include "intake/race_card_tables.h"
#include "tests/support/test_windows.h"

namespace shell {
namespace {

using testwin::Events;
using testwin::frmTestMain;
using testwin::frmTestSecond;
using Log = std::vector<std::string>;

std::vector<std::string> LoadedNames(const App& app) {
  std::vector<std::string> names;
  for (const ui::Form* f : app.LoadedForms()) names.push_back(f->Name());
  return names;
}

TEST(App, StartLoadsAndShowsTheStartUpWindow) {
  auto app = testwin::MakeApp();
  EXPECT_FALSE(app->Running());
  testwin::Start(*app);
  EXPECT_TRUE(app->Running());
  EXPECT_EQ(LoadedNames(*app), (std::vector<std::string>{"frmTestMain"}));
  EXPECT_TRUE(app->Form<frmTestMain>().Visible());
  EXPECT_EQ(Events(), (Log{"frmTestMain.Form_Load"}));
  EXPECT_THROW(app->Start("frmNowhere"), std::out_of_range);
}

TEST(App, AWindowLoadsOnFirstUseOnceAndHiddenUntilShown) {
  auto app = testwin::MakeApp();
  testwin::Start(*app);
  EXPECT_FALSE(app->IsLoaded<frmTestSecond>());
  frmTestSecond& second = app->Form<frmTestSecond>();  // touching it loads it, hidden
  EXPECT_FALSE(second.Visible());
  EXPECT_EQ(&app->Form<frmTestSecond>(), &second);
  app->Show<frmTestSecond>();
  EXPECT_TRUE(second.Visible());
  EXPECT_EQ(&app->FormByName("frmTestSecond"), &second);
  EXPECT_EQ(Events(), (Log{"frmTestMain.Form_Load", "frmTestSecond.Form_Load"}));
  EXPECT_EQ(LoadedNames(*app), (std::vector<std::string>{"frmTestMain", "frmTestSecond"}));
  EXPECT_THROW(app->FormByName("frmNowhere"), std::out_of_range);
}

TEST(App, AWindowUnloadedInItsOwnHandlerLivesUntilTheHandlerReturns) {
  auto app = testwin::MakeApp();
  testwin::Start(*app);
  app->Form<frmTestMain>().Command1.UserClick();  // shows the second window, owned by the main one
  frmTestSecond& second = app->Form<frmTestSecond>();
  EXPECT_EQ(second.Owner(), &app->Form<frmTestMain>());
  Events().clear();
  second.Command1.UserClick();
  EXPECT_EQ(Events(), (Log{"frmTestSecond.Command1_Click", "frmTestSecond.Command1_Click end after unload",
                           "frmTestSecond destroyed"}));
  EXPECT_EQ(LoadedNames(*app), (std::vector<std::string>{"frmTestMain"}));
  // Used again, it loads afresh.
  Events().clear();
  EXPECT_EQ(app->Form<frmTestSecond>().Command1.Caption(), u"");
  EXPECT_EQ(Events(), (Log{"frmTestSecond.Form_Load"}));
}

TEST(App, ATimerThatUnloadsItsWindowHandsOverOnTheSecondTick) {
  auto app = testwin::MakeApp();
  testwin::Start(*app);
  app->Show<frmTestSecond>();
  Events().clear();
  app->Form<frmTestSecond>().Timer1.Tick();
  EXPECT_TRUE(app->IsLoaded<frmTestSecond>());
  app->Form<frmTestSecond>().Timer1.Tick();
  EXPECT_FALSE(app->IsLoaded<frmTestSecond>());
  EXPECT_EQ(app->Form<frmTestMain>().Label1.Caption(), u"handed over");
  EXPECT_EQ(Events(),
            (Log{"frmTestSecond.Timer1_Timer 1", "frmTestSecond.Timer1_Timer 2", "frmTestSecond destroyed"}));
}

TEST(App, UnloadAllGoesLastLoadedFirstAndEndsTheProgram) {
  auto app = testwin::MakeApp();
  testwin::Start(*app);
  app->Form<frmTestSecond>();  // loaded hidden
  struct Probe : ui::Form {
    explicit Probe(App& app) : ui::Form(app, "frmProbe") {}
    ~Probe() override { Events().push_back("frmProbe destroyed"); }
  };
  app->Load(std::make_unique<Probe>(*app));
  Events().clear();
  app->Form<frmTestMain>().Command2.UserClick();  // its handler unloads every window
  EXPECT_FALSE(app->Running());
  EXPECT_TRUE(app->LoadedForms().empty());
  // Destroyed once the handler returned, in the order they were unloaded: last loaded first.
  EXPECT_EQ(Events(), (Log{"Command2_Click", "frmProbe destroyed", "frmTestSecond destroyed",
                           "frmTestMain destroyed"}));
}

TEST(App, AnUnloadedOwnerLeavesItsOwnedWindowsWithoutOwner) {
  auto app = testwin::MakeApp();
  testwin::Start(*app);
  app->Form<frmTestMain>().Command1.UserClick();
  app->Form<frmTestMain>().Unload();
  EXPECT_EQ(app->Form<frmTestSecond>().Owner(), nullptr);
  EXPECT_TRUE(app->Running());
}

TEST(App, TheRegistryNamesEveryWindowAndBuildsOneWithoutLoadingIt) {
  auto app = testwin::MakeApp();
  EXPECT_TRUE(app->IsRegistered("frmTestSecond"));
  EXPECT_FALSE(app->IsRegistered("frmNowhere"));
  std::unique_ptr<ui::Form> probe = app->BuildUnloaded("frmTestSecond");
  ASSERT_NE(probe, nullptr);
  EXPECT_FALSE(probe->Loaded());
  EXPECT_NE(probe->FindControl("Timer1"), nullptr);
  EXPECT_FALSE(app->Running());
  EXPECT_EQ(app->BuildUnloaded("frmNowhere"), nullptr);
  EXPECT_THROW(probe->Show(), std::logic_error);
}

// A later stage's attachers go by the window's class: they run in the order attached on every window of
// that class as it is built (to load or only to look at), always before it loads, and on no other class.
TEST(App, HandlersAttachedByClassRunOnEveryWindowOfThatClassBeforeItLoads) {
  auto app = testwin::MakeApp();
  app->AttachHandlers<frmTestSecond>([](App&, frmTestSecond& second) {
    Events().push_back(second.Loaded() ? "attach 1 after the load" : "attach 1");
  });
  app->AttachHandlers<frmTestSecond>([](App&, frmTestSecond& second) {
    Events().push_back("attach 2");
    second.Command1.OnClick = [] { Events().push_back("attached Command1_Click"); };
  });
  testwin::Start(*app);
  EXPECT_EQ(Events(), (Log{"frmTestMain.Form_Load"}));

  Events().clear();
  app->Show<frmTestSecond>().Command1.UserClick();
  EXPECT_EQ(Events(), (Log{"attach 1", "attach 2", "frmTestSecond.Form_Load", "attached Command1_Click"}));

  Events().clear();
  std::unique_ptr<ui::Form> probe = app->BuildUnloaded("frmTestSecond");
  probe.reset();
  app->Form<frmTestSecond>().Unload();
  app->FormByName("frmTestSecond");
  EXPECT_EQ(Events(), (Log{"attach 1", "attach 2", "frmTestSecond destroyed", "frmTestSecond destroyed",
                           "attach 1", "attach 2", "frmTestSecond.Form_Load"}));
}

TEST(App, TheMeetingTablesBelongToTheApp) {
  App app;
  app.meeting.Group<intake::RaceCardTables>().RaceDate(1) = u"H10.01.05";
  EXPECT_EQ((*app.meeting.Registry().Find("RaceDate"))(1), u"H10.01.05");
}

}  // namespace
}  // namespace shell
