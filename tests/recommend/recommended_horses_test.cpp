// "推奨馬": the target count by field size, the cut-off from the score bins, the threshold search with
// its ties, the forms of the text box and the five lines, and the whole step on fixture races: the
// worked ten-runner race, a race without recommendation, sixteen recommended runners and a damaged
// runner count.
#include "recommend/recommended_horses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/analysis_window_tables.h"
#include "analysis/frm_ag3.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "program/program.h"
#include "recommend/colouring_tables.h"
#include "recommend/recommendation_tables.h"
#include "recommend/stage_handlers.h"
#include "shell/frm_ag0.h"
#include "tests/support/window_grids.h"
#include "ui/palette.h"

namespace recommend {
namespace {

using model::Text;

constexpr int kRace = 6;
constexpr ui::Color kBefore = ui::palette::kPaleGreen;
constexpr ui::Color kRecommended = ui::Rgb(255, 150, 150);
const Text kNone = u"\u306A\u3057";  // なし

TEST(RecommendTarget, GrowsByOneEveryThreeOrSoRunners) {
  const int expected[] = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 6, 6, 6, 7};
  for (int n = 0; n <= 18; ++n) EXPECT_EQ(RecommendTarget(n), expected[n]) << n;
}

TEST(RecommendCutoff, TakesTheBinAfterTheFirstThatReachesTheTarget) {
  struct Case {
    const char* what;
    std::array<double, 10> bins;
    int target;
    double cutoff;
  };
  const std::vector<Case> cases = {
      {"worked race: c4 reaches 4, cut-off c5", {2, 0, 1, 1, 1, 0, 0, 0, 1, 0}, 4, 5},
      {"bin 1 alone reaches it", {3, 2, 0, 0, 0, 0, 0, 0, 0, 0}, 2, 5},
      {"bin 8 reaches it: up to bin 9", {0, 0, 0, 0, 0, 0, 0, 2, 3, 4}, 2, 5},
      {"none of bins 1 to 8 reaches it: all ten", {0, 1, 0, 0, 0, 0, 0, 0, 1, 2}, 3, 4},
      {"only bin 9 and 10 hold runners", {0, 0, 0, 0, 0, 0, 0, 0, 2, 2}, 1, 4},
      {"no runner at all", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RecommendCutoff(c.bins, c.target), c.cutoff) << c.what;
}

TEST(FindThreshold, StopsAtTheLowestThresholdThatLetsNoMoreThanTheCutoffThrough) {
  struct Case {
    const char* what;
    std::vector<double> evaluations;
    double cutoff;
    double threshold;
    int count;
  };
  const std::vector<Case> cases = {
      {"worked race", {230, 225, 210, 200, 190, 150, 120, 100, 60, 0}, 5, 151, 5},
      {"a tie crossing the cut-off is left out whole", {200, 180, 170, 170}, 3, 171, 2},
      {"below 50 never counts", {49.9, 10, 0}, 5, 50, 0},
      {"everyone fits at once", {60, 55}, 2, 50, 2},
      {"cut-off 0 climbs past the best", {279}, 0, 280, 0},
      {"the search gives up at 349", {1000}, 0, 349, 1},
  };
  for (const Case& c : cases) {
    const Threshold found = FindThreshold(c.evaluations, c.cutoff);
    EXPECT_EQ(found.value, c.threshold) << c.what;
    EXPECT_EQ(found.count, c.count) << c.what;
  }
}

std::vector<int> OneTo(int m) {
  std::vector<int> numbers;
  for (int k = 1; k <= m; ++k) numbers.push_back(k);
  return numbers;
}

TEST(RecommendationTexts, LinesOfThreeAndTheBoxJoiningThem) {
  struct Case {
    std::vector<int> numbers;
    Text box;
    std::array<Text, 5> lines;
  };
  const std::vector<Case> cases = {
      {{7}, u" 07 ", {u"07 ", u" ", u" ", u" ", u" "}},
      {{1, 2}, u" 01/02 ", {u"01/02 ", u" ", u" ", u" ", u" "}},
      {{1, 2, 3}, u" 01/02/03 ", {u"01/02/03 ", u" ", u" ", u" ", u" "}},
      {{1, 5, 9, 12}, u" 01/05/09 /12 ", {u"01/05/09 ", u"12 ", u" ", u" ", u" "}},
      {OneTo(5), u" 01/02/03 /04/05 ", {u"01/02/03 ", u"04/05 ", u" ", u" ", u" "}},
      {OneTo(15),
       u" 01/02/03 /04/05/06 /07/08/09 /10/11/12 /13/14/15 ",
       {u"01/02/03 ", u"04/05/06 ", u"07/08/09 ", u"10/11/12 ", u"13/14/15 "}},
      {OneTo(16),
       u" 01/02/03 /04/05/06 /07/08/09 /10/11/12 /13/14/15 /16 ",
       {u"01/02/03 ", u"04/05/06 ", u"07/08/09 ", u"10/11/12 ", u"13/14/15/16 "}},
      {OneTo(17),
       u" 01/02/03 /04/05/06 /07/08/09 /10/11/12 /13/14/15 /16/17 ",
       {u"01/02/03 ", u"04/05/06 ", u"07/08/09 ", u"10/11/12 ", u"13/14/15/16/17 "}},
      {OneTo(18),
       u" 01/02/03 /04/05/06 /07/08/09 /10/11/12 /13/14/15 /16/17/18 ",
       {u"01/02/03 ", u"04/05/06 ", u"07/08/09 ", u"10/11/12 ", u"13/14/15/16/17/18 "}},
  };
  for (const Case& c : cases) {
    const RecommendTexts texts = RecommendationTexts(c.numbers);
    EXPECT_EQ(texts.box, c.box) << c.numbers.size();
    EXPECT_EQ(texts.lines, c.lines) << c.numbers.size();
  }
}

class RecommendHorsesOnARace : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::FlexGrid& grid = Grid();
    for (int row = 0; row < grid.Rows(); ++row) {
      for (int column = 0; column < grid.Cols(); ++column) {
        grid.SetRow(row);
        grid.SetCol(column);
        grid.SetCellBackColor(kBefore);
      }
    }
    // What an earlier recommendation of the race left.
    for (int line = 1; line <= 5; ++line) Lines()[line](kRace) = u"old";
    Window().Text1.SetText(u"old");
  }
  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  ui::FlexGrid& Grid() { return Window().MSFlexGrid2; }
  ColouringTables& Colouring() { return app_.meeting.Group<ColouringTables>(); }
  RecommendationTables& Recommendation() { return app_.meeting.Group<RecommendationTables>(); }
  model::Family<model::RaceTable>& Lines() {
    return app_.meeting.Group<analysis::AnalysisWindowTables>().RecommendLine;
  }

