#include "views/frm_ag10.h"

#include <array>

#include "analysis/analysed_race.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "ui/design.h"
#include "ui/grid_design.h"
#include "ui/palette.h"
#include "views/record_display_text.h"

namespace views {

using model::Text;

namespace {

constexpr int kRunnerRows = 18;
constexpr int kHeadRows = 3;
constexpr int kCols = 30;
constexpr int kGapCol = 15;  // between today's surface and the other
constexpr int kHalfCols = 14;

constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg10", .place = {{0, 0, 7200, 6000}}, .caption = u" ＜　成績ウィンドウ　＞"},
    {.name = "MSFlexGrid1", .place = {{225, 235, 6650, 5080}}, .font_name = u"ＭＳ Ｐゴシック"},
};

// Columns 1 to 14 of a half: direction, going, distance band.
const std::array<Text, kHalfCols> kHalfHeads = {
    u"右廻り",   u"左廻り",   u"良",       u"やや重",   u"重",       u"不良",     u"～ 1000m",
    u"～ 1200m", u"～ 1400m", u"～ 1600m", u"～ 1800m", u"～ 2000m", u"～ 2200m", u"2200m ～"};
const Text kCountsHead = u"１・２・３・～";
const Text kStyleHead = u"脚  質";
const Text kStyleCounts = u"逃 先 差 追";
const Text kRecordGroup = u"連対成績";

// The gap column keeps the grid's own alignment and stays narrow.
constexpr std::array<int, kCols> kAlignments = [] {
  std::array<int, kCols> alignments{};
  alignments.fill(ui::kFlexCenterCenter);
  alignments[kGapCol] = ui::kFlexGeneral;
  return alignments;
}();
constexpr std::array<double, kCols> kWidths = [] {
  std::array<double, kCols> widths{};
  widths.fill(1000);
  widths[kGapCol] = 100;
  return widths;
}();
const std::array<Text, kHeadRows> kCornerHeads = {kRecordGroup, kStyleHead, kStyleCounts};
const std::array<Text, kHalfCols> kCountsHeads = [] {
  std::array<Text, kHalfCols> heads;
  heads.fill(kCountsHead);
  return heads;
}();
const ui::GridHeadings kHeadings[] = {{.row = 0, .col = 0, .down = true, .texts = kCornerHeads},
                                      {.row = 1, .col = 1, .texts = kHalfHeads},
                                      {.row = 1, .col = kGapCol + 1, .texts = kHalfHeads},
                                      {.row = 2, .col = 1, .texts = kCountsHeads},
                                      {.row = 2, .col = kGapCol + 1, .texts = kCountsHeads}};
constexpr int kMergedRows[] = {0};
const ui::GridDesign kGridDesign = {.rows = kHeadRows + kRunnerRows,
                                    .cols = kCols,
                                    .fixed_rows = kHeadRows,
                                    .fixed_cols = 0,
                                    .font_size = 9,
                                    .merge_cells = ui::kMergeFree,
                                    .alignments = kAlignments,
                                    .widths = kWidths,
                                    .headings = kHeadings,
                                    .merged_rows = kMergedRows};

struct SurfaceGroups {
  Text direction, going, distance;
  // The record tables of the half's columns 1 to 14.
  std::array<int, kHalfCols> tables;
};
const SurfaceGroups kTurf = {
    u"芝・廻り", u"芝・馬場", u"芝・距離", {2, 3, 6, 7, 8, 9, 14, 15, 16, 17, 18, 19, 20, 21}};
const SurfaceGroups kDirt = {u"ダ－ト・廻り",
                             u"ダ－ト・馬場",
                             u"ダ－ト・距離",
                             {4, 5, 10, 11, 12, 13, 22, 23, 24, 25, 26, 27, 28, 29}};

const Text& GroupOf(const SurfaceGroups& surface, int half_col) {
  if (half_col <= 2) return surface.direction;
  if (half_col <= 6) return surface.going;
  return surface.distance;
}

// The grid column of column half_col (1 to 14) of the left or the right half.
int GridCol(bool left_half, int half_col) {
  return left_half ? half_col : kGapCol + half_col;
}

bool IsTinted(int col) {
  return col < kGapCol ? col % 2 == 0 : col % 2 == 1;
}

}  // namespace

frmAg10::frmAg10(shell::App& app) : ui::Form(app, "frmAg10"), app_(app) {
  ui::ApplyDesign(*this, kDesign);
}

void frmAg10::Form_Load() {
  Place();
  ui::ApplyGridDesign(MSFlexGrid1, kGridDesign);
  const model::Meeting& meeting = app_.meeting;
  const int race = analysis::AnalysedRaceIndex(meeting);
  const int runner_count = race == 0 ? 0 : analysis::AnalysedRunnerCount(meeting);
  const Text& surface = meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(race == 0 ? 1 : race);
  const bool known_surface = race != 0 && (surface == u"1" || surface == u"0");
  const bool turf_first = surface == u"1";
  if (known_surface) WriteGroupHeads(turf_first);
  TintRunnerRows(runner_count);
  if (race == 0) return;
  RewriteRecordCounts(app_.meeting, race, runner_count);
  if (known_surface) FillRunnerRows(race, runner_count, turf_first);
}

void frmAg10::Place() {
  shell::PlaceFromFrameOrigin(*this, app_.screen, 5655, 2650 + 25);
}

void frmAg10::WriteGroupHeads(bool turf_first) {
  const SurfaceGroups& left = turf_first ? kTurf : kDirt;
  const SurfaceGroups& right = turf_first ? kDirt : kTurf;
  for (int half_col = 1; half_col <= kHalfCols; ++half_col) {
    MSFlexGrid1.SetTextMatrix(0, GridCol(true, half_col), GroupOf(left, half_col));
    MSFlexGrid1.SetTextMatrix(0, GridCol(false, half_col), GroupOf(right, half_col));
  }
}

void frmAg10::TintRunnerRows(int runner_count) {
  for (int col = 0; col < kCols; ++col) {
    if (!IsTinted(col)) continue;
    for (int j = 1; j <= runner_count; ++j) {
      MSFlexGrid1.SetCol(col);
      MSFlexGrid1.SetRow(j + kHeadRows - 1);
      MSFlexGrid1.SetCellBackColor(ui::palette::kLightYellow);
    }
  }
}

void frmAg10::FillRunnerRows(int race, int runner_count, bool turf_first) {
  const auto& records = app_.meeting.Group<intake::PastRunTables>().RecordCounts;
  const SurfaceGroups& left = turf_first ? kTurf : kDirt;
  const SurfaceGroups& right = turf_first ? kDirt : kTurf;
  for (int j = 1; j <= runner_count; ++j) {
    const int row = j + kHeadRows - 1;
    MSFlexGrid1.SetTextMatrix(row, 0, records[1](race, j));
    for (int half_col = 1; half_col <= kHalfCols; ++half_col) {
      MSFlexGrid1.SetTextMatrix(row, GridCol(true, half_col), records[left.tables[half_col - 1]](race, j));
      MSFlexGrid1.SetTextMatrix(row, GridCol(false, half_col), records[right.tables[half_col - 1]](race, j));
    }
  }
}

}  // namespace views
