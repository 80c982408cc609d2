#include "ui/design.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/file_lists.h"
#include "ui/form.h"
#include "ui/grid.h"
#include "ui/palette.h"
#include "ui/picture.h"

namespace ui {
namespace {

// One of every kind the windows use, a frame holding some of them.
class DesignedForm : public Form {
 public:
  explicit DesignedForm(Desktop& desktop) : Form(desktop, "frmDesign") {}
  Frame Frame1{*this, "Frame1"};
  Label Label1{Frame1, "Label1"};
  OptionButton Option1{Frame1, "Option1"};
  CommandButton Command1{*this, "Command1"};
  CheckBox Check1{*this, "Check1"};
  TextBox Text1{*this, "Text1"};
  ComboBox Combo1{*this, "Combo1"};
  ListBox List1{*this, "List1"};
  FileListBox File1{*this, "File1"};
  FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};
  PictureBox Picture1{*this, "Picture1"};
  Shape Shape1{*this, "Shape1"};
  ui::Line Line1{*this, "Line1"};  // Form::Line would hide the kind
  Timer Timer1{*this, "Timer1"};
  Menu mnuFile{*this, "mnuFile"};
};

PropertyList FactsOf(const Form& form, std::string_view name) {
  PropertyList facts;
  if (name == form.Name()) {
    form.ListProperties(facts);
  } else {
    form.FindControl(name)->ListProperties(facts);
  }
  return facts;
}

std::optional<PropertyValue> FactOf(const PropertyList& facts, const std::string& property) {
  for (const Property& p : facts)
    if (p.name == property) return p.value;
  return std::nullopt;
}

constexpr const char16_t* kPatterns[] = {u"*.kd2", u"*.txt"};

struct SetCase {
  const char* what;
  ControlDesign row;
  std::vector<Property> expected;  // on the row's control (or window), as the driver lists them
};

const SetCase kSetCases[] = {
    {"the window's own row",
     {.name = "frmDesign",
      .place = DesignPlace{100, 200, 9000, 4000},
      .caption = u"＜ 設計 ＞",
      .back = palette::kLightGrey,
      .auto_redraw = true},
     {{"Caption", Text(u"＜ 設計 ＞")},
      {"Left", 100.0},
      {"Top", 200.0},
      {"Width", 9000.0},
      {"Height", 4000.0},
      {"BackColor", ColorValue{palette::kLightGrey}}}},
    {"a label inside a frame, every field a label has",
     {.name = "Label1",
      .place = DesignPlace{10, 20, 300, 40},
      .caption = u"ラベル",
      .tool_tip = u"ヒント",
      .font_name = u"ＭＳ Ｐゴシック",
      .font_size = 12,
      .bold = true,
      .italic = true,
      .fore = palette::kBlue,
      .back = palette::kWhite,
      .alignment = kAlignCenter,
      .border_style = 1,
      .back_style = 0,
      .word_wrap = true,
      .auto_size = true,
      .visible = false,
      .enabled = false},
     {{"Caption", Text(u"ラベル")},
      {"Container", Text(u"Frame1")},
      {"Left", 10.0},
      {"Top", 20.0},
      {"Width", 300.0},
      {"Height", 40.0},
      {"ToolTipText", Text(u"ヒント")},
      {"FontName", Text(u"ＭＳ Ｐゴシック")},
      {"FontSize", 12.0},
      {"FontBold", true},
      {"FontItalic", true},
      {"ForeColor", ColorValue{palette::kBlue}},
      {"BackColor", ColorValue{palette::kWhite}},
      {"Alignment", 2.0},
      {"BorderStyle", 1.0},
      {"BackStyle", 0.0},
      {"WordWrap", true},
      {"AutoSize", true},
      {"Visible", false},
      {"Enabled", false}}},
    {"unset fields keep the kind's defaults",
     {.name = "Command1", .caption = u"印刷", .bold = true},
     {{"Caption", Text(u"印刷")},
      {"FontBold", true},
      {"FontSize", 9.0},
      {"FontItalic", false},
      {"ForeColor", ColorValue{colors::kButtonText}},
      {"BackColor", ColorValue{colors::kButtonFace}},
      {"Style", 0.0},
      {"Visible", true}}},
    {"a graphical button", {.name = "Command1", .back = palette::kGrey, .style = 1}, {{"Style", 1.0}}},
    {"a check box",
     {.name = "Check1", .caption = u"印", .style = 1},
     {{"Caption", Text(u"印")}, {"Style", 1.0}}},
    {"an option button", {.name = "Option1", .caption = u"芝"}, {{"Caption", Text(u"芝")}, {"Value", false}}},
    {"a text box",
     {.name = "Text1", .text = u"0", .alignment = kAlignRight, .locked = true, .multi_line = true},
     {{"Text", Text(u"0")}, {"Alignment", 1.0}, {"Locked", true}, {"MultiLine", true}}},
    {"a combo box: entries, then a text field that chooses none of them",
     {.name = "Combo1", .text = u"*.kd2", .style = 2, .items = kPatterns},
     {{"Text", Text(u"*.kd2")},
      {"Style", 2.0},
      {"ListCount", 2.0},
      {"List(0)", Text(u"*.kd2")},
      {"List(1)", Text(u"*.txt")},
      {"ListIndex", -1.0}}},
    {"a list box", {.name = "List1", .items = kPatterns}, {{"ListCount", 2.0}, {"ListIndex", -1.0}}},
    {"a frame",
     {.name = "Frame1", .caption = u"枠", .border_style = 0},
     {{"Caption", Text(u"枠")}, {"BorderStyle", 0.0}}},
    {"a grid keeps to what every control has",
     {.name = "MSFlexGrid1", .place = DesignPlace{300, 3200, 7535, 2025}, .font_size = 10},
     {{"Left", 300.0}, {"Width", 7535.0}, {"FontSize", 10.0}, {"Rows", 2.0}}},
    {"a picture's fore colour is its drawing's",
     {.name = "Picture1", .fore = palette::kRed, .border_style = 0},
     {{"ForeColor", ColorValue{palette::kRed}}, {"BorderStyle", 0.0}}},
    {"a shape",
     {.name = "Shape1",
      .back_style = 1,
      .border_color = palette::kRed,
      .border_width = 2,
      .fill_color = palette::kYellow,
      .fill_style = kFillSolid,
      .shape = kShapeCircle},
     {{"Shape", 3.0},
      {"FillStyle", 0.0},
      {"FillColor", ColorValue{palette::kYellow}},
      {"BorderColor", ColorValue{palette::kRed}},
      {"BorderWidth", 2.0},
      {"BackStyle", 1.0}}},
    {"a line is placed by its ends",
     {.name = "Line1", .points = DesignPoints{12480, 2100, 10560, 2000}, .border_color = palette::kBlue},
     {{"X1", 12480.0},
      {"Y1", 2100.0},
      {"X2", 10560.0},
      {"Y2", 2000.0},
      {"Left", 10560.0},
      {"Top", 2000.0},
      {"Width", 1920.0},
      {"Height", 100.0},
      {"BorderColor", ColorValue{palette::kBlue}}}},
    {"a timer",
     {.name = "Timer1", .enabled = false, .interval = 400},
     {{"Interval", 400.0}, {"Enabled", false}}},
    {"a menu",
     {.name = "mnuFile", .caption = u"終了(&X)", .enabled = false, .shortcut = "Ctrl+X", .checked = true},
     {{"Caption", Text(u"終了(&X)")}, {"Shortcut", Text(u"Ctrl+X")}, {"Checked", true}, {"Enabled", false}}},
};

TEST(ApplyDesign, SetsEachKindsFieldsAndKeepsTheRest) {
  for (const SetCase& c : kSetCases) {
    SCOPED_TRACE(c.what);
    Desktop desktop;
    DesignedForm form(desktop);
    ApplyDesign(form, {&c.row, 1});
    const PropertyList facts = FactsOf(form, c.row.name);
    for (const Property& want : c.expected) {
      const std::optional<PropertyValue> got = FactOf(facts, want.name);
      ASSERT_TRUE(got.has_value()) << want.name;
      EXPECT_EQ(*got, want.value) << want.name;
    }
  }
}

TEST(ApplyDesign, AFileListTakesItsPattern) {
  Desktop desktop;
  DesignedForm form(desktop);
  const ControlDesign rows[] = {{.name = "File1", .pattern = u"*.kd2"}};
  ApplyDesign(form, rows);
  EXPECT_EQ(form.File1.Pattern(), u"*.kd2");
}

// A font row changes only the font fields it sets; bold and italic set earlier stay.
TEST(ApplyDesign, FontFieldsChangeOnlyWhatTheySet) {
  Desktop desktop;
  DesignedForm form(desktop);
  form.Label1.SetFont({u"ＭＳ 明朝", 11, true, true, false});
  const ControlDesign rows[] = {{.name = "Label1", .font_size = 14, .underline = true}};
  ApplyDesign(form, rows);
  EXPECT_EQ(form.Label1.Font(), (ui::Font{u"ＭＳ 明朝", 14, true, true, true}));
}

TEST(ApplyDesign, EachRowGoesToItsOwnControlOrTheWindow) {
  Desktop desktop;
  DesignedForm form(desktop);
  const ControlDesign rows[] = {
      {.name = "frmDesign", .caption = u"A"},
      {.name = "Frame1", .place = DesignPlace{0, 0, 500, 500}},
      {.name = "Label1", .place = DesignPlace{600, 0, 100, 100}},
  };
  ApplyDesign(form, rows);
  EXPECT_EQ(form.Caption(), u"A");
  EXPECT_EQ(form.Frame1.Width(), 500);
  EXPECT_EQ(form.Label1.Left(), 600);
}

struct ErrorCase {
  const char* what;
  std::vector<ControlDesign> rows;
  const char* message;
};

const ErrorCase kErrorCases[] = {
    {"a name the window does not have",
     {{.name = "Label99", .caption = u"x"}},
     "frmDesign: design row for a control it does not have: Label99"},
    {"a control named twice",
     {{.name = "Label1"}, {.name = "Label1"}},
     "frmDesign: design row given twice for Label1"},
    {"a label has no text",
     {{.name = "Label1", .text = u"x"}},
     "frmDesign.Label1 (Label) has no design field text"},
    {"a text box has no caption",
     {{.name = "Text1", .caption = u"x"}},
     "frmDesign.Text1 (TextBox) has no design field caption"},
    {"a button has no entries",
     {{.name = "Command1", .items = kPatterns}},
     "frmDesign.Command1 (CommandButton) has no design field items"},
    {"a grid has no caption",
     {{.name = "MSFlexGrid1", .caption = u"x"}},
     "frmDesign.MSFlexGrid1 (MSFlexGrid) has no design field caption"},
    {"a timer has no place",
     {{.name = "Timer1", .place = DesignPlace{0, 0, 10, 10}}},
     "frmDesign.Timer1 (Timer) has no design field place"},
    {"a menu has no font",
     {{.name = "mnuFile", .bold = true}},
     "frmDesign.mnuFile (Menu) has no design field font"},
    {"a line has ends, not a place",
     {{.name = "Line1", .place = DesignPlace{0, 0, 10, 10}}},
     "frmDesign.Line1 (Line) has no design field place"},
    {"a label has no ends",
     {{.name = "Label1", .points = DesignPoints{}}},
     "frmDesign.Label1 (Label) has no design field points"},
    {"the window has no text",
     {{.name = "frmDesign", .text = u"x"}},
     "frmDesign (window) has no design field text"},
};

TEST(ApplyDesign, RefusesWhatTheWindowOrTheControlDoesNotHave) {
  for (const ErrorCase& c : kErrorCases) {
    SCOPED_TRACE(c.what);
    Desktop desktop;
    DesignedForm form(desktop);
    try {
      ApplyDesign(form, c.rows);
      ADD_FAILURE() << "no error";
    } catch (const std::logic_error& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

}  // namespace
}  // namespace ui
