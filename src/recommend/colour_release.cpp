#include "recommend/colour_release.h"

#include <algorithm>

#include "ui/palette.h"

namespace recommend {

namespace {

constexpr int kRunnersHeld = 18;

}  // namespace

void WhitenRunnerRows(analysis::RunnerGridWriter& grid, int runners) {
  runners = std::clamp(runners, 0, kRunnersHeld);
  for (int runner = 1; runner <= runners; ++runner) {
    for (int column = analysis::Index(analysis::RunnerColumn::kSpeedValue);
         column <= analysis::Index(analysis::RunnerColumn::kOverallCode); ++column) {
      grid.SetCellBackColor(analysis::RunnerRow(runner), analysis::RunnerColumn{column}, ui::palette::kWhite);
    }
  }
}

}  // namespace recommend
