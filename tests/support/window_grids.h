#pragma once
// The analysis window's grids behind the writers that the computations take, for tests that read
// the window's grids afterwards.

#include <optional>

#include "analysis/runner_grid.h"
#include "ui/grid.h"

namespace testsupport {

class WindowGrids {
 public:
  analysis::RunnerGridWriter& Runners(ui::FlexGrid& grid) { return runners_.emplace(grid); }
  analysis::PastRunGridWriter& PastRuns(ui::FlexGrid& grid) { return past_runs_.emplace(grid); }

 private:
  std::optional<analysis::RunnerGridOf> runners_;
  std::optional<analysis::PastRunGridOf> past_runs_;
};

}  // namespace testsupport
