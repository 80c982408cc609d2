// The analysis sheet of a sample race after the whole chain, printed with the main window's "印刷":
// the sheet reads what the analyses left, and printing leaves the analysis window as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "program/program.h"
#include "recommend/colouring_tables.h"
#include "recommend/sheet_predicted_time.h"
#include "secondary/secondary_analysis_tables.h"
#include "shell/frm_ag0.h"
#include "tests/support/sample_road.h"
#include "ui/grid.h"

namespace recommend {
namespace {

using model::Text;

// The text printed at (x, y), or nothing when no text is there.
const ui::DrawOp* TextAt(const ui::PrintedDocument& doc, double x, double y) {
  for (const ui::DrawOp& op : doc.ops) {
    if (op.kind == ui::DrawOpKind::kText && op.x1 == x && op.y1 == y) return &op;
  }
  return nullptr;
}

std::vector<Text> GridTexts(const ui::FlexGrid& grid) {
  std::vector<Text> texts;
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) texts.push_back(grid.TextMatrix(r, c));
  }
  return texts;
}

TEST(AnalysisSheetRoad, SampleRacePrintsWhatTheAnalysesLeft) {
  constexpr int kRace = 3;
  program::Program app;
  app.Start();
  ASSERT_EQ(testsupport::RoadToAnalysisWindow(app), "");
  std::string lines = "select frmAg3.Combo1 1\n";
  for (int k = 0; k < kRace; ++k) lines += "click frmAg3.Command16\n";
  lines +=
      "click frmAg3.Command18\nclick frmAg3.Command20\nclick frmAg3.Command5\nclick frmAg3.Command9\n"
      "click frmAg3.Command10\nclick frmAg3.Command11\n";
  ASSERT_EQ(testsupport::RunLines(app, lines), "");
  ASSERT_EQ(analysis::AnalysedRaceIndex(app.meeting), kRace);
  const int runners = analysis::AnalysedRunnerCount(app.meeting);
  ASSERT_GT(runners, 0);

  analysis::frmAg3& w = app.Form<analysis::frmAg3>();
  const std::vector<Text> grid_before = GridTexts(w.MSFlexGrid2);
  ASSERT_EQ(testsupport::RunLines(app, "click frmAg0.Check1\nclick frmAg0.Command4\n"), "");
  EXPECT_TRUE(app.Messages().empty());
  ASSERT_EQ(app.printer.Documents().size(), 1u);
  const ui::PrintedDocument& doc = app.printer.Documents()[0];
  EXPECT_EQ(doc.paper_size, ui::kPaperA4);
  EXPECT_EQ(doc.orientation, ui::kLandscape);

  // 15 + 20 fixed texts, 22 rules, 17 values of the race, 20 per runner.
  EXPECT_EQ(doc.ops.size(), static_cast<size_t>(15 + 20 + 22 + 17 + 20 * runners));
  const auto& card = app.meeting.Group<intake::RaceCardTables>();
  const auto& t = app.meeting.Group<secondary::SecondaryAnalysisTables>();
  const auto& colouring = app.meeting.Group<ColouringTables>();
  ASSERT_NE(TextAt(doc, 55, 30), nullptr);
  EXPECT_EQ(TextAt(doc, 55, 30)->text, card.RaceDistanceLabel(kRace) + u" m");
  ASSERT_NE(TextAt(doc, 227, 30), nullptr);
  EXPECT_EQ(TextAt(doc, 227, 30)->text, w.Label18.Caption());
  ASSERT_NE(TextAt(doc, 135, 42), nullptr);
  EXPECT_EQ(TextAt(doc, 135, 42)->text, w.Text1.Text());
  for (int i = 1; i <= runners; ++i) {
    SCOPED_TRACE(i);
    const double y = 72 + 6 * (i - 1);
    for (double x : {27.0, 220.0}) {
      ASSERT_NE(TextAt(doc, x, y), nullptr);
      EXPECT_EQ(TextAt(doc, x, y)->text, model::NumberToSpacedText(i));
    }
    ASSERT_NE(TextAt(doc, 37, y), nullptr);
    EXPECT_EQ(TextAt(doc, 37, y)->text, card.HorseName(kRace, i));
    ASSERT_NE(TextAt(doc, 231, y), nullptr);
    EXPECT_EQ(TextAt(doc, 231, y)->text, SheetPredictedTime(w.Label18.Caption(), t.CurrentAbility(i)));
    EXPECT_EQ(TextAt(doc, 231, y)->text, t.PredictedTime(i));
    // The time as a user reads it: a real time, or the marker where there is no current ability.
    if (t.CurrentAbility(i) != u"***") {
      EXPECT_NE(t.PredictedTime(i), u"*.**.*");
    }
    ASSERT_NE(TextAt(doc, 260, y), nullptr);
    EXPECT_EQ(TextAt(doc, 260, y)->text,
              model::NumberToPatternText(model::TextToNumber(colouring.OverallEval(i)), u"000"));
  }
  EXPECT_EQ(TextAt(doc, 27, 72 + 6 * runners), nullptr);

  // The runner grid keeps the secondary analysis's values; the print box waits for a new tick.
  EXPECT_EQ(GridTexts(w.MSFlexGrid2), grid_before);
  auto& main = app.Form<shell::frmAg0>();
  EXPECT_FALSE(main.Command4.Enabled());
  EXPECT_EQ(main.Check1.Value(), ui::kUnchecked);
}

}  // namespace
}  // namespace recommend
