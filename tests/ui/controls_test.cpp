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
    app_ = testwin::MakeApp();
    testwin::Start(*app_);
    w_ = &app_->Form<frmTestMain>();
    Events().clear();
  }
  std::unique_ptr<shell::App> app_;
  frmTestMain* w_ = nullptr;
};

TEST_F(ControlsTest, CheckBoxRunsItsClickOnlyWhenCodeChangesItsValue) {
  w_->Check1.SetValue(kChecked);
  w_->Check1.SetValue(kChecked);  // present value: nothing
  w_->Check1.SetValue(kGrayed);
  w_->Check1.SetValue(kUnchecked);
  w_->Check1.SetValue(kUnchecked);  // nothing
  EXPECT_EQ(Events(), (Log{"Check1_Click 1", "Check1_Click 2", "Check1_Click 0"}));
  EXPECT_THROW(w_->Check1.SetValue(3), std::out_of_range);
}

TEST_F(ControlsTest, UserClickTogglesACheckBoxAndAGreyOneBecomesTicked) {
  w_->Check1.UserClick();
  EXPECT_EQ(w_->Check1.Value(), kChecked);
  w_->Check1.UserClick();
  EXPECT_EQ(w_->Check1.Value(), kUnchecked);
  w_->Check1.SetValue(kGrayed);
  w_->Check1.UserClick();
  EXPECT_EQ(w_->Check1.Value(), kChecked);
  EXPECT_EQ(Events(), (Log{"Check1_Click 1", "Check1_Click 0", "Check1_Click 2", "Check1_Click 1"}));
}

TEST_F(ControlsTest, OptionGroupsArePerContainer) {
  w_->Option1.SetValue(true);
  w_->Option3.SetValue(true);
  EXPECT_TRUE(w_->Option1.Value());  // another container: untouched
  w_->Option2.SetValue(true);
  EXPECT_FALSE(w_->Option1.Value());
  EXPECT_TRUE(w_->Option2.Value());
  EXPECT_TRUE(w_->Option3.Value());
  EXPECT_EQ(Events(), (Log{"Option1_Click", "Option3_Click", "Option2_Click"}));
  ASSERT_EQ(w_->Option1.Group().size(), 1u);
  EXPECT_EQ(w_->Option1.Group()[0], &w_->Option2);
}

TEST_F(ControlsTest, ClearingOrReselectingAnOptionRunsNothing) {
  w_->Option4.SetValue(true);
  Events().clear();
  w_->Option4.SetValue(true);
  w_->Option4.UserClick();  // the user clicks the selected one
  w_->Option4.SetValue(false);
  EXPECT_TRUE(Events().empty());
  EXPECT_FALSE(w_->Option4.Value());
  w_->Option4.UserClick();
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
      {"controls moved to their frame's right edge",
       [](frmTestMain& f) {
         f.Command3.SetLeft(f.Frame1.Width());
         f.Check2.SetLeft(f.Frame1.Width());
       }},
      {"window hidden", [](frmTestMain& f) { f.Hide(); }},
      {"window disabled", [](frmTestMain& f) { f.SetEnabled(false); }},
  };
  for (const Case& c : cases) {
    SetUp();
    c.block(*w_);
    w_->Command3.UserClick();
    w_->Check2.UserClick();
    EXPECT_TRUE(Events().empty()) << c.what;
    EXPECT_EQ(w_->Check2.Value(), kUnchecked) << c.what;
    // Code still changes a control the user cannot reach.
    w_->Check2.SetValue(kChecked);
    EXPECT_EQ(Events(), (Log{"Check2_Click"})) << c.what;
  }
}

TEST_F(ControlsTest, MenuEntriesNeedTheirWholeMenuEnabledAndSeparatorsDoNothing) {
  w_->mnuOpen.UserClick();
  w_->mnuDummy.UserClick();
  w_->mnuFile.SetEnabled(false);
  w_->mnuExit.UserClick();
  w_->mnuFile.SetEnabled(true);
  w_->mnuExit.SetEnabled(false);
  w_->mnuExit.UserClick();
  EXPECT_EQ(Events(), (Log{"mnuOpen_Click"}));
  EXPECT_TRUE(w_->mnuDummy.IsSeparator());
  EXPECT_EQ(w_->MenuBar(), (std::vector<Menu*>{&w_->mnuFile, &w_->mnuPrint}));
  EXPECT_EQ(w_->mnuFile.Items(), (std::vector<Menu*>{&w_->mnuOpen, &w_->mnuDummy, &w_->mnuExit}));
  EXPECT_EQ(w_->mnuExit.Shortcut(), "Ctrl+X");
}

