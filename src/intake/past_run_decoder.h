#pragma once
// Turns one past-run block of a horse record into the raw and display texts of that run.

#include <cstddef>
#include <functional>
#include <span>

#include "intake/past_run_tables.h"
#include "intake/record_layouts.h"
#include "model/text.h"

namespace intake {

// The text of a horse-record field by its number in the record (1..1126; UmaRecord), full
// width, blanks included.
using HorseFieldText = std::function<model::Text(int field)>;

// Field numbers of past run 1's block; run b's are these plus kBlockStep * (b - 1).
namespace past_run_field {
inline constexpr int kCourseCode = UmaRecord::kRunCourseCode;
inline constexpr int kDateCode = UmaRecord::kRunDateCode;
inline constexpr int kClassCode = UmaRecord::kRunClassCode;
inline constexpr int kSurfaceCode = UmaRecord::kRunSurfaceCode;
inline constexpr int kDistance = UmaRecord::kRunDistance;
inline constexpr int kFieldSize = UmaRecord::kRunFieldSize;
inline constexpr int kPaceCode = UmaRecord::kRunPaceCode;
inline constexpr int kGoingCode = UmaRecord::kRunGoingCode;
inline constexpr int kGate = UmaRecord::kRunGate;
inline constexpr int kWeight = UmaRecord::kRunWeight;
inline constexpr int kBodyWeight = UmaRecord::kRunBodyWeight;
inline constexpr int kPosition = UmaRecord::kRunPosition;
inline constexpr int kTime = UmaRecord::kRunTime;
inline constexpr int kMargin = UmaRecord::kRunMargin;
inline constexpr int kFirst3F = UmaRecord::kRunFirst3F;
inline constexpr int kLast3F = UmaRecord::kRunLast3F;
inline constexpr int kCorner1 = UmaRecord::kRunCorner1;  // corners 1 to 4 are fields 281 to 284
inline constexpr int kBlockStep = UmaRecord::kRunFieldStep;
}  // namespace past_run_field

// Writes cell (r, j) of member b of every raw and display past-run family from block b of
// the record. r 1..12, j 1..28, b 1..5.
void DecodePastRun(const HorseFieldText& record, PastRunTables& tables, int r, int j, int b);

// A HorseFieldText as a field source for CopyRawPastRun: FieldInto(k, out) writes field k over
// out; JoinedFieldsInto writes the texts of several fields, joined by a separator.
struct FieldTextSource {
  const HorseFieldText& field;
  void FieldInto(int number, model::Text& out) const { out = field(number); }
  void JoinedFieldsInto(std::span<const int> numbers, char16_t separator, model::Text& out) const {
    out.clear();
    for (size_t k = 0; k < numbers.size(); ++k) {
      if (k > 0) out += separator;
      out += field(numbers[k]);
    }
  }
};

// Where cell (r, j) lies among a runner table's cells, the same in every runner table; r and j
// are checked as every cell access checks them.
inline size_t RunnerCellIndex(model::RunnerTable& table, int r, int j) {
  return static_cast<size_t>(&table(r, j) - &table.CellAt(0));
}

// Copies block b's fields of a record into cell (r, j) of member b of the raw past-run families.
// The source writes straight into the cells (FieldInto, as FieldTextSource), so that a cell
// holding a text of the same width takes the new one without a new text being made.
template <class Source>
void CopyRawPastRun(const Source& record, PastRunTables& t, int r, int j, int b) {
  using U = UmaRecord;
  const size_t cell = RunnerCellIndex(t.RunCourseCode[b], r, j);
  const auto copy = [&](model::RunnerFamily& family, int block1_field) {
    record.FieldInto(U::RunField(b, block1_field), family[b].CellAt(cell));
  };
  copy(t.RunCourseCode, U::kRunCourseCode);
  copy(t.RunDateCode, U::kRunDateCode);
  copy(t.RunClassCode, U::kRunClassCode);
  copy(t.RunSurfaceCode, U::kRunSurfaceCode);
  copy(t.RunDistance, U::kRunDistance);
  copy(t.RunFieldSize, U::kRunFieldSize);
  copy(t.RunPaceCode, U::kRunPaceCode);
  copy(t.RunGoingCode, U::kRunGoingCode);
  copy(t.RunGate, U::kRunGate);
  copy(t.RunWeight, U::kRunWeight);
  copy(t.RunBodyWeight, U::kRunBodyWeight);
  copy(t.RunPosition, U::kRunPosition);
  copy(t.RunTime, U::kRunTime);
  copy(t.RunMargin, U::kRunMargin);
  copy(t.RunFirst3F, U::kRunFirst3F);
  copy(t.RunLast3F, U::kRunLast3F);
  copy(t.RunCorner1_, U::kRunCorner1);
  copy(t.RunCorner2_, U::kRunCorner1 + 1);
  copy(t.RunCorner3_, U::kRunCorner1 + 2);
  copy(t.RunCorner4_, U::kRunCorner1 + 3);
}

// Writes cell (r, j) of member b of every display past-run family from the raw cells of the
// same run (as CopyRawPastRun leaves them). A display cell whose code is outside its list is
// left as it is.
void ShowPastRun(PastRunTables& t, int r, int j, int b);

}  // namespace intake
