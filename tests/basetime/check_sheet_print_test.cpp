#include "basetime/check_sheet_print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basetime/frm_ag7.h"
#include "basetime/run_summary.h"
#include "check_window_fixture.h"
#include "intake/race_card_tables.h"
#include "model/analysis_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "tests/support/printed_ops.h"

namespace basetime {
namespace {

using model::Text;
using testing::BuiltCheckWindow;

using Op = testsupport::PrintedOp;

Op TextAt(double x, double y, const Text& text) {
  return testsupport::PrintedText(x, y, text);
}
Op Rule(double y) {
  return testsupport::PrintedLine(1, y, 352, y);
}
std::vector<Op> OpsOf(const ui::PrintedDocument& doc) {
  return testsupport::PrintedOpsOf(doc);
}

// Title, field labels and column heads, then the 20 rules: the same on every sheet.
std::vector<Op> FixedPart() {
  std::vector<Op> ops = {
      TextAt(27, 8, u"[ 競馬予想プログラム （ Tarvelo　Ver 1.0 ）]"),
      TextAt(28, 18, u"（開 催 日）"),
      TextAt(28, 24, u"（競 馬 場）"),
      TextAt(80, 24, u"（ﾚ-ｽ   NO）"),
      TextAt(28, 30, u"（条  　件）"),
      TextAt(80, 30, u"（タ － フ）"),
      TextAt(28, 36, u"（距　  離）"),
      TextAt(80, 36, u"（馬場状態）"),
      TextAt(28, 42, u"（頭　　数）"),
      TextAt(1, 63, u"馬番"),
      TextAt(37, 63, u"＜５走前＞"),
      TextAt(102, 63, u"＜４走前＞"),
      TextAt(167, 63, u"＜３走前＞"),
      TextAt(232, 63, u"＜２走前＞"),
      TextAt(297, 63, u"＜前　走＞"),
      Rule(59),
      Rule(71),
  };
  for (int m = 0; m < 18; ++m) ops.push_back(Rule(77 + 6 * m));
  return ops;
}

class CheckSheet : public BuiltCheckWindow {
 protected:
  void SetUp() override {
    BuiltCheckWindow::SetUp();
    intake::RaceCardTables& card = m_.Group<intake::RaceCardTables>();
    card.RaceDate(2) = u"H13.01.06";
    card.RaceCourseName(2) = u"中山";
    card.RaceNoLabel(2) = u"  ２Ｒ";
    card.RaceClassLabel(2) = u"  500万 ";
    card.RaceSurfaceLabel(2) = u"  芝  ";
    card.RaceDistanceLabel(2) = u"1600";
    card.RunnerCount(2) = u"12";
  }
  // Race data of race 2 as printed, with today's going.
  std::vector<Op> RaceData(const Text& going) {
    return {TextAt(55, 18, u"H13.01.06"), TextAt(55, 24, u"中山"),    TextAt(105, 24, u"  ２Ｒ"),
            TextAt(55, 30, u"  500万 "),  TextAt(107, 30, u"  芝  "), TextAt(55, 36, u"1600"),
            TextAt(105, 36, going),       TextAt(55, 42, u"12")};
  }
  std::vector<Op> RunnerRow(int race, int i) {
    const double y = 72 + 6 * (i - 1);
    return {TextAt(2, y, u" " + model::NumberToText(i)), TextAt(13, y, b_.RunSummary[5](race, i)),
            TextAt(81, y, b_.RunSummary[4](race, i)),    TextAt(149, y, b_.RunSummary[3](race, i)),
            TextAt(217, y, b_.RunSummary[2](race, i)),   TextAt(285, y, b_.RunSummary[1](race, i))};
  }
  frmAg7& ReadyToPrint(int entry) {
    frmAg7& w = ShownWindow();
    w.Check1.UserClick();
    w.Combo2.UserSelect(entry);
    return w;
  }
};

TEST_F(CheckSheet, PrintsTheChosenRaceOnB4Landscape) {
  m_.Group<model::AnalysisTables>().TodayGoingText() = u" 稍重 ";
  frmAg7& w = ReadyToPrint(1);
  w.Command5.UserClick();
  ASSERT_EQ(app_.printer.Documents().size(), 1u);
  const ui::PrintedDocument& doc = app_.printer.Documents()[0];
  EXPECT_EQ(doc.scale_mode, 6);
  EXPECT_EQ(doc.paper_size, 12);
  EXPECT_EQ(doc.orientation, 2);
  EXPECT_EQ(doc.font_size, ui::Printer().FontSize());  // the printer's own size: none is set

  std::vector<Op> expected = FixedPart();
  for (const Op& op : RaceData(u" 稍重 ")) expected.push_back(op);
  for (int i = 1; i <= 12; ++i) {
    for (const Op& op : RunnerRow(2, i)) expected.push_back(op);
  }
  EXPECT_EQ(OpsOf(doc), expected);
  EXPECT_EQ(OpsOf(doc)[expected.size() - 1].text, kUnusableRunMark);  // runner 12's last run
  EXPECT_EQ(OpsOf(doc)[FixedPart().size() + 8 + 5].text, b_.RunSummary[1](2, 1));
}

TEST_F(CheckSheet, BeforeAnyAnalysisTheGoingPrintsNothing) {
  frmAg7& w = ReadyToPrint(1);
  w.Command5.UserClick();
  ASSERT_EQ(app_.printer.Documents().size(), 1u);
  const std::vector<Op> ops = OpsOf(app_.printer.Documents()[0]);
  EXPECT_EQ(ops[FixedPart().size() + 6], TextAt(105, 36, u""));
}

TEST_F(CheckSheet, RaceWithoutRunnersPrintsEverythingButRunnerRows) {
  m_.Group<intake::RaceCardTables>().RunnerCount(2) = u" 0";
  ReadyToPrint(1).Command5.UserClick();
  ASSERT_EQ(app_.printer.Documents().size(), 1u);
  const std::vector<Op> ops = OpsOf(app_.printer.Documents()[0]);
  ASSERT_EQ(ops.size(), FixedPart().size() + 8);
  EXPECT_EQ(ops.back(), TextAt(55, 42, u" 0"));
}

// Rows beyond 18 print on below the last rule; the table holds every one of the 20 runners.
TEST_F(CheckSheet, RunnersBeyondEighteenPrintBelowTheRules) {
  ReadyToPrint(2).Command5.UserClick();
  ASSERT_EQ(app_.printer.Documents().size(), 1u);
  const std::vector<Op> ops = OpsOf(app_.printer.Documents()[0]);
  ASSERT_EQ(ops.size(), FixedPart().size() + 8 + 20 * 6);
  const std::vector<Op> last(ops.end() - 12, ops.end());
  std::vector<Op> expected = RunnerRow(3, 19);
  for (const Op& op : RunnerRow(3, 20)) expected.push_back(op);
  EXPECT_EQ(last, expected);
  EXPECT_EQ(last[0], TextAt(2, 180, u" 19"));
  EXPECT_EQ(last[6].y1, 186);
  EXPECT_EQ(model::Left(last[11].text, 5), u"阪五20芝");  // runner 20's last run
  int rules = 0;
  for (const Op& op : ops) rules += op.kind == "line" ? 1 : 0;
  EXPECT_EQ(rules, 20);
}

TEST_F(CheckSheet, PrintingTwiceGivesTwoEqualSheetsAndLeavesTheTick) {
  frmAg7& w = ReadyToPrint(0);
  w.Command5.UserClick();
  w.Command5.UserClick();
  ASSERT_EQ(app_.printer.Documents().size(), 2u);
  EXPECT_EQ(OpsOf(app_.printer.Documents()[0]), OpsOf(app_.printer.Documents()[1]));
  EXPECT_EQ(w.Check1.Value(), ui::kChecked);
  EXPECT_TRUE(w.Command5.Enabled());
  EXPECT_TRUE(w.Combo2.Enabled());
}

TEST_F(CheckSheet, PrintNeedsTheTickAndAChosenRace) {
  frmAg7& w = ShownWindow();
  w.Command5.UserClick();  // not ticked: disabled
  EXPECT_TRUE(app_.printer.Documents().empty());
  w.Check1.UserClick();
  w.Combo2.UserType(u"２Ｒ");
  ASSERT_EQ(w.Combo2.ListIndex(), -1);
  w.Command5.UserClick();
  EXPECT_TRUE(app_.printer.Documents().empty());
  EXPECT_TRUE(app_.printer.PendingOps().empty());
}

}  // namespace
}  // namespace basetime
