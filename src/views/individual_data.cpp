#include "views/individual_data.h"

#include <array>

#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "intake/race_history_sheet.h"
#include "model/meeting_shape.h"
#include "shell/app.h"
#include "views/frm_ag8.h"

namespace views {

namespace {

// The run column of past run b (1 the last run) in the race-history grid.
int HistoryCol(int b) {
  return model::kPastRuns + 1 - b;
}
// The turf column of past run b in the value grid; its dirt column is the next one.
int TurfCol(int b) {
  return 2 * HistoryCol(b) - 1;
}

void FillHistory(const model::Meeting& meeting, ui::FlexGrid& grid, int race, int j) {
  const auto& card = meeting.Group<intake::RaceCardTables>();
  const auto& runs = meeting.Group<intake::PastRunTables>();
  grid.SetTextMatrix(0, 0, card.RaceNoLabel(race));
  grid.SetTextMatrix(1, 0, card.HorseNo(race, j));
  intake::WriteRaceHistoryRuns(grid, runs, race, j);
  grid.SetMergeRow(0, true);
  for (int col = 1; col <= model::kPastRuns; ++col) grid.SetTextMatrix(0, col, card.HorseName(race, j));
}

void FillValues(const model::Meeting& meeting, ui::FlexGrid& grid, int j) {
  const auto& basic = meeting.Group<basic::BasicAnalysisTables>();
  // Rows 2 to 9 of the turf column; the run's terms stand there whatever its surface.
  const std::array<const model::AnalysedRunnerFamily*, 8> turf = {
      &basic.RunTurfTime,    &basic.RunWeightTerm, &basic.RunTurfWeighted, &basic.RunPaceTerm,
      &basic.RunTroubleTerm, &basic.RunGoingTerm,  &basic.RunTurfEval,     &basic.RunTurfEvalText};
  const std::array<std::pair<int, const model::AnalysedRunnerFamily*>, 4> dirt = {
      {{2, &basic.RunDirtTime},
       {4, &basic.RunDirtWeighted},
       {8, &basic.RunDirtEval},
       {9, &basic.RunDirtEvalText}}};
  for (int b = model::kPastRuns; b >= 1; --b) {
    for (size_t k = 0; k < turf.size(); ++k) {
      grid.SetTextMatrix(static_cast<int>(k) + 2, TurfCol(b), (*turf[k])[b](j));
    }
    for (const auto& [row, family] : dirt) grid.SetTextMatrix(row, TurfCol(b) + 1, (*family)[b](j));
  }
}

}  // namespace

void FillIndividualData(shell::App& app, int race, int j) {
  frmAg8& window = app.Form<frmAg8>();
  FillHistory(app.meeting, window.MSFlexGrid1, race, j);
  FillValues(app.meeting, window.MSFlexGrid2, j);
}

}  // namespace views