  // Overall evaluations of runners 1.. and counts of score bins 1..11.
  void Enter(const std::vector<Text>& evaluations, const std::vector<int>& bins) {
    for (size_t k = 0; k < evaluations.size(); ++k)
      Colouring().OverallEval(static_cast<int>(k) + 1) = evaluations[k];
    for (int k = 1; k <= ColouringTables::kScoreBins; ++k) {
      const size_t at = static_cast<size_t>(k - 1);
      Colouring().ScoreBin(k)(kRace) = model::NumberToText(at < bins.size() ? bins[at] : 0);
    }
  }
  std::vector<Text> LineTexts() {
    std::vector<Text> texts;
    for (int line = 1; line <= 5; ++line) texts.push_back(Lines()[line](kRace));
    return texts;
  }
  // r recommended colour, '.' untouched, '?' anything else: column 21 of runners 1..runners.
  std::string OverallColours(int runners) {
    std::string letters;
    for (int runner = 1; runner <= runners; ++runner) {
      const ui::Color colour = Grid().CellBackColorAt(runner + 1, 21);
      letters += colour == kRecommended ? 'r' : colour == kBefore ? '.' : '?';
    }
    return letters;
  }

  program::Program app_;
  testsupport::WindowGrids grids_;
};

TEST_F(RecommendHorsesOnARace, WorkedRaceOfTenRunners) {
  const std::vector<Text> evaluations = {u"230", u"225", u"210", u"200", u"190",
                                         u"150", u"120", u"100", u"60",  u"0"};
  Enter(evaluations, {2, 0, 1, 1, 1, 0, 0, 0, 1, 0, 4});
  RecommendHorses(grids_.Runners(Grid()), Window().Text1, app_.meeting, kRace, 10);

  EXPECT_EQ(Recommendation().RecommendCutoff(kRace), u"5");
  for (int slot = 1; slot <= 5; ++slot) {
    EXPECT_EQ(Recommendation().RecommendedNo(slot), model::Text(1, static_cast<char16_t>(u'0' + slot)));
  }
  EXPECT_EQ(Window().Text1.Text(), u" 01/02/03 /04/05 ");
  EXPECT_EQ(LineTexts(), (std::vector<Text>{u"01/02/03 ", u"04/05 ", u" ", u" ", u" "}));
  EXPECT_EQ(OverallColours(11), "rrrrr......");
  for (int runner = 1; runner <= 10; ++runner) {
    EXPECT_EQ(Grid().TextMatrix(runner + 1, 21), evaluations[static_cast<size_t>(runner - 1)]);
  }
  EXPECT_EQ(Grid().TextMatrix(12, 21), u"") << "no runner 11";
}

