#include "recommend/colour_release.h"

#include "model/meeting_shape.h"
#include "ui/palette.h"

namespace recommend {

void WhitenRunnerRows(analysis::RunnerGridWriter& grid, int runners) {
  runners = model::AnalysedRunners(runners);
  for (int runner = 1; runner <= runners; ++runner) {
    for (int column = analysis::Index(analysis::RunnerColumn::kSpeedValue);
         column <= analysis::Index(analysis::RunnerColumn::kOverallCode); ++column) {
      grid.SetCellBackColor(analysis::RunnerRow(runner), analysis::RunnerColumn{column}, ui::palette::kWhite);
    }
  }
}

}  // namespace recommend
