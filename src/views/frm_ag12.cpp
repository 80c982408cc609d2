#include "views/frm_ag12.h"

#include <array>

#include "analysis/analysed_race.h"
#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "ui/design.h"
#include "views/slope_counts.h"
#include "views/training_course_texts.h"
#include "views/training_views.h"

namespace views {

using model::Text;

namespace {

constexpr double kViewTop = 585;
constexpr double kHiddenTop = 5640;  // below the window's lower edge
constexpr double kGridLeft = 50;
constexpr double kGridWidth = 12000;
constexpr double kGridHeight = 4600;
constexpr int kGridRows = 20;
constexpr int kFlatCols = 23;
constexpr int kSlopeCols = 22;

constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg12", .place = {{0, 0, 12200, 5575}}, .caption = u" ＜　調教ウィンドウ　＞"},
    {.name = "MSFlexGrid1",
     .place = {{kGridLeft, kViewTop, kGridWidth, kGridHeight}},
     .font_name = u"ＭＳ Ｐゴシック"},
    {.name = "Option1",
     .place = {{8600, 100, 1200, 350}},
     .caption = u"平場調教",
     .font_name = u"ＭＳ Ｐゴシック",
     .font_size = 9,
     .bold = true},
    {.name = "Option2",
     .place = {{10000, 100, 1200, 350}},
     .caption = u"坂路調教",
     .font_name = u"ＭＳ Ｐゴシック",
     .font_size = 9,
     .bold = true},
    {.name = "MSFlexGrid2",
     .place = {{kGridLeft, kHiddenTop, kGridWidth, kGridHeight}},
     .font_name = u"ＭＳ Ｐゴシック"},
};

// One column of a workout block: its width and its head in row 1.
struct BlockColumn {
  double width;
  Text head;
};
const std::array<BlockColumn, 7> kFlatBlock = {{{1050, u"コ－ス"},
                                                {450, u"６Ｆ"},
                                                {450, u"５F"},
                                                {450, u"４Ｆ"},
                                                {450, u"３Ｆ"},
                                                {450, u"１Ｆ"},
                                                {630, u"脚色"}}};
const std::array<BlockColumn, 6> kSlopeBlock = {
    {{1110, u"コ－ス"}, {450, u"回数"}, {450, u"３F"}, {450, u"２Ｆ"}, {450, u"１Ｆ"}, {650, u"脚色"}}};
const Text kDateHead = u"調教日";
const std::array<Text, 3> kWorkoutLabels = {u"１回目", u"２回目", u"３回目"};
constexpr double kSpacerWidth = 50;
constexpr double kSlopeTailWidth = 1100;  // the slope grid's last column, without heads
constexpr double kCourseTextFontSize = 8;

// Lays out one grid: rows, fixed rows, font, merging, the blocks' alignments, widths and heads, the
// course-text cells in smaller type, and spacers between blocks (and after the last one, in the
// slope grid, a wide column).
template <size_t N>
void LayOutTrainingGrid(ui::FlexGrid& grid, int cols, const std::array<BlockColumn, N>& block) {
  constexpr int kBlockStride = static_cast<int>(N) + 1;
  grid.SetRows(kGridRows);
  grid.SetCols(cols);
  grid.SetFixedRows(2);
  grid.SetFixedCols(0);
  grid.SetFontSize(9);
  grid.SetMergeCells(ui::kMergeFree);
  for (int b = 0; b < 3 * kBlockStride; b += kBlockStride) {
    for (int c = 0; c < static_cast<int>(N); ++c) grid.SetColAlignment(b + c, ui::kFlexCenterCenter);
    for (int row = 2; row < kGridRows; ++row) {
      grid.SetCol(b);
      grid.SetRow(row);
      grid.SetCellAlignment(ui::kFlexCenterCenter);
      grid.SetCellFontSize(kCourseTextFontSize);
    }
  }
  for (int col = 0; col < cols; ++col) {
    const int block_col = col % kBlockStride;
    if (col >= 3 * kBlockStride) {
      grid.SetColWidth(col, kSlopeTailWidth);
    } else if (block_col == static_cast<int>(N)) {
      grid.SetColWidth(col, kSpacerWidth);
    } else {
      grid.SetColWidth(col, block[static_cast<size_t>(block_col)].width);
      grid.SetTextMatrix(0, col, block_col == 0 ? kDateHead : Text());
      grid.SetTextMatrix(1, col, block[static_cast<size_t>(block_col)].head);
    }
  }
}

// Row 0 merges; each workout's label over its block's columns after the course column.
void WriteWorkoutLabelsOf(ui::FlexGrid& grid, int block_cols) {
  grid.SetMergeRow(0, true);
  for (int k = 0; k < 3; ++k) {
    const int b = k * (block_cols + 1);
    for (int col = b + 1; col < b + block_cols; ++col) {
      grid.SetTextMatrix(0, col, kWorkoutLabels[static_cast<size_t>(k)]);
    }
  }
}

}  // namespace

