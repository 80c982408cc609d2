// The data-read window's race and runner preview: a click on a race heading lists that race's
// runners; a click on a horse name composes its five-run sheet. Clicks are resolved from the
// mouse position against fixed bands, not by asking the grid.

#include <algorithm>
#include <array>

#include "intake/frm_ag2.h"
#include "intake/past_run_tables.h"
#include "intake/preview_values.h"
#include "intake/race_card_tables.h"
#include "intake/race_history_sheet.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "shell/app.h"
#include "ui/palette.h"

namespace intake {

using model::Text;

namespace {

constexpr double kBandHeight = 230;
// The runner grid lists at most this many runners of a race.
constexpr int kListedRunners = 18;

// Index of the band [edges[i], edges[i + 1]) that holds v; 0 when none does, as the handlers
// treat "no band" and band 0 alike.
template <size_t N>
int BandOf(double v, const std::array<double, N>& edges) {
  for (size_t i = 0; i + 1 < N; ++i) {
    if (v >= edges[i] && v < edges[i + 1]) return static_cast<int>(i);
  }
  return 0;
}

// Race grids: column 0 is 1400 wide, races 1000 each; rows 0 to 6 only.
int RaceGridColumnAt(double x) {
  return BandOf(x, std::array<double, 8>{0, 1400, 2400, 3400, 4400, 5400, 6400, 7400});
}
int RaceGridRowAt(double y) {
  return BandOf(y, std::array<double, 8>{0, 230, 460, 690, 920, 1150, 1380, 1610});
}

// Runner grid: from the name column's right edge on, the bands lie 100 twips left of the
// column edges.
int RunnerGridColumnAt(double x) {
  return BandOf(x, std::array<double, 8>{0, 400, 800, 2325, 2775, 3225, 3675, 4375});
}
int RunnerGridRowAt(double y) {
  if (y < 0 || y >= 19 * kBandHeight) return 0;
  for (int k = 0; k <= 18; ++k) {
    if (y < (k + 1) * kBandHeight) return k;
  }
  return 0;
}

void PaintCell(ui::FlexGrid& grid, int row, int col, ui::Color colour) {
  grid.SetRow(row);
  grid.SetCol(col);
  grid.SetCellBackColor(colour);
}

}  // namespace

void frmAg2::MSFlexGrid3_MouseDown(int /*button*/, int /*shift*/, double x, double y) {
  PickRace(MSFlexGrid3, 1, x, y);
}

void frmAg2::MSFlexGrid4_MouseDown(int /*button*/, int /*shift*/, double x, double y) {
  PickRace(MSFlexGrid4, 7, x, y);
}

// A click on a heading, on the bottom row or below the rows picks the race of that column;
// a click on its data rows only takes note of the race.
void frmAg2::PickRace(ui::FlexGrid& clicked, int first_race, double x, double y) {
  for (ui::FlexGrid* grid : {&MSFlexGrid3, &MSFlexGrid4}) {
    for (int c = 1; c <= 6; ++c) PaintCell(*grid, 0, c, ui::colors::kButtonFace);
  }
  for (int r = 1; r <= 18; ++r) {
    for (int c = 0; c <= 6; ++c) MSFlexGrid2.SetTextMatrix(r, c, u"");
  }
  const int c = RaceGridColumnAt(x);
  const int r = RaceGridRowAt(y);
  clicked.SetCol(c);
  if (c == 0) return;
  const int race = first_race + c - 1;
  app_.meeting.Group<PreviewValues>().PreviewRace() = model::NumberToText(race);
  clicked.SetRow(r);
  if (r >= 1 && r <= 6) return;
  PaintCell(clicked, 0, c, ui::palette::kGreen);
  for (int row = 1; row <= 7; ++row) PaintCell(clicked, row, c, ui::palette::kWhite);
  ListRunners(race);
}

// Adjacent runners of the same frame share one merged frame cell.
void frmAg2::ListRunners(int race) {
  const RaceCardTables& t = app_.meeting.Group<RaceCardTables>();
  const double count = model::TextToNumber(t.RunnerCount(race));
  for (int i = 1; i <= count && i <= kListedRunners; ++i) {
    MSFlexGrid2.SetMergeCol(0, true);
    const Text cells[] = {t.Frame(race, i),    t.HorseNo(race, i),  t.HorseName(race, i),
                          t.SexLabel(race, i), t.AgeLabel(race, i), t.WeightLabel(race, i),
                          t.Jockey(race, i)};
    for (int c = 0; c <= 6; ++c) MSFlexGrid2.SetTextMatrix(i, c, cells[c]);
  }
}

// A click on a horse name marks it and composes its five-run sheet.
void frmAg2::MSFlexGrid2_MouseDown(int /*button*/, int /*shift*/, double x, double y) {
  for (int r = 1; r <= 18; ++r) PaintCell(MSFlexGrid2, r, 2, ui::colors::kButtonFace);
  const int c = RunnerGridColumnAt(x);
  const int r = RunnerGridRowAt(y);
  MSFlexGrid2.SetCol(c);
  if (c != 2) return;
  MSFlexGrid2.SetRow(r);
  app_.meeting.Group<PreviewValues>().PreviewRunnerRow() = model::NumberToText(r);
  if (r == 0) return;
  MSFlexGrid2.SetCellBackColor(ui::palette::kLightYellow);
  const double race = model::TextToNumber(app_.meeting.Group<PreviewValues>().PreviewRace());
  // Before any race was picked there is no runner to show.
  if (race < 1 || race > model::kRaces) return;
  ComposeFiveRunSheet(static_cast<int>(race), r);
}

// Columns 1 to 5 hold the runs from five back to the last one.
void frmAg2::ComposeFiveRunSheet(int race, int runner) {
  const RaceCardTables& card = app_.meeting.Group<RaceCardTables>();
  const PastRunTables& p = app_.meeting.Group<PastRunTables>();
  ui::FlexGrid& g = MSFlexGrid1;
  g.SetTextMatrix(0, 0, card.RaceNoLabel(race));
  g.SetTextMatrix(1, 0, card.HorseNo(race, runner));
  WriteRaceHistoryRuns(g, p, race, runner);
  g.SetMergeRow(0, true);
  for (int c = 1; c <= 5; ++c) g.SetTextMatrix(0, c, p.UmaHorseName(race, runner));
}

}  // namespace intake
