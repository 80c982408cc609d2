#pragma once
// The training window's display texts of the analysed race's workouts: date, centre letter, course
// and going in one text per workout, rebuilt by every load of the window and read by both its views.
// Per race and runner like the workouts themselves; written for at most 18 runners.

#include "model/table.h"

#define TARVELO_TRAINING_VIEW_TABLES(X)   \
  X(model::RunnerTable, TrainCourseText1) \
  X(model::RunnerTable, TrainCourseText2) \
  X(model::RunnerTable, TrainCourseText3)

namespace views {

struct TrainingViewTables {
  TARVELO_TABLE_GROUP(TARVELO_TRAINING_VIEW_TABLES)
};

}  // namespace views
