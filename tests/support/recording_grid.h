#pragma once
// A grid of the analysis window as a computation sees it, recording what it writes.

#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

#include "analysis/runner_grid.h"

namespace testsupport {

// The last text and colour of each cell written; a cell never written reads as an empty one. A row the
// window's grid does not have throws, as the grid would.
template <typename Column>
class RecordingGrid final : public analysis::CellWriter<Column> {
 public:
  void SetCellText(int row, Column column, const model::Text& text) override {
    CheckRow(row);
    texts_[{row, analysis::Index(column)}] = text;
  }
  void SetCellBackColor(int row, Column column, ui::Color colour) override {
    CheckRow(row);
    colours_[{row, analysis::Index(column)}] = colour;
  }
  model::Text TextAt(int row, Column column) const {
    const auto found = texts_.find({row, analysis::Index(column)});
    return found == texts_.end() ? model::Text() : found->second;
  }
  std::optional<ui::Color> ColourAt(int row, Column column) const {
    const auto found = colours_.find({row, analysis::Index(column)});
    if (found == colours_.end()) return std::nullopt;
    return found->second;
  }

 private:
  static void CheckRow(int row) {
    if (row < 0 || row >= analysis::kGridRows) throw std::out_of_range("no such grid row");
  }

  std::map<std::pair<int, int>, model::Text> texts_;
  std::map<std::pair<int, int>, ui::Color> colours_;
};

using RecordingRunnerGrid = RecordingGrid<analysis::RunnerColumn>;
using RecordingPastRunGrid = RecordingGrid<analysis::PastRunColumn>;

}  // namespace testsupport
