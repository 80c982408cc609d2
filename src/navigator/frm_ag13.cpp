#include "navigator/frm_ag13.h"

#include <array>
#include <span>

#include "analysis/analysed_race.h"
#include "navigator/stage_handlers.h"
#include "navigator/window_place.h"
#include "shell/app.h"
#include "ui/design.h"
#include "ui/grid_design.h"

namespace navigator {

using model::Text;

namespace {

constexpr char16_t kFace[] = u"ＭＳ Ｐゴシック";
constexpr int kRows = 20;
constexpr int kStatisticsCols = 11;
constexpr int kNavigatorCols = 13;
constexpr double kShownTop = 500;
constexpr double kHiddenTop = 5600;    // just below the window
constexpr double kHiddenTop2 = 10400;  // further below

constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg13", .place = {{0, 0, 11425, 5500}}, .caption = u"    ＜  軸馬　解析ナビ　＞  "},
    {.name = "Option1", .place = {{600, 150, 1100, 200}}, .caption = u" 短距離用"},
    {.name = "Option2", .place = {{1900, 150, 1100, 200}}, .caption = u" 中距離用"},
    {.name = "Option3", .place = {{3200, 150, 1100, 180}}, .caption = u" 長距離用"},
    {.name = "Shape1", .place = {{350, 80, 4250, 350}}, .fill_style = ui::kFillTransparent},
    {.name = "Command2",
     .place = {{8200, 75, 1000, 350}},
     .caption = u"解析",
     .font_name = kFace,
     .font_size = 9.75,
     .bold = true},
    {.name = "Command1",
     .place = {{9300, 75, 1400, 350}},
     .caption = u"軸馬ナビ",
     .font_name = kFace,
     .font_size = 9.75,
     .bold = true},
    {.name = "MSFlexGrid1", .place = {{150, 500, 4875, 4600}}, .font_name = kFace, .font_size = 9},
    {.name = "MSFlexGrid2", .place = {{5000, kShownTop, 6200, 4600}}, .font_name = kFace, .font_size = 9},
    {.name = "MSFlexGrid3", .place = {{5000, kHiddenTop, 6200, 4600}}, .font_name = kFace, .font_size = 9},
    {.name = "MSFlexGrid4", .place = {{5000, kHiddenTop2, 6200, 4600}}, .font_name = kFace, .font_size = 9},
};

const Text kRunnerHead = u"馬番";
const Text kRunsHead = u"実 評 価 値";
const Text kStatisticsHead = u"同条件実績";
const Text kNameHead = u"       馬　　名";
const Text kPointsHead = u"見どころ";

// Statistics grid, columns 0 to 10: the runner, the runs oldest first, a spacer that keeps the
// grid's own alignment, the figures.
constexpr int kStatisticsAlignments[] = {ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                         ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                         ui::kFlexGeneral,      ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                         ui::kFlexCenterCenter, ui::kFlexCenterCenter};
constexpr double kStatisticsWidths[] = {450, 500, 500, 500, 500, 500, 50, 450, 450, 450, 450};
const std::array<Text, kStatisticsCols> kStatisticsRow0 = {
    kRunnerHead, kRunsHead,       kRunsHead,       kRunsHead,       kRunsHead,      kRunsHead,
    u"",         kStatisticsHead, kStatisticsHead, kStatisticsHead, kStatisticsHead};
const std::array<Text, kStatisticsCols> kStatisticsRow1 = {
    kRunnerHead, u"５走", u"４走", u"３走", u"２走", u"前走", u"", u"平均", u"最高", u"最低", u"偏差"};
const ui::GridHeadings kStatisticsHeadings[] = {{.row = 0, .col = 0, .texts = kStatisticsRow0},
                                                {.row = 1, .col = 0, .texts = kStatisticsRow1}};
constexpr int kMergedFirstCol[] = {0};
constexpr int kMergedFirstTwoCols[] = {0, 1};
constexpr int kMergedRows[] = {0};
const ui::GridDesign kStatisticsGridDesign = {.rows = kRows,
                                              .cols = kStatisticsCols,
                                              .fixed_rows = 2,
                                              .fixed_cols = 1,
                                              .font_size = 9,
                                              .merge_cells = ui::kMergeFree,
                                              .alignments = kStatisticsAlignments,
                                              .widths = kStatisticsWidths,
                                              .headings = kStatisticsHeadings,
                                              .merged_cols = kMergedFirstCol,
                                              .merged_rows = kMergedRows};

// Navigator grids, columns 0 to 12: the runner, the name, the axis mark, five criteria and three
// points between spacers that keep the grid's own alignment. Only the criteria's names (row 1,
// columns 4 to 8) differ by distance category.
constexpr int kNavigatorAlignments[] = {ui::kFlexCenterCenter, ui::kFlexLeftCenter,   ui::kFlexCenterCenter,
                                        ui::kFlexGeneral,      ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                        ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                        ui::kFlexGeneral,      ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                        ui::kFlexCenterCenter};
constexpr double kNavigatorWidths[] = {450, 1640, 550, 50, 500, 500, 500, 500, 500, 50, 300, 300, 300};
const std::array<Text, kNavigatorCols> kNavigatorRow0 = {kRunnerHead, kNameHead,   u"連軸",    u"",  u"①",
                                                         u"②",        u"③",        u"④",       u"⑤", u"",
                                                         kPointsHead, kPointsHead, kPointsHead};
const std::array<Text, kNavigatorCols> kShortRow1 = {kRunnerHead, kNameHead, u"候補", u"",     u"休養",
                                                     u"合6F",     u"速力",   u"現力", u"平均", u"",
                                                     u"逃",       u"差",     u"調"};
const std::array<Text, kNavigatorCols> kMiddleRow1 = {kRunnerHead, kNameHead, u"候補", u"",     u"休養",
                                                      u"速力",     u"現力",   u"合6F", u"平均", u"",
                                                      u"逃",       u"差",     u"調"};
const std::array<Text, kNavigatorCols> kLongRow1 = {kRunnerHead, kNameHead, u"候補", u"",     u"休養",
                                                    u"速力",     u"現力",   u"平均", u"後3F", u"",
                                                    u"逃",       u"差",     u"調"};
const ui::GridHeadings kShortHeadings[] = {{.row = 0, .col = 0, .texts = kNavigatorRow0},
                                           {.row = 1, .col = 0, .texts = kShortRow1}};
const ui::GridHeadings kMiddleHeadings[] = {{.row = 0, .col = 0, .texts = kNavigatorRow0},
                                            {.row = 1, .col = 0, .texts = kMiddleRow1}};
const ui::GridHeadings kLongHeadings[] = {{.row = 0, .col = 0, .texts = kNavigatorRow0},
                                          {.row = 1, .col = 0, .texts = kLongRow1}};

ui::GridDesign NavigatorGridDesign(std::span<const ui::GridHeadings> headings) {
  return {.rows = kRows,
          .cols = kNavigatorCols,
          .fixed_rows = 2,
          .fixed_cols = 2,
          .font_size = 9,
          .merge_cells = ui::kMergeFree,
          .alignments = kNavigatorAlignments,
          .widths = kNavigatorWidths,
          .headings = headings,
          .merged_cols = kMergedFirstTwoCols,
          .merged_rows = kMergedRows};
}

}  // namespace

