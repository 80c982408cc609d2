// The going-aptitude panel: the aptitudes of today's surface for the three soft goings, greyed, with
// the column of today's going marked pink from 4 up and yellow at exactly 3.
#include "analysis/going_aptitude_panel.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "analysis/analysis_window_tables.h"
#include "tests/analysis/analysis_window_fixture.h"
#include "ui/palette.h"

namespace analysis_test {
namespace {

using analysis::AptitudeMark;
using analysis::frmAg3;

constexpr ui::Color kGrey = ui::Rgb(230, 230, 230);
constexpr ui::Color kPink = ui::palette::kPink;
constexpr ui::Color kYellow = ui::palette::kLightYellow;

TEST(AptitudeMark, PinkFromFourUpAndYellowAtExactlyThree) {
  const struct {
    const char16_t* aptitude;
    AptitudeMark mark;
  } cases[] = {{u"5", AptitudeMark::kTop},    {u"4", AptitudeMark::kTop},    {u" 4.0", AptitudeMark::kTop},
               {u"3", AptitudeMark::kHigh},   {u"3.0", AptitudeMark::kHigh}, {u"3.5", AptitudeMark::kNone},
               {u"2.9", AptitudeMark::kNone}, {u"", AptitudeMark::kNone},    {u"-5", AptitudeMark::kNone},
               {u"---", AptitudeMark::kNone}};
  for (const auto& c : cases) EXPECT_EQ(analysis::MarkOf(c.aptitude), c.mark) << model::ToUtf8(c.aptitude);
}

// Race 3, 9 runners. Runner i's aptitude in every table is kValues[i - 1] with the table's tag behind
// it, so that a cell shows the table it came from and the mark its value.
constexpr std::array<const char16_t*, 9> kValues = {u"5", u"3",  u"2",  u"",   u"3.5",
                                                    u"4", u"-5", u" 3", u"3.0"};
const std::vector<ui::Color> kMarks = {kPink, kYellow, kGrey, kGrey, kGrey, kPink, kGrey, kYellow, kYellow};

Text Tagged(int i, const char16_t* tag) {
  const Text value = kValues[static_cast<size_t>(i - 1)];
  return value.empty() ? value : value + tag;
}

class GoingAptitudePanelTest : public AnalysisWindowTest {
 protected:
  void SetUp() override {
    AnalysisWindowTest::SetUp();
    WriteAptitudes();
  }
  // The panel's cases in race 3's aptitudes of runners 1 to 9.
  void WriteAptitudes() {
    analysis::AnalysisWindowTables& t = app_.meeting.Group<analysis::AnalysisWindowTables>();
    for (int i = 1; i <= 9; ++i) {
      t.AptitudeTurfSoft(3, i) = Tagged(i, u"ts");
      t.AptitudeTurfHeavy(3, i) = Tagged(i, u"th");
      t.AptitudeTurfBad(3, i) = Tagged(i, u"tb");
      t.AptitudeDirtSoft(3, i) = Tagged(i, u"ds");
      t.AptitudeDirtHeavy(3, i) = Tagged(i, u"dh");
      t.AptitudeDirtBad(3, i) = Tagged(i, u"db");
    }
  }
  // Today's going and race 3's surface; both analyses and "色分け" run, which bring the switch into view.
  frmAg3& ReachSwitch(int going, const Text& surface_code) {
    app_.meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(3) = surface_code;
    frmAg3& w = Open();
    w.Combo1.UserSelect(going);
    Analyse(w, 3);
    w.Command9.UserClick();
    WriteAptitudes();  // in place of those "色分け" computed from the horse file
    return w;
  }
  static std::vector<ui::Color> Column(const ui::FlexGrid& grid, int c) {
    std::vector<ui::Color> colours;
    for (int r = 2; r <= 10; ++r) colours.push_back(grid.CellBackColorAt(r, c));
    return colours;
  }
  // Every text and colour of the panel's cells, row by row.
  static std::vector<std::string> Snapshot(const ui::FlexGrid& grid) {
    std::vector<std::string> cells;
    for (int r = 0; r < grid.Rows(); ++r) {
      for (int c = 0; c < grid.Cols(); ++c) {
        cells.push_back(model::ToUtf8(grid.TextMatrix(r, c)) + "|" +
                        std::to_string(grid.CellBackColorAt(r, c)));
      }
    }
    return cells;
  }
};

struct PanelCase {
  const char* name;
  int going;  // list position of today's going: 1 稍重, 2 重, 3 不良
  const char16_t* surface_code;
  const char16_t* title;
  const char16_t* tags[3];  // of the tables shown in columns 1 to 3
};

const PanelCase kPanelCases[] = {
    {"soft on turf", 1, u"1", u"馬場適性（ 芝 ）", {u"ts", u"th", u"tb"}},
    {"heavy on turf", 2, u"1", u"馬場適性（ 芝 ）", {u"ts", u"th", u"tb"}},
    {"bad on turf", 3, u"1", u"馬場適性（ 芝 ）", {u"ts", u"th", u"tb"}},
    {"heavy on dirt", 2, u"0", u"馬場適性（ ダ－ト ）", {u"ds", u"dh", u"db"}},
};

TEST_F(GoingAptitudePanelTest, ShowsTodaysSurfaceAndMarksOnlyTodaysGoing) {
  for (const PanelCase& p : kPanelCases) {
    SCOPED_TRACE(p.name);
    frmAg3& w = ReachSwitch(p.going, p.surface_code);
    ASSERT_TRUE(w.Check6.AcceptsUserInput());
    w.Check6.UserClick();
    const ui::FlexGrid& grid = w.MSFlexGrid4;
    EXPECT_EQ(PlaceOf(grid), (GridPlace{200, 1925, 3775, 4600}));
    EXPECT_EQ(w.Check6.Caption(), u"馬場 O N");
    EXPECT_EQ(grid.ColWidth(0), 550);
    for (int c = 1; c <= 3; ++c) {
      EXPECT_EQ(grid.ColWidth(c), 1050);
      EXPECT_EQ(grid.TextMatrix(0, c), p.title);
    }
    EXPECT_EQ(grid.TextMatrix(0, 0), u"馬番");
    EXPECT_EQ(grid.TextMatrix(1, 0), u"馬番");
    EXPECT_EQ((std::array{grid.TextMatrix(1, 1), grid.TextMatrix(1, 2), grid.TextMatrix(1, 3)}),
              (std::array<Text, 3>{u"稍", u"重", u"不"}));
    EXPECT_TRUE(grid.MergeCol(0));
    EXPECT_TRUE(grid.MergeRow(0));
    for (int i = 1; i <= 9; ++i) {
      EXPECT_EQ(grid.TextMatrix(i + 1, 0), model::NumberToText(i));
      for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(grid.TextMatrix(i + 1, c), Tagged(i, p.tags[c - 1])) << i << ", " << c;
    }
    for (int c = 1; c <= 3; ++c) {
      EXPECT_EQ(Column(grid, c), c == p.going ? kMarks : std::vector<ui::Color>(9, kGrey)) << c;
    }
    EXPECT_EQ(grid.TextMatrix(11, 0), u"");  // no runner 10
    app_.UnloadAll();
  }
}

TEST_F(GoingAptitudePanelTest, UntickingMovesThePanelAwayWithItsContentAndTickingRebuildsIt) {
  frmAg3& w = ReachSwitch(2, u"1");
  EXPECT_EQ(w.Check6.Caption(), u"馬場 OFF");
  w.Check6.UserClick();
  const std::vector<std::string> shown = Snapshot(w.MSFlexGrid4);
  w.Check6.UserClick();
  EXPECT_EQ(PlaceOf(w.MSFlexGrid4), (GridPlace{200, 12000, 3775, 4600}));
  EXPECT_EQ(w.Check6.Caption(), u"馬場OFF");
  EXPECT_EQ(Snapshot(w.MSFlexGrid4), shown);
  w.Check6.UserClick();
  EXPECT_EQ(Snapshot(w.MSFlexGrid4), shown);
  w.Check6.UserClick();
  EXPECT_EQ(w.Check6.Caption(), u"馬場OFF");
}

// Good going hides the switch; ticked from code all the same, the panel has no column to mark.
TEST_F(GoingAptitudePanelTest, GoodGoingMarksNothing) {
  frmAg3& w = ReachSwitch(0, u"1");
  EXPECT_FALSE(w.Check6.Visible());
  w.Check6.SetValue(ui::kChecked);
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(Column(w.MSFlexGrid4, c), std::vector<ui::Color>(9, kGrey)) << c;
  EXPECT_EQ(w.MSFlexGrid4.TextMatrix(2, 2), u"5th");
}

// A race of neither surface shows the frame, numbers and grey, but no title, values or marks.
TEST_F(GoingAptitudePanelTest, ARaceOfNeitherSurfaceShowsNoValues) {
  frmAg3& w = ReachSwitch(2, u"2");
  w.Check6.UserClick();
  EXPECT_EQ(w.MSFlexGrid4.TextMatrix(0, 1), u"");
  EXPECT_EQ(w.MSFlexGrid4.TextMatrix(2, 0), u"1");
  EXPECT_EQ(w.MSFlexGrid4.TextMatrix(2, 2), u"");
  EXPECT_EQ(Column(w.MSFlexGrid4, 2), std::vector<ui::Color>(9, kGrey));
}

}  // namespace
}  // namespace analysis_test
