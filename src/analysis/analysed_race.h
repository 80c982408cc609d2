#pragma once
// The race the analysis window works on: the selector that UP and DN step, and the confirmed race
// that every per-race and per-runner table of the analyses is indexed by, and whether the secondary
// analysis has run for it. The only place that reads and writes those shared values.

#include "model/meeting.h"

namespace analysis {

// The race shown while stepping: 0 before the first UP, then 1 to 12.
double SelectorRace(const model::Meeting& meeting);
void SetSelectorRace(model::Meeting& meeting, double race);

// The confirmed race: 0 until the first confirmation, then 1 to 12; never cleared.
double AnalysedRace(const model::Meeting& meeting);
void SetAnalysedRace(model::Meeting& meeting, double race);

// Whether the secondary analysis has run for the confirmed race since its confirmation.
bool SecondaryAnalysisDone(const model::Meeting& meeting);
void SetSecondaryAnalysisDone(model::Meeting& meeting, bool done);

// The confirmed race as a table index: the nearest whole number, 0 while no race 1 to 12 is confirmed.
int AnalysedRaceIndex(const model::Meeting& meeting);

// How many runners of the confirmed race the windows and the per-runner tables hold: its runner
// count, at most 18 and at least 0; 0 while no race is confirmed.
int AnalysedRunnerCount(const model::Meeting& meeting);

}  // namespace analysis