frmAg12::frmAg12(shell::App& app) : ui::Form(app, "frmAg12"), app_(app) {
  ui::ApplyDesign(*this, kDesign);
  // As designed, before the load lays them out: the flat view that the load selects first writes
  // into them at once.
  MSFlexGrid1.SetRows(kGridRows);
  MSFlexGrid1.SetCols(kFlatCols);
  MSFlexGrid2.SetRows(kGridRows);
  MSFlexGrid2.SetCols(kSlopeCols);
  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
}

void frmAg12::Form_Load() {
  race_ = analysis::AnalysedRaceIndex(app_.meeting);
  runner_count_ = analysis::AnalysedRunnerCount(app_.meeting);
  Place();
  Option1.SetValue(true);
  LayOutFlatTrainingGrid();
  LayOutSlopeTrainingGrid();
  WriteWorkoutLabels();
  BuildTrainCourseTexts(app_.meeting, race_, runner_count_);
  ClearFlatTrainingGrid(MSFlexGrid1, runner_count_);
  FillFlatTrainingGrid(MSFlexGrid1, app_.meeting, race_, runner_count_);
}

void frmAg12::Option1_Click() {
  MSFlexGrid2.Move(kGridLeft, kHiddenTop, kGridWidth, kGridHeight);
  MSFlexGrid1.Move(kGridLeft, kViewTop, kGridWidth, kGridHeight);
  FillFlatTrainingGrid(MSFlexGrid1, app_.meeting, race_, runner_count_);
}

void frmAg12::Option2_Click() {
  MSFlexGrid2.Move(kGridLeft, kViewTop, kGridWidth, kGridHeight);
  MSFlexGrid1.Move(kGridLeft, kHiddenTop, kGridWidth, kGridHeight);
  for (int i = 1; i <= runner_count_; ++i) {
    ShortenSlopeCounts(app_.meeting, race_, i);
    FillSlopeTrainingGrid(MSFlexGrid2, app_.meeting, race_, i);
  }
}

void frmAg12::Place() {
  shell::PlaceFromFrameOrigin(*this, app_.screen, 755, 2550 + 25);
}

void frmAg12::LayOutFlatTrainingGrid() {
  LayOutTrainingGrid(MSFlexGrid1, kFlatCols, kFlatBlock);
}

void frmAg12::LayOutSlopeTrainingGrid() {
  LayOutTrainingGrid(MSFlexGrid2, kSlopeCols, kSlopeBlock);
}

void frmAg12::WriteWorkoutLabels() {
  WriteWorkoutLabelsOf(MSFlexGrid2, static_cast<int>(kSlopeBlock.size()));
  WriteWorkoutLabelsOf(MSFlexGrid1, static_cast<int>(kFlatBlock.size()));
}

}  // namespace views
