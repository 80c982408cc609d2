#pragma once
// The shapes of the base-time tables beyond the race and runner tables.

#include "model/table.h"

namespace basetime {

// Class 0..6 x distance 0..13 x course 0..11: 0 is a record's hyphen, the top value any other letter.
class ClassCellTable : public model::TextTable {
 public:
  ClassCellTable() : TextTable({{0, 6}, {0, 13}, {0, 11}}) {}
};

// Course 1..10 (row of the standard-time tables) x distance 1..12 (column).
class CourseDistanceTable : public model::TextTable {
 public:
  CourseDistanceTable() : TextTable({{1, 10}, {1, 12}}) {}
};

}  // namespace basetime
