// The navigator window as it loads: its place, the heads of its grids, and the grid and option of
// the race's distance category.
#include <gtest/gtest.h>

#include <vector>

#include "navigator/frm_ag13.h"
#include "tests/navigator/navigator_fixture.h"

namespace navigator_test {
namespace {

struct CategoryCase {
  const char16_t* distance;
  double short_top, middle_top, long_top;
  std::vector<bool> chosen;   // Option1 to Option3
  std::vector<bool> enabled;  // Option1 to Option3
};

class NavigatorLoadTest : public NavigatorTest {};

TEST_F(NavigatorLoadTest, ShowsTheGridAndOptionOfTheRaceDistance) {
  const CategoryCase cases[] = {
      {u"1400", 500, 5600, 10400, {true, false, false}, {true, false, false}},
      {u"1500", 5600, 500, 10400, {false, true, false}, {false, true, false}},
      {u"1800", 5600, 500, 10400, {false, true, false}, {false, true, false}},
      {u"2000", 10400, 5600, 500, {false, false, true}, {false, false, true}},
      {u"2400", 10400, 5600, 500, {false, false, true}, {false, false, true}},
      {u"1450", 500, 5600, 10400, {false, false, false}, {true, true, true}},
      {u"1900", 500, 5600, 10400, {false, false, false}, {true, true, true}},
      {u"2500", 500, 5600, 10400, {false, false, false}, {true, true, true}},
      {u"", 500, 5600, 10400, {true, false, false}, {true, false, false}},
  };
  for (const CategoryCase& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.distance));
    SetRace(c.distance, 3);
    navigator::frmAg13& w = Navigator();
    EXPECT_EQ(w.MSFlexGrid2.Top(), c.short_top);
    EXPECT_EQ(w.MSFlexGrid3.Top(), c.middle_top);
    EXPECT_EQ(w.MSFlexGrid4.Top(), c.long_top);
    EXPECT_EQ((std::vector<bool>{w.Option1.Value(), w.Option2.Value(), w.Option3.Value()}), c.chosen);
    EXPECT_EQ((std::vector<bool>{w.Option1.Enabled(), w.Option2.Enabled(), w.Option3.Enabled()}), c.enabled);
    w.Unload();
  }
}

// The options show the category only: a click moves the choice and nothing else; a disabled one
// takes no click.
TEST_F(NavigatorLoadTest, OptionsOnlyMoveTheChoice) {
  SetRace(u"1450", 3);
  navigator::frmAg13& w = Navigator();
  w.Option3.UserClick();
  EXPECT_EQ((std::vector<bool>{w.Option1.Value(), w.Option2.Value(), w.Option3.Value()}),
            (std::vector<bool>{false, false, true}));
  EXPECT_EQ(w.MSFlexGrid2.Top(), 500);
  EXPECT_EQ(w.MSFlexGrid4.Top(), 10400);
  w.Unload();

  SetRace(u"1200", 3);
  navigator::frmAg13& again = Navigator();
  again.Option2.UserClick();
  EXPECT_TRUE(again.Option1.Value());
  EXPECT_FALSE(again.Option2.Value());
}

TEST_F(NavigatorLoadTest, PlaceButtonsAndHeads) {
  navigator::frmAg13& w = Navigator();
  // 1024 x 768 pixels: the frame's left edge, 1425 twips below the analysis window's top.
  EXPECT_EQ(w.Left(), (15360 - 13000) / 2.0);
  EXPECT_EQ(w.Top(), (11520 - 9475) / 2.0 + 2475);
  EXPECT_EQ(w.Width(), 11425);
  EXPECT_EQ(w.Height(), 5500);
  EXPECT_EQ(w.Caption(), u"    ＜  軸馬　解析ナビ　＞  ");
  EXPECT_TRUE(w.Command2.Enabled());
  EXPECT_FALSE(w.Command1.Enabled());

  const ui::FlexGrid& stats = w.MSFlexGrid1;
  EXPECT_EQ(stats.Rows(), 20);
  EXPECT_EQ(stats.Cols(), 11);
  EXPECT_EQ(stats.FixedCols(), 1);
  std::vector<Text> heads;
  for (int c = 0; c < 11; ++c) heads.push_back(stats.TextMatrix(0, c) + u"/" + stats.TextMatrix(1, c));
  EXPECT_EQ(heads,
            (std::vector<Text>{u"馬番/馬番", u"実 評 価 値/５走", u"実 評 価 値/４走", u"実 評 価 値/３走",
                               u"実 評 価 値/２走", u"実 評 価 値/前走", u"/", u"同条件実績/平均",
                               u"同条件実績/最高", u"同条件実績/最低", u"同条件実績/偏差"}));
  EXPECT_EQ(stats.ColWidth(6), 50);
  EXPECT_TRUE(stats.MergeRow(0));
  EXPECT_TRUE(stats.MergeCol(0));

  struct {
    const ui::FlexGrid* grid;
    std::vector<Text> criteria;
  } navigators[] = {{&w.MSFlexGrid2, {u"休養", u"合6F", u"速力", u"現力", u"平均"}},
                    {&w.MSFlexGrid3, {u"休養", u"速力", u"現力", u"合6F", u"平均"}},
                    {&w.MSFlexGrid4, {u"休養", u"速力", u"現力", u"平均", u"後3F"}}};
  for (const auto& nav : navigators) {
    const ui::FlexGrid& g = *nav.grid;
    EXPECT_EQ(g.FixedCols(), 2);
    EXPECT_EQ(g.Cols(), 13);
    std::vector<Text> criteria;
    for (int c = 4; c <= 8; ++c) criteria.push_back(g.TextMatrix(1, c));
    EXPECT_EQ(criteria, nav.criteria);
    EXPECT_EQ(g.TextMatrix(0, 1), u"       馬　　名");
    EXPECT_EQ(g.TextMatrix(1, 1), u"       馬　　名");
    EXPECT_EQ(g.TextMatrix(0, 4) + g.TextMatrix(0, 8), u"①⑤");
    EXPECT_EQ(g.TextMatrix(0, 2) + g.TextMatrix(1, 2), u"連軸候補");
    EXPECT_EQ(g.TextMatrix(0, 11) + g.TextMatrix(1, 11), u"見どころ差");
    EXPECT_EQ(g.ColWidth(3) + g.ColWidth(9), 100);
    EXPECT_EQ(g.ColAlignment(1), ui::kFlexLeftCenter);
    EXPECT_EQ(g.ColAlignment(12), ui::kFlexCenterCenter);
  }
}

// Without a confirmed race the window lays itself out and decides nothing.
TEST_F(NavigatorLoadTest, NoConfirmedRace) {
  analysis::SetAnalysedRace(app_.meeting, 0);
  navigator::frmAg13& w = Navigator();
  EXPECT_FALSE(w.Option1.Value());
  EXPECT_EQ(w.MSFlexGrid2.Top(), 500);
  w.Command2.UserClick();
  w.Command1.UserClick();
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(2, 0), u"");
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(2, 0), u"");
}

}  // namespace
}  // namespace navigator_test
