#pragma once
// The tables of the base-time build: per-run corrections and summaries, the sums, counts and
// class averages by class, distance and course, the work row and the standard times themselves.

#include "model/table.h"

namespace model {

// Class 0..6 x distance 0..13 x course 0..11: 0 is a record's hyphen, the top value any other letter.
class ClassCellTable : public TextTable {
 public:
  ClassCellTable() : TextTable({{0, 6}, {0, 13}, {0, 11}}) {}
};

// Course 1..10 (row of the standard-time tables) x distance 1..12 (column).
class CourseDistanceTable : public TextTable {
 public:
  CourseDistanceTable() : TextTable({{1, 10}, {1, 12}}) {}
};

struct BaseTimeTables {
  // Per past run, member k = past run k (1 = last run).
  Family<RunnerTable> RunGoingCorr, RunWinTimeAdj, RunSummary;

  // Running sums and counts of corrected winner times, and the class averages taken from them.
  ClassCellTable TurfTimeSum, TurfTimeCount, DirtTimeSum, DirtTimeCount, TurfClassAvg, DirtClassAvg;

  // The row work of one surface at a time (turf first, then dirt), then the finished standard times.
  CourseDistanceTable StdTimeWork, TurfStdTime, DirtStdTime;

  void RegisterIn(TableRegistry& registry);
};

}  // namespace model
