// The analysis sheet as the printer records it, over a small race written straight into the tables:
// the page settings, every text at its place (an empty one too), the rules, and the predicted times
// recomputed from the base time shown.
#include "recommend/print_analysis_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "intake/race_card_tables.h"
#include "model/analysis_tables.h"
#include "model/numbers.h"
#include "program/program.h"
#include "recommend/colouring_tables.h"
#include "secondary/secondary_analysis_tables.h"
#include "shell/frm_ag0.h"
#include "tests/support/printed_ops.h"
#include "ui/grid.h"

namespace recommend {
namespace {

using model::Text;

using Op = testsupport::PrintedOp;

Op TextAt(double x, double y, const Text& text) {
  return testsupport::PrintedText(x, y, text);
}
Op LineOf(double x1, double y1, double x2, double y2) {
  return testsupport::PrintedLine(x1, y1, x2, y2);
}
std::vector<Op> OpsOf(const ui::PrintedDocument& doc) {
  return testsupport::PrintedOpsOf(doc);
}

void Append(std::vector<Op>& to, const std::vector<Op>& ops) {
  to.insert(to.end(), ops.begin(), ops.end());
}

// Title, captions and headings, then the frame with its 18 row rules: the same on every sheet.
std::vector<Op> FixedPart() {
  std::vector<Op> ops = {
      TextAt(27, 8, u"[ 競馬予想プログラム （ Tarvelo　Ver 1.0 ）]"),
      TextAt(28, 18, u"（開 催 日）"),
      TextAt(80, 18, u"（競 馬 場）"),
      TextAt(122, 18, u"（ﾚ-ｽ NO）"),
      TextAt(28, 24, u"（条  　件）"),
      TextAt(80, 24, u"（タ － フ）"),
      TextAt(28, 30, u"（距　  離）"),
      TextAt(80, 30, u"（馬場状態）"),
      TextAt(28, 36, u"（頭　　数）"),
      TextAt(80, 36, u"（推定タイム）"),
      TextAt(80, 42, u"（予想ペ－ス）"),
      TextAt(135, 36, u"（検討対象馬番）"),
      TextAt(198, 24, u"（解析有効性）"),
      TextAt(198, 30, u"（基本タイム）"),
      TextAt(198, 36, u"（評価値平均）"),
      TextAt(26, 63, u"馬番"),
      TextAt(81, 54, u" ＜仮評価値＞"),
      TextAt(38, 63, u"  馬        名"),
      TextAt(78, 60, u"３走"),
      TextAt(90, 60, u"２走"),
      TextAt(103, 60, u"前走"),
      TextAt(116, 63, u"速力"),
      TextAt(132, 63, u"現力"),
      TextAt(145, 63, u"合6F値"),
      TextAt(163, 60, u"前3F"),
      TextAt(163, 65, u"Time"),
      TextAt(176, 60, u"後3F"),
      TextAt(176, 65, u"Time"),
      TextAt(189, 63, u"上昇値"),
      TextAt(206, 60, u"調教"),
      TextAt(206, 65, u"状態"),
      TextAt(219, 63, u"馬番"),
      TextAt(233, 60, u"所要"),
      TextAt(233, 65, u"Time"),
      TextAt(248, 63, u"総合評価"),
      LineOf(25, 59, 271, 59),
      LineOf(25, 71, 271, 71),
  };
  for (int m = 0; m < 18; ++m) ops.push_back(LineOf(25, 77 + 6 * m, 271, 77 + 6 * m));
  ops.push_back(LineOf(25, 59, 25, 179));
  ops.push_back(LineOf(271, 59, 271, 179));
  return ops;
}

constexpr int kRace = 2;

Text Tagged(const char16_t* what, int runner) {
  return what + model::NumberToText(runner);
}

class AnalysisSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& card = app_.meeting.Group<intake::RaceCardTables>();
    card.RaceDate(kRace) = u"H13.01.06";
    card.RaceCourseName(kRace) = u"中山";
    card.RaceNoLabel(kRace) = u"  ２Ｒ";
    card.RaceClassLabel(kRace) = u"  500万 ";
    card.RaceSurfaceLabel(kRace) = u"  芝  ";
    card.RaceDistanceLabel(kRace) = u"1600";
    card.RunnerCount(kRace) = u"3";
    app_.meeting.Group<model::AnalysisTables>().TodayGoingText() = u" 稍重 ";
    analysis::SetAnalysedRace(app_.meeting, kRace);
    auto& t = Tables();
    const Text abilities[] = {u"5", u"***", u"-15"};
    const Text overall[] = {u"-31", u"7", u"0"};
    for (int i = 1; i <= 4; ++i) {
      card.HorseName(kRace, i) = Tagged(u"name ", i);
      for (int run = 1; run <= 5; ++run) t.ProvEvalText[run](i) = Tagged(u"run", run) + Tagged(u" of ", i);
      t.SpeedValueText(i) = Tagged(u"speed ", i);
      t.GradeSpeed(i) = Tagged(u"g1 ", i);
      t.CurrentAbility(i) = i <= 3 ? abilities[i - 1] : u"0";
      t.CurrentAbilityText(i) = Tagged(u"ability ", i);
      t.GradeAbility(i) = Tagged(u"g2 ", i);
      t.Total6FText(i) = Tagged(u"6f ", i);
      t.Grade3F(i) = Tagged(u"g3 ", i);
      t.Front3FText(i) = Tagged(u"front ", i);
      t.Back3FText(i) = Tagged(u"back ", i);
      t.RiseValue(i) = Tagged(u"rise ", i);
      t.GradeRise(i) = Tagged(u"g4 ", i);
      t.TrainingState(kRace, i) = Tagged(u"training ", i);
      t.PredictedTime(i) = u"before";
      t.OverallGrade(i) = Tagged(u"code ", i);
      app_.meeting.Group<ColouringTables>().OverallEval(i) = i <= 3 ? overall[i - 1] : u"5";
    }
    analysis::frmAg3& w = Window();
    w.Label6.SetCaption(u"1.36.0");
    w.Label7.SetCaption(u"ミドル");
    w.Label18.SetCaption(u"  1.59.8");
    w.Label21.SetCaption(u"+10.5");
    w.Label22.SetCaption(u"-02.0");
    w.Label23.SetCaption(u"+03.1");
    w.Label24.SetCaption(u" +  3.2");
    w.Label25.SetCaption(u"五25");
    w.Label36.SetCaption(u"80%");
    w.Label37.SetCaption(u"良");
    w.Text1.SetText(u"");
  }
  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  secondary::SecondaryAnalysisTables& Tables() {
    return app_.meeting.Group<secondary::SecondaryAnalysisTables>();
  }

