#include "views/training_views.h"

#include <algorithm>
#include <string_view>

#include "model/meeting_shape.h"
#include "model/text_ops.h"
#include "views/training_workouts.h"

namespace views {

using model::Text;
using model::Trim;
using model::TrimView;

namespace {

constexpr int kRunnerRows = model::kRunnersAnalysed;
constexpr int kFlatCols = 23;
constexpr int kFlatBlockWidth = 8;   // seven columns and a spacer
constexpr int kSlopeBlockWidth = 7;  // six columns and a spacer

const Text kBlank = u" ";

bool IsRaceAndRunner(int race, int runner) {
  return model::IsRace(race) && runner >= 1 && runner <= kRunnerRows;
}

// The remark, trimmed, in columns first to last of the row, which merge into one cell.
void WriteRemark(ui::FlexGrid& grid, int row, int first, int last, const Text& remark) {
  grid.SetMergeRow(row, true);
  const Text shown = Trim(remark);
  for (int col = first; col <= last; ++col) grid.SetTextMatrix(row, col, shown);
}

void FillFlatRow(ui::FlexGrid& grid, model::Meeting& meeting, int race, int runner) {
  const int row = runner + 1;
  for (int k = 1; k <= kWorkouts; ++k) {
    const WorkoutTables w = TablesOfWorkout(meeting, k);
    const int b = (k - 1) * kFlatBlockWidth;
    const Text& date = w.date(race, runner);
    const Text& course_text = w.course_text(race, runner);
    if (IsHeldWorkout(date) && !IsSlopeWorkout(course_text)) {
      grid.SetTextMatrix(row, b, course_text);
      grid.SetTextMatrix(row, b + 1, TrimView(w.slot_c(race, runner)));
      grid.SetTextMatrix(row, b + 2, TrimView(w.slot_d(race, runner)));
      grid.SetTextMatrix(row, b + 3, TrimView(w.slot_e(race, runner)));
      grid.SetTextMatrix(row, b + 4, TrimView(w.slot_f(race, runner)));
      grid.SetTextMatrix(row, b + 5, TrimView(w.slot_g(race, runner)));
      grid.SetTextMatrix(row, b + 6, TrimView(w.action(race, runner)));
    } else if (!IsHeldWorkout(date) && HasWorkoutRemark(w.remark(race, runner))) {
      WriteRemark(grid, row, b + 1, b + 6, w.remark(race, runner));
    }
  }
}

}  // namespace

void ClearFlatTrainingGrid(ui::FlexGrid& grid, int runner_count) {
  const int last = std::min(runner_count, kRunnerRows);
  for (int row = 2; row <= last + 1; ++row) {
    for (int col = 0; col < kFlatCols; ++col) grid.SetTextMatrix(row, col, kBlank);
    grid.SetMergeRow(row, false);
  }
}

void FillFlatTrainingGrid(ui::FlexGrid& grid, model::Meeting& meeting, int race, int runner_count) {
  const int last = std::min(runner_count, kRunnerRows);
  for (int runner = 1; runner <= last; ++runner) {
    if (IsRaceAndRunner(race, runner)) FillFlatRow(grid, meeting, race, runner);
  }
}

void FillSlopeTrainingGrid(ui::FlexGrid& grid, model::Meeting& meeting, int race, int runner) {
  if (!IsRaceAndRunner(race, runner)) return;
  const int row = runner + 1;
  for (int k = 1; k <= kWorkouts; ++k) {
    const WorkoutTables w = TablesOfWorkout(meeting, k);
    const int b = (k - 1) * kSlopeBlockWidth;
    const Text& date = w.date(race, runner);
    const Text& course_text = w.course_text(race, runner);
    if (IsHeldWorkout(date) && IsSlopeWorkout(course_text)) {
      grid.SetTextMatrix(row, b, course_text);
      grid.SetTextMatrix(row, b + 1, TrimView(w.slot_c(race, runner)));
      grid.SetTextMatrix(row, b + 2, TrimView(w.slot_e(race, runner)));
      grid.SetTextMatrix(row, b + 3, TrimView(w.slot_f(race, runner)));
      grid.SetTextMatrix(row, b + 4, TrimView(w.slot_g(race, runner)));
      grid.SetTextMatrix(row, b + 5, TrimView(w.action(race, runner)));
    } else if (!IsHeldWorkout(date) && HasWorkoutRemark(w.remark(race, runner))) {
      WriteRemark(grid, row, b + 1, b + 5, w.remark(race, runner));
    }
  }
}

}  // namespace views
