#include <gtest/gtest.h>

#include "tests/support/test_windows.h"

namespace ui {
namespace {

using testwin::Events;
using testwin::frmTestMain;
using Log = std::vector<std::string>;

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = testwin::MakeApp();
    testwin::Start(*app);
    w = &app->Form<frmTestMain>();
    Events().clear();
  }
  std::unique_ptr<shell::App> app;
  frmTestMain* w = nullptr;
};

TEST_F(ControlsTest, CheckBoxRunsItsClickOnlyWhenCodeChangesItsValue) {
  w->Check1.SetValue(kChecked);
  w->Check1.SetValue(kChecked);  // present value: nothing
  w->Check1.SetValue(kGrayed);
  w->Check1.SetValue(kUnchecked);
  w->Check1.SetValue(kUnchecked);  // nothing
  EXPECT_EQ(Events(), (Log{"Check1_Click 1", "Check1_Click 2", "Check1_Click 0"}));
  EXPECT_THROW(w->Check1.SetValue(3), std::out_of_range);
}

TEST_F(ControlsTest, UserClickTogglesACheckBoxAndAGreyOneBecomesTicked) {
  w->Check1.UserClick();
  EXPECT_EQ(w->Check1.Value(), kChecked);
  w->Check1.UserClick();
  EXPECT_EQ(w->Check1.Value(), kUnchecked);
  w->Check1.SetValue(kGrayed);
  w->Check1.UserClick();
  EXPECT_EQ(w->Check1.Value(), kChecked);
  EXPECT_EQ(Events(), (Log{"Check1_Click 1", "Check1_Click 0", "Check1_Click 2", "Check1_Click 1"}));
}

TEST_F(ControlsTest, OptionGroupsArePerContainer) {
  w->Option1.SetValue(true);
  w->Option3.SetValue(true);
  EXPECT_TRUE(w->Option1.Value());  // another container: untouched
  w->Option2.SetValue(true);
  EXPECT_FALSE(w->Option1.Value());
  EXPECT_TRUE(w->Option2.Value());
  EXPECT_TRUE(w->Option3.Value());
  EXPECT_EQ(Events(), (Log{"Option1_Click", "Option3_Click", "Option2_Click"}));
  ASSERT_EQ(w->Option1.Group().size(), 1u);
  EXPECT_EQ(w->Option1.Group()[0], &w->Option2);
}

TEST_F(ControlsTest, ClearingOrReselectingAnOptionRunsNothing) {
  w->Option4.SetValue(true);
  Events().clear();
  w->Option4.SetValue(true);
  w->Option4.UserClick();  // the user clicks the selected one
  w->Option4.SetValue(false);
  EXPECT_TRUE(Events().empty());
  EXPECT_FALSE(w->Option4.Value());
  w->Option4.UserClick();
  EXPECT_EQ(Events(), (Log{"Option4_Click"}));
}

TEST_F(ControlsTest, UserActionsNeedAnEnabledVisibleControlInViewOnAShownWindow) {
  struct Case {
    const char* what;
    std::function<void(frmTestMain&)> block;
  };
  const Case cases[] = {
      {"controls disabled",
       [](frmTestMain& f) {
         f.Command3.SetEnabled(false);
         f.Check2.SetEnabled(false);
       }},
      {"controls hidden",
       [](frmTestMain& f) {
         f.Command3.SetVisible(false);
         f.Check2.SetVisible(false);
       }},
      {"frame disabled", [](frmTestMain& f) { f.Frame1.SetEnabled(false); }},
      {"frame hidden", [](frmTestMain& f) { f.Frame1.SetVisible(false); }},
      {"frame moved out of view", [](frmTestMain& f) { f.Frame1.SetTop(12000); }},
      {"controls moved below their frame",
       [](frmTestMain& f) {
         f.Command3.SetTop(2000);
         f.Check2.Move(-1000, 100);  // right edge at 0: out of view too
       }},
      {"window hidden", [](frmTestMain& f) { f.Hide(); }},
      {"window disabled", [](frmTestMain& f) { f.SetEnabled(false); }},
  };
  for (const Case& c : cases) {
    SetUp();
    c.block(*w);
    w->Command3.UserClick();
    w->Check2.UserClick();
    EXPECT_TRUE(Events().empty()) << c.what;
    EXPECT_EQ(w->Check2.Value(), kUnchecked) << c.what;
    // Code still changes a control the user cannot reach.
    w->Check2.SetValue(kChecked);
    EXPECT_EQ(Events(), (Log{"Check2_Click"})) << c.what;
  }
}

