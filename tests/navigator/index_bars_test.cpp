// The evaluation window: the scales of its five bars and what "総合評価" writes into the grid.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "navigator/bar_glyph_scale.h"
#include "tests/navigator/navigator_fixture.h"
#include "ui/palette.h"

namespace navigator_test {
namespace {

using navigator::BarGlyphs;

// Glyph counts: -1 stands for " ", 0 for "left unchanged".
std::optional<Text> Bar(int glyphs) {
  if (glyphs == -1) return u" ";
  if (glyphs == 0) return std::nullopt;
  return BarGlyphs(glyphs);
}

struct ScaleCase {
  const char16_t* value;
  int glyphs;
};

TEST(BarGlyphScale, Overall) {
  const ScaleCase cases[] = {{u"0", -1},   {u"", -1},    {u"1", 1},    {u"100", 1}, {u"101", 2},
                             {u"130", 2},  {u"131", 3},  {u"150", 3},  {u"160", 4}, {u"170", 5},
                             {u"180", 6},  {u"190", 7},  {u"200", 8},  {u"215", 9}, {u"230", 10},
                             {u"245", 11}, {u"246", 12}, {u"900", 12}, {u"-3", 0},  {u"100.5", 2}};
  for (const ScaleCase& c : cases)
    EXPECT_EQ(navigator::OverallBar(c.value), Bar(c.glyphs)) << model::ToUtf8(c.value);
}

// Grades run from "0" to "9"; anything outside leaves the cell as it is.
TEST(BarGlyphScale, Speed) {
  const ScaleCase cases[] = {{u"*", -1}, {u"-", -1}, {u"0", 1},  {u"5", 1},  {u"6", 2},  {u"7", 3},
                             {u"8", 5},  {u"9", 7},  {u"10", 0}, {u"-1", 0}, {u"6.5", 0}};
  for (const ScaleCase& c : cases)
    EXPECT_EQ(navigator::SpeedBar(c.value), Bar(c.glyphs)) << model::ToUtf8(c.value);
}

TEST(BarGlyphScale, Power) {
  const ScaleCase cases[] = {{u"---", -1}, {u"-10", 1}, {u"+ 0", 2}, {u"+ 5", 2}, {u"+10", 3}, {u"+19", 3},
                             {u"+20", 4},  {u"+30", 5}, {u"+40", 6}, {u"+49", 6}, {u"+50", 7}, {u"", 2}};
  for (const ScaleCase& c : cases)
    EXPECT_EQ(navigator::PowerBar(c.value), Bar(c.glyphs)) << model::ToUtf8(c.value);
}

// Against a best of 30.1 s, where the decimal sums are not exact in binary.
TEST(BarGlyphScale, FrontRunningAndClosing) {
  const ScaleCase front[] = {{u"30.1", 5}, {u"30.5", 5}, {u"30.6", 4}, {u"31.0", 4}, {u"31.1", 3},
                             {u"31.6", 2}, {u"32.1", 1}, {u"40", 1},   {u"30", 0},   {u"**.*", -1}};
  for (const ScaleCase& c : front) {
    EXPECT_EQ(navigator::FrontRunningBar(c.value, u" 30.1"), Bar(c.glyphs)) << model::ToUtf8(c.value);
  }
  const ScaleCase closing[] = {{u"30.1", 5}, {u"30.3", 5}, {u"30.4", 4}, {u"30.7", 3}, {u"31", 3},
                               {u"31.1", 2}, {u"31.6", 1}, {u"29.9", 0}, {u"**.*", -1}};
  for (const ScaleCase& c : closing) {
    EXPECT_EQ(navigator::ClosingBar(c.value, u" 30.1"), Bar(c.glyphs)) << model::ToUtf8(c.value);
  }
}

class EvaluationWindowTest : public NavigatorTest {
 protected:
  void SetRunner(int k, const Text& interval, const Text& overall, const Text& grade, const Text& aptitude,
                 const Text& front, const Text& back) {
    Views().RunInterval[1](kRace, k) = interval;
    Colouring().OverallEval(k) = overall;
    Secondary().GradeAbility(k) = grade;
    Colouring().AptitudeDirtGood(kRace, k) = aptitude;
    Secondary().Front3FMean(k) = front;
    Secondary().Back3FMean(k) = back;
  }
  std::vector<Text> Row(const ui::FlexGrid& grid, int row) {
    std::vector<Text> texts;
    for (int c = 0; c < grid.Cols(); ++c) texts.push_back(grid.TextMatrix(row, c));
    return texts;
  }
};

TEST_F(EvaluationWindowTest, DrawsNumbersNamesRestMarksAndBars) {
  SetRace(u"1600", 5);
  Secondary().RaceBestFront3F(kRace) = u" 35.0";
  Secondary().RaceBestBack3F(kRace) = u" 34.0";
  SetRunner(1, u"45", u"246", u"9", u"+50", u"35.0", u"34.0");
  SetRunner(2, u"46", u"100", u"5", u"-10", u"35.5", u"34.3");
  SetRunner(3, u"89", u"-3", u"12", u"---", u"**.*", u"**.*");
  SetRunner(4, u"90", u"0", u"*", u"", u"34.9", u"35.5");
  SetRunner(5, u"---", u"", u"-", u"+ 5", u"", u"40");
  navigator::frmAg15& w = Evaluation();
  w.Command1.UserClick();

  EXPECT_FALSE(w.Command1.Enabled());
  EXPECT_EQ(w.ActiveControl(), &w.Text1);
  const ui::FlexGrid& g = w.MSFlexGrid1;
  const Text none;
  EXPECT_EQ(Row(g, 2), (std::vector<Text>{u"1", u"horse 1", none, BarGlyphs(12), none, BarGlyphs(7), none,
                                          BarGlyphs(7), none, BarGlyphs(5), BarGlyphs(5)}));
  EXPECT_EQ(Row(g, 3), (std::vector<Text>{u"2", u"horse 2", none, BarGlyphs(1), none, BarGlyphs(1), none,
                                          BarGlyphs(1), none, BarGlyphs(4), BarGlyphs(4)}));
  // A negative overall evaluation and a grade outside 0 to 9 leave their cells alone.
  EXPECT_EQ(Row(g, 4),
            (std::vector<Text>{u"3", u"horse 3", none, none, none, none, none, u" ", none, u" ", u" "}));
  // Faster than the race's best: left alone; an empty aptitude counts 0.
  EXPECT_EQ(Row(g, 5), (std::vector<Text>{u"4", u"horse 4", none, u" ", none, u" ", none, BarGlyphs(2), none,
                                          none, BarGlyphs(1)}));
  EXPECT_EQ(Row(g, 6), (std::vector<Text>{u"5", u"horse 5", none, u" ", none, u" ", none, BarGlyphs(2), none,
                                          none, BarGlyphs(1)}));
  EXPECT_EQ(Row(g, 7), std::vector<Text>(11));

  const ui::Color plain = g.BackColor();
  const std::vector<ui::Color> rest = {g.CellBackColorAt(2, 2), g.CellBackColorAt(3, 2),
                                       g.CellBackColorAt(4, 2), g.CellBackColorAt(5, 2),
                                       g.CellBackColorAt(6, 2)};
  EXPECT_EQ(rest, (std::vector<ui::Color>{plain, ui::palette::kGreen, ui::palette::kGreen, ui::palette::kRed,
                                          plain}));
  EXPECT_EQ(g.CellBackColorAt(5, 3), plain);
}

TEST_F(EvaluationWindowTest, LoadsEmptyAndDrawsOncePerLoad) {
  navigator::frmAg15& w = Evaluation();
  EXPECT_EQ(w.Caption(), u"  ＜   解析ナビ  評価システム  ＞");
  EXPECT_EQ(w.Top(), (11520 - 9475) / 2.0 + 2475);
  EXPECT_EQ(w.Width(), 11425);
  EXPECT_EQ(w.MSFlexGrid1.FixedCols(), 2);
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(0, 3) + u"|" + w.MSFlexGrid1.TextMatrix(1, 3),
            u"           総　 合   力|           　評    価");
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(0, 10) + u"|" + w.MSFlexGrid1.TextMatrix(1, 10),
            u"         展　　    開|  追 込 度");
  EXPECT_EQ(w.MSFlexGrid1.ColWidth(3), 2400);
  EXPECT_EQ(Row(w.MSFlexGrid1, 2), std::vector<Text>(11));
  EXPECT_TRUE(w.Command1.Enabled());

  SetRunner(1, u"10", u"150", u"7", u"+30", u"**.*", u"**.*");
  w.Command1.UserClick();
  SetRunner(1, u"10", u"10", u"0", u"+0", u"**.*", u"**.*");
  w.Hide();
  w.Show();
  w.Command1.UserClick();
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(2, 3), BarGlyphs(3));
  w.Unload();
  navigator::frmAg15& again = Evaluation();
  EXPECT_TRUE(again.Command1.Enabled());
  EXPECT_EQ(again.MSFlexGrid1.TextMatrix(2, 3), u"");
}

// More runners than the grid holds: the rows stop at runner 18; no runner: only the button goes.
TEST_F(EvaluationWindowTest, RunnerCountsOutsideTheGrid) {
  SetRace(u"1600", 20);
  navigator::frmAg15& w = Evaluation();
  w.Command1.UserClick();
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(19, 0), u"18");
  w.Unload();
  SetRace(u"1600", 0);
  navigator::frmAg15& empty = Evaluation();
  empty.Command1.UserClick();
  EXPECT_FALSE(empty.Command1.Enabled());
  EXPECT_EQ(empty.MSFlexGrid1.TextMatrix(2, 0), u"");
}

}  // namespace
}  // namespace navigator_test
