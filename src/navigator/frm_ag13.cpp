#include "navigator/frm_ag13.h"

#include <array>

#include "analysis/analysed_race.h"
#include "navigator/stage_handlers.h"
#include "navigator/window_place.h"
#include "shell/app.h"
#include "ui/design.h"

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
const Text kBareNameHead = u"馬　　名";
const Text kPointsHead = u"見どころ";

struct ColumnHead {
  double width;
  bool centred;  // false: the grid's default alignment
  Text row0;
  Text row1;
};

// Columns 1 to 10 of the statistics grid: the runs oldest first, a spacer, the figures.
const std::array<ColumnHead, 10> kStatisticsColumns = {{
    {500, true, kRunsHead, u"５走"},
    {500, true, kRunsHead, u"４走"},
    {500, true, kRunsHead, u"３走"},
    {500, true, kRunsHead, u"２走"},
    {500, true, kRunsHead, u"前走"},
    {50, false, u"", u""},
    {450, true, kStatisticsHead, u"平均"},
    {450, true, kStatisticsHead, u"最高"},
    {450, true, kStatisticsHead, u"最低"},
    {450, true, kStatisticsHead, u"偏差"},
}};

// The criterion names of columns 4 to 8 by category.
std::array<Text, 5> CriterionHeads(DistanceCategory category) {
  switch (category) {
    case DistanceCategory::kMiddle:
      return {u"休養", u"速力", u"現力", u"合6F", u"平均"};
    case DistanceCategory::kLong:
      return {u"休養", u"速力", u"現力", u"平均", u"後3F"};
    case DistanceCategory::kShort:
    case DistanceCategory::kNone:
      break;
  }
  return {u"休養", u"合6F", u"速力", u"現力", u"平均"};
}

const std::array<Text, 5> kCriterionNumbers = {u"①", u"②", u"③", u"④", u"⑤"};
const std::array<Text, 3> kPointHeads = {u"逃", u"差", u"調"};

}  // namespace

frmAg13::frmAg13(shell::App& app) : ui::Form(app, "frmAg13"), app_(app) {
  ui::ApplyDesign(*this, kDesign);

  Command2.OnClick = [this] { Command2_Click(); };
  Command1.OnClick = [this] { Command1_Click(); };
}

void frmAg13::Form_Load() {
  PlaceOverAnalysisWindow(*this, app_.screen);
  Command1.SetEnabled(false);
  LayOutStatisticsGrid();
  LayOutNavigatorGrid(MSFlexGrid2, DistanceCategory::kShort);
  LayOutNavigatorGrid(MSFlexGrid3, DistanceCategory::kMiddle);
  LayOutNavigatorGrid(MSFlexGrid4, DistanceCategory::kLong);
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

void frmAg13::LayOutStatisticsGrid() {
  ui::FlexGrid& grid = MSFlexGrid1;
  grid.SetRows(kRows);
  grid.SetCols(kStatisticsCols);
  grid.SetFixedRows(2);
  grid.SetFixedCols(1);
  grid.SetFontSize(9);
  grid.SetMergeCells(ui::kMergeFree);
  grid.SetColAlignment(0, ui::kFlexCenterCenter);
  grid.SetColWidth(0, 450);
  for (int col = 1; col < kStatisticsCols; ++col) {
    const ColumnHead& head = kStatisticsColumns[static_cast<size_t>(col - 1)];
    if (head.centred) grid.SetColAlignment(col, ui::kFlexCenterCenter);
    grid.SetColWidth(col, head.width);
    grid.SetTextMatrix(1, col, head.row1);
  }
  grid.SetMergeCol(0, true);
  grid.SetTextMatrix(0, 0, kRunnerHead);
  grid.SetTextMatrix(1, 0, kRunnerHead);
  grid.SetMergeRow(0, true);
  for (int col = 1; col < kStatisticsCols; ++col) {
    grid.SetTextMatrix(0, col, kStatisticsColumns[static_cast<size_t>(col - 1)].row0);
  }
}

void frmAg13::LayOutNavigatorGrid(ui::FlexGrid& grid, DistanceCategory category) {
  grid.SetRows(kRows);
  grid.SetCols(kNavigatorCols);
  grid.SetFixedRows(2);
  grid.SetFixedCols(2);
  grid.SetMergeCells(ui::kMergeFree);
  grid.SetFontSize(9);
  grid.SetColAlignment(1, ui::kFlexLeftCenter);
  for (int col : {0, 2, 4, 5, 6, 7, 8, 10, 11, 12}) grid.SetColAlignment(col, ui::kFlexCenterCenter);
  const std::array<double, kNavigatorCols> widths = {450, 1640, 550, 50,  500, 500, 500,
                                                     500, 500,  50,  300, 300, 300};
  for (int col = 0; col < kNavigatorCols; ++col) grid.SetColWidth(col, widths[static_cast<size_t>(col)]);
  grid.SetTextMatrix(1, 1, kBareNameHead);
  grid.SetTextMatrix(0, 2, u"連軸");
  grid.SetTextMatrix(1, 2, u"候補");
  const std::array<Text, 5> criteria = CriterionHeads(category);
  for (int k = 1; k <= 5; ++k) {
    grid.SetTextMatrix(0, 3 + k, kCriterionNumbers[static_cast<size_t>(k - 1)]);
    grid.SetTextMatrix(1, 3 + k, criteria[static_cast<size_t>(k - 1)]);
  }
  for (int k = 1; k <= 3; ++k) grid.SetTextMatrix(1, 9 + k, kPointHeads[static_cast<size_t>(k - 1)]);

  grid.SetMergeCol(0, true);
  grid.SetTextMatrix(0, 0, kRunnerHead);
  grid.SetTextMatrix(1, 0, kRunnerHead);
  grid.SetMergeCol(1, true);
  grid.SetTextMatrix(0, 1, kNameHead);
  grid.SetTextMatrix(1, 1, kNameHead);
  grid.SetMergeRow(0, true);
  for (int col = 10; col <= 12; ++col) grid.SetTextMatrix(0, col, kPointsHead);
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
