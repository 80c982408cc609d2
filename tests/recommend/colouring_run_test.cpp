// "色分け" end to end on the sample meeting: the road through both analyses, then the click, with what
// it paints, writes and opens; and the click without a confirmed race.
#include "recommend/colouring_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysed_race.h"
#include "analysis/analysis_window_tables.h"
#include "analysis/frm_ag3.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "program/program.h"
#include "recommend/colouring_tables.h"
#include "recommend/going_aptitudes.h"
#include "recommend/overall_evaluation.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/sample_road.h"
#include "ui/palette.h"

namespace recommend {
namespace {

using analysis::frmAg3;
using model::Text;

const Text kTop = u"\u25CE";     // ◎
const Text kSecond = u"\u25B3";  // △

struct GridState {
  int cols = 0;
  std::vector<Text> texts;
  std::vector<ui::Color> colours;
  ui::Color ColourAt(int r, int c) const { return colours[static_cast<size_t>(r * cols + c)]; }
};

GridState StateOf(const ui::FlexGrid& grid) {
  GridState state;
  state.cols = grid.Cols();
  for (int r = 0; r < grid.Rows(); ++r) {
    for (int c = 0; c < grid.Cols(); ++c) {
      state.texts.push_back(grid.TextMatrix(r, c));
      state.colours.push_back(grid.CellBackColorAt(r, c));
    }
  }
  return state;
}

class ColouringRoad : public ::testing::Test {
 protected:
  // Today's going by its list position, race `race` confirmed and through both analyses.
  void AnalyseRace(int going, int race) {
    app_.Start();
    ASSERT_EQ(testsupport::RoadToAnalysisWindow(app_), "");
    std::string lines = "select frmAg3.Combo1 " + std::to_string(going) + "\n";
    for (int k = 0; k < race; ++k) lines += "click frmAg3.Command16\n";
    lines += "click frmAg3.Command18\nclick frmAg3.Command20\nclick frmAg3.Command5\n";
    ASSERT_EQ(testsupport::RunLines(app_, lines), "");
    ASSERT_TRUE(app_.Messages().empty());
    app_.screen.SetPointerWatcher([this](int p) { pointers_.push_back(p); });
  }
  void ClickColouring() { ASSERT_EQ(testsupport::RunLines(app_, "click frmAg3.Command9\n"), ""); }
  frmAg3& Window() { return app_.Form<frmAg3>(); }