TEST_F(ControlsTest, TextBoxRunsChangeOnlyWhenItsTextChanges) {
  w_->Text1.SetText(u"a");
  w_->Text1.SetText(u"a");
  w_->Text1.UserType(u"b");
  w_->Text1.SetLocked(true);
  w_->Text1.UserType(u"c");
  EXPECT_EQ(w_->Text1.Text(), u"b");
  EXPECT_EQ(Events(), (Log{"Text1_Change", "Text1_Change"}));
  w_->Text1.SetFocus();
  EXPECT_EQ(w_->ActiveControl(), &w_->Text1);
}

TEST_F(ControlsTest, ComboBoxChoiceTextAndTyping) {
  ComboBox& c = w_->Combo1;
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
  ListBox list(*w_, "List1");
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
  Timer& t = w_->Timer1;
  EXPECT_TRUE(t.Tick());
  t.SetEnabled(false);
  EXPECT_FALSE(t.Tick());
  t.SetEnabled(true);
  t.SetInterval(0);
  EXPECT_FALSE(t.Tick());
  t.SetInterval(400);
  w_->Hide();  // a hidden window's timer still runs
  EXPECT_TRUE(t.Tick());
  EXPECT_EQ(Events(), (Log{"Timer1_Timer", "Timer1_Timer"}));
  EXPECT_EQ(app_->RunningTimers(), (std::vector<Timer*>{&t}));
  t.SetEnabled(false);
  EXPECT_TRUE(app_->RunningTimers().empty());
}

