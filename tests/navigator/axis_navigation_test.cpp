// "軸馬ナビ": the five criteria with their limits, the order and grid of each distance category, the
// colours of the tested cells and the Ａ軸 and Ｂ軸 marks.
#include "navigator/axis_navigation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/navigator/navigator_fixture.h"
#include "ui/palette.h"

namespace navigator_test {
namespace {

using navigator::Criterion;
using navigator::CriterionResult;

// The values behind the criteria of one runner; the defaults pass every criterion at level 0.
struct RunnerValues {
  Text interval = u"30";
  Text diff_6f = u" 5";
  Text speed = u"3";
  Text ability = u"4";
  Text mean = u"+02";
  Text spread = u"±03";
  Text back_3f = u"35.0";
};

class AxisNavigationTest : public NavigatorTest {
 protected:
  void SetRunner(int i, const RunnerValues& v) {
    Views().RunInterval[1](kRace, i) = v.interval;
    Secondary().Diff6FText(i) = v.diff_6f;
    Secondary().Total6FText(i) = u"6F " + model::NumberToText(i);
    Secondary().SpeedValue(i) = v.speed;
    Secondary().SpeedValueText(i) = u"speed " + model::NumberToText(i);
    Secondary().CurrentAbility(i) = v.ability;
    Secondary().CurrentAbilityText(i) = u"ability " + model::NumberToText(i);
    Stats().RunMean(kRace, i) = v.mean;
    Stats().RunSpread(kRace, i) = v.spread;
    Secondary().Back3FText(i) = v.back_3f;
  }
  CriterionResult Test(Criterion criterion, int runner_count = 1) {
    return navigator::TestCriterion(app_.meeting, kRace, 1, criterion,
                                    navigator::LimitsOf(app_.meeting, kRace, runner_count));
  }
  // "解析" is the way to "軸馬ナビ"; the statistics it writes are set again afterwards.
  navigator::frmAg13& Press(const std::vector<RunnerValues>& runners) {
    navigator::frmAg13& w = Navigator();
    w.Command2.UserClick();
    for (size_t k = 0; k < runners.size(); ++k) SetRunner(static_cast<int>(k + 1), runners[k]);
    w.Command1.UserClick();
    return w;
  }
};

struct LimitCase {
  const char* what;
  Criterion criterion;
  RunnerValues values;
  CriterionResult expected;
};

// Level 5: speed up to 15, ability and mean up to 17; the best back 3F of the field is 30.4.
TEST_F(AxisNavigationTest, EachCriterionPassesAtItsLimit) {
  using enum CriterionResult;
  Secondary().RaceTimeLevel(kRace) = u"5";
  SetRunner(2, {.back_3f = u"30.4"});
  SetRunner(3, {.back_3f = u" **.*"});
  const LimitCase cases[] = {
      {"59 days", Criterion::kRest, {.interval = u"59"}, kPassed},
      {"60 days", Criterion::kRest, {.interval = u"60"}, kFailed},
      {"no last run", Criterion::kRest, {.interval = u"---"}, kFailed},
      {"6F 12 behind", Criterion::kTotal6F, {.diff_6f = u"12"}, kPassed},
      {"6F 13 behind", Criterion::kTotal6F, {.diff_6f = u"13"}, kFailed},
      {"the best 6F", Criterion::kTotal6F, {.diff_6f = u"00"}, kPassed},
      {"no 6F", Criterion::kTotal6F, {.diff_6f = u"**"}, kFailed},
      {"speed at level + 10", Criterion::kSpeed, {.speed = u"15"}, kPassed},
      {"speed at level + 11", Criterion::kSpeed, {.speed = u"16"}, kFailed},
      {"no speed", Criterion::kSpeed, {.speed = u"***"}, kFailed},
      {"ability at level + 12", Criterion::kAbility, {.ability = u"17"}, kPassed},
      {"ability at level + 13", Criterion::kAbility, {.ability = u"18"}, kFailed},
      {"no ability", Criterion::kAbility, {.ability = u"***"}, kFailed},
      {"mean at level + 12", Criterion::kMean, {.mean = u"+17"}, kPassed},
      {"mean at level + 13", Criterion::kMean, {.mean = u"+18"}, kFailed},
      {"one usable run", Criterion::kMean, {.mean = u" +00 ", .spread = u"---"}, kFailed},
      {"no usable run", Criterion::kMean, {.mean = u"---", .spread = u"---"}, kFailed},
      {"back 3F exactly 1.2 behind", Criterion::kBack3F, {.back_3f = u"31.6"}, kPassed},
      {"back 3F 1.3 behind", Criterion::kBack3F, {.back_3f = u"31.7"}, kFailed},
      {"the field's best back 3F", Criterion::kBack3F, {.back_3f = u"30.4"}, kPassed},
      {"no back 3F", Criterion::kBack3F, {.back_3f = u" **.*"}, kUntested},
  };
  for (const LimitCase& c : cases) {
    SetRunner(1, c.values);
    EXPECT_EQ(Test(c.criterion, 3), c.expected) << c.what;
  }
}

// A race without a time level ("---") measures from 0; a field without a back 3F below 100 measures
// from 100.
TEST_F(AxisNavigationTest, MissingLevelCountsZeroAndTheBestBack3FStartsAt100) {
  Secondary().RaceTimeLevel(kRace) = u"---";
  SetRunner(1, {.speed = u"10"});
  EXPECT_EQ(Test(Criterion::kSpeed), CriterionResult::kPassed);
  SetRunner(1, {.speed = u"11"});
  EXPECT_EQ(Test(Criterion::kSpeed), CriterionResult::kFailed);
  Secondary().RaceTimeLevel(kRace) = u"-4";
  SetRunner(1, {.ability = u"8"});
  EXPECT_EQ(Test(Criterion::kAbility), CriterionResult::kPassed);
  SetRunner(1, {.ability = u"9"});
  EXPECT_EQ(Test(Criterion::kAbility), CriterionResult::kFailed);

  SetRunner(1, {.back_3f = u"100.0"});
  EXPECT_EQ(navigator::LimitsOf(app_.meeting, kRace, 1).back_3f, 1012);
  EXPECT_EQ(Test(Criterion::kBack3F), CriterionResult::kPassed);
}

struct RowExpectation {
  Text mark;
  std::vector<ui::Color> colours;  // columns 4 to 8
};

void ExpectRows(const ui::FlexGrid& grid, const std::vector<RowExpectation>& rows) {
  const ui::Color plain = grid.BackColor();
  for (size_t k = 0; k < rows.size(); ++k) {
    const int row = static_cast<int>(k) + 2;
    SCOPED_TRACE(row);
    EXPECT_EQ(grid.TextMatrix(row, 2), rows[k].mark);
    if (rows[k].mark == u"Ａ軸") {
      EXPECT_EQ(grid.CellForeColorAt(row, 2), ui::palette::kRed);
    }
    if (rows[k].mark == u"Ｂ軸") {
      EXPECT_EQ(grid.CellForeColorAt(row, 2), ui::palette::kBlue);
    }
    std::vector<ui::Color> colours;
    for (int c = 4; c <= 8; ++c) colours.push_back(grid.CellBackColorAt(row, c));
    std::vector<ui::Color> expected = rows[k].colours;
    for (ui::Color& colour : expected) {
      if (colour == 0) colour = plain;  // 0 stands for "left as it was"
    }
    EXPECT_EQ(colours, expected);
    for (int c : {2, 3, 9}) EXPECT_EQ(grid.CellBackColorAt(row, c), plain) << c;
  }
}

constexpr ui::Color G = ui::palette::kGreen;
constexpr ui::Color X = ui::Rgb(230, 230, 230);
constexpr ui::Color O = 0;

TEST_F(AxisNavigationTest, ShortRaceMarksAndColours) {
  SetRace(u"1200", 6);
  for (int i = 1; i <= 6; ++i) Colouring().PointFront(kRace, i) = u"F" + model::NumberToText(i);
  Colouring().PointForm(kRace, 3) = u"■";
  navigator::frmAg13& w = Press({
      {},
      {.mean = u"+13"},
      {.interval = u"---"},
      {.speed = u"***"},
      {.mean = u" -20 ", .spread = u"---"},
      {.diff_6f = u"13", .mean = u"+13"},
  });
  EXPECT_FALSE(w.Command1.Enabled());
  const ui::FlexGrid& g = w.MSFlexGrid2;
  ExpectRows(g, {{u"Ａ軸", {G, G, G, G, G}},
                 {u"Ｂ軸", {G, G, G, G, X}},
                 {u"", {X, X, X, X, X}},
                 {u"", {G, G, X, X, X}},
                 {u"Ｂ軸", {G, G, G, G, X}},
                 {u"", {G, X, X, X, X}}});
  EXPECT_EQ(w.AxisListA, std::vector<int>{1});
  EXPECT_EQ(w.AxisListB, (std::vector<int>{2, 5}));
  // Shown: the days, the runner's own 6F, the display texts of speed and ability, the mean.
  EXPECT_EQ(g.TextMatrix(3, 0) + u"|" + g.TextMatrix(3, 1), u"2|horse 2");
  std::vector<Text> shown;
  for (int c = 4; c <= 8; ++c) shown.push_back(g.TextMatrix(4, c));
  EXPECT_EQ(shown, (std::vector<Text>{u"---", u"6F 3", u"speed 3", u"ability 3", u"+02"}));
  // The highlight marks are copied whatever the criteria gave.
  EXPECT_EQ(g.TextMatrix(4, 10) + g.TextMatrix(4, 11) + g.TextMatrix(4, 12), u"F3■");
  EXPECT_EQ(g.TextMatrix(8, 0), u"");
  EXPECT_EQ(w.MSFlexGrid3.TextMatrix(2, 0), u"");
}

TEST_F(AxisNavigationTest, MiddleRaceTestsInItsOwnOrder) {
  SetRace(u"1800", 2);
  navigator::frmAg13& w = Press({{.diff_6f = u"**"}, {.speed = u"11"}});
  const ui::FlexGrid& g = w.MSFlexGrid3;
  ExpectRows(g, {{u"", {G, G, G, X, X}}, {u"", {G, X, X, X, X}}});
  EXPECT_EQ(g.TextMatrix(2, 5) + u"|" + g.TextMatrix(2, 7), u"speed 1|6F 1");
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(2, 0), u"");
}

TEST_F(AxisNavigationTest, LongRaceTestsTheBack3F) {
  SetRace(u"2400", 5);
  navigator::frmAg13& w = Press({
      {.back_3f = u"30.4"},
      {.back_3f = u"31.6"},
      {.back_3f = u"31.7"},
      {.back_3f = u" **.*"},
      {.spread = u"---", .back_3f = u"30.4"},
  });
  const ui::FlexGrid& g = w.MSFlexGrid4;
  ExpectRows(g, {{u"Ａ軸", {G, G, G, G, G}},
                 {u"Ａ軸", {G, G, G, G, G}},
                 {u"Ｂ軸", {G, G, G, G, X}},
                 {u"", {G, G, G, G, O}},
                 {u"", {G, G, G, X, X}}});
  EXPECT_EQ(g.TextMatrix(5, 8), u" **.*");
}

// 1450 and 1900 m have no category: the press only takes its button out.
TEST_F(AxisNavigationTest, RaceWithoutCategoryGetsNothing) {
  for (const char16_t* distance : {u"1450", u"1900"}) {
    SetRace(distance, 2);
    navigator::frmAg13& w = Press({{}, {}});
    EXPECT_FALSE(w.Command1.Enabled());
    for (const ui::FlexGrid* g : {&w.MSFlexGrid2, &w.MSFlexGrid3, &w.MSFlexGrid4}) {
      EXPECT_EQ(g->TextMatrix(2, 0), u"");
      EXPECT_EQ(g->TextMatrix(2, 2), u"");
      EXPECT_EQ(g->CellBackColorAt(2, 4), g->BackColor());
    }
    EXPECT_TRUE(w.AxisListA.empty());
    w.Unload();
  }
}

// The button is open only after "解析", once per load; hiding keeps the grid.
TEST_F(AxisNavigationTest, RunsOncePerLoadAndKeepsItsGridWhileHidden) {
  navigator::frmAg13& w = Navigator();
  w.Command1.UserClick();
  EXPECT_EQ(w.MSFlexGrid3.TextMatrix(2, 0), u"");
  w.Command2.UserClick();
  SetRunner(1, {});
  w.Command1.UserClick();
  EXPECT_EQ(w.MSFlexGrid3.TextMatrix(2, 2), u"Ａ軸");
  w.Hide();
  SetRunner(1, {.interval = u"---"});
  w.Show();
  w.Command1.UserClick();
  EXPECT_EQ(w.MSFlexGrid3.TextMatrix(2, 2), u"Ａ軸");
  EXPECT_EQ(w.MSFlexGrid3.CellBackColorAt(2, 4), ui::palette::kGreen);

  // Unloaded, as the reset for the next race does, the next showing starts afresh.
  w.Unload();
  navigator::frmAg13& fresh = Navigator();
  EXPECT_TRUE(fresh.Command2.Enabled());
  EXPECT_FALSE(fresh.Command1.Enabled());
  EXPECT_EQ(fresh.MSFlexGrid3.TextMatrix(2, 2), u"");
  EXPECT_EQ(fresh.MSFlexGrid3.CellBackColorAt(2, 4), fresh.MSFlexGrid3.BackColor());
}

}  // namespace
}  // namespace navigator_test