TEST_F(RecommendHorsesOnARace, NoRunnerAtFiftyShowsNoneAndBlanksTheLaterLines) {
  Enter({u"49", u"0", u"10"}, {1, 0, 0, 0, 1, 1});
  RecommendHorses(grids_.Runners(Grid()), Window().Text1, app_.meeting, kRace, 3);
  EXPECT_EQ(Window().Text1.Text(), kNone);
  EXPECT_EQ(LineTexts(), (std::vector<Text>{u"", u"", u" ", u" ", u" "}));
  EXPECT_EQ(OverallColours(3), "...");
  EXPECT_EQ(Grid().TextMatrix(2, 21), u"49");
}

// Four runners (target 2), bins giving a cut-off of 3: the two at 170 would make four, so both stay out.
TEST_F(RecommendHorsesOnARace, ATieCrossingTheCutoffLeavesBothTiedRunnersOut) {
  Enter({u"200", u"180", u"170", u"170"}, {2, 1});
  RecommendHorses(grids_.Runners(Grid()), Window().Text1, app_.meeting, kRace, 4);
  EXPECT_EQ(Recommendation().RecommendCutoff(kRace), u"3");
  EXPECT_EQ(Window().Text1.Text(), u" 01/02 ");
  EXPECT_EQ(OverallColours(5), "rr...");
}

TEST_F(RecommendHorsesOnARace, SixteenRecommendedFillTheFifthLineWithTheRest) {
  Enter(std::vector<Text>(16, u"200"), {16});
  RecommendHorses(grids_.Runners(Grid()), Window().Text1, app_.meeting, kRace, 16);
  EXPECT_EQ(Recommendation().RecommendCutoff(kRace), u"16");
  EXPECT_EQ(Window().Text1.Text(), u" 01/02/03 /04/05/06 /07/08/09 /10/11/12 /13/14/15 /16 ");
  EXPECT_EQ(LineTexts(),
            (std::vector<Text>{u"01/02/03 ", u"04/05/06 ", u"07/08/09 ", u"10/11/12 ", u"13/14/15/16 "}));
  EXPECT_EQ(OverallColours(16), std::string(16, 'r'));
}

TEST_F(RecommendHorsesOnARace, ARaceOutsideTheMeetingChangesNothing) {
  Enter({u"200"}, {1});
  RecommendHorses(grids_.Runners(Grid()), Window().Text1, app_.meeting, 0, 1);
  EXPECT_EQ(Window().Text1.Text(), u"old");
  EXPECT_EQ(Grid().TextMatrix(2, 21), u"");
  EXPECT_EQ(OverallColours(1), ".");
}

// A damaged card of 30 runners: the field is the 18 the analysis holds, so K is 7, not 11.
TEST_F(RecommendHorsesOnARace, TheClickCountsTheFieldTheAnalysisHolds) {
  app_.meeting.Group<analysis::AnalysisWindowTables>().AnalysedRace() = u"6";
  app_.meeting.Group<intake::RaceCardTables>().RunnerCount(kRace) = u"30";
  std::vector<Text> evaluations(18, u"0");
  for (int k = 0; k < 7; ++k) evaluations[static_cast<size_t>(k)] = u"200";
  for (int k = 7; k < 11; ++k) evaluations[static_cast<size_t>(k)] = u"180";
  Enter(evaluations, {7, 0, 4, 0, 0, 0, 0, 0, 0, 0, 7});
  shell::frmAg0& main_window = app_.Form<shell::frmAg0>();
  Window().Command11.SetEnabled(true);
  Command11_Click(app_, Window());

  EXPECT_EQ(Recommendation().RecommendCutoff(kRace), u"7");
  EXPECT_EQ(Window().Text1.Text(), u" 01/02/03 /04/05/06 /07 ");
  EXPECT_FALSE(Window().Command11.Enabled());
  EXPECT_TRUE(Window().Check7.Enabled());
  EXPECT_TRUE(main_window.Check1.Enabled());
}

// A click that recommends no one still opens the evaluation switch and the main window's print box.
TEST_F(RecommendHorsesOnARace, AClickWithoutRecommendationStillOpensThePrintBox) {
  app_.meeting.Group<analysis::AnalysisWindowTables>().AnalysedRace() = u"6";
  app_.meeting.Group<intake::RaceCardTables>().RunnerCount(kRace) = u"03";
  Enter({u"49", u"0", u"10"}, {1, 0, 0, 0, 1, 1});
  shell::frmAg0& main_window = app_.Form<shell::frmAg0>();
  Window().Check7.SetEnabled(false);
  main_window.Check1.SetEnabled(false);
  Window().Command11.SetEnabled(true);
  Command11_Click(app_, Window());

  EXPECT_EQ(Window().Text1.Text(), kNone);
  EXPECT_FALSE(Window().Command11.Enabled());
  EXPECT_TRUE(Window().Check7.Enabled());
  EXPECT_TRUE(main_window.Check1.Enabled());
}

}  // namespace
}  // namespace recommend
