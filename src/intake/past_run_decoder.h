#pragma once
// Turns one past-run block of a horse record into the raw and display texts of that run.

#include <functional>

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

}  // namespace intake