frmAg13::frmAg13(shell::App& app) : ui::Form(app, "frmAg13"), app_(app) {
  ui::ApplyDesign(*this, kDesign);

  Command2.OnClick = [this] { Command2_Click(); };
  Command1.OnClick = [this] { Command1_Click(); };
}

void frmAg13::Form_Load() {
  PlaceOverAnalysisWindow(*this, app_.screen);
  Command1.SetEnabled(false);
  ui::ApplyGridDesign(MSFlexGrid1, kStatisticsGridDesign);
  ui::ApplyGridDesign(MSFlexGrid2, NavigatorGridDesign(kShortHeadings));
  ui::ApplyGridDesign(MSFlexGrid3, NavigatorGridDesign(kMiddleHeadings));
  ui::ApplyGridDesign(MSFlexGrid4, NavigatorGridDesign(kLongHeadings));
  // Without a confirmed race there is no distance to decide by: everything stays as placed.
  const int race = analysis::AnalysedRaceIndex(app_.meeting);
  if (race != 0) ShowCategory(RaceDistanceCategory(app_.meeting, race));
}

void frmAg13::Command2_Click() {
  navigator::Command2_Click(app_, *this);
}

void frmAg13::Command1_Click() {
  navigator::Command1_Click(app_, *this);
}

ui::FlexGrid& frmAg13::NavigatorGrid(DistanceCategory category) {
  if (category == DistanceCategory::kMiddle) return MSFlexGrid3;
  if (category == DistanceCategory::kLong) return MSFlexGrid4;
  return MSFlexGrid2;
}

// The category's grid comes into view and its option is set (before the others are disabled; the
// options have no action); without a category nothing moves.
void frmAg13::ShowCategory(DistanceCategory category) {
  if (category == DistanceCategory::kNone) return;
  const struct {
    DistanceCategory category;
    ui::OptionButton* option;
  } marks[] = {{DistanceCategory::kShort, &Option1},
               {DistanceCategory::kMiddle, &Option2},
               {DistanceCategory::kLong, &Option3}};
  // Tops of the short, middle and long grids by the category in view.
  const std::array<double, 3> tops =
      category == DistanceCategory::kShort    ? std::array{kShownTop, kHiddenTop, kHiddenTop2}
      : category == DistanceCategory::kMiddle ? std::array{kHiddenTop, kShownTop, kHiddenTop2}
                                              : std::array{kHiddenTop2, kHiddenTop, kShownTop};
  MSFlexGrid2.SetTop(tops[0]);
  MSFlexGrid3.SetTop(tops[1]);
  MSFlexGrid4.SetTop(tops[2]);
  for (const auto& mark : marks) {
    if (mark.category == category) mark.option->SetValue(true);
  }
  for (const auto& mark : marks) {
    if (mark.category != category) mark.option->SetEnabled(false);
  }
}

}  // namespace navigator