TEST_F(ControlsTest, MenuEntriesNeedTheirWholeMenuEnabledAndSeparatorsDoNothing) {
  w->mnuOpen.UserClick();
  w->mnuDummy.UserClick();
  w->mnuFile.SetEnabled(false);
  w->mnuExit.UserClick();
  w->mnuFile.SetEnabled(true);
  w->mnuExit.SetEnabled(false);
  w->mnuExit.UserClick();
  EXPECT_EQ(Events(), (Log{"mnuOpen_Click"}));
  EXPECT_TRUE(w->mnuDummy.IsSeparator());
  EXPECT_EQ(w->MenuBar(), (std::vector<Menu*>{&w->mnuFile, &w->mnuPrint}));
  EXPECT_EQ(w->mnuFile.Items(), (std::vector<Menu*>{&w->mnuOpen, &w->mnuDummy, &w->mnuExit}));
  EXPECT_EQ(w->mnuExit.Shortcut(), "Ctrl+X");
}

TEST_F(ControlsTest, TextBoxRunsChangeOnlyWhenItsTextChanges) {
  w->Text1.SetText(u"a");
  w->Text1.SetText(u"a");
  w->Text1.UserType(u"b");
  w->Text1.SetLocked(true);
  w->Text1.UserType(u"c");
  EXPECT_EQ(w->Text1.Text(), u"b");
  EXPECT_EQ(Events(), (Log{"Text1_Change", "Text1_Change"}));
  w->Text1.SetFocus();
  EXPECT_EQ(w->ActiveControl(), &w->Text1);
}

TEST_F(ControlsTest, ComboBoxChoiceTextAndTyping) {
  ComboBox& c = w->Combo1;
  EXPECT_EQ(c.ListIndex(), -1);
  c.SetListIndex(1);
  EXPECT_EQ(c.Text(), u" 稍重 ");
  c.SetListIndex(1);  // no change, no click
  c.UserSelect(0);
  EXPECT_EQ(c.Text(), u"  良  ");
  c.UserType(u"typed");
  EXPECT_EQ(c.ListIndex(), -1);
  EXPECT_EQ(c.Text(), u"typed");
  EXPECT_EQ(Events(), (Log{"Combo1_Click", "Combo1_Click", "Combo1_Change"}));
  EXPECT_THROW(c.UserSelect(2), std::out_of_range);
  c.SetListIndex(0);
  c.SetText(u"");  // code empties the text field: the choice goes with it
  EXPECT_EQ(c.ListIndex(), -1);
  c.Clear();
  EXPECT_EQ(c.ListCount(), 0);
  EXPECT_EQ(c.Text(), u"");
}

TEST_F(ControlsTest, ListBoxInsertAndRemoveKeepTheChosenEntry) {
  ListBox list(*w, "List1");
  list.AddItem(u"a");
  list.AddItem(u"c");
  list.SetListIndex(1);
  list.AddItem(u"b", 1);
  EXPECT_EQ(list.ListIndex(), 2);
  EXPECT_EQ(list.Text(), u"c");
  list.RemoveItem(0);
  EXPECT_EQ(list.ListIndex(), 1);
  list.RemoveItem(1);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.Entries(), (std::vector<model::Text>{u"b"}));
}

TEST_F(ControlsTest, TimersTickOnlyWhenEnabledWithAnInterval) {
  Timer& t = w->Timer1;
  EXPECT_TRUE(t.Tick());
  t.SetEnabled(false);
  EXPECT_FALSE(t.Tick());
  t.SetEnabled(true);
  t.SetInterval(0);
  EXPECT_FALSE(t.Tick());
  t.SetInterval(400);
  w->Hide();  // a hidden window's timer still runs
  EXPECT_TRUE(t.Tick());
  EXPECT_EQ(Events(), (Log{"Timer1_Timer", "Timer1_Timer"}));
  EXPECT_EQ(app->RunningTimers(), (std::vector<Timer*>{&t}));
  t.SetEnabled(false);
  EXPECT_TRUE(app->RunningTimers().empty());
}

TEST_F(ControlsTest, ControlsAreFoundByNameInDeclarationOrder) {
  EXPECT_EQ(w->FindControl("Check2"), &w->Check2);
  EXPECT_EQ(w->FindControl("Nope"), nullptr);
  EXPECT_EQ(w->Controls().front(), &w->mnuFile);
  EXPECT_EQ(w->Check2.Container(), &w->Frame1);
  EXPECT_EQ(w->Check1.Container(), nullptr);
  EXPECT_THROW(CheckBox(*w, "Check1"), std::logic_error);
}