  // The race data block and the heading row's averages, as SetUp leaves them.
  static std::vector<Op> RaceData() {
    return {TextAt(55, 18, u"H13.01.06"),      TextAt(108, 18, u"中山"),      TextAt(143, 18, u"  ２Ｒ"),
            TextAt(55, 24, u"  500万 "),       TextAt(107, 24, u"  芝  "),    TextAt(55, 30, u"1600 m"),
            TextAt(105, 30, u" 稍重 "),        TextAt(55, 36, u"3"),          TextAt(113, 36, u"1.36.0"),
            TextAt(113, 42, u"ミドル"),        TextAt(227, 24, u"  80%  良"), TextAt(227, 30, u"  1.59.8"),
            TextAt(229, 36, u" +  3.2  五25"), TextAt(135, 42, u""),          TextAt(75, 65, u"+10.5"),
            TextAt(87, 65, u"-02.0"),          TextAt(99, 65, u"+03.1")};
  }
  static std::vector<Op> RunnerRow(int i, const Text& number, const Text& predicted, const Text& overall) {
    const double y = 72 + 6 * (i - 1);
    return {TextAt(27, y, number),
            TextAt(37, y, Tagged(u"name ", i)),
            TextAt(80, y, u"run3" + Tagged(u" of ", i)),
            TextAt(91, y, u"run2" + Tagged(u" of ", i)),
            TextAt(102, y, u"run1" + Tagged(u" of ", i)),
            TextAt(114, y, Tagged(u"speed ", i)),
            TextAt(123, y, Tagged(u"g1 ", i)),
            TextAt(130, y, Tagged(u"ability ", i)),
            TextAt(139, y, Tagged(u"g2 ", i)),
            TextAt(145, y, Tagged(u"6f ", i)),
            TextAt(156, y, Tagged(u"g3 ", i)),
            TextAt(161, y, Tagged(u"front ", i)),
            TextAt(175, y, Tagged(u"back ", i)),
            TextAt(190, y, Tagged(u"rise ", i)),
            TextAt(199, y, Tagged(u"g4 ", i)),
            TextAt(206, y, Tagged(u"training ", i)),
            TextAt(220, y, number),
            TextAt(231, y, predicted),
            TextAt(249, y, Tagged(u"code ", i)),
            TextAt(260, y, overall)};
  }

