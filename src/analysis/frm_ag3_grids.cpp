// The analysis window's grid layouts and going list, as the load sets them.
#include "analysis/frm_ag3.h"

namespace analysis {

using model::Text;

namespace {

struct RunnerColumn {
  double width;
  const char16_t* group;    // row 0
  const char16_t* heading;  // row 1
};

const Text kPastRunRunHeadings[] = {u"馬番", u"５走", u"４走", u"３走", u"２走", u"前走"};
const Text kPastRunTitle = u"評　価　値";
const RunnerColumn kRunnerColumns[] = {
    {1575, u"       馬　　名", u"       馬　　名"},
    {550, u"速力値", u"評価"},
    {300, u"速力値", u"①"},
    {50, u"", u""},
    {550, u"現力値", u"評価"},
    {300, u"現力値", u"②"},
    {50, u"", u""},
    {475, u"３Ｆタイム値", u"前3F"},
    {475, u"３Ｆタイム値", u"後3F"},
    {475, u"３Ｆタイム値", u"合6F"},
    {300, u"３Ｆタイム値", u"差"},
    {300, u"３Ｆタイム値", u"③"},
    {500, u"３Ｆタイム値", u"脚質"},
    {50, u"", u""},
    {550, u"上昇値", u"評価"},
    {300, u"上昇値", u"④"},
    {50, u"", u""},
    {500, u"調教", u"状態"},
    {50, u"", u""},
    {675, u"予想", u"ﾀｲﾑ"},
    {50, u"", u""},
    {550, u"総合", u"評価"},
};
const Text kGoingItems[] = {u"  良  ", u" 稍重 ", u"  重  ", u" 不良 "};
constexpr int kGridRows = 20;  // two heading rows and runners 1 to 18
constexpr int kPastRunCols = 6;
constexpr int kRunnerCols = 22;
constexpr int kAptitudeCols = 4;
// The runner grid's row-0 texts written with the widths; the other group headings follow the merge marks.
constexpr int kTrainingCol = 17;
constexpr int kPredictedTimeCol = 19;
constexpr int kOverallCol = 21;

bool IsSpacer(const RunnerColumn& column) {
  return column.heading[0] == u'\0';
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
  ShapeWithTwoHeadingRows(grid, kPastRunCols);
  for (int c = 0; c < kPastRunCols; ++c) grid.SetColAlignment(c, ui::kFlexCenterCenter);
  grid.SetColWidth(0, 450);
  grid.SetTextMatrix(1, 0, kPastRunRunHeadings[0]);
  for (int c = 1; c < kPastRunCols; ++c) {
    grid.SetColWidth(c, 650);
    grid.SetTextMatrix(0, c, u"");
    grid.SetTextMatrix(1, c, kPastRunRunHeadings[c]);
  }
}

void frmAg3::LayOutRunnerGrid() {
  ui::FlexGrid& grid = MSFlexGrid2;
  ShapeWithTwoHeadingRows(grid, kRunnerCols);
  grid.SetColAlignment(0, ui::kFlexLeftCenter);
  for (int c = 1; c < kRunnerCols; ++c) {
    if (!IsSpacer(kRunnerColumns[c])) grid.SetColAlignment(c, ui::kFlexCenterCenter);
  }
  grid.SetColWidth(0, kRunnerColumns[0].width);
  grid.SetTextMatrix(1, 0, kRunnerColumns[0].heading);
  for (int c = 1; c < kRunnerCols; ++c) {
    const RunnerColumn& column = kRunnerColumns[c];
    grid.SetColWidth(c, column.width);
    if (c == kOverallCol) continue;  // headed last, after the groups
    grid.SetTextMatrix(0, c, c == kTrainingCol || c == kPredictedTimeCol ? column.group : u"");
    grid.SetTextMatrix(1, c, column.heading);
  }
}

// Equal neighbouring headings merge: the name columns over both heading rows, the run columns and
// the value groups under one title each.
void frmAg3::MarkGroupHeadings() {
  ui::FlexGrid& runs = MSFlexGrid1;
  runs.SetMergeCol(0, true);
  runs.SetTextMatrix(0, 0, kPastRunRunHeadings[0]);
  runs.SetTextMatrix(1, 0, kPastRunRunHeadings[0]);
  runs.SetMergeRow(0, true);
  for (int c = 1; c < kPastRunCols; ++c) runs.SetTextMatrix(0, c, kPastRunTitle);

  ui::FlexGrid& runners = MSFlexGrid2;
  runners.SetMergeCol(0, true);
  runners.SetTextMatrix(0, 0, kRunnerColumns[0].group);
  runners.SetTextMatrix(1, 0, kRunnerColumns[0].heading);
  runners.SetMergeRow(0, true);
  for (int c = 1; c < kOverallCol; ++c) {
    if (!IsSpacer(kRunnerColumns[c])) runners.SetTextMatrix(0, c, kRunnerColumns[c].group);
  }
  runners.SetTextMatrix(0, kOverallCol, kRunnerColumns[kOverallCol].group);
  runners.SetTextMatrix(1, kOverallCol, kRunnerColumns[kOverallCol].heading);
}

void frmAg3::FillGoingList() {
  for (const Text& going : kGoingItems) Combo1.AddItem(going);
}

void frmAg3::LayOutGoingAptitudePanel() {
  ui::FlexGrid& grid = MSFlexGrid4;
  ShapeWithTwoHeadingRows(grid, kAptitudeCols);
  for (int c = 0; c < kAptitudeCols; ++c) grid.SetColAlignment(c, ui::kFlexCenterCenter);
}

}  // namespace analysis
