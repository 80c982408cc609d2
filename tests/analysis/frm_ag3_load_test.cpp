// The analysis window as its load leaves it: place, controls, legends, going list and grids.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/frm_ag3.h"
#include "shell/frm_ag0.h"
#include "tests/analysis/analysis_window_fixture.h"
#include "ui/controls.h"
#include "ui/palette.h"

namespace analysis_test {
namespace {

using analysis::frmAg3;

struct ScreenCase {
  int width_pixels, height_pixels;
  double left, top;
};

// The window fills the lower 8225 twips of the 13000 x 9475 frame centred on the screen and raised
// 200 twips, whatever the screen; a small screen puts it partly off the screen.
TEST(AnalysisWindowPlace, LowerPartOfTheCentredFrameOnAnyScreen) {
  const ScreenCase cases[] = {{1024, 768, 1180, 2072.5},
                              {1920, 1080, 7900, 4412.5},
                              {800, 600, -500, 812.5},
                              {640, 480, -1700, -87.5}};
  for (const ScreenCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.width_pixels) + "x" + std::to_string(c.height_pixels));
    program::Program app;
    app.screen.SetSizePixels(c.width_pixels, c.height_pixels);
    const frmAg3& w = app.Show<frmAg3>();
    EXPECT_EQ(w.Left(), c.left);
    EXPECT_EQ(w.Top(), c.top);
    EXPECT_EQ(w.Width(), 13000);
    EXPECT_EQ(w.Height(), 8225);
  }
}

TEST_F(AnalysisWindowTest, OnlyUpStartsEveryOtherButtonWaits) {
  const frmAg3& w = Open();
  for (int k = 1; k <= 20; ++k) {
    const std::string name = "Command" + std::to_string(k);
    const ui::Control* button = w.FindControl(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->Enabled(), k == 16) << name;
  }
  // Nothing else starts disabled.
  for (const char* name :
       {"Check1",  "Check2",  "Check4",      "Check5",      "Check6",      "Check7",     "Option1", "Option2",
        "Option3", "Option4", "Option5",     "Option6",     "Option7",     "Combo1",     "Text1",   "Frame1",
        "Frame2",  "Frame4",  "MSFlexGrid1", "MSFlexGrid2", "MSFlexGrid3", "MSFlexGrid4"}) {
    EXPECT_TRUE(w.FindControl(name)->Enabled()) << name;
  }
  for (const ui::CheckBox* box : {&w.Check1, &w.Check2, &w.Check4, &w.Check5, &w.Check6, &w.Check7}) {
    EXPECT_EQ(box->Value(), ui::kUnchecked) << box->Name();
  }
  EXPECT_FALSE(w.Option1.Value());
  for (const ui::OptionButton* option :
       {&w.Option2, &w.Option3, &w.Option4, &w.Option5, &w.Option6, &w.Option7}) {
    EXPECT_EQ(option->Value(), option == &w.Option2) << option->Name();
  }
}

struct CaptionCase {
  const char* name;
  Text caption;
};

TEST_F(AnalysisWindowTest, CaptionsToolTipsAndFaceAsDesigned) {
  const frmAg3& w = Open();
  EXPECT_EQ(w.Caption(), u"  ＜　解析ウィンドウ　＞");
  const CaptionCase captions[] = {{"Label1", u"<  選択レ－ス  >"},
                                  {"Command16", u"UP"},
                                  {"Command18", u"確定"},
                                  {"Label4", u"（　推定タイム　）"},
                                  {"Label3", u"（　当日の馬場状態　）"},
                                  {"Command20", u" 基本  解析"},
                                  {"Command5", u"  ２次   解析"},
                                  {"Command12", u"ＮＥＸＴ"},
                                  {"Command1", u"仮評価"},
                                  {"Label35", u"< 解析有効性 >"},
                                  {"Check2", u" [ デ－タ信頼度 ]"},
                                  {"Label8", u"[ 全   デ－タ ]"},
                                  {"Label40", u"[ クラス 平均 ]"},
                                  {"Command15", u"色解除"},
                                  {"Frame1", u"解析ナビシステム"},
                                  {"Check6", u"馬場 OFF"},
                                  {"Label31", u"90%"},
                                  {"Label32", u"70%"},
                                  {"Label27", u" A"},
                                  {"Label29", u" C"},
                                  // The result labels' designed captions never show.
                                  {"Label2", u""},
                                  {"Label6", u""},
                                  {"Label18", u""},
                                  {"Label30", u""},
                                  {"Label36", u""},
                                  {"Label41", u""}};
  for (const CaptionCase& c : captions) {
    const ui::Control* control = w.FindControl(c.name);
    ASSERT_NE(control, nullptr) << c.name;
    const ui::Captioned* captioned = control->AsCaptioned();
    ASSERT_NE(captioned, nullptr) << c.name;
    EXPECT_EQ(captioned->Caption(), c.caption) << c.name;
  }
  const CaptionCase tips[] = {
      {"Command16", u"解析するレ－スを選択します"},    {"Command17", u"解析するレ－スを選択します"},
      {"Command19", u"解析レ－スの確定を取消します"},  {"Command20", u"前５走の評価値を計算します"},
      {"Command1", u"前５走の仮想評価地を表示します"}, {"Command15", u"右側の表示エリアの色を消します"}};
  for (const CaptionCase& c : tips) EXPECT_EQ(w.FindControl(c.name)->ToolTipText(), c.caption) << c.name;
  EXPECT_TRUE(w.Command5.ToolTipText().empty());
  for (const ui::Control* c : w.Controls()) {
    if (c->Kind() == ui::ControlKind::kShape || c->Kind() == ui::ControlKind::kLine) continue;
    EXPECT_EQ(c->Font().name, u"ＭＳ Ｐゴシック") << c->Name();
  }
  EXPECT_TRUE(w.Command20.Font().bold);
  EXPECT_EQ(w.Command20.Font().size, 11.25);
  EXPECT_EQ(w.Label8.Font().size, 8.25);
  EXPECT_FALSE(w.Command19.Font().bold);
  EXPECT_EQ(w.Text1.Font().size, 12);
  EXPECT_EQ(w.Check4.Style(), 1);
}

