#pragma once
// The training window's two views of the workouts, one grid row per runner (row i + 1 for runner i,
// no runner column): the flat-course view in blocks of seven columns at 0, 8 and 16 (course text, 6F
// to 1F, running manner), the slope view in blocks of six at 0, 7 and 14 (course text, count of runs,
// 3F, 2F, 1F, running manner). A held workout shows in the view of its course; a workout not held
// shows its remark, when it has one, across its block in both views. Nothing is cleared but by
// ClearFlatTrainingGrid.

#include "model/meeting.h"
#include "ui/grid.h"

namespace views {

// Blanks columns 0 to 22 of rows 2 to runner_count + 1 of the flat-course grid and clears their merge
// flags.
void ClearFlatTrainingGrid(ui::FlexGrid& grid, int runner_count);

// Writes the workouts of runners 1 to runner_count of race into rows 2 to runner_count + 1 of the
// flat-course grid, from the course texts as they stand; cells a workout does not select keep their
// text. At most the 18 runners the grid has rows for; a race outside 1 to 12 writes nothing.
void FillFlatTrainingGrid(ui::FlexGrid& grid, model::Meeting& meeting, int race, int runner_count);

// Writes runner's row of the slope grid from its workouts of race; a runner outside 1 to 18 or a race
// outside 1 to 12 writes nothing.
void FillSlopeTrainingGrid(ui::FlexGrid& grid, model::Meeting& meeting, int race, int runner);

}  // namespace views
