#include "basetime/frm_ag7.h"

#include <algorithm>
#include <array>
#include <span>
#include <typeinfo>
#include <vector>

#include "basetime/accumulation.h"
#include "basetime/base_time_indices.h"
#include "basetime/base_time_tables.h"
#include "basetime/check_sheet_print.h"
#include "basetime/class_average.h"
#include "basetime/distance_headings.h"
#include "basetime/runner_range.h"
#include "basetime/standard_times.h"
#include "model/codes.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "ui/design.h"
#include "ui/grid_design.h"

namespace basetime {

using model::Text;

namespace {

const std::array<Text, kLinesPerCourse> kLineLabels = {u"未勝利", u"500万",  u"900万",  u"1600万", u"ｵ-ﾌﾟﾝ",
                                                       u"構築Ａ", u"構築B1", u"構築B2", u"構築B3"};
constexpr int kBuiltLine = 6;  // 構築Ａ; the smoothing passes follow on 7 to 9

// Oldest run on the left.
const std::array<Text, 5> kRecordHeadings = {
    u"                   ５  走  前", u"                   ４  走  前", u"                   ３  走  前",
    u"                   ２  走  前", u"                   前    　走"};
constexpr int kCourseRows = 10 * kLinesPerCourse;

// Course grids: equal neighbours merge, so the surface word spans both fixed columns and a course
// name runs down its block of lines.
constexpr int kCourseAlignments[] = {ui::kFlexCenterCenter, ui::kFlexCenterCenter};
constexpr double kCourseWidths[] = {600, 710, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700};
const std::array<Text, 2> kTurfWords = {u"芝", u"芝"};
const std::array<Text, 2> kDirtWords = {u"ダ－ト", u"ダ－ト"};
const std::array<Text, kCourseRows> kCourseNameColumn = [] {
  std::array<Text, kCourseRows> names;
  for (int k = 1; k <= 10; ++k) {
    for (int j = 1; j <= kLinesPerCourse; ++j)
      names[ClassGridRow(k, j) - 1] = model::StdCourseOrder[k - 1].name;
  }
  return names;
}();
const std::array<Text, kCourseRows> kLineLabelColumn = [] {
  std::array<Text, kCourseRows> labels;
  for (int k = 1; k <= 10; ++k) {
    for (int j = 1; j <= kLinesPerCourse; ++j) labels[ClassGridRow(k, j) - 1] = kLineLabels[j - 1];
  }
  return labels;
}();
const ui::GridHeadings kTurfHeadings[] = {{.row = 0, .col = 0, .texts = kTurfWords},
                                          {.row = 0, .col = ClassGridColumn(1), .texts = kDistanceHeadings},
                                          {.row = 1, .col = 0, .down = true, .texts = kCourseNameColumn},
                                          {.row = 1, .col = 1, .down = true, .texts = kLineLabelColumn}};
const ui::GridHeadings kDirtHeadings[] = {{.row = 0, .col = 0, .texts = kDirtWords},
                                          {.row = 0, .col = ClassGridColumn(1), .texts = kDistanceHeadings},
                                          {.row = 1, .col = 0, .down = true, .texts = kCourseNameColumn},
                                          {.row = 1, .col = 1, .down = true, .texts = kLineLabelColumn}};
constexpr int kMergedFirstCol[] = {0};
constexpr int kMergedFirstRow[] = {0};

ui::GridDesign CourseGridDesign(std::span<const ui::GridHeadings> headings) {
  return {.rows = 1 + kCourseRows,
          .cols = 14,
          .fixed_rows = 1,
          .fixed_cols = 2,
          .merge_cells = ui::kMergeFree,
          .alignments = kCourseAlignments,
          .widths = kCourseWidths,
          .headings = headings,
          .merged_cols = kMergedFirstCol,
          .merged_rows = kMergedFirstRow};
}

constexpr int kRecordAlignments[] = {ui::kFlexCenterCenter, ui::kFlexLeftCenter};
constexpr double kRecordWidths[] = {330, 2400, 2400, 2400, 2400, 2400};
const ui::GridHeadings kRecordGridHeadings[] = {{.row = 0, .col = 1, .texts = kRecordHeadings}};
const ui::GridDesign kRecordGridDesign = {.rows = 19,
                                          .cols = 6,
                                          .fixed_rows = 1,
                                          .fixed_cols = 1,
                                          .font_size = 8,
                                          .merge_cells = ui::kMergeFree,
                                          .alignments = kRecordAlignments,
                                          .widths = kRecordWidths,
                                          .headings = kRecordGridHeadings};

const std::array<Text, model::kRaces> kRaceEntries = {u"　１Ｒ", u"　２Ｒ", u"  ３Ｒ", u"　４Ｒ",
                                                      u"　５Ｒ", u"　６Ｒ", u"  ７Ｒ", u"　８Ｒ",
                                                      u"　９Ｒ", u"１０Ｒ", u"１１Ｒ", u"１２Ｒ"};
const Text kAllRacesEntry = u"連　続";
constexpr int kAllRacesChoice = model::kRaces;  // the entry after the races

// The course grid in view, and where the other one waits below the window's lower edge.
constexpr double kGridLeft = 300, kGridWidth = 10110, kGridHeight = 2560;
constexpr double kInViewTop = 100, kOutOfViewTop = 7500;

const Text kClearedCell = u" ";
constexpr int kClearedTurfRows = 50;

constexpr const char16_t* kGridFontName = u"ＭＳ Ｐゴシック";

constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg7", .place = {{0, 0, 12630, 7300}}, .caption = u"＜　基本タイム構築の確認画面　＞　"},
    {.name = "MSFlexGrid1",
     .place = {{kGridLeft, kInViewTop, kGridWidth, kGridHeight}},
     .font_name = kGridFontName,
     .font_size = 9},
    {.name = "MSFlexGrid2", .place = {{50, 2760, 12430, 4080}}, .font_name = kGridFontName, .font_size = 9},
    {.name = "Command1", .place = {{11150, 1250, 800, 300}}, .caption = u"表示"},
    {.name = "Combo1", .place = {{10560, 700, 900, 300}}},
    {.name = "Command2", .place = {{10700, 1650, 800, 300}}, .caption = u"平均"},
    {.name = "Command3", .place = {{11650, 1650, 800, 300}}, .caption = u"構築"},
    {.name = "Command4", .place = {{11650, 600, 700, 250}}, .caption = u"上消去"},
    {.name = "Command5", .place = {{11750, 2250, 700, 300}}, .caption = u"印刷"},
    {.name = "Combo2", .place = {{10770, 2250, 900, 300}}},
    {.name = "Command6", .place = {{11650, 900, 700, 250}}, .caption = u"下消去"},
    {.name = "Check1", .place = {{10500, 2310, 200, 200}}},
    {.name = "MSFlexGrid3",
     .place = {{kGridLeft, kOutOfViewTop, kGridWidth, kGridHeight}},
     .font_name = kGridFontName,
     .font_size = 9},
    {.name = "Frame1", .place = {{10500, 0, 1950, 550}}},
    {.name = "Option1", .place = {{250, 240, 600, 200}}, .caption = u"芝"},
    {.name = "Option2", .place = {{980, 240, 800, 200}}, .caption = u"ダ－ト"},
    {.name = "Line1", .points = {{10560, 2100, 12480, 2100}}},
};

}  // namespace

