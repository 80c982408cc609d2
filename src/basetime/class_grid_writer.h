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

// Row and column of the cell of course c, class b and distance d in either class grid.
inline int ClassGridRow(int course, int baseClass) {
  return (course - 1) * 9 + baseClass;
}
inline int ClassGridColumn(int distance) {
  return distance + 1;
}

}  // namespace basetime
