#include <gtest/gtest.h>

#include <cmath>

#include "shell/app.h"
#include "shell/frm_ag0.h"
#include "shell/frm_ag1.h"
#include "shell_fixture.h"
#include "tests/support/text_printer.h"

namespace shell_test {
namespace {

using shell::frmAg0;
using shell::frmAg1;
using Names = std::vector<std::string>;

constexpr ui::Color kYellow = 0x0000FFFF;

std::vector<ui::OptionButton*> GuideButtons(frmAg1& w) {
  return {&w.Option1, &w.Option2, &w.Option3, &w.Option4};
}

void ExpectGuideHiddenAndEmpty(frmAg1& w) {
  EXPECT_FALSE(w.MSFlexGrid1.Visible());
  for (int row = 0; row < 15; ++row) EXPECT_EQ(w.MSFlexGrid1.TextMatrix(row, 0), u"") << row;
  for (ui::OptionButton* option : GuideButtons(w))
    EXPECT_EQ(option->ForeColor(), ui::colors::kWindowText) << option->Name();
}

TEST(OpeningWindow, StartsWithClearSelectedAndTheGuideHidden) {
  auto app = StartedApp();
  frmAg1& w = app->Form<frmAg1>();
  EXPECT_TRUE(w.Visible());
  EXPECT_FALSE(w.Option1.Value());
  EXPECT_FALSE(w.Option2.Value());
  EXPECT_FALSE(w.Option3.Value());
  EXPECT_TRUE(w.Option4.Value());
  EXPECT_TRUE(w.Command1.Enabled());
  ExpectGuideHiddenAndEmpty(w);

  EXPECT_EQ(w.MSFlexGrid1.Rows(), 15);
  EXPECT_EQ(w.MSFlexGrid1.Cols(), 1);
  EXPECT_EQ(w.MSFlexGrid1.FixedRows(), 0);
  EXPECT_EQ(w.MSFlexGrid1.FixedCols(), 0);
  EXPECT_EQ(w.MSFlexGrid1.ColWidth(0), 6400);
  EXPECT_EQ(w.MSFlexGrid1.Font().size, 9);
}

struct GuideCase {
  const char* button;
  int row;
  const char16_t* text;
};

ui::OptionButton& Button(frmAg1& w, const std::string& name) {
  return static_cast<ui::OptionButton&>(*w.FindControl(name));
}

void PrintTo(const GuideCase& c, std::ostream* os) {
  *os << c.button << " row " << c.row << ' ';
  testsupport::PrintText(c.text, os);
}

class GuidePage : public testing::TestWithParam<GuideCase> {};

TEST_P(GuidePage, ShowsItsPageAndMarksItsButton) {
  const GuideCase& c = GetParam();
  auto app = StartedApp();
  frmAg1& w = app->Form<frmAg1>();
  ui::OptionButton& clicked = Button(w, c.button);

  clicked.UserClick();

  EXPECT_TRUE(w.MSFlexGrid1.Visible());
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(c.row, 0), c.text);
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(14, 0), u"");
  for (ui::OptionButton* option : GuideButtons(w))
    EXPECT_EQ(option->ForeColor(), option == &clicked ? kYellow : ui::colors::kWindowText) << option->Name();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, GuidePage,
    testing::Values(
        GuideCase{"Option1", 0, u"（ はじめに ）"},
        GuideCase{"Option1", 5, u"　　　[ ソフト  名 ]　　Tarvelo　Ver 1.0 （ 1.9MB )"},
        GuideCase{"Option1", 8, u"　　　[ 動作環境 ]　　 Windows'98/'95　推奨メモリ－　128KB ( 64KB以上 )"},
        GuideCase{"Option2", 0, u"（  前　準　備  ）"},
        GuideCase{"Option2", 12,
                  u"          「kol_den1.kd2」  「kol_den2.kd2」  「kol_uma.kd2」 の３ファイルが収納されて"},
        GuideCase{"Option2", 13,
                  u"　　　　   いますので、同じフォルダに解凍してから本ソフトを起動してください。"},
        GuideCase{"Option3", 0, u"（　注意事項　）"},
        GuideCase{"Option3", 1, u"　　　１.レ－ス距離が「 ２５００ｍ以上 」では使用出来ません。　"},
        GuideCase{"Option3", 12, u"     ◎. 本ソフト上で解析した「推奨馬番」は、購入馬券を特定するものでは"},
        GuideCase{"Option3", 13, u"　　　　 ありません。"}),
    [](const auto& info) { return std::string(info.param.button) + "Row" + std::to_string(info.param.row); });

std::vector<model::Text> GuideRows(frmAg1& w) {
  std::vector<model::Text> rows;
  for (int row = 0; row < 15; ++row) rows.push_back(w.MSFlexGrid1.TextMatrix(row, 0));
  return rows;
}

// Every row is rewritten, so a page with empty rows leaves nothing of a fuller page behind.
TEST(OpeningWindow, EachPageReplacesEveryRowOfThePrevious) {
  auto app = StartedApp();
  frmAg1& w = app->Form<frmAg1>();
  w.Option3.UserClick();
  const auto cautions = GuideRows(w);
  w.Option1.UserClick();
  const auto introduction = GuideRows(w);
  ASSERT_NE(introduction[10], u"");
  ASSERT_EQ(cautions[10], u"");

  w.Option3.UserClick();
  EXPECT_EQ(GuideRows(w), cautions);
  w.Option2.UserClick();
  w.Option1.UserClick();
  EXPECT_EQ(GuideRows(w), introduction);
  w.Option1.SetValue(false);
  w.Option1.SetValue(true);  // the same page again
  EXPECT_EQ(GuideRows(w), introduction);
}

