#pragma once
// The analysis window's race overview: one column per race with the race card's facts and, for every
// race analysed so far, its validity, grade and recommended horse numbers on a light cyan column. It
// lies over the lower part of the past-run and runner grids while the user picks a race.

#include "model/meeting.h"
#include "ui/grid.h"

namespace analysis {

// Lays the grid out, places it in view and writes every race's card facts (rows 1 to 7).
void SetUpRaceOverview(ui::FlexGrid& grid, const model::Meeting& meeting);

// Moves the grid out of view; nothing else changes.
void HideRaceOverview(ui::FlexGrid& grid);

// Writes the results of every analysed race into its column, paints the column, and places the grid
// in view, taller than at set-up. Columns of races not analysed stay as they are.
void RedrawAndShowRaceOverview(ui::FlexGrid& grid, const model::Meeting& meeting);

}  // namespace analysis
