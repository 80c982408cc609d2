#include "analysis/race_overview.h"

#include "analysis/analysis_window_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "ui/palette.h"

namespace analysis {

using model::Text;

namespace {

constexpr int kRows = 14;
constexpr int kValidityRow = 8;
constexpr int kFirstRecommendRow = 9;
constexpr int kRecommendLines = 5;
constexpr ui::Color kAnalysedColour = ui::palette::kLightCyan;

const Text kCornerHeading = u"< 全レ－ス >";
const Text kRaceHeadings[] = {u"　１Ｒ", u"　２Ｒ", u"　３Ｒ", u"　４Ｒ", u"　５Ｒ", u"  ６Ｒ",
                              u"　７Ｒ", u"　８Ｒ", u"　９Ｒ", u"１０Ｒ", u"１１Ｒ", u"１２Ｒ"};
const Text kRowHeadings[] = {u"レ－ス 名",  u"条　    件", u"タ  －  フ", u"距      離",
                             u"頭      数", u"推定タイム", u"予想ペ－ス", u"解析有効性"};
const Text kRecommendHeading = u"推奨馬番";

bool IsAnalysed(const model::Meeting& meeting, int race) {
  const AnalysisWindowTables& results = meeting.Group<AnalysisWindowTables>();
  return !results.AnalysisValidity(race).empty() && !results.AnalysisGrade(race).empty();
}

// Formats the current cell (r, c): column first, then row, then the format.
void FormatCell(ui::FlexGrid& grid, int r, int c, int alignment, double font_size) {
  grid.SetCol(c);
  grid.SetRow(r);
  grid.SetCellAlignment(alignment);
  grid.SetCellFontSize(font_size);
}

void WriteRaceCard(ui::FlexGrid& grid, const model::Meeting& meeting) {
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  for (int c = 1; c <= model::kRaces; ++c) {
    const Text facts[] = {card.RaceName(c),          card.RaceClassLabel(c), card.RaceSurfaceLabel(c),
                          card.RaceDistanceLabel(c), card.RunnerCount(c),    card.RaceEstTimeLabel(c),
                          card.RacePaceLabel(c)};
    for (int r = 1; r <= 7; ++r) grid.SetTextMatrix(r, c, facts[r - 1]);
  }
}

void WriteResults(ui::FlexGrid& grid, const model::Meeting& meeting, int race) {
  const AnalysisWindowTables& results = meeting.Group<AnalysisWindowTables>();
  grid.SetTextMatrix(kValidityRow, race, results.AnalysisValidity(race) + u" " + results.AnalysisGrade(race));
  for (int k = 1; k <= kRecommendLines; ++k) {
    grid.SetTextMatrix(kFirstRecommendRow + k - 1, race, u" " + results.RecommendLine[k](race));
  }
  for (int r = 1; r < kRows; ++r) {
    grid.SetRow(r);
    grid.SetCol(race);
    grid.SetCellBackColor(kAnalysedColour);
  }
}

}  // namespace

void SetUpRaceOverview(ui::FlexGrid& grid, const model::Meeting& meeting) {
  grid.SetRows(kRows);
  grid.SetCols(model::kRaces + 1);
  grid.SetFixedRows(1);
  grid.SetFixedCols(1);
  grid.SetMergeCells(ui::kMergeFree);
  grid.SetFontSize(10);
  for (int c = 0; c <= model::kRaces; ++c) grid.SetColAlignment(c, ui::kFlexCenterCenter);
  // The race names are long: smaller and from the left; the results a size smaller than the facts.
  for (int c = 1; c <= model::kRaces; ++c) {
    FormatCell(grid, 1, c, ui::kFlexLeftCenter, 7);
    for (int r = kValidityRow; r < kRows; ++r) FormatCell(grid, r, c, ui::kFlexCenterCenter, 9);
  }
  grid.SetColWidth(0, 1395);
  grid.SetTextMatrix(0, 0, kCornerHeading);
  for (int r = 1; r <= kValidityRow; ++r) grid.SetTextMatrix(r, 0, kRowHeadings[r - 1]);
  for (int r = kFirstRecommendRow; r < kRows; ++r) grid.SetTextMatrix(r, 0, u"");
  for (int c = 1; c <= model::kRaces; ++c) {
    grid.SetColWidth(c, 900);
    grid.SetTextMatrix(0, c, kRaceHeadings[c - 1]);
  }
  grid.SetMergeCol(0, true);
  for (int r = kFirstRecommendRow; r < kRows; ++r) grid.SetTextMatrix(r, 0, kRecommendHeading);
  grid.Move(200, 3775, 12300, 2750);
  WriteRaceCard(grid, meeting);
}

void HideRaceOverview(ui::FlexGrid& grid) {
  grid.Move(200, 8500, 12500, 2025);
}

void RedrawAndShowRaceOverview(ui::FlexGrid& grid, const model::Meeting& meeting) {
  for (int race = 1; race <= model::kRaces; ++race) {
    if (IsAnalysed(meeting, race)) WriteResults(grid, meeting, race);
  }
  grid.Move(200, 3025, 12300, 3500);
}

}  // namespace analysis
