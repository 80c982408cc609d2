#pragma once
// Two views of the past-run grid for the confirmed race: "クラス" shows each of the last five runs'
// class position, "タイム" the time each run predicts over today's course and distance. Each shows
// anew from the basic analysis's run tables, keeps its texts in RunClassPos1..5 or RunPredTime1..5
// and leaves the other cells and every colour as they are.

#include "analysis/runner_grid.h"
#include "model/meeting.h"

namespace secondary {

// Disables Command3 and enables the other view buttons; titles columns 1 to 5 and writes runs 5 to 1
// of every runner: a run that counts today placed with the band table of its own surface and today's
// course, "----" for any other run.
void ShowClassView(analysis::PastRunGridWriter& grid, model::Meeting& meeting);

// Disables Command4 and enables the other view buttons; titles columns 1 to 5 and writes runs 5 to 1
// of every runner: today's standard time plus the run's evaluation in tenths of a second as a time
// text; "+.++.+" for a run without an evaluation, for every run while today's surface has no standard
// time, and where the time comes to 0 s or less.
void ShowTimeView(analysis::PastRunGridWriter& grid, model::Meeting& meeting);

}  // namespace secondary
