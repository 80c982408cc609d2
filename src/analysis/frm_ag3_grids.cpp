// The analysis window's grid layouts and going list, as the load sets them.
#include <array>

#include "analysis/frm_ag3.h"
#include "analysis/runner_grid.h"
#include "ui/grid_design.h"

namespace analysis {

using model::Text;

namespace {

const Text kPastRunTitle = u"評　価　値";
const Text kGoingItems[] = {u"  良  ", u" 稍重 ", u"  重  ", u" 不良 "};

// Equal neighbouring headings merge: the name columns over both heading rows, the run columns and
// the value groups under one title each.
constexpr int kMergedFirstCol[] = {0};
constexpr int kMergedTitleRow[] = {kGridTitleRow};

constexpr std::array<int, kPastRunColumns> kPastRunAlignments = [] {
  std::array<int, kPastRunColumns> alignments{};
  alignments.fill(ui::kFlexCenterCenter);
  return alignments;
}();
constexpr std::array<double, kPastRunColumns> kPastRunWidths = [] {
  std::array<double, kPastRunColumns> widths{};
  for (int c = 0; c < kPastRunColumns; ++c) widths[c] = kPastRunColumnLayouts[c].width;
  return widths;
}();
const std::array<Text, kPastRunColumns> kPastRunTitles = [] {
  std::array<Text, kPastRunColumns> titles;
  titles.fill(kPastRunTitle);
  titles[0] = kPastRunColumnLayouts[0].heading;
  return titles;
}();
const std::array<Text, kPastRunColumns> kPastRunHeadings = [] {
  std::array<Text, kPastRunColumns> headings;
  for (int c = 0; c < kPastRunColumns; ++c) headings[c] = kPastRunColumnLayouts[c].heading;
  return headings;
}();
const ui::GridHeadings kPastRunGridHeadings[] = {{.row = 0, .col = 0, .texts = kPastRunTitles},
                                                 {.row = 1, .col = 0, .texts = kPastRunHeadings}};

// The name column from the left, the spacers with the grid's own alignment, the rest centred.
constexpr std::array<int, kRunnerColumns> kRunnerAlignments = [] {
  std::array<int, kRunnerColumns> alignments{};
  for (int c = 0; c < kRunnerColumns; ++c) {
    alignments[c] = c == 0                      ? ui::kFlexLeftCenter
                    : IsSpacer(RunnerColumn{c}) ? ui::kFlexGeneral
                                                : ui::kFlexCenterCenter;
  }
  return alignments;
}();
constexpr std::array<double, kRunnerColumns> kRunnerWidths = [] {
  std::array<double, kRunnerColumns> widths{};
  for (int c = 0; c < kRunnerColumns; ++c) widths[c] = LayoutOf(RunnerColumn{c}).width;
  return widths;
}();
const std::array<Text, kRunnerColumns> kRunnerGroups = [] {
  std::array<Text, kRunnerColumns> groups;
  for (int c = 0; c < kRunnerColumns; ++c) groups[c] = LayoutOf(RunnerColumn{c}).group;
  return groups;
}();
const std::array<Text, kRunnerColumns> kRunnerHeadings = [] {
  std::array<Text, kRunnerColumns> headings;
  for (int c = 0; c < kRunnerColumns; ++c) headings[c] = LayoutOf(RunnerColumn{c}).heading;
  return headings;
}();
const ui::GridHeadings kRunnerGridHeadings[] = {{.row = 0, .col = 0, .texts = kRunnerGroups},
                                                {.row = 1, .col = 0, .texts = kRunnerHeadings}};

}  // namespace

const ui::GridDesign frmAg3::kPastRunGridDesign = {.rows = kGridRows,
                                                   .cols = kPastRunColumns,
                                                   .fixed_rows = kGridHeadingRows,
                                                   .fixed_cols = 1,
                                                   .font_size = 9,
                                                   .merge_cells = ui::kMergeFree,
                                                   .alignments = kPastRunAlignments,
                                                   .widths = kPastRunWidths,
                                                   .headings = kPastRunGridHeadings,
                                                   .merged_cols = kMergedFirstCol,
                                                   .merged_rows = kMergedTitleRow};

const ui::GridDesign frmAg3::kRunnerGridDesign = {.rows = kGridRows,
                                                  .cols = kRunnerColumns,
                                                  .fixed_rows = kGridHeadingRows,
                                                  .fixed_cols = 1,
                                                  .font_size = 9,
                                                  .merge_cells = ui::kMergeFree,
                                                  .alignments = kRunnerAlignments,
                                                  .widths = kRunnerWidths,
                                                  .headings = kRunnerGridHeadings,
                                                  .merged_cols = kMergedFirstCol,
                                                  .merged_rows = kMergedTitleRow};

void frmAg3::FillGoingList() {
  for (const Text& going : kGoingItems) Combo1.AddItem(going);
}

}  // namespace analysis