TEST_F(AnalysisWindowTest, PaletteAndLegendsCarryTheirColours) {
  const frmAg3& w = Open();
  struct ColourCase {
    const ui::Label* label;
    ui::Color colour;
  };
  const ColourCase colours[] = {{&w.Label27, ui::Rgb(255, 192, 255)}, {&w.Label28, ui::Rgb(255, 255, 192)},
                                {&w.Label29, ui::Rgb(192, 255, 255)}, {&w.Label30, ui::Rgb(192, 255, 192)},
                                {&w.Label34, ui::Rgb(192, 192, 255)}, {&w.Label38, ui::Rgb(255, 255, 255)},
                                {&w.Label31, ui::Rgb(255, 192, 255)}, {&w.Label32, ui::Rgb(255, 255, 192)},
                                {&w.Label6, ui::Rgb(224, 224, 224)},  {&w.Label36, ui::Rgb(255, 255, 255)}};
  for (const ColourCase& c : colours) EXPECT_EQ(c.label->BackColor(), c.colour) << c.label->Name();
  EXPECT_EQ(w.Label2.ForeColor(), ui::Rgb(0, 0, 255));
  // The six palette options are one group inside the palette frame.
  EXPECT_EQ(w.Option2.Group().size(), 5u);
  EXPECT_TRUE(w.Option1.Group().empty());
}

TEST_F(AnalysisWindowTest, GoingListHasFourItemsAndNoChoice) {
  frmAg3& w = Open();
  const std::vector<Text> items = {u"  良  ", u" 稍重 ", u"  重  ", u" 不良 "};
  EXPECT_EQ(w.Combo1.Entries(), items);
  EXPECT_EQ(w.Combo1.ListIndex(), -1);
  EXPECT_TRUE(w.Combo1.Text().empty());
  // Only the items can be chosen: typing into the box does nothing.
  w.Combo1.UserType(u"1");
  EXPECT_TRUE(w.Combo1.Text().empty());
  w.Combo1.UserSelect(3);
  EXPECT_EQ(w.Combo1.Text(), items[3]);
}

TEST_F(AnalysisWindowTest, PanelsOutOfViewAndTheOverviewInFrontOfTheGrids) {
  const frmAg3& w = Open();
  EXPECT_EQ(PlaceOf(w.Frame1), (GridPlace{9000, 12000, 2900, 1100}));
  EXPECT_FALSE(w.Check4.AcceptsUserInput());
  EXPECT_EQ(PlaceOf(w.MSFlexGrid4), (GridPlace{200, 12000, 3775, 4600}));
  EXPECT_EQ(PlaceOf(w.MSFlexGrid1), (GridPlace{200, 1925, 3775, 4600}));
  EXPECT_EQ(PlaceOf(w.MSFlexGrid2), (GridPlace{3975, 1925, 8780, 4600}));
  EXPECT_EQ(PlaceOf(w.MSFlexGrid3), (GridPlace{200, 3775, 12300, 2750}));
  EXPECT_TRUE(w.Command16.AcceptsUserInput());
  // Later controls lie in front: the overview over both grids, the navigation frame over the
  // analysis buttons it comes to cover.
  auto order = [&w](const ui::Control& c) {
    const auto& all = w.Controls();
    return std::find(all.begin(), all.end(), &c) - all.begin();
  };
  EXPECT_GT(order(w.MSFlexGrid3), order(w.MSFlexGrid1));
  EXPECT_GT(order(w.MSFlexGrid3), order(w.MSFlexGrid2));
  EXPECT_GT(order(w.MSFlexGrid4), order(w.MSFlexGrid1));
  EXPECT_GT(order(w.Frame1), order(w.Command20));
  EXPECT_GT(order(w.Frame1), order(w.Command5));
}

