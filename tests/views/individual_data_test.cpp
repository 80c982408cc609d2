// The individual-data window: its heads, and one runner's runs copied into fixed cells, the last
// run on the right, the run's terms under the turf column only.
#include "views/individual_data.h"

#include <gtest/gtest.h>

#include <string>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "views/frm_ag8.h"

namespace views {
namespace {

using model::Text;

Text Tag(const std::string& what, int b) {
  return model::FromUtf8(what + std::to_string(b));
}

class IndividualData : public ::testing::Test {
 protected:
  static constexpr int kRace = 3;

  // Every element names its table and run, so that a cell shows where it came from.
  void SetRunner(int j, const std::string& horse) {
    auto& card = app_.meeting.Group<intake::RaceCardTables>();
    card.RaceNoLabel(kRace) = u"3R";
    card.HorseNo(kRace, j) = model::FromUtf8(horse + "no");
    card.HorseName(kRace, j) = model::FromUtf8(horse);
    auto& runs = app_.meeting.Group<intake::PastRunTables>();
    model::RunnerFamily* facts[] = {&runs.RunCourseName,  &runs.RunDateText,       &runs.RunClassName,
                                    &runs.RunSurfaceName, &runs.RunDistanceText,   &runs.RunFieldSizeText,
                                    &runs.RunPaceName,    &runs.RunGoingName,      &runs.RunGateText,
                                    &runs.RunWeightText,  &runs.RunBodyWeightText, &runs.RunPositionText,
                                    &runs.RunTimeText,    &runs.RunMarginText,     &runs.RunFirst3FText,
                                    &runs.RunLast3FText,  &runs.RunPassingText,    &runs.RunTroubleFlag};
    auto& basic = app_.meeting.Group<basic::BasicAnalysisTables>();
    model::AnalysedRunnerFamily* values[] = {
        &basic.RunTurfTime,     &basic.RunDirtTime, &basic.RunWeightTerm,   &basic.RunTurfWeighted,
        &basic.RunDirtWeighted, &basic.RunPaceTerm, &basic.RunTroubleTerm,  &basic.RunGoingTerm,
        &basic.RunTurfEval,     &basic.RunDirtEval, &basic.RunTurfEvalText, &basic.RunDirtEvalText};
    for (int b = 1; b <= 5; ++b) {
      for (int k = 0; k < 18; ++k) (*facts[k])[b](kRace, j) = Tag(horse + "f" + std::to_string(k) + "r", b);
      for (int k = 0; k < 12; ++k) (*values[k])[b](j) = Tag(horse + "v" + std::to_string(k) + "r", b);
    }
  }