frmAg7::frmAg7(shell::App& app) : ui::Form(app, "frmAg7"), app_(app) {
  ui::ApplyDesign(*this, kDesign);

  Option1.OnClick = [this] { Option1_Click(); };
  Option2.OnClick = [this] { Option2_Click(); };
  Check1.OnClick = [this] { Check1_Click(); };
  Command1.OnClick = [this] { Command1_Click(); };
  Command2.OnClick = [this] { Command2_Click(); };
  Command3.OnClick = [this] { Command3_Click(); };
  Command4.OnClick = [this] { Command4_Click(); };
  Command5.OnClick = [this] { Command5_Click(); };
  Command6.OnClick = [this] { Command6_Click(); };
}

void frmAg7::Form_Load() {
  shell::PlaceFromFrameOrigin(*this, app_.screen, 160, 1850 + 25);
  Option1.SetValue(true);
  Check1.SetValue(ui::kUnchecked);
  Combo1.Clear();
  Combo2.Clear();
  Command1.SetEnabled(true);
  Command2.SetEnabled(true);
  Command3.SetEnabled(true);
  Combo2.SetEnabled(false);
  Command5.SetEnabled(false);
  ui::ApplyGridDesign(MSFlexGrid1, CourseGridDesign(kTurfHeadings));
  ui::ApplyGridDesign(MSFlexGrid2, kRecordGridDesign);
  for (const Text& entry : kRaceEntries) Combo1.AddItem(entry);
  Combo1.AddItem(kAllRacesEntry);
  Combo1.SetListIndex(0);
  ui::ApplyGridDesign(MSFlexGrid3, CourseGridDesign(kDirtHeadings));
  for (const Text& entry : kRaceEntries) Combo2.AddItem(entry);
  Combo2.SetListIndex(0);
}

void frmAg7::Option1_Click() {
  MSFlexGrid1.Move(kGridLeft, kInViewTop, kGridWidth, kGridHeight);
  MSFlexGrid3.Move(kGridLeft, kOutOfViewTop, kGridWidth, kGridHeight);
}

