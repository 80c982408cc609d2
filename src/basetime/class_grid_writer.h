#pragma once
// Where the base-time build shows its running sums and class averages: the class rows of the
// check window's turf and dirt grids. The window plugs in here; its first cell write loads it.

#include "model/text.h"

namespace basetime {

class ClassGridWriter {
 public:
  virtual ~ClassGridWriter() = default;
  // surface 1 is the turf grid, 2 the dirt grid; row and column count the fixed ones, from 0.
  virtual void SetClassCell(int surface, int row, int col, const model::Text& text) = 0;
};

// Each course has a block of nine lines in either grid: its five classes (1..5), then the stages of
// the standard times (6..9).
constexpr int kLinesPerCourse = 9;

// Row of line 1..9 of a course's block, and column of distance 1..12, in either class grid.
inline int ClassGridRow(int course, int line) {
  return (course - 1) * kLinesPerCourse + line;
}
inline int ClassGridColumn(int distance) {
  return distance + 1;
}

}  // namespace basetime