  program::Program app_;
};

TEST_F(AnalysisSheet, PrintsOneA4LandscapePageWithEveryTextAtItsPlace) {
  // Settings another printout left behind are not this sheet's.
  app_.printer.SetScaleMode(ui::kScaleTwips);
  app_.printer.SetPaperSize(ui::kPaperB4);
  app_.printer.SetOrientation(ui::kPortrait);
  app_.printer.SetFontSize(12);
  PrintAnalysisSheet(app_);

  ASSERT_EQ(app_.printer.Documents().size(), 1u);
  const ui::PrintedDocument& doc = app_.printer.Documents()[0];
  EXPECT_EQ(doc.scale_mode, ui::kScaleMillimeters);
  EXPECT_EQ(doc.paper_size, ui::kPaperA4);
  EXPECT_EQ(doc.orientation, ui::kLandscape);
  EXPECT_EQ(doc.font_size, 9);
  // The sheet's own set-up comes last, millimetres first so that every position is in them.
  const std::vector<ui::PrinterSetting> setup = {{ui::PrinterSetting::kScaleMode, ui::kScaleMillimeters},
                                                 {ui::PrinterSetting::kPaperSize, ui::kPaperA4},
                                                 {ui::PrinterSetting::kOrientation, ui::kLandscape},
                                                 {ui::PrinterSetting::kFontSize, 9}};
  ASSERT_GE(doc.settings.size(), setup.size());
  EXPECT_EQ(std::vector<ui::PrinterSetting>(doc.settings.end() - 4, doc.settings.end()), setup);
  for (const ui::DrawOp& op : doc.ops) {
    if (op.kind == ui::DrawOpKind::kText) {
      EXPECT_EQ(op.font_size, 9) << model::ToUtf8(op.text);
    }
  }

  std::vector<Op> expected = FixedPart();
  Append(expected, RaceData());
  // The carry into the minutes, the marker of a runner without ability, a negative overall value.
  Append(expected, RunnerRow(1, u" 1", u"2.00.3", u"-031"));
  Append(expected, RunnerRow(2, u" 2", u"*.**.*", u"007"));
  Append(expected, RunnerRow(3, u" 3", u"1.58.3", u"000"));
  EXPECT_EQ(OpsOf(doc), expected);
}

