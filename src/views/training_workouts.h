#pragma once
// The three workouts of a runner, numbered 1 to 3 from the latest: workout 1 from the race card's
// fixed fields, workouts 2 and 3 as the basic analysis cut them from the training texts, and the
// course text the training window built for each. The tests both training views make of them.

#include "model/meeting.h"
#include "model/table.h"

namespace views {

inline constexpr int kWorkouts = 3;

// The tables of workout k (1 to 3), each per race and runner.
struct WorkoutTables {
  model::RunnerTable& date;
  model::RunnerTable& centre;
  model::RunnerTable& course;
  model::RunnerTable& going;
  model::RunnerTable& slot_c;  // 6F of flat work; the count of runs and "回" of slope work
  model::RunnerTable& slot_d;  // 5F
  model::RunnerTable& slot_e;  // 4F of flat work, 3F of slope work
  model::RunnerTable& slot_f;  // 3F of flat work, 2F of slope work
  model::RunnerTable& slot_g;  // 1F
  model::RunnerTable& action;  // running manner
  model::RunnerTable& remark;
  model::RunnerTable& course_text;
};
WorkoutTables TablesOfWorkout(model::Meeting& meeting, int k);

// Held: the date contains "2" (every date from the year 2000 on does; blanks and empty texts do not).
bool IsHeldWorkout(const model::Text& date);
// Slope work: the course text contains "坂".
bool IsSlopeWorkout(const model::Text& course_text);
// A remark is present unless it is exactly two blanks: an empty remark and a longer run of blanks
// count as present.
bool HasWorkoutRemark(const model::Text& remark);

}  // namespace views