  program::Program app_;
};

TEST_F(IndividualData, LoadsWithHeadsOnly) {
  frmAg8& w = app_.Show<frmAg8>();
  const ui::FlexGrid& h = w.MSFlexGrid1;
  const ui::FlexGrid& v = w.MSFlexGrid2;
  EXPECT_EQ(h.Rows(), 20);
  EXPECT_EQ(h.TextMatrix(1, 5), u"前　走");
  EXPECT_EQ(h.TextMatrix(19, 0), u"不　　利");
  for (int c = 0; c < 6; ++c) EXPECT_EQ(h.TextMatrix(0, c), u"");
  for (int r = 2; r < 20; ++r) {
    for (int c = 1; c < 6; ++c) EXPECT_EQ(h.TextMatrix(r, c), u"");
  }
  EXPECT_EQ(v.TextMatrix(0, 1), u"５走前");
  EXPECT_EQ(v.TextMatrix(0, 2), u"５走前");
  EXPECT_EQ(v.TextMatrix(0, 10), u"前　走");
  EXPECT_EQ(v.TextMatrix(1, 9), u"芝");
  EXPECT_EQ(v.TextMatrix(1, 10), u"ﾀﾞ-ﾄ");
  EXPECT_EQ(v.TextMatrix(9, 0), u"");
  EXPECT_TRUE(v.MergeRow(0));
  EXPECT_FALSE(v.MergeRow(1));
}

TEST_F(IndividualData, CopiesEveryCellFromItsTableAndRun) {
  SetRunner(2, "A");
  SetRunner(5, "B");
  FillIndividualData(app_, kRace, 5);
  FillIndividualData(app_, kRace, 2);
  frmAg8& w = app_.Form<frmAg8>();
  EXPECT_FALSE(w.Visible());
  const ui::FlexGrid& h = w.MSFlexGrid1;
  const ui::FlexGrid& v = w.MSFlexGrid2;
  EXPECT_EQ(h.TextMatrix(0, 0), u"3R");
  EXPECT_EQ(h.TextMatrix(1, 0), u"Ano");
  EXPECT_TRUE(h.MergeRow(0));
  for (int c = 1; c <= 5; ++c) {
    const int b = 6 - c;
    EXPECT_EQ(h.TextMatrix(0, c), u"A");
    for (int k = 0; k < 18; ++k) EXPECT_EQ(h.TextMatrix(k + 2, c), Tag("Af" + std::to_string(k) + "r", b));
    const int turf = 2 * c - 1;
    const int dirt = 2 * c;
    const int turf_values[] = {0, 2, 3, 5, 6, 7, 8, 10};  // rows 2 to 9
    for (int r = 2; r <= 9; ++r) {
      EXPECT_EQ(v.TextMatrix(r, turf), Tag("Av" + std::to_string(turf_values[r - 2]) + "r", b)) << r;
    }
    const std::pair<int, int> dirt_values[] = {{2, 1}, {4, 4}, {8, 9}, {9, 11}};
    for (const auto& [r, k] : dirt_values)
      EXPECT_EQ(v.TextMatrix(r, dirt), Tag("Av" + std::to_string(k) + "r", b));
    // The run's terms show once, under the turf column; the first horse left nothing behind there.
    for (int r : {3, 5, 6, 7}) EXPECT_EQ(v.TextMatrix(r, dirt), u"") << r;
  }
}

TEST_F(IndividualData, AHorseNamePressFillsOnlyOnceARaceIsConfirmed) {
  SetRunner(2, "A");
  analysis::frmAg3& a = app_.Show<analysis::frmAg3>();
  a.MSFlexGrid2.UserMouseDown(1, 0, 100, 3 * 230 + 10);  // row 3: runner 2
  EXPECT_FALSE(app_.IsLoaded<frmAg8>());
  analysis::SetAnalysedRace(app_.meeting, kRace);
  a.MSFlexGrid2.UserMouseDown(1, 0, 100, 3 * 230 + 10);
  ASSERT_TRUE(app_.IsLoaded<frmAg8>());
  EXPECT_EQ(app_.Form<frmAg8>().MSFlexGrid1.TextMatrix(0, 3), u"A");
  EXPECT_EQ(app_.Form<frmAg8>().MSFlexGrid1.TextMatrix(2, 5), Tag("Af0r", 1));
}

// The name cells of rows 2 to 19 are runners 1 to 18, from the first twip of each row band to its last.
TEST_F(IndividualData, TheFirstAndTheLastRunnersNamesFillTheirRunner) {
  struct Case {
    double y;
    int runner;
    const char* horse;
  };
  const Case cases[] = {
      {2 * 230, 1, "First"},         {3 * 230 - 1, 1, "First"},   // row 2
      {19 * 230, 18, "Last"},        {20 * 230 - 1, 18, "Last"},  // row 19
      {10 * 230 + 115, 9, "Middle"},
  };
  SetRunner(5, "Other");
  for (const Case& c : cases) SetRunner(c.runner, c.horse);
  analysis::SetAnalysedRace(app_.meeting, kRace);
  analysis::frmAg3& a = app_.Show<analysis::frmAg3>();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    FillIndividualData(app_, kRace, 5);  // so that a press that fills nothing shows
    a.MSFlexGrid2.UserMouseDown(1, 0, 800, c.y);
    const ui::FlexGrid& h = app_.Form<frmAg8>().MSFlexGrid1;
    EXPECT_EQ(h.TextMatrix(0, 1), model::FromUtf8(c.horse));
    EXPECT_EQ(h.TextMatrix(1, 0), model::FromUtf8(std::string(c.horse) + "no"));
    EXPECT_EQ(h.TextMatrix(2, 5), Tag(std::string(c.horse) + "f0r", 1));
  }
}

}  // namespace
}  // namespace views
