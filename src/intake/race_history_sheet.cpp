#include "intake/race_history_sheet.h"

namespace intake {

namespace {

const std::array<model::Text, 18> kFactHeadings = {
    u"競馬場名", u"開 催 日", u"条    件", u"タ － フ", u"距    離", u"頭    数",
    u"ペ － ス", u"馬場状態", u"ゲ － ト", u"斤    量", u"馬 体 重", u"着    順",
    u"タ イ ム", u"着    差", u"前 ３ Ｆ", u"後 ３ Ｆ", u"通過順位", u"不　　利"};

// The fact tables of rows 2 to 19, top to bottom.
std::array<const model::RunnerFamily*, 18> FactTables(const PastRunTables& runs) {
  return {&runs.RunCourseName,   &runs.RunDateText,      &runs.RunClassName,      &runs.RunSurfaceName,
          &runs.RunDistanceText, &runs.RunFieldSizeText, &runs.RunPaceName,       &runs.RunGoingName,
          &runs.RunGateText,     &runs.RunWeightText,    &runs.RunBodyWeightText, &runs.RunPositionText,
          &runs.RunTimeText,     &runs.RunMarginText,    &runs.RunFirst3FText,    &runs.RunLast3FText,
          &runs.RunPassingText,  &runs.RunTroubleFlag};
}

constexpr int kAlignments[] = {ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                               ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter};
constexpr double kWidths[] = {900, 825, 825, 825, 825, 825};

}  // namespace

const std::array<model::Text, model::kPastRuns> kRaceHistoryRunHeadings = {u"５走前", u"４走前", u"３走前",
                                                                           u"２走前", u"前　走"};

namespace {
const ui::GridHeadings kHeadings[] = {{.row = 1, .col = 1, .texts = kRaceHistoryRunHeadings},
                                      {.row = 2, .col = 0, .down = true, .texts = kFactHeadings}};
}  // namespace

const ui::GridDesign kRaceHistorySheetDesign = {.rows = 20,
                                                .cols = 6,
                                                .fixed_rows = 2,
                                                .fixed_cols = 1,
                                                .font_size = 9,
                                                .merge_cells = ui::kMergeFree,
                                                .alignments = kAlignments,
                                                .widths = kWidths,
                                                .headings = kHeadings};

void WriteRaceHistoryRuns(ui::FlexGrid& grid, const PastRunTables& runs, int race, int runner) {
  const std::array<const model::RunnerFamily*, 18> facts = FactTables(runs);
  for (int col = 1; col <= model::kPastRuns; ++col) {
    const int run = model::kPastRuns + 1 - col;
    for (size_t k = 0; k < facts.size(); ++k) {
      grid.SetTextMatrix(static_cast<int>(k) + 2, col, (*facts[k])[run](race, runner));
    }
  }
}

}  // namespace intake