TEST_F(AnalysisSheet, RewritesThePredictedTimesOfTheRaceAndNotTheGrid) {
  analysis::frmAg3& w = Window();
  w.MSFlexGrid2.SetTextMatrix(2, 19, u"grid");
  PrintAnalysisSheet(app_);
  auto& t = Tables();
  EXPECT_EQ(t.PredictedTime(1), u"2.00.3");
  EXPECT_EQ(t.PredictedTime(2), u"*.**.*");
  EXPECT_EQ(t.PredictedTime(3), u"1.58.3");
  EXPECT_EQ(t.PredictedTime(4), u"before");  // not a runner of the race
  EXPECT_EQ(w.MSFlexGrid2.TextMatrix(2, 19), u"grid");

  // Printing again gives the same sheet from the same base time.
  PrintAnalysisSheet(app_);
  ASSERT_EQ(app_.printer.Documents().size(), 2u);
  EXPECT_EQ(OpsOf(app_.printer.Documents()[0]), OpsOf(app_.printer.Documents()[1]));
}

TEST_F(AnalysisSheet, ABaseTimeThatIsNoTimePrintsTheMarkerForEveryRunner) {
  const Text captions[] = {u"", u"  1.36", u"  1:59.8", u"  ----"};
  for (const Text& caption : captions) {
    Window().Label18.SetCaption(caption);
    PrintAnalysisSheet(app_);
    const std::vector<Op> ops = OpsOf(app_.printer.Documents().back());
    for (int i = 1; i <= 3; ++i) {
      const size_t at = FixedPart().size() + RaceData().size() + 20 * (i - 1) + 17;
      ASSERT_LT(at, ops.size());
      EXPECT_EQ(ops[at], TextAt(231, 72 + 6 * (i - 1), u"*.**.*")) << model::ToUtf8(caption);
      EXPECT_EQ(Tables().PredictedTime(i), u"*.**.*");
    }
    // The caption itself prints as shown.
    EXPECT_EQ(ops[FixedPart().size() + 11], TextAt(227, 30, caption));
  }
}

TEST_F(AnalysisSheet, RowsFollowTheFieldUpToEighteen) {
  struct Case {
    Text count;
    size_t rows;
  };
  for (const Case& c : {Case{u"0", 0}, Case{u"1", 1}, Case{u"8", 8}, Case{u"18", 18}, Case{u"30", 18}}) {
    app_.meeting.Group<intake::RaceCardTables>().RunnerCount(kRace) = c.count;
    PrintAnalysisSheet(app_);
    const std::vector<Op> ops = OpsOf(app_.printer.Documents().back());
    ASSERT_EQ(ops.size(), FixedPart().size() + RaceData().size() + 20 * c.rows) << model::ToUtf8(c.count);
    // The count prints as the race card holds it; the last row sits 6 mm above its rule.
    EXPECT_EQ(ops[FixedPart().size() + 7], TextAt(55, 36, c.count));
    if (c.rows > 0) {
      const Op& last_number = ops[ops.size() - 20];
      EXPECT_EQ(last_number, TextAt(27, 72 + 6 * (c.rows - 1), model::NumberToSpacedText(c.rows)));
    }
  }
}

TEST_F(AnalysisSheet, WithoutAConfirmedRaceNothingIsPrintedOrChanged) {
  analysis::SetAnalysedRace(app_.meeting, 0);
  PrintAnalysisSheet(app_);
  EXPECT_TRUE(app_.printer.Documents().empty());
  EXPECT_TRUE(app_.printer.PendingOps().empty());
  EXPECT_EQ(Tables().PredictedTime(1), u"before");
}

TEST_F(AnalysisSheet, ThePrintButtonPrintsOneSheetPerTick) {
  auto& main = app_.Show<shell::frmAg0>();
  main.Check1.SetEnabled(true);
  main.Check1.UserClick();
  ASSERT_TRUE(main.Command4.Enabled());
  main.Command4.UserClick();
  ASSERT_EQ(app_.printer.Documents().size(), 1u);
  EXPECT_FALSE(main.Command4.Enabled());
  EXPECT_EQ(main.Check1.Value(), ui::kUnchecked);
  EXPECT_TRUE(main.Check1.Enabled());
  EXPECT_EQ(Tables().PredictedTime(1), u"2.00.3");
}

}  // namespace
}  // namespace recommend
