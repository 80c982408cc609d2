// The race overview: its set-up from the race card, hiding, and the redraw that adds the results of
// the analysed races.
#include "analysis/race_overview.h"

#include <gtest/gtest.h>

#include <vector>

#include "analysis/analysis_window_tables.h"
#include "intake/race_card_tables.h"
#include "tests/analysis/analysis_window_fixture.h"
#include "ui/palette.h"

namespace analysis_test {
namespace {

struct CellLook {
  Text text;
  ui::Color back;
  int alignment;
  double font_size;
  bool operator==(const CellLook&) const = default;
};

std::vector<CellLook> Cells(const ui::FlexGrid& g) {
  std::vector<CellLook> cells;
  for (int r = 0; r < g.Rows(); ++r) {
    for (int c = 0; c < g.Cols(); ++c) {
      cells.push_back(
          {g.TextMatrix(r, c), g.CellBackColorAt(r, c), g.CellAlignmentAt(r, c), g.CellFontSizeAt(r, c)});
    }
  }
  return cells;
}

// Marks race as analysed with recorded results, as the basic analysis and the recommendation leave
// them.
void WriteResults(model::Meeting& meeting, int race, const Text& validity, const Text& grade,
                  const std::vector<Text>& lines) {
  meeting.Group<analysis::AnalysisWindowTables>().AnalysisValidity(race) = validity;
  meeting.Group<analysis::AnalysisWindowTables>().AnalysisGrade(race) = grade;
  for (int k = 1; k <= 5; ++k)
    meeting.Group<analysis::AnalysisWindowTables>().RecommendLine[k](race) =
        lines[static_cast<size_t>(k - 1)];
}

class RaceOverviewTest : public AnalysisWindowTest {
 protected:
  ui::FlexGrid& Overview() { return Open().MSFlexGrid3; }
};

TEST_F(RaceOverviewTest, SetUpShowsEveryRaceCardUnderItsHeadings) {
  const ui::FlexGrid& g = Overview();
  EXPECT_EQ(PlaceOf(g), (GridPlace{200, 3775, 12300, 2750}));
  EXPECT_EQ(g.Rows(), 14);
  EXPECT_EQ(g.Cols(), 13);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.MergeCells(), ui::kMergeFree);
  EXPECT_TRUE(g.MergeCol(0));
  EXPECT_EQ(g.Font().size, 10);
  EXPECT_EQ(g.TextMatrix(0, 0), u"< 全レ－ス >");
  const Text race_headings[] = {u"　１Ｒ", u"　２Ｒ", u"　３Ｒ", u"　４Ｒ", u"　５Ｒ", u"  ６Ｒ",
                                u"　７Ｒ", u"　８Ｒ", u"　９Ｒ", u"１０Ｒ", u"１１Ｒ", u"１２Ｒ"};
  const Text row_headings[] = {u"レ－ス 名",  u"条　    件", u"タ  －  フ", u"距      離",
                               u"頭      数", u"推定タイム", u"予想ペ－ス", u"解析有効性"};
  for (int r = 1; r <= 8; ++r) EXPECT_EQ(g.TextMatrix(r, 0), row_headings[r - 1]) << r;
  for (int r = 9; r <= 13; ++r) EXPECT_EQ(g.TextMatrix(r, 0), u"推奨馬番") << r;
  EXPECT_EQ(g.ColWidth(0), 1395);
  const intake::RaceCardTables& card = app_.meeting.Group<intake::RaceCardTables>();
  for (int c = 1; c <= 12; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(g.TextMatrix(0, c), race_headings[c - 1]);
    EXPECT_EQ(g.ColWidth(c), 900);
    const Text facts[] = {card.RaceName(c),          card.RaceClassLabel(c), card.RaceSurfaceLabel(c),
                          card.RaceDistanceLabel(c), card.RunnerCount(c),    card.RaceEstTimeLabel(c),
                          card.RacePaceLabel(c)};
    for (int r = 1; r <= 7; ++r) EXPECT_EQ(g.TextMatrix(r, c), facts[r - 1]) << r;
    EXPECT_EQ(g.TextMatrix(1, c), Numbered(u"name ", c));
    for (int r = 8; r <= 13; ++r) EXPECT_TRUE(g.TextMatrix(r, c).empty()) << r;
    // Names small and from the left; the result rows a size below the facts.
    EXPECT_EQ(g.CellAlignmentAt(1, c), ui::kFlexLeftCenter);
    EXPECT_EQ(g.CellFontSizeAt(1, c), 7);
    for (int r = 2; r <= 13; ++r) EXPECT_EQ(g.CellAlignmentAt(r, c), ui::kFlexCenterCenter) << r;
    for (int r = 8; r <= 13; ++r) EXPECT_EQ(g.CellFontSizeAt(r, c), 9) << r;
    EXPECT_EQ(g.CellFontSizeAt(4, c), 10);
  }
}

TEST_F(RaceOverviewTest, HidingOnlyMovesItOutOfView) {
  ui::FlexGrid& g = Overview();
  const std::vector<CellLook> before = Cells(g);
  analysis::HideRaceOverview(g);
  EXPECT_EQ(PlaceOf(g), (GridPlace{200, 8500, 12500, 2025}));
  EXPECT_EQ(Cells(g), before);
}

TEST_F(RaceOverviewTest, RedrawBeforeAnyAnalysisOnlyPlacesTheGrid) {
  ui::FlexGrid& g = Overview();
  // Validity without a grade, or a grade without validity, is no analysed race.
  app_.meeting.Group<analysis::AnalysisWindowTables>().AnalysisValidity(2) = u"75";
  app_.meeting.Group<analysis::AnalysisWindowTables>().AnalysisGrade(9) = u"B";
  const std::vector<CellLook> before = Cells(g);
  analysis::HideRaceOverview(g);
  analysis::RedrawAndShowRaceOverview(g, app_.meeting);
  EXPECT_EQ(PlaceOf(g), (GridPlace{200, 3025, 12300, 3500}));
  EXPECT_EQ(Cells(g), before);
}

TEST_F(RaceOverviewTest, AnalysedRacesShowTheirResultsOnCyanColumnsAndRedrawRepeats) {
  ui::FlexGrid& g = Overview();
  const ui::Color plain = g.CellBackColorAt(1, 1);
  WriteResults(app_.meeting, 3, u"90", u"A", {u"1 5 7", u" ", u"12", u"", u""});
  WriteResults(app_.meeting, 7, u"-5", u"D", {u"", u"", u"", u"", u""});
  analysis::RedrawAndShowRaceOverview(g, app_.meeting);
  const std::vector<CellLook> first = Cells(g);

  EXPECT_EQ(g.TextMatrix(8, 3), u"90 A");
  const Text lines3[] = {u" 1 5 7", u"  ", u" 12", u" ", u" "};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(g.TextMatrix(9 + k, 3), lines3[k]) << k;
  EXPECT_EQ(g.TextMatrix(8, 7), u"-5 D");
  for (int r = 9; r <= 13; ++r) EXPECT_EQ(g.TextMatrix(r, 7), u" ") << r;
  for (int c = 1; c <= 12; ++c) {
    const bool analysed = c == 3 || c == 7;
    for (int r = 1; r <= 13; ++r) {
      EXPECT_EQ(g.CellBackColorAt(r, c), analysed ? ui::palette::kLightCyan : plain) << r << "," << c;
    }
    if (!analysed) {
      for (int r = 8; r <= 13; ++r) EXPECT_TRUE(g.TextMatrix(r, c).empty()) << r << "," << c;
    }
    EXPECT_EQ(g.TextMatrix(3, c), Numbered(u"surface ", c));
  }
  EXPECT_NE(g.CellBackColorAt(0, 3), ui::palette::kLightCyan);

  // A race analysed again gets its results rewritten; the rest stays.
  analysis::HideRaceOverview(g);
  analysis::RedrawAndShowRaceOverview(g, app_.meeting);
  EXPECT_EQ(Cells(g), first);
  WriteResults(app_.meeting, 3, u"40", u"C", {u"2", u"", u"", u"", u""});
  analysis::RedrawAndShowRaceOverview(g, app_.meeting);
  EXPECT_EQ(g.TextMatrix(8, 3), u"40 C");
  EXPECT_EQ(g.TextMatrix(9, 3), u" 2");
  EXPECT_EQ(g.TextMatrix(11, 3), u" ");
  EXPECT_EQ(g.TextMatrix(8, 7), u"-5 D");
}

}  // namespace
}  // namespace analysis_test
