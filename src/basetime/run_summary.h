#pragma once
// Second pass over the meeting's past runs: one summary record per run, which the accumulation
// sorts by the letters at its fixed places and whose last five characters give the run's time.

#include "model/meeting.h"

namespace basetime {

// The mark of a run that cannot serve the base times: 31 hyphens.
extern const model::Text kUnusableRunMark;

// A run can serve the base times when it was run on a known non-local course, over at most 2500 m,
// and finished in a position from 1 to 28.
bool IsUsableRun(const model::Text& course_name, const model::Text& distance_text,
                 const model::Text& raw_position);

// The texts of one past run that its summary record is made of.
struct RunSummaryInput {
  model::Text course_name, class_name, distance_text, surface_name, going_name;
  model::Text time_seconds, position_text, margin_text, going_correction, winner_time;
};

// The record: course, class, distance digits, surface and going letters, own time, margin,
// correction and corrected winner time. The margin is WinnerMargin of the margin text (after
// the time-0 rule).
model::Text RunSummaryRecord(const RunSummaryInput& run);

// Every runner's runs, run by run: the correction and corrected winner time (CorrectRunTime), then
// RunSummary1..5; sets the margin text of a usable run without a time to "0.0".
void BuildRunSummaries(model::Meeting& meeting);

}  // namespace basetime
