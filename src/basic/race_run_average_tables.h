#pragma once
// The race averages of the evaluations on today's surface, one per past-run column, kept for every
// race analysed in the program run; the secondary analysis estimates runs that do not count from them.

#include "model/table.h"

#define TARVELO_RACE_RUN_AVERAGE_TABLES(X)                                                   \
  /* Per race: the average of run column k as signed text ("+ 5.3", "- 3", "+99", "---"); */ \
  /* RaceRunAvg1 the last run's column, RaceRunAvg5 the column of the run five back. */      \
  X(model::Family<model::RaceTable>, RaceRunAvg)

namespace basic {

struct RaceRunAverageTables {
  TARVELO_TABLE_GROUP(TARVELO_RACE_RUN_AVERAGE_TABLES)
};

}  // namespace basic
