#include "intake/frm_ag2.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <span>
#include <vector>

#include "intake/meeting_files.h"
#include "intake/past_performance_read.h"
#include "intake/race_card_reader.h"
#include "intake/race_card_tables.h"
#include "intake/race_history_sheet.h"
#include "intake/read_warning.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "shell/frame_geometry.h"
#include "shell/frm_ag0.h"
#include "ui/design.h"
#include "ui/palette.h"

namespace intake {

using model::Text;

namespace {

constexpr double kRowHeight = 230;  // the click bands assume rows of this height

// Every one of the three names must appear, compared exactly, letter case included.
bool HasTheThreeNames(const std::vector<Text>& names) {
  for (const char* wanted : {kRaceFileName, kRunnerFileName, kHorseFileName}) {
    if (std::find(names.begin(), names.end(), model::FromUtf8(wanted)) == names.end()) return false;
  }
  return true;
}

constexpr const char16_t* kFilePatterns[] = {u"*.kd2"};

// The past-performance button is graphical, to show its grey face.
constexpr ui::ControlDesign kDesign[] = {
    {.name = "frmAg2", .caption = u" 　＜  （ 新 ） ＫＯＬデ－タ読込 ウィンドウ  ＞"},
    {.name = "Frame1", .place = {{200, 75, 12500, 2700}}},
    {.name = "Label37",
     .place = {{1200, 200, 3900, 200}},
     .caption = u"[  デ－タを解凍したフォルダを指定します  ]",
     .bold = true,
     .fore = ui::palette::kPaleYellow},
    {.name = "Label5", .place = {{1400, 485, 1300, 150}}, .caption = u"< ディア－リスト >"},
    {.name = "Dir1", .place = {{700, 675, 2500, 1770}}},
    {.name = "Label9", .place = {{3950, 485, 1200, 150}}, .caption = u"< ドライブリスト >"},
    {.name = "Drive1", .place = {{3400, 675, 2300, 300}}},
    {.name = "Label8", .place = {{3950, 1030, 1200, 150}}, .caption = u"< ファイルリスト >"},
    {.name = "File1", .place = {{3385, 1200, 2325, 990}}},  // pattern "*.kd2", made with it
    {.name = "Combo1", .place = {{3400, 2225, 1200, 300}}, .text = u"*.kd2", .items = kFilePatterns},
    {.name = "Option14", .place = {{4850, 2300, 200, 200}}},
    {.name = "Command6", .place = {{5100, 2225, 600, 300}}, .caption = u"取消"},
    {.name = "Label1",
     .place = {{6375, 500, 5600, 300}},
     .bold = true,
     .fore = ui::palette::kOrange,
     .back = ui::colors::kWindowBackground,
     .border_style = 1},
    {.name = "Label6", .place = {{6900, 1000, 1200, 100}}, .back = kLampWaiting, .border_style = 1},
    {.name = "Label7", .place = {{8100, 1000, 1200, 100}}, .back = kLampWaiting, .border_style = 1},
    {.name = "Label29", .place = {{10100, 1000, 1400, 100}}, .back = kLampWaiting, .border_style = 1},
    {.name = "Command1",
     .place = {{6900, 1200, 1200, 1000}},
     .caption = u" 出走馬  読込",
     .tool_tip = u"レ－ス・出走馬デ－タを読込みます",
     .bold = true},
    {.name = "Command7",
     .place = {{8100, 1200, 1200, 1000}},
     .caption = u" 成   績   読込",
     .tool_tip = u"成績デ－タ（５走分）を読込みます",
     .bold = true,
     .back = ui::palette::kGrey,
     .style = 1},
    {.name = "Command8",
     .place = {{10100, 1200, 1400, 1000}},
     .caption = u" 基本タイム構築",
     .tool_tip = u"解析の元となる基本タイムを構築します",
     .bold = true},
    {.name = "Label2", .place = {{6900, 2300, 1200, 100}}, .back = kLampWaiting, .border_style = 1},
    {.name = "Label3", .place = {{8100, 2300, 1200, 100}}, .back = kLampWaiting, .border_style = 1},
    {.name = "Label4", .place = {{10100, 2300, 1400, 100}}, .back = kLampWaiting, .border_style = 1},
    {.name = "Text1", .text = u"0"},
    {.name = "Text2"},
    {.name = "Timer1"},
    {.name = "Timer2"},
    {.name = "Label30",
     .place = {{2600, 2850, 3400, 300}},
     .caption = u"＜　本日のレ－ス紹介　＞",
     .bold = true,
     .fore = ui::palette::kBlue},
    {.name = "Label31",
     .place = {{8100, 2880, 1850, 275}},
     .caption = u"[  出走馬リスト  ]",
     .bold = true,
     .fore = ui::palette::kBlue},
    {.name = "Label32",
     .place = {{10000, 2925, 2700, 200}},
     .caption = u"(  レ－スＮＯをクリックして下さい ） ",
     .fore = ui::palette::kBlue},
    {.name = "MSFlexGrid3", .place = {{300, 3200, 7535, 2025}}},
    {.name = "MSFlexGrid4", .place = {{300, 5550, 7535, 2025}}},
    {.name = "MSFlexGrid2", .place = {{8050, 3200, 4635, 4375}}},
    {.name = "MSFlexGrid1", .place = {{300, 8400, 5130, 4600}}},
};

const std::array<Text, 7> kRunnerHeadings = {u"枠",   u"馬",   u"      馬     名", u"性別",
                                             u"年齢", u"斤量", u"  騎 手"};
constexpr int kRunnerAlignments[] = {ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexLeftCenter,
                                     ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                     ui::kFlexLeftCenter};
constexpr double kRunnerWidths[] = {400, 400, 1625, 450, 450, 450, 750};
const ui::GridHeadings kRunnerGridHeadings[] = {{.row = 0, .col = 0, .texts = kRunnerHeadings}};
const ui::GridDesign kRunnerGridDesign = {.rows = 19,
                                          .cols = 7,
                                          .fixed_rows = 1,
                                          .fixed_cols = 3,
                                          .font_size = 9,
                                          .merge_cells = ui::kMergeRestrictColumns,
                                          .alignments = kRunnerAlignments,
                                          .widths = kRunnerWidths,
                                          .headings = kRunnerGridHeadings,
                                          .row_height = kRowHeight};

const std::array<Text, 8> kRaceRowHeadings = {u"",           u"レ－ス 名",  u"条　    件", u"タ  －  フ",
                                              u"距      離", u"頭      数", u"推定タイム", u"予想ペ－ス"};
const std::array<Text, 6> kRace1To6Headings = {u"　１Ｒ", u"　２Ｒ", u"　３Ｒ",
                                               u"　４Ｒ", u"　５Ｒ", u"  ６Ｒ"};
const std::array<Text, 6> kRace7To12Headings = {u"　７Ｒ", u"　８Ｒ", u"　９Ｒ",
                                                u"１０Ｒ", u"１１Ｒ", u"１２Ｒ"};
const ui::GridHeadings kRaces1To6Headings[] = {{.row = 0, .col = 0, .down = true, .texts = kRaceRowHeadings},
                                               {.row = 0, .col = 1, .texts = kRace1To6Headings}};
const ui::GridHeadings kRaces7To12Headings[] = {{.row = 0, .col = 0, .down = true, .texts = kRaceRowHeadings},
                                                {.row = 0, .col = 1, .texts = kRace7To12Headings}};
constexpr int kRaceAlignments[] = {ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                   ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                   ui::kFlexCenterCenter};
constexpr double kRaceWidths[] = {1400, 1000, 1000, 1000, 1000, 1000, 1000};

ui::GridDesign RaceGridDesign(std::span<const ui::GridHeadings> headings) {
  return {.rows = 8,
          .cols = 7,
          .fixed_rows = 1,
          .fixed_cols = 1,
          .font_size = 10,
          .alignments = kRaceAlignments,
          .widths = kRaceWidths,
          .headings = headings,
          .row_height = kRowHeight};
}

// The race names are long: smaller and from the left.
void ShrinkRaceNames(ui::FlexGrid& g, double name_font_size) {
  g.SetRow(1);
  for (int c = 1; c <= 6; ++c) {
    g.SetCol(c);
    g.SetCellAlignment(ui::kFlexLeftCenter);
    g.SetCellFontSize(name_font_size);
  }
}

}  // namespace

frmAg2::frmAg2(shell::App& app) : ui::Form(app, "frmAg2"), app_(app) {
  ui::ApplyDesign(*this, kDesign);

  Timer1.OnTimer = [this] { Timer1_Timer(); };
  Timer2.OnTimer = [this] { Timer2_Timer(); };
  Drive1.OnChange = [this] { Drive1_Change(); };
  Dir1.OnClick = [this] { Dir1_Click(); };
  Dir1.OnChange = [this] { Dir1_Change(); };
  Option14.OnClick = [this] { Option14_Click(); };
  Command6.OnClick = [this] { Command6_Click(); };
  Command1.OnClick = [this] { Command1_Click(); };
  Command7.OnClick = [this] { Command7_Click(); };
  MSFlexGrid3.OnMouseDown = [this](int b, int s, double x, double y) { MSFlexGrid3_MouseDown(b, s, x, y); };
  MSFlexGrid4.OnMouseDown = [this](int b, int s, double x, double y) { MSFlexGrid4_MouseDown(b, s, x, y); };
  MSFlexGrid2.OnMouseDown = [this](int b, int s, double x, double y) { MSFlexGrid2_MouseDown(b, s, x, y); };
}

// Under the main window, where the opening window was.
void frmAg2::Form_Load() {
  shell::PlaceBelowMainWindow(*this, app_.screen);
  ShowChosenFolder({});
  Command1.SetEnabled(false);
  Command6.SetEnabled(false);
  Command7.SetEnabled(false);
  Command8.SetEnabled(false);
  File1.SetEnabled(false);
  Combo1.SetEnabled(false);
  Text1.SetVisible(false);
  Text2.SetVisible(false);
  Label32.SetVisible(false);
  ui::ApplyGridDesign(MSFlexGrid2, kRunnerGridDesign);
  ui::ApplyGridDesign(MSFlexGrid3, RaceGridDesign(kRaces1To6Headings));
  ShrinkRaceNames(MSFlexGrid3, 7);
  ui::ApplyGridDesign(MSFlexGrid4, RaceGridDesign(kRaces7To12Headings));
  ShrinkRaceNames(MSFlexGrid4, 8);
  ui::ApplyGridDesign(MSFlexGrid1, kRaceHistorySheetDesign);
  Text2.SetText(u"0");
  Timer2.SetInterval(400);
}

// Blinks the folder hint: hidden on odd ticks, shown on even ones.
void frmAg2::Timer2_Timer() {
  const double count = model::TextToNumber(Text2.Text()) + 1;
  Text2.SetText(model::NumberToText(count));
  const bool odd = model::FloorNumber(count / 2) * 2 != count;
  Label37.SetVisible(!odd);
}

// The only drive is the file-system root, so this runs only when that cannot be read.
void frmAg2::Drive1_Change() {
  for (;;) {
    try {
      Dir1.SetPath(ui::PathOfText(Drive1.Drive()));
      return;
    } catch (const ui::PathError& e) {
      const int answer = GetDesktop().MsgBox(model::FromUtf8(e.what()), ui::kRetryCancel + ui::kInformation);
      if (answer == ui::kRetry) continue;
      if (answer == ui::kCancel) {
        // Back to the drive of the folder still shown, without running this handler again.
        Drive1.SetDrive(ui::DriveOf(Dir1.Path()), false);
        ShowChosenFolder({});
      }
      return;
    }
  }
}

void frmAg2::Dir1_Click() {
  try {
    Dir1.SetPath(Dir1.ClickedEntry());
  } catch (const ui::PathError&) {
    return;  // a folder that cannot be read is not opened
  }
  ShowChosenFolder(Dir1.Path());
}

// The folder check: the three files, by their exact names, unlock the race-card read.
void frmAg2::Dir1_Change() {
  bool listed = true;
  try {
    File1.SetPath(Dir1.Path());
  } catch (const ui::PathError&) {
    // The file list keeps the previous folder's names; they say nothing about this folder.
    listed = false;
  }
  ShowChosenFolder(Dir1.Path());
  Timer2.SetEnabled(false);
  if (!listed) return;
  std::vector<Text> names;
  for (int i = 0; i < File1.ListCount(); ++i) names.push_back(File1.List(i));
  if (!HasTheThreeNames(names)) return;
  Command1.SetEnabled(true);
  Label6.SetBackColor(kLampMayRun);
  Drive1.SetEnabled(false);
  Dir1.SetEnabled(false);
  File1.SetEnabled(false);
}

void frmAg2::Option14_Click() {
  Command6.SetEnabled(true);
  Option14.SetValue(false);
}

void frmAg2::Command6_Click() {
  Command6.SetEnabled(false);
  Drive1.SetEnabled(true);
  Dir1.SetEnabled(true);
  File1.SetEnabled(true);
}

void frmAg2::ShowChosenFolder(const std::filesystem::path& folder) {
  chosen_folder_ = folder;
  Label1.SetCaption(ui::DisplayPath(folder));
}

bool frmAg2::ChosenFolderHasTheFiles() {
  // No folder shown stands for the root, as the reads take it.
  const std::filesystem::path folder = chosen_folder_.empty() ? std::filesystem::path("/") : chosen_folder_;
  try {
    std::vector<Text> names;
    for (const std::filesystem::path& name : GetDesktop().Files().Files(folder))
      names.push_back(ui::DisplayPath(name));
    return HasTheThreeNames(names);
  } catch (const ui::PathError&) {
    return false;
  }
}

// The race-card read. After "取消" the folder shown may have changed to one without the
// files; then the click does nothing and the button stays enabled.
void frmAg2::Command1_Click() {
  if (!ChosenFolderHasTheFiles()) return;
  Command1.SetEnabled(false);
  Dir1.SetEnabled(false);
  Drive1.SetEnabled(false);
  Option14.SetEnabled(false);
  std::vector<RecordFileUse> files;
  const Text meeting_line = ReadRaceCard(app_.meeting, chosen_folder_, &files);
  shell::frmAg0& main_window = app_.Form<shell::frmAg0>();
  main_window.Label2.SetForeColor(ui::palette::kRed);
  main_window.Label2.SetCaption(meeting_line);
  Command7.SetEnabled(true);
  Label2.SetBackColor(kLampDone);
  Label7.SetBackColor(kLampMayRun);
  Command6.SetEnabled(false);
  WarnOfIncompleteFiles(kRaceCardData, files);
}

// The past-performance read, then the race grids.
void frmAg2::Command7_Click() {
  app_.screen.SetMousePointer(ui::pointer::kHourglass);
  Command7.SetEnabled(false);
  std::vector<RecordFileUse> files;
  ReadPastPerformances(app_.meeting, chosen_folder_, &files);
  FillRaceGrids();
  Command8.SetEnabled(true);
  Label3.SetBackColor(kLampDone);
  Label29.SetBackColor(kLampMayRun);
  Label32.SetVisible(true);
  app_.screen.SetMousePointer(ui::pointer::kDefault);
  WarnOfIncompleteFiles(kPastPerformanceData, files);
}

// A read that could not open a file, or ran past a file's end, has done all it could; the user
// still learns that the data is not whole.
void frmAg2::WarnOfIncompleteFiles(const Text& data, const std::vector<RecordFileUse>& files) {
  const Text warning = ReadWarning(data, files);
  if (!warning.empty()) GetDesktop().MsgBox(warning, ui::kOkOnly + ui::kExclamation);
}

std::array<Text, 7> RaceGridTexts(const model::Meeting& meeting, int race) {
  const RaceCardTables& c = meeting.Group<RaceCardTables>();
  return {c.RaceName(race),    c.RaceClassLabel(race),   c.RaceSurfaceLabel(race), c.RaceDistanceLabel(race),
          c.RunnerCount(race), c.RaceEstTimeLabel(race), c.RacePaceLabel(race)};
}

void frmAg2::FillRaceGrids() {
  for (ui::FlexGrid* grid : {&MSFlexGrid3, &MSFlexGrid4}) {
    const int first_race = grid == &MSFlexGrid3 ? 1 : 7;
    for (int c = 1; c <= 6; ++c) {
      const auto texts = RaceGridTexts(app_.meeting, first_race + c - 1);
      for (int r = 1; r <= 7; ++r) grid->SetTextMatrix(r, c, texts[static_cast<size_t>(r - 1)]);
    }
  }
}

// On the second tick after the build this window goes and the analysis window opens.
void frmAg2::Timer1_Timer() {
  const double count = model::TextToNumber(Text1.Text()) + 1;
  Text1.SetText(model::NumberToText(count));
  if (count < 2) return;
  Unload();
  app_.FormByName("frmAg3").Show();
}

}  // namespace intake