TEST_F(ControlsTest, EachKindAnswersWhatAUserCanDoWithIt) {
  struct Case {
    const char* name;
    bool captioned, clickable, list, typeable, tickable, pressable, folders;
  };
  const Case cases[] = {
      {"Label1", true, true, false, false, false, false, false},
      {"Command1", true, true, false, false, false, false, false},
      {"Check1", true, true, false, false, false, false, false},
      {"Option1", true, true, false, false, false, false, false},
      {"mnuOpen", true, true, false, false, false, false, false},
      {"Frame1", true, false, false, false, false, false, false},
      {"Text1", false, false, false, true, false, false, false},
      {"Combo1", false, false, true, true, false, false, false},
      {"Drive1", false, false, true, false, false, false, false},
      {"Dir1", false, false, true, false, false, false, true},
      {"File1", false, false, true, false, false, false, false},
      {"MSFlexGrid1", false, false, false, false, false, true, false},
      {"Timer1", false, false, false, false, true, false, false},
      {"Picture1", false, false, false, false, false, false, false},
      {"Shape1", false, false, false, false, false, false, false},
      {"Line1", false, false, false, false, false, false, false},
  };
  for (const Case& c : cases) {
    Control* control = w->FindControl(c.name);
    ASSERT_NE(control, nullptr) << c.name;
    const Control* read_only = control;
    EXPECT_EQ(control->AsCaptioned() != nullptr, c.captioned) << c.name;
    EXPECT_EQ(read_only->AsCaptioned() != nullptr, c.captioned) << c.name;
    EXPECT_EQ(control->AsClickable() != nullptr, c.clickable) << c.name;
    EXPECT_EQ(control->AsListChoice() != nullptr, c.list) << c.name;
    EXPECT_EQ(control->AsTypeable() != nullptr, c.typeable) << c.name;
    EXPECT_EQ(control->AsTickable() != nullptr, c.tickable) << c.name;
    EXPECT_EQ(control->AsMousePressable() != nullptr, c.pressable) << c.name;
    EXPECT_EQ(control->AsFolderPicker() != nullptr, c.folders) << c.name;
  }
}

TEST_F(ControlsTest, LabelsButtonsAndMenusAreClickedAlike) {
  w->Label1.OnClick = [] { Events().push_back("Label1_Click"); };
  for (const char* name : {"Command3", "Check1", "Option3", "Label1", "mnuOpen", "Command1"}) {
    Clickable* clickable = w->FindControl(name)->AsClickable();
    ASSERT_NE(clickable, nullptr) << name;
    clickable->UserClick();
  }
  EXPECT_EQ(Events()[0], "Command3_Click");
  EXPECT_EQ(Events()[1], "Check1_Click 1");
  EXPECT_EQ(Events()[2], "Option3_Click");
  EXPECT_EQ(Events()[3], "Label1_Click");
  EXPECT_EQ(Events()[4], "mnuOpen_Click");
  EXPECT_EQ(Events()[5], "Command1_Click");
  // Captions are one property whatever the kind, the window's included.
  for (Captioned* captioned : std::initializer_list<Captioned*>{w, &w->Label1, &w->Frame1, &w->mnuFile}) {
    captioned->SetCaption(u"見出し");
    EXPECT_EQ(captioned->Caption(), u"見出し");
  }
  EXPECT_EQ(w->Option1.CheckState(), kUnchecked);
  w->Option1.SetValue(true);
  w->Check1.SetValue(kGrayed);
  EXPECT_EQ(w->Option1.CheckState(), kChecked);
  EXPECT_EQ(w->Check1.CheckState(), kGrayed);
  EXPECT_EQ(w->Command1.CheckState(), kUnchecked);
}

// A change takes the next number of its window's change clock; the frontend follows those stamps.
class ChangeStampTest : public ControlsTest {
 protected:
  // Runs set twice: the first run must stamp a change of what (a control, or the window itself when
  // null), the second, with the same value, nothing.
  void ExpectStampedOnce(const char* what, Control* control, const std::function<void()>& set) {
    uint64_t window_before = w->LastChange(), own_before = w->LastOwnChange();
    set();
    EXPECT_GT(w->LastChange(), window_before) << what;
    if (control != nullptr) {
      EXPECT_EQ(control->LastChange(), w->LastChange()) << what;
      EXPECT_EQ(w->LastOwnChange(), own_before) << what << ": a control's change is not the window's own";
    } else {
      EXPECT_EQ(w->LastOwnChange(), w->LastChange()) << what;
    }
    uint64_t after = w->LastChange();
    set();
    EXPECT_EQ(w->LastChange(), after) << what << ": the same value again reports nothing";
  }
};