TEST_F(AnalysisWindowTest, PastRunGridShapeAndHeadings) {
  const ui::FlexGrid& g = Open().MSFlexGrid1;
  EXPECT_EQ(g.Rows(), 20);
  EXPECT_EQ(g.Cols(), 6);
  EXPECT_EQ(g.FixedRows(), 2);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.MergeCells(), ui::kMergeFree);
  EXPECT_EQ(g.Font().size, 9);
  EXPECT_TRUE(g.MergeCol(0));
  EXPECT_TRUE(g.MergeRow(0));
  EXPECT_FALSE(g.MergeCol(1));
  EXPECT_FALSE(g.MergeRow(1));
  const Text row1[] = {u"馬番", u"５走", u"４走", u"３走", u"２走", u"前走"};
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(g.ColWidth(c), c == 0 ? 450 : 650) << c;
    EXPECT_EQ(g.ColAlignment(c), ui::kFlexCenterCenter) << c;
    EXPECT_EQ(g.TextMatrix(1, c), row1[c]) << c;
    EXPECT_EQ(g.TextMatrix(0, c), c == 0 ? row1[0] : u"評　価　値") << c;
  }
  for (int r = 2; r < 20; ++r) {
    for (int c = 0; c < 6; ++c) EXPECT_TRUE(g.TextMatrix(r, c).empty()) << r << "," << c;
  }
}

TEST_F(AnalysisWindowTest, RunnerGridShapeHeadingsAndSpacers) {
  const ui::FlexGrid& g = Open().MSFlexGrid2;
  struct Column {
    double width;
    Text group, heading;
  };
  const Column columns[] = {{1575, u"       馬　　名", u"       馬　　名"},
                            {550, u"速力値", u"評価"},
                            {300, u"速力値", u"①"},
                            {50, u"", u""},
                            {550, u"現力値", u"評価"},
                            {300, u"現力値", u"②"},
                            {50, u"", u""},
                            {475, u"３Ｆタイム値", u"前3F"},
                            {475, u"３Ｆタイム値", u"後3F"},
                            {475, u"３Ｆタイム値", u"合6F"},
                            {300, u"３Ｆタイム値", u"差"},
                            {300, u"３Ｆタイム値", u"③"},
                            {500, u"３Ｆタイム値", u"脚質"},
                            {50, u"", u""},
                            {550, u"上昇値", u"評価"},
                            {300, u"上昇値", u"④"},
                            {50, u"", u""},
                            {500, u"調教", u"状態"},
                            {50, u"", u""},
                            {675, u"予想", u"ﾀｲﾑ"},
                            {50, u"", u""},
                            {550, u"総合", u"評価"}};
  EXPECT_EQ(g.Rows(), 20);
  EXPECT_EQ(g.Cols(), 22);
  EXPECT_EQ(g.FixedRows(), 2);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.MergeCells(), ui::kMergeFree);
  EXPECT_TRUE(g.MergeCol(0));
  EXPECT_TRUE(g.MergeRow(0));
  for (int c = 0; c < 22; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(g.ColWidth(c), columns[c].width);
    EXPECT_EQ(g.TextMatrix(0, c), columns[c].group);
    EXPECT_EQ(g.TextMatrix(1, c), columns[c].heading);
    const bool spacer = columns[c].width == 50;
    EXPECT_EQ(spacer, columns[c].heading.empty());
    const int alignment = c == 0 ? ui::kFlexLeftCenter : spacer ? ui::kFlexGeneral : ui::kFlexCenterCenter;
    EXPECT_EQ(g.ColAlignment(c), alignment);
  }
}

TEST_F(AnalysisWindowTest, GoingAptitudePanelIsShapedWithoutTexts) {
  const ui::FlexGrid& g = Open().MSFlexGrid4;
  EXPECT_EQ(g.Rows(), 20);
  EXPECT_EQ(g.Cols(), 4);
  EXPECT_EQ(g.FixedRows(), 2);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.MergeCells(), ui::kMergeFree);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(g.ColAlignment(c), ui::kFlexCenterCenter);
  for (int r = 0; r < 20; ++r) {
    for (int c = 0; c < 4; ++c) EXPECT_TRUE(g.TextMatrix(r, c).empty());
  }
}

// The road cannot go on without the analysis window: the user cannot close it on its own, and
// closing the main window ends the program.
TEST_F(AnalysisWindowTest, ClosingIsTheMainWindowsAndEndsTheProgram) {
  app_.Start();
  frmAg3& w = Open();
  EXPECT_FALSE(w.ControlBox());
  w.UserClose();
  EXPECT_TRUE(w.Loaded());
  app_.Form<shell::frmAg0>().UserClose();
  EXPECT_FALSE(app_.Running());
}

}  // namespace
}  // namespace analysis_test