void frmAg7::Option2_Click() {
  MSFlexGrid3.Move(kGridLeft, kInViewTop, kGridWidth, kGridHeight);
  MSFlexGrid1.Move(kGridLeft, kOutOfViewTop, kGridWidth, kGridHeight);
}

void frmAg7::Check1_Click() {
  const bool ticked = Check1.Value() == ui::kChecked;
  Combo2.SetEnabled(ticked);
  Command5.SetEnabled(ticked);
}

void frmAg7::Command1_Click() {
  // Typed text in the list chooses no race.
  const int choice = Combo1.ListIndex();
  if (choice < 0 || choice > kAllRacesChoice) return;
  if (choice == kAllRacesChoice) {
    AccumulateRunTimes(app_.meeting, *this, 1, model::kRaces);
    return;
  }
  const int race = choice + 1;
  AccumulateRunTimes(app_.meeting, *this, race, race);
  ShowRaceRecords(race);
}

void frmAg7::ShowRaceRecords(int race) {
  const BaseTimeTables& base = app_.meeting.Group<BaseTimeTables>();
  // The grid holds 18 runners, the most a race of the program has; any further runner is counted
  // by the accumulation but not listed.
  const int last_row = MSFlexGrid2.Rows() - 1;
  const int runners = LastRunnerOf(app_.meeting, race);
  for (int i = 1; i <= runners && i <= last_row; ++i) {
    MSFlexGrid2.SetTextMatrix(i, 0, model::NumberToText(i));
    for (int c = 1; c <= 5; ++c) MSFlexGrid2.SetTextMatrix(i, c, base.RunSummary[6 - c](race, i));
  }
}

void frmAg7::Command2_Click() {
  ComputeClassAverages(app_.meeting, *this);
}

// The build's derivation of the standard times, with the work row shown after the fill (構築Ａ) and
// after each smoothing pass (構築B1 to 構築B3; a skipped pass shows the row unchanged).
void frmAg7::Command3_Click() {
  DeriveStandardTimes(app_.meeting, [this](int surface, int course, int stage) {
    ShowWorkLine(surface, course, kBuiltLine + stage);
  });
}

void frmAg7::ShowWorkLine(int surface, int course, int line) {
  ui::FlexGrid* grid = CourseGrid(surface);
  if (grid == nullptr) return;
  const CourseDistanceTable& work = app_.meeting.Group<BaseTimeTables>().StdTimeWork;
  for (int d = 1; d <= 12; ++d) {
    grid->SetTextMatrix(ClassGridRow(course, line), ClassGridColumn(d), StandardTimeText(work(course, d)));
  }
}

void frmAg7::Command4_Click() {
  for (int r = 1; r <= kClearedTurfRows; ++r) {
    for (int c = 2; c <= 13; ++c) MSFlexGrid1.SetTextMatrix(r, c, kClearedCell);
  }
}

void frmAg7::Command5_Click() {
  // Typed text in the list chooses no race, and the sheet needs one.
  const int choice = Combo2.ListIndex();
  if (choice < 0 || choice >= static_cast<int>(kRaceEntries.size())) return;
  PrintRaceRunRecords(app_.meeting, app_.printer, choice + 1);
}

void frmAg7::Command6_Click() {
  for (int r = 1; r <= 18; ++r) {
    for (int c = 1; c <= 5; ++c) MSFlexGrid2.SetTextMatrix(r, c, kClearedCell);
  }
}

ui::FlexGrid* frmAg7::CourseGrid(int surface) {
  if (surface == kTurf) return &MSFlexGrid1;
  if (surface == kDirt) return &MSFlexGrid3;
  return nullptr;
}

void frmAg7::SetClassCell(int surface, int row, int col, const Text& text) {
  if (ui::FlexGrid* grid = CourseGrid(surface)) grid->SetTextMatrix(row, col, text);
}

void CheckWindowGrids::SetClassCell(int surface, int row, int col, const Text& text) {
  Window().SetClassCell(surface, row, col, text);
}

frmAg7& CheckWindowGrids::Window() {
  // Still the loaded check window while a check window is loaded at its address: the program loads
  // one window per class. The build loads it after the others, so look from the last.
  const std::vector<ui::Form*>& loaded = app_.LoadedForms();
  if (window_ == nullptr || std::find(loaded.rbegin(), loaded.rend(), window_) == loaded.rend() ||
      typeid(*window_) != typeid(frmAg7)) {
    window_ = &app_.Form<frmAg7>();
  }
  return static_cast<frmAg7&>(*window_);
}

}  // namespace basetime