  program::Program app_;
  std::vector<int> pointers_;
};

TEST_F(ColouringRoad, PaintsWritesAndOpensTheFilter) {
  constexpr int kRace = 2;
  AnalyseRace(2, kRace);
  frmAg3& w = Window();
  const GridState before = StateOf(w.MSFlexGrid2);
  ClickColouring();

  EXPECT_EQ(pointers_, (std::vector<int>{ui::pointer::kHourglass, ui::pointer::kDefault}));
  EXPECT_FALSE(w.Command9.Enabled());
  EXPECT_TRUE(w.Command10.Enabled());
  EXPECT_TRUE(w.Check6.Visible());
  EXPECT_EQ((std::vector<double>{w.Frame1.Left(), w.Frame1.Top(), w.Frame1.Width(), w.Frame1.Height()}),
            (std::vector<double>{9850, 0, 2900, 1100}));

  // No text changes; the columns the colouring does not own keep their colour.
  const GridState after = StateOf(w.MSFlexGrid2);
  EXPECT_EQ(after.texts, before.texts);
  const ui::FlexGrid& grid = w.MSFlexGrid2;
  const int runners = analysis::AnalysedRunnerCount(app_.meeting);
  ASSERT_GT(runners, 4);
  for (int runner = 1; runner <= runners; ++runner) {
    for (int column : {0, 6, 12, 13, 16, 17, 18, 21}) {
      EXPECT_EQ(after.ColourAt(runner + 1, column), before.ColourAt(runner + 1, column))
          << runner << ", " << column;
    }
  }
  EXPECT_NE(after.colours, before.colours);

  // The marks follow the bands of their columns.
  const ColouringTables& t = app_.meeting.Group<ColouringTables>();
  const auto& s = app_.meeting.Group<secondary::SecondaryAnalysisTables>();
  for (int runner = 1; runner <= runners; ++runner) {
    SCOPED_TRACE(runner);
    const ui::Color front = grid.CellBackColorAt(runner + 1, 7);
    EXPECT_EQ(t.PointFront(kRace, runner), front == ui::palette::kPink          ? kTop
                                           : front == ui::palette::kLightYellow ? kSecond
                                                                                : u"");
    const ui::Color back = grid.CellBackColorAt(runner + 1, 8);
    EXPECT_EQ(t.PointCloser(kRace, runner), back == ui::palette::kPink          ? kTop
                                            : back == ui::palette::kLightYellow ? kSecond
                                                                                : u"");
    EXPECT_EQ(t.PointForm(kRace, runner) == kTop, grid.CellBackColorAt(runner + 1, 14) == ui::palette::kPink);
    if (s.SpeedValue(runner) == u"***") {
      EXPECT_EQ(after.ColourAt(runner + 1, 1), before.ColourAt(runner + 1, 1));
    }
  }

  // The overall evaluations of the race's grades and weights, their bins adding up to the field.
  const auto& card = app_.meeting.Group<intake::RaceCardTables>();
  const GradeWeights weights = WeightsOf(card.RaceSurfaceCode(kRace), card.RaceDistance(kRace));
  EXPECT_NE(weights, (GradeWeights{0, 0, 0, 0}));
  double binned = 0;
  for (int bin = 1; bin <= ColouringTables::kScoreBins; ++bin) {
    binned += model::TextToNumber(t.ScoreBin(bin)(kRace));
  }
  EXPECT_EQ(binned, runners);
  bool a_top = false;
  for (int runner = 1; runner <= runners; ++runner) {
    EXPECT_EQ(t.OverallEval(runner), OverallEvaluation(weights, s.GradeSpeed(runner), s.GradeAbility(runner),
                                                       s.Grade3F(runner), s.GradeRise(runner)));
    a_top |= t.OverallGap(runner) == u"0";
  }
  EXPECT_TRUE(a_top);

  // Every runner's eight aptitudes, from its horse's record counts.
  const auto& records = app_.meeting.Group<intake::PastRunTables>().RecordCounts;
  const auto& soft = app_.meeting.Group<analysis::AnalysisWindowTables>();
  const model::AnalysedRaceRunnerTable* const aptitudes[] = {
      &t.AptitudeTurfGood, &soft.AptitudeTurfSoft, &soft.AptitudeTurfHeavy, &soft.AptitudeTurfBad,
      &t.AptitudeDirtGood, &soft.AptitudeDirtSoft, &soft.AptitudeDirtHeavy, &soft.AptitudeDirtBad};
  bool a_value = false;
  for (int runner = 1; runner <= runners; ++runner) {
    for (int k = 0; k < 8; ++k) {
      const Text& aptitude = (*aptitudes[k])(kRace, runner);
      EXPECT_EQ(aptitude, AptitudeText(ReadPlacingCounts(records[6 + k](kRace, runner))))
          << runner << ", " << k;
      a_value |= aptitude.starts_with(u"+");
    }
  }
  EXPECT_TRUE(a_value);
}

TEST_F(ColouringRoad, GoodGoingHidesTheGoingSwitch) {
  AnalyseRace(0, 5);
  ClickColouring();
  EXPECT_FALSE(Window().Check6.Visible());
  EXPECT_TRUE(Window().Command10.Enabled());
}

// Without a confirmed race the click computes nothing but still moves the chain on.
TEST(ColouringRun, WithoutARaceOpensTheFilterOnly) {
  program::Program app;
  frmAg3& w = app.Form<frmAg3>();
  w.Command9.SetEnabled(true);
  app.meeting.Group<intake::RaceCardTables>().RunnerCount(1) = u"5";
  for (const char16_t* race : {u"0", u"13", u"-1"}) {
    app.meeting.Group<analysis::AnalysisWindowTables>().AnalysedRace() = race;
    const GridState before = StateOf(w.MSFlexGrid2);
    RunColouring(w, app.meeting, app.screen);
    const GridState after = StateOf(w.MSFlexGrid2);
    EXPECT_EQ(after.colours, before.colours);
    EXPECT_TRUE(w.Command10.Enabled());
    EXPECT_FALSE(w.Command9.Enabled());
    EXPECT_EQ(app.screen.MousePointer(), ui::pointer::kDefault);
  }
  EXPECT_EQ(app.meeting.Group<ColouringTables>().ScoreBin1(1), u"");
  EXPECT_EQ(app.meeting.Group<ColouringTables>().OverallEval(1), u"");
}

}  // namespace
}  // namespace recommend
