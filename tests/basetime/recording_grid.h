#pragma once
// A check grid that records what the base-time build writes into it.

#include <map>
#include <tuple>
#include <vector>

#include "basetime/class_grid_writer.h"

namespace basetime::testing {

using model::Text;

// Records every cell write in order, and the last text of each cell.
class RecordingGrid : public ClassGridWriter {
 public:
  struct Write {
    int surface, row, col;
    Text text;
  };
  void SetClassCell(int surface, int row, int col, const Text& text) override {
    writes.push_back({surface, row, col, text});
    cells[{surface, row, col}] = text;
  }
  const Text& Cell(int surface, int row, int col) const { return cells.at({surface, row, col}); }

  std::vector<Write> writes;
  std::map<std::tuple<int, int, int>, Text> cells;
};

}  // namespace basetime::testing
