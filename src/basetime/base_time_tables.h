#pragma once
// The tables of the base-time build: per-run corrections and summaries, the sums, counts and
// class averages by class, distance and course, the work row and the standard times themselves.

#include "basetime/base_time_shapes.h"
#include "model/table.h"

#define TARVELO_BASE_TIME_TABLES(X)                                                                      \
  /* Per past run, member k = past run k (1 = last run). */                                              \
  X(model::RunnerFamily, RunGoingCorr)                                                                   \
  X(model::RunnerFamily, RunWinTimeAdj)                                                                  \
  X(model::RunnerFamily, RunSummary)                                                                     \
  /* Running sums and counts of corrected winner times, and the class averages taken from them. */       \
  X(basetime::ClassCellTable, TurfTimeSum)                                                               \
  X(basetime::ClassCellTable, TurfTimeCount)                                                             \
  X(basetime::ClassCellTable, DirtTimeSum)                                                               \
  X(basetime::ClassCellTable, DirtTimeCount)                                                             \
  X(basetime::ClassCellTable, TurfClassAvg)                                                              \
  X(basetime::ClassCellTable, DirtClassAvg)                                                              \
  /* The row work of one surface at a time (turf first, then dirt), then the finished standard times. */ \
  X(basetime::CourseDistanceTable, StdTimeWork)                                                          \
  X(basetime::CourseDistanceTable, TurfStdTime)                                                          \
  X(basetime::CourseDistanceTable, DirtStdTime)

namespace basetime {

struct BaseTimeTables {
  TARVELO_TABLE_GROUP(TARVELO_BASE_TIME_TABLES)
};

}  // namespace basetime
