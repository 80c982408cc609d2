#pragma once
// A grid of the analysis window as a computation sees it, recording what it writes.

#include <map>
#include <optional>
#include <utility>

#include "analysis/runner_grid.h"

namespace testsupport {

// The last text and colour of each cell written; a cell never written reads as an empty one.
template <typename Column>
class RecordingGrid final : public analysis::CellWriter<Column> {
 public:
  void SetCellText(int row, Column column, const model::Text& text) override {
    texts_[{row, analysis::Index(column)}] = text;
  }
  void SetCellBackColor(int row, Column column, ui::Color colour) override {
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
  std::map<std::pair<int, int>, model::Text> texts_;
  std::map<std::pair<int, int>, ui::Color> colours_;
};

using RecordingRunnerGrid = RecordingGrid<analysis::RunnerColumn>;
using RecordingPastRunGrid = RecordingGrid<analysis::PastRunColumn>;

}  // namespace testsupport