TEST_F(ChangeStampTest, SettersReportAChangeOnlyWhenTheValueChanges) {
  struct Case {
    const char* what;
    Control* control;
    std::function<void()> set;
  };
  FlexGrid& g = w->MSFlexGrid1;
  const Case cases[] = {
      {"Left", &w->Label1, [&] { w->Label1.SetLeft(10); }},
      {"Move", &w->Label1, [&] { w->Label1.Move(10, 20, 30, 40); }},
      {"Visible", &w->Label1, [&] { w->Label1.SetVisible(false); }},
      {"Enabled", &w->Command1, [&] { w->Command1.SetEnabled(false); }},
      {"ForeColor", &w->Label1, [&] { w->Label1.SetForeColor(0xFF); }},
      {"FontBold", &w->Label1, [&] { w->Label1.SetFontBold(true); }},
      {"Font", &w->Label1,
       [&] {
         w->Label1.SetFont(ui::Font{u"ＭＳ 明朝", 12, true});
       }},
      {"ToolTipText", &w->Command1, [&] { w->Command1.SetToolTipText(u"説明"); }},
      {"Caption", &w->Frame1, [&] { w->Frame1.SetCaption(u"枠"); }},
      {"Style", &w->Command1, [&] { w->Command1.SetStyle(1); }},
      {"Value", &w->Check2, [&] { w->Check2.SetValue(kChecked); }},
      {"Text", &w->Text1, [&] { w->Text1.SetText(u"文"); }},
      {"ListIndex", &w->Combo1, [&] { w->Combo1.SetListIndex(1); }},
      {"Points", &w->Line1, [&] { w->Line1.SetPoints(8000, 700, 6300, 700); }},
      {"Interval", &w->Timer1, [&] { w->Timer1.SetInterval(100); }},
      {"Checked", &w->mnuOpen, [&] { w->mnuOpen.SetChecked(true); }},
      {"grid Rows", &g, [&] { g.SetRows(5); }},
      {"grid FixedCols", &g, [&] { g.SetFixedCols(0); }},
      {"grid ColWidth", &g, [&] { g.SetColWidth(1, 500); }},
      {"grid MergeCol", &g, [&] { g.SetMergeCol(1, true); }},
      {"grid TextMatrix", &g, [&] { g.SetTextMatrix(1, 1, u"y"); }},
      {"grid Row", &g, [&] { g.SetRow(2); }},
      {"grid CellBackColor", &g, [&] { g.SetCellBackColor(0xFF00); }},
      {"grid GridLines", &g, [&] { g.SetGridLines(2); }},
      {"grid Clear", &g, [&] { g.Clear(); }},
      {"window Caption", nullptr, [&] { w->SetCaption(u"別の見出し"); }},
      {"window Move", nullptr, [&] { w->Move(100, 200, 9000, 6000); }},
      {"window BackColor", nullptr, [&] { w->SetBackColor(0xFFFF); }},
      {"window Enabled", nullptr, [&] { w->SetEnabled(false); }},
      {"window ControlBox", nullptr, [&] { w->SetControlBox(false); }},
      {"window Hide", nullptr, [&] { w->Hide(); }},
      {"window ActiveControl", nullptr, [&] { w->Text1.SetFocus(); }},
  };
  for (const Case& c : cases) ExpectStampedOnce(c.what, c.control, c.set);
}

TEST_F(ChangeStampTest, AnOptionClearedByItsGroupIsStampedToo) {
  w->Option3.SetValue(true);
  uint64_t before = w->LastChange();
  w->Option4.SetValue(true);
  EXPECT_GT(w->Option3.LastChange(), before);
  EXPECT_GT(w->Option4.LastChange(), before);
  EXPECT_LT(w->Option1.LastChange(), before);  // another group
}

TEST(Colors, RgbPacksRedInTheLowestByte) {
  EXPECT_EQ(Rgb(255, 0, 0), 0x0000FFu);
  EXPECT_EQ(Rgb(0, 0, 255), 0xFF0000u);
  EXPECT_EQ(Rgb(255, 255, 192), 0xC0FFFFu);
}

}  // namespace
}  // namespace ui
