#include "analysis/going_aptitude_panel.h"

#include <array>

#include "analysis/analysed_race.h"
#include "analysis/analysis_window_tables.h"
#include "analysis/frm_ag3.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "ui/palette.h"

namespace analysis {

using model::Text;

namespace {

constexpr int kTitleRow = 0;
constexpr int kHeadRow = 1;
constexpr int kFirstRunnerRow = 2;
constexpr int kGoings = 3;  // columns 1 to 3: the goings at list positions 1 to 3
constexpr double kNumberWidth = 550;
constexpr double kGoingWidth = 1050;
constexpr ui::Color kGrey = ui::Rgb(230, 230, 230);
// Left, top, width and height in view, and the top out of view below the window.
constexpr double kPanelLeft = 200, kPanelTop = 1925, kPanelWidth = 3775, kPanelHeight = 4600;
constexpr double kOutOfViewTop = 12000;
constexpr int kAptitudeAlignments[] = {ui::kFlexCenterCenter, ui::kFlexCenterCenter, ui::kFlexCenterCenter,
                                       ui::kFlexCenterCenter};

const Text kHorseNumberHead = u"馬番";
const std::array<Text, kGoings> kGoingHeads = {u"稍", u"重", u"不"};
const Text kTurfTitle = u"馬場適性（ 芝 ）";
const Text kDirtTitle = u"馬場適性（ ダ－ト ）";
const Text kSwitchOn = u"馬場 O N";
const Text kSwitchOff = u"馬場OFF";

enum class Surface { kNeither, kTurf, kDirt };

// Today's surface by the numeric value of its code: 1 turf, 0 dirt.
Surface TodaySurface(const model::Meeting& meeting, int race) {
  if (race == 0) return Surface::kNeither;
  const double code = model::TextToNumber(meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(race));
  if (code == 1) return Surface::kTurf;
  if (code == 0) return Surface::kDirt;
  return Surface::kNeither;
}

// The aptitude tables of one surface, soft, heavy and bad.
std::array<const model::TextTable*, kGoings> AptitudeTables(const model::Meeting& meeting, Surface surface) {
  const AnalysisWindowTables& t = meeting.Group<AnalysisWindowTables>();
  if (surface == Surface::kTurf) return {&t.AptitudeTurfSoft, &t.AptitudeTurfHeavy, &t.AptitudeTurfBad};
  return {&t.AptitudeDirtSoft, &t.AptitudeDirtHeavy, &t.AptitudeDirtBad};
}

void PaintCell(ui::FlexGrid& grid, int r, int c, ui::Color colour) {
  grid.SetRow(r);
  grid.SetCol(c);
  grid.SetCellBackColor(colour);
}

}  // namespace

const ui::GridDesign kAptitudePanelDesign = {.rows = kFirstRunnerRow + model::kRunnersAnalysed,
                                             .cols = 1 + kGoings,
                                             .fixed_rows = 2,
                                             .fixed_cols = 1,
                                             .font_size = 9,
                                             .merge_cells = ui::kMergeFree,
                                             .alignments = kAptitudeAlignments};

AptitudeMark MarkOf(const Text& aptitude) {
  const double value = model::TextToNumber(aptitude);
  if (value >= 4) return AptitudeMark::kTop;
  if (value == 3) return AptitudeMark::kHigh;
  return AptitudeMark::kNone;
}

void WriteAptitudePanelFrame(ui::FlexGrid& panel, const model::Meeting& meeting) {
  panel.SetColWidth(0, kNumberWidth);
  for (int c = 1; c <= kGoings; ++c) panel.SetColWidth(c, kGoingWidth);
  panel.SetTextMatrix(kHeadRow, 0, kHorseNumberHead);
  for (int c = 1; c <= kGoings; ++c) panel.SetTextMatrix(kHeadRow, c, kGoingHeads[c - 1]);
  for (int c = 1; c <= kGoings; ++c) panel.SetTextMatrix(kTitleRow, c, u"");
  // The number head spans both heading rows, the title the three going columns.
  panel.SetMergeCol(0, true);
  panel.SetTextMatrix(kTitleRow, 0, kHorseNumberHead);
  panel.SetTextMatrix(kHeadRow, 0, kHorseNumberHead);
  panel.SetMergeRow(kTitleRow, true);
  const Surface surface = TodaySurface(meeting, AnalysedRaceIndex(meeting));
  if (surface == Surface::kNeither) return;
  for (int c = 1; c <= kGoings; ++c)
    panel.SetTextMatrix(kTitleRow, c, surface == Surface::kTurf ? kTurfTitle : kDirtTitle);
}

void FillAptitudePanel(ui::FlexGrid& panel, const model::Meeting& meeting, int going) {
  const int race = AnalysedRaceIndex(meeting);
  const int runners = AnalysedRunnerCount(meeting);
  for (int i = 1; i <= runners; ++i) panel.SetTextMatrix(i + kFirstRunnerRow - 1, 0, model::NumberToText(i));
  for (int i = 1; i <= runners; ++i) {
    for (int c = 1; c <= kGoings; ++c) PaintCell(panel, i + kFirstRunnerRow - 1, c, kGrey);
  }
  const Surface surface = TodaySurface(meeting, race);
  if (surface == Surface::kNeither) return;
  const std::array<const model::TextTable*, kGoings> tables = AptitudeTables(meeting, surface);
  for (int i = 1; i <= runners; ++i) {
    for (int c = 1; c <= kGoings; ++c)
      panel.SetTextMatrix(i + kFirstRunnerRow - 1, c, (*tables[c - 1])(race, i));
  }
  // Good going (or none chosen) has no column to mark.
  if (going < 1 || going > kGoings) return;
  for (int i = 1; i <= runners; ++i) {
    const AptitudeMark mark = MarkOf((*tables[going - 1])(race, i));
    if (mark == AptitudeMark::kTop) PaintCell(panel, i + kFirstRunnerRow - 1, going, ui::palette::kPink);
    if (mark == AptitudeMark::kHigh)
      PaintCell(panel, i + kFirstRunnerRow - 1, going, ui::palette::kLightYellow);
  }
}

// Texts and colours stay in the panel when it goes out of view; every tick rebuilds them.
void frmAg3::Check6_Click() {
  WriteAptitudePanelFrame(MSFlexGrid4, app_.meeting);
  if (Check6.Value() == ui::kChecked) {
    MSFlexGrid4.Move(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    Check6.SetCaption(kSwitchOn);
    FillAptitudePanel(MSFlexGrid4, app_.meeting, Combo1.ListIndex());
  } else if (Check6.Value() == ui::kUnchecked) {
    MSFlexGrid4.Move(kPanelLeft, kOutOfViewTop, kPanelWidth, kPanelHeight);
    Check6.SetCaption(kSwitchOff);
  }
}

}  // namespace analysis
