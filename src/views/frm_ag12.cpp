#include "views/frm_ag12.h"

#include <array>
#include <vector>

#include "analysis/analysed_race.h"
#include "model/meeting_shape.h"
#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "ui/design.h"
#include "ui/grid_design.h"
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
constexpr int kHeadRows = 2;  // the date and workout labels, then the block heads
constexpr int kGridRows = kHeadRows + model::kRunnersAnalysed;  // a runner a row
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

constexpr int kBlocks = 3;

// A training grid's design: three blocks of centred columns, each after a spacer but the first, and
// in the slope grid a wide column after the last. Row 0 holds the date head over each course column
// and the workout's label over the rest of its block, merged; row 1 the block's heads. The design
// points into this object's arrays, so it is neither copied nor moved.
template <size_t N>
class TrainingGridDesign {
 public:
  static constexpr int kBlockStride = static_cast<int>(N) + 1;

  TrainingGridDesign(int cols, const std::array<BlockColumn, N>& block) {
    for (int col = 0; col < cols; ++col) {
      const int block_col = col % kBlockStride;
      const bool in_block = col < kBlocks * kBlockStride && block_col < static_cast<int>(N);
      // Spacers and the tail keep the grid's general alignment.
      alignments_.push_back(in_block ? ui::kFlexCenterCenter : ui::kFlexGeneral);
      if (col >= kBlocks * kBlockStride) {
        widths_.push_back(kSlopeTailWidth);
      } else {
        widths_.push_back(in_block ? block[static_cast<size_t>(block_col)].width : kSpacerWidth);
      }
    }
    for (size_t c = 0; c < N; ++c) heads_[c] = block[c].head;
    for (size_t k = 0; k < kBlocks; ++k) {
      top_rows_[k].fill(kWorkoutLabels[k]);
      top_rows_[k][0] = kDateHead;
      const int first_col = static_cast<int>(k) * kBlockStride;
      headings_[2 * k] = {.row = 0, .col = first_col, .texts = top_rows_[k]};
      headings_[2 * k + 1] = {.row = 1, .col = first_col, .texts = heads_};
    }
    design_ = {.rows = kGridRows,
               .cols = cols,
               .fixed_rows = kHeadRows,
               .fixed_cols = 0,
               .font_size = 9,
               .merge_cells = ui::kMergeFree,
               .alignments = alignments_,
               .widths = widths_,
               .headings = headings_,
               .merged_rows = kMergedTopRow};
  }
  TrainingGridDesign(const TrainingGridDesign&) = delete;
  TrainingGridDesign& operator=(const TrainingGridDesign&) = delete;

  const ui::GridDesign& Design() const { return design_; }

 private:
  static constexpr int kMergedTopRow[] = {0};

  std::vector<int> alignments_;
  std::vector<double> widths_;
  std::array<Text, N> heads_;
  std::array<std::array<Text, N>, kBlocks> top_rows_;
  std::array<ui::GridHeadings, 2 * kBlocks> headings_;
  ui::GridDesign design_;
};

const TrainingGridDesign<kFlatBlock.size()> kFlatGridDesign(kFlatCols, kFlatBlock);
const TrainingGridDesign<kSlopeBlock.size()> kSlopeGridDesign(kSlopeCols, kSlopeBlock);

// The course texts run long: centred and in smaller type, cell by cell, so that the current cell
// ends on the last block's last row.
void FormatCourseTextCells(ui::FlexGrid& grid, int block_stride) {
  for (int b = 0; b < kBlocks * block_stride; b += block_stride) {
    for (int row = kHeadRows; row < kGridRows; ++row) {
      grid.SetCol(b);
      grid.SetRow(row);
      grid.SetCellAlignment(ui::kFlexCenterCenter);
      grid.SetCellFontSize(kCourseTextFontSize);
    }
  }
}

// Lays one grid out: its design, then the course-text cells.
template <size_t N>
void LayOutTrainingGrid(ui::FlexGrid& grid, const TrainingGridDesign<N>& design) {
  ui::ApplyGridDesign(grid, design.Design());
  FormatCourseTextCells(grid, TrainingGridDesign<N>::kBlockStride);
}

// As designed, before the load lays the grids out: the flat view that the load selects first writes
// into them at once. The fixed ones stay as a new grid has them.
constexpr ui::GridDesign kFlatGridAsDesigned = {.rows = kGridRows, .cols = kFlatCols};
constexpr ui::GridDesign kSlopeGridAsDesigned = {.rows = kGridRows, .cols = kSlopeCols};

}  // namespace

frmAg12::frmAg12(shell::App& app) : ui::Form(app, "frmAg12"), app_(app) {
  ui::ApplyDesign(*this, kDesign);
  ui::ApplyGridDesign(MSFlexGrid1, kFlatGridAsDesigned);
  ui::ApplyGridDesign(MSFlexGrid2, kSlopeGridAsDesigned);
  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
}

void frmAg12::Form_Load() {
  race_ = analysis::AnalysedRaceIndex(app_.meeting);
  runner_count_ = analysis::AnalysedRunnerCount(app_.meeting);
  Place();
  Option1.SetValue(true);
  LayOutTrainingGrid(MSFlexGrid1, kFlatGridDesign);
  LayOutTrainingGrid(MSFlexGrid2, kSlopeGridDesign);
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

}  // namespace views