TEST(OpeningWindow, ClearHidesTheGuideUntilAPageIsChosenAgain) {
  auto app = StartedApp();
  frmAg1& w = app->Form<frmAg1>();
  w.Option2.UserClick();
  w.Option4.UserClick();
  ExpectGuideHiddenAndEmpty(w);

  w.Option3.UserClick();
  EXPECT_TRUE(w.MSFlexGrid1.Visible());
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(0, 0), u"（　注意事項　）");
}

TEST(OpeningWindow, StartShowsTheDataReadWindowInItsPlace) {
  auto app = StartedApp();
  app->Form<frmAg1>().Command1.UserClick();

  EXPECT_EQ(LoadedNames(*app), (Names{"frmAg0", "frmAg2"}));
  EXPECT_TRUE(app->FormByName("frmAg2").Visible());
  frmAg0& main = app->Form<frmAg0>();
  EXPECT_FALSE(main.mnuOpen1.Enabled());

  main.mnuOpen1.UserClick();  // locked with it
  EXPECT_EQ(LoadedNames(*app), (Names{"frmAg0", "frmAg2"}));
}

TEST(OpeningWindow, GuideStillWorksAfterTheMenuOpenedTheDataReadWindow) {
  auto app = StartedApp();
  app->Form<frmAg0>().mnuOpen1.UserClick();
  frmAg1& w = app->Form<frmAg1>();
  w.Option2.UserClick();
  EXPECT_TRUE(w.MSFlexGrid1.Visible());
  EXPECT_EQ(w.MSFlexGrid1.TextMatrix(0, 0), u"（  前　準　備  ）");
}

// --- Colour bands

struct BandLine {
  double y, x1, x2;
  ui::Color color;
};

BandLine LineAt(const std::vector<ui::DrawOp>& ops, size_t i) {
  const ui::DrawOp& op = ops.at(i);
  return {op.y1, op.x1, op.x2, op.color};
}

constexpr size_t kBlueLines = 3001;   // y 900 to 3900
constexpr size_t kGreenLines = 2501;  // y 3975 to 6475

TEST(OpeningWindowBands, AreHorizontalSolidLinesOneTwipApart) {
  auto app = StartedApp();
  const auto& ops = app->Form<frmAg1>().Drawing().Ops();
  ASSERT_EQ(ops.size(), kBlueLines + kGreenLines);
  for (size_t i = 0; i < ops.size(); ++i) {
    const ui::DrawOp& op = ops[i];
    const double y = i < kBlueLines ? 900.0 + i : 3975.0 + (i - kBlueLines);
    ASSERT_EQ(op.kind, ui::DrawOpKind::kLine) << i;
    ASSERT_EQ(op.y1, y) << i;
    ASSERT_EQ(op.y2, y) << i;
    ASSERT_LT(op.x1, op.x2) << i;
    ASSERT_EQ(op.width, 1) << i;
    ASSERT_EQ(op.style, ui::kDrawSolid) << i;
  }
}

TEST(OpeningWindowBands, BendOnQuarterCirclesAndFadeWithHalvesToEven) {
  auto app = StartedApp();
  const auto& ops = app->Form<frmAg1>().Drawing().Ops();
  ASSERT_EQ(ops.size(), kBlueLines + kGreenLines);
  const double root3 = std::sqrt(3.0);
  struct Case {
    size_t index;
    BandLine want;
  };
  const Case cases[] = {
      {0, {900, 1000, 9200, ui::Rgb(0, 0, 255)}},
      {200, {1100, 1000, 9200 + std::sqrt(9e6 - 2800.0 * 2800.0), ui::Rgb(0, 0, 246)}},  // 246.5
      {600, {1500, 1000, 9200 + std::sqrt(9e6 - 2400.0 * 2400.0), ui::Rgb(0, 0, 230)}},  // 229.5
      {1500, {2400, 1000, 9200 + 1500 * root3, ui::Rgb(0, 0, 191)}},                     // 191.25
      {3000, {3900, 1000, 12200, ui::Rgb(0, 0, 128)}},                                   // 127.5
      {kBlueLines, {3975, 1300, 12200, ui::Rgb(0, 255, 0)}},
      {kBlueLines + 560,
       {4535, 3800 - std::sqrt(6.25e6 - 560.0 * 560.0), 12200 - std::sqrt(6.25e6 - 1940.0 * 1940.0),
        ui::Rgb(0, 230, 0)}},                                                                      // 229.5
      {kBlueLines + 1250, {5225, 3800 - 1250 * root3, 12200 - 1250 * root3, ui::Rgb(0, 198, 0)}},  // 198.08
      {kBlueLines + 1680,
       {5655, 3800 - std::sqrt(6.25e6 - 1680.0 * 1680.0), 12200 - std::sqrt(6.25e6 - 820.0 * 820.0),
        ui::Rgb(0, 178, 0)}},  // 178.5
      {kBlueLines + 2500, {6475, 3800, 9700, ui::Rgb(0, 141, 0)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    const BandLine got = LineAt(ops, c.index);
    EXPECT_EQ(got.y, c.want.y);
    EXPECT_NEAR(got.x1, c.want.x1, 1e-9);
    EXPECT_NEAR(got.x2, c.want.x2, 1e-9);
    EXPECT_EQ(got.color, c.want.color);
  }
}

}  // namespace
}  // namespace shell_test