TEST_F(ControlsTest, ControlsAreFoundByNameInDeclarationOrder) {
  EXPECT_EQ(w_->FindControl("Check2"), &w_->Check2);
  EXPECT_EQ(w_->FindControl("Nope"), nullptr);
  EXPECT_EQ(w_->Controls().front(), &w_->mnuFile);
  EXPECT_EQ(w_->Check2.Container(), &w_->Frame1);
  EXPECT_EQ(w_->Check1.Container(), nullptr);
  EXPECT_THROW(CheckBox(*w_, "Check1"), std::logic_error);
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
    Control* control = w_->FindControl(c.name);
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
  w_->Label1.OnClick = [] { Events().push_back("Label1_Click"); };
  for (const char* name : {"Command3", "Check1", "Option3", "Label1", "mnuOpen", "Command1"}) {
    Clickable* clickable = w_->FindControl(name)->AsClickable();
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
  for (Captioned* captioned : std::initializer_list<Captioned*>{w_, &w_->Label1, &w_->Frame1, &w_->mnuFile}) {
    captioned->SetCaption(u"見出し");
    EXPECT_EQ(captioned->Caption(), u"見出し");
  }
  EXPECT_EQ(w_->Option1.CheckState(), kUnchecked);
  w_->Option1.SetValue(true);
  w_->Check1.SetValue(kGrayed);
  EXPECT_EQ(w_->Option1.CheckState(), kChecked);
  EXPECT_EQ(w_->Check1.CheckState(), kGrayed);
  EXPECT_EQ(w_->Command1.CheckState(), kUnchecked);
}

// A change takes the next number of its window's change clock; the frontend follows those stamps.
class ChangeStampTest : public ControlsTest {
 protected:
  // Runs set twice: the first run must stamp a change of what (a control, or the window itself when
  // null), the second, with the same value, nothing.
  void ExpectStampedOnce(const char* what, Control* control, const std::function<void()>& set) {
    uint64_t window_before = w_->LastChange(), own_before = w_->LastOwnChange();
    set();
    EXPECT_GT(w_->LastChange(), window_before) << what;
    if (control != nullptr) {
      EXPECT_EQ(control->LastChange(), w_->LastChange()) << what;
      EXPECT_EQ(w_->LastOwnChange(), own_before) << what << ": a control's change is not the window's own";
    } else {
      EXPECT_EQ(w_->LastOwnChange(), w_->LastChange()) << what;
    }
    uint64_t after = w_->LastChange();
    set();
    EXPECT_EQ(w_->LastChange(), after) << what << ": the same value again reports nothing";
  }
};

TEST_F(ChangeStampTest, SettersReportAChangeOnlyWhenTheValueChanges) {
  struct Case {
    const char* what;
    Control* control;
    std::function<void()> set;
  };
  FlexGrid& g = w_->MSFlexGrid1;
  const Case cases[] = {
      {"Left", &w_->Label1, [&] { w_->Label1.SetLeft(10); }},
      {"Move", &w_->Label1, [&] { w_->Label1.Move(10, 20, 30, 40); }},
      {"Visible", &w_->Label1, [&] { w_->Label1.SetVisible(false); }},
      {"Enabled", &w_->Command1, [&] { w_->Command1.SetEnabled(false); }},
      {"ForeColor", &w_->Label1, [&] { w_->Label1.SetForeColor(0xFF); }},
      {"FontBold", &w_->Label1, [&] { w_->Label1.SetFontBold(true); }},
      {"Font", &w_->Label1,
       [&] {
         w_->Label1.SetFont(ui::Font{u"ＭＳ 明朝", 12, true});
       }},
      {"ToolTipText", &w_->Command1, [&] { w_->Command1.SetToolTipText(u"説明"); }},
      {"Caption", &w_->Frame1, [&] { w_->Frame1.SetCaption(u"枠"); }},
      {"Style", &w_->Command1, [&] { w_->Command1.SetStyle(1); }},
      {"Value", &w_->Check2, [&] { w_->Check2.SetValue(kChecked); }},
      {"Text", &w_->Text1, [&] { w_->Text1.SetText(u"文"); }},
      {"ListIndex", &w_->Combo1, [&] { w_->Combo1.SetListIndex(1); }},
      {"Points", &w_->Line1, [&] { w_->Line1.SetPoints(8000, 700, 6300, 700); }},
      {"Interval", &w_->Timer1, [&] { w_->Timer1.SetInterval(100); }},
      {"Checked", &w_->mnuOpen, [&] { w_->mnuOpen.SetChecked(true); }},
      {"grid Rows", &g, [&] { g.SetRows(5); }},
      {"grid FixedCols", &g, [&] { g.SetFixedCols(0); }},
      {"grid ColWidth", &g, [&] { g.SetColWidth(1, 500); }},
      {"grid MergeCol", &g, [&] { g.SetMergeCol(1, true); }},
      {"grid TextMatrix", &g, [&] { g.SetTextMatrix(1, 1, u"y"); }},
      {"grid Row", &g, [&] { g.SetRow(2); }},
      {"grid CellBackColor", &g, [&] { g.SetCellBackColor(0xFF00); }},
      {"grid GridLines", &g, [&] { g.SetGridLines(2); }},
      {"grid Clear", &g, [&] { g.Clear(); }},
      {"window Caption", nullptr, [&] { w_->SetCaption(u"別の見出し"); }},
      {"window Move", nullptr, [&] { w_->Move(100, 200, 9000, 6000); }},
      {"window BackColor", nullptr, [&] { w_->SetBackColor(0xFFFF); }},
      {"window Enabled", nullptr, [&] { w_->SetEnabled(false); }},
      {"window ControlBox", nullptr, [&] { w_->SetControlBox(false); }},
      {"window Hide", nullptr, [&] { w_->Hide(); }},
      {"window ActiveControl", nullptr, [&] { w_->Text1.SetFocus(); }},
  };
  for (const Case& c : cases) ExpectStampedOnce(c.what, c.control, c.set);
}

TEST_F(ChangeStampTest, AnOptionClearedByItsGroupIsStampedToo) {
  w_->Option3.SetValue(true);
  uint64_t before = w_->LastChange();
  w_->Option4.SetValue(true);
  EXPECT_GT(w_->Option3.LastChange(), before);
  EXPECT_GT(w_->Option4.LastChange(), before);
  EXPECT_LT(w_->Option1.LastChange(), before);  // another group
}

TEST(Colors, RgbPacksRedInTheLowestByte) {
  EXPECT_EQ(Rgb(255, 0, 0), 0x0000FFu);
  EXPECT_EQ(Rgb(0, 0, 255), 0xFF0000u);
  EXPECT_EQ(Rgb(255, 255, 192), 0xC0FFFFu);
}

}  // namespace
}  // namespace ui
