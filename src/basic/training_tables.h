#pragma once
// The runners' training workouts as the basic analysis leaves them: workouts 2 and 3 cut from their
// texts into the fields that workout 1 has on the race card, and the trend words of all three.
// Per race and runner, 28 runners like the race card; a parse that does not reach a field leaves its
// text, so a table keeps what the last parse of the same text wrote.

#include "model/table.h"
#include "model/text.h"

#define TARVELO_TRAINING_TABLES(X)                                                                        \
  /* Workouts 2 and 3: the date (eight characters from the first "2"), the centre, course and going */    \
  /* words (going two blanks for slope work), the time slices C to G, the running manner and the */       \
  /* trend code of timed work; the remark word (two blanks when none) of a workout without timed work. */ \
  X(model::RunnerTable, TrainDate2)                                                                       \
  X(model::RunnerTable, TrainCentre2)                                                                     \
  X(model::RunnerTable, TrainCourse2)                                                                     \
  X(model::RunnerTable, TrainGoing2)                                                                      \
  X(model::RunnerTable, TrainTimeC2)                                                                      \
  X(model::RunnerTable, TrainTimeD2)                                                                      \
  X(model::RunnerTable, TrainTimeE2)                                                                      \
  X(model::RunnerTable, TrainTimeF2)                                                                      \
  X(model::RunnerTable, TrainTimeG2)                                                                      \
  X(model::RunnerTable, TrainAction2)                                                                     \
  X(model::RunnerTable, TrainTrendCode2)                                                                  \
  X(model::RunnerTable, TrainRemark2)                                                                     \
  X(model::RunnerTable, TrainDate3)                                                                       \
  X(model::RunnerTable, TrainCentre3)                                                                     \
  X(model::RunnerTable, TrainCourse3)                                                                     \
  X(model::RunnerTable, TrainGoing3)                                                                      \
  X(model::RunnerTable, TrainTimeC3)                                                                      \
  X(model::RunnerTable, TrainTimeD3)                                                                      \
  X(model::RunnerTable, TrainTimeE3)                                                                      \
  X(model::RunnerTable, TrainTimeF3)                                                                      \
  X(model::RunnerTable, TrainTimeG3)                                                                      \
  X(model::RunnerTable, TrainAction3)                                                                     \
  X(model::RunnerTable, TrainTrendCode3)                                                                  \
  X(model::RunnerTable, TrainRemark3)                                                                     \
  /* Workouts 1 to 3: the trend code as a two-character word, four blanks for a code other than */        \
  /* 1 to 5. */                                                                                           \
  X(model::RunnerTable, TrainTrendWord1)                                                                  \
  X(model::RunnerTable, TrainTrendWord2)                                                                  \
  X(model::RunnerTable, TrainTrendWord3)

namespace basic {

struct TrainingTables {
  TARVELO_TABLE_GROUP(TARVELO_TRAINING_TABLES)
};

// The trend word of a workout without a known trend code.
inline const model::Text kNoTrendWord = u"    ";

}  // namespace basic
