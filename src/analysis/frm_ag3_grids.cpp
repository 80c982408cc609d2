// The analysis window's grid layouts and going list, as the load sets them.
#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"

namespace analysis {

using model::Text;

namespace {

const Text kPastRunTitle = u"評　価　値";
const Text kGoingItems[] = {u"  良  ", u" 稍重 ", u"  重  ", u" 不良 "};

// The runner grid's row-0 texts written with the widths; the other group headings follow the merge marks.
bool HeadedWithWidth(RunnerColumn column) {
  return column == RunnerColumn::kTrainingState || column == RunnerColumn::kPredictedTime;
}

// Rows, columns, fixed rows and columns, font size and merging of a grid with two heading rows.
void ShapeWithTwoHeadingRows(ui::FlexGrid& grid, int cols) {
  grid.SetRows(kGridRows);
  grid.SetCols(cols);
  grid.SetFixedRows(2);
  grid.SetFixedCols(1);
  grid.SetFontSize(9);
  grid.SetMergeCells(ui::kMergeFree);
}

}  // namespace

void frmAg3::LayOutPastRunGrid() {
  ui::FlexGrid& grid = MSFlexGrid1;
  ShapeWithTwoHeadingRows(grid, kPastRunColumns);
  for (int c = 0; c < kPastRunColumns; ++c) grid.SetColAlignment(c, ui::kFlexCenterCenter);
  grid.SetColWidth(0, kPastRunColumnLayouts[0].width);
  grid.SetTextMatrix(1, 0, kPastRunColumnLayouts[0].heading);
  for (int c = 1; c < kPastRunColumns; ++c) {
    grid.SetColWidth(c, kPastRunColumnLayouts[static_cast<size_t>(c)].width);
    grid.SetTextMatrix(0, c, u"");
    grid.SetTextMatrix(1, c, kPastRunColumnLayouts[static_cast<size_t>(c)].heading);
  }
}

void frmAg3::LayOutRunnerGrid() {
  ui::FlexGrid& grid = MSFlexGrid2;
  ShapeWithTwoHeadingRows(grid, kRunnerColumns);
  grid.SetColAlignment(0, ui::kFlexLeftCenter);
  for (int c = 1; c < kRunnerColumns; ++c) {
    if (!IsSpacer(RunnerColumn{c})) grid.SetColAlignment(c, ui::kFlexCenterCenter);
  }
  grid.SetColWidth(0, LayoutOf(RunnerColumn::kHorseName).width);
  grid.SetTextMatrix(1, 0, LayoutOf(RunnerColumn::kHorseName).heading);
  for (int c = 1; c < kRunnerColumns; ++c) {
    const RunnerColumn column{c};
    const RunnerColumnLayout& layout = LayoutOf(column);
    grid.SetColWidth(c, layout.width);
    if (column == RunnerColumn::kOverallCode) continue;  // headed last, after the groups
    grid.SetTextMatrix(0, c, HeadedWithWidth(column) ? layout.group : u"");
    grid.SetTextMatrix(1, c, layout.heading);
  }
}

// Equal neighbouring headings merge: the name columns over both heading rows, the run columns and
// the value groups under one title each.
void frmAg3::MarkGroupHeadings() {
  ui::FlexGrid& runs = MSFlexGrid1;
  runs.SetMergeCol(0, true);
  runs.SetTextMatrix(0, 0, kPastRunColumnLayouts[0].heading);
  runs.SetTextMatrix(1, 0, kPastRunColumnLayouts[0].heading);
  runs.SetMergeRow(0, true);
  for (int c = 1; c < kPastRunColumns; ++c) runs.SetTextMatrix(0, c, kPastRunTitle);

  ui::FlexGrid& runners = MSFlexGrid2;
  runners.SetMergeCol(0, true);
  runners.SetTextMatrix(0, 0, LayoutOf(RunnerColumn::kHorseName).group);
  runners.SetTextMatrix(1, 0, LayoutOf(RunnerColumn::kHorseName).heading);
  runners.SetMergeRow(0, true);
  const int overall = Index(RunnerColumn::kOverallCode);
  for (int c = 1; c < overall; ++c) {
    if (!IsSpacer(RunnerColumn{c})) runners.SetTextMatrix(0, c, LayoutOf(RunnerColumn{c}).group);
  }
  runners.SetTextMatrix(0, overall, LayoutOf(RunnerColumn::kOverallCode).group);
  runners.SetTextMatrix(1, overall, LayoutOf(RunnerColumn::kOverallCode).heading);
}

void frmAg3::FillGoingList() {
  for (const Text& going : kGoingItems) Combo1.AddItem(going);
}

}  // namespace analysis
