#include "analysis/race_overview.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "analysis/analysis_window_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "ui/grid_design.h"
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

// Every column centred; the heading column wider than the races' and merged, so that the
// recommendation lines share one heading.
constexpr int kCols = model::kRaces + 1;
constexpr std::array<int, kCols> kOverviewAlignments = [] {
  std::array<int, kCols> alignments{};
  alignments.fill(ui::kFlexCenterCenter);
  return alignments;
}();
constexpr std::array<double, kCols> kOverviewWidths = [] {
  std::array<double, kCols> widths{};
  widths.fill(900);
  widths[0] = 1395;
  return widths;
}();
const std::array<Text, kCols> kTopRow = [] {
  std::array<Text, kCols> texts;
  texts[0] = kCornerHeading;
  std::copy(std::begin(kRaceHeadings), std::end(kRaceHeadings), texts.begin() + 1);
  return texts;
}();
const std::array<Text, kRows - 1> kHeadingColumn = [] {
  std::array<Text, kRows - 1> texts;
  std::copy(std::begin(kRowHeadings), std::end(kRowHeadings), texts.begin());
  std::fill(texts.begin() + kValidityRow, texts.end(), kRecommendHeading);
  return texts;
}();
const ui::GridHeadings kOverviewHeadings[] = {{.row = 0, .col = 0, .texts = kTopRow},
                                              {.row = 1, .col = 0, .down = true, .texts = kHeadingColumn}};
constexpr int kMergedHeadingCol[] = {0};
const ui::GridDesign kOverviewDesign = {.rows = kRows,
                                        .cols = kCols,
                                        .fixed_rows = 1,
                                        .fixed_cols = 1,
                                        .font_size = 10,
                                        .merge_cells = ui::kMergeFree,
                                        .alignments = kOverviewAlignments,
                                        .widths = kOverviewWidths,
                                        .headings = kOverviewHeadings,
                                        .merged_cols = kMergedHeadingCol};

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
  ui::ApplyGridDesign(grid, kOverviewDesign);
  // The race names are long: smaller and from the left; the results a size smaller than the facts.
  for (int c = 1; c <= model::kRaces; ++c) {
    FormatCell(grid, 1, c, ui::kFlexLeftCenter, 7);
    for (int r = kValidityRow; r < kRows; ++r) FormatCell(grid, r, c, ui::kFlexCenterCenter, 9);
  }
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
