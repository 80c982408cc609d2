#pragma once
// Turns one past-run block of a horse record into the raw and display texts of that run.

#include <functional>

#include "model/past_run_tables.h"
#include "model/text.h"

namespace intake {

// The text of a horse-record field by its number in the record (1..1126), full width,
// blanks included.
using HorseFieldText = std::function<model::Text(int field)>;

// Field numbers of past run 1's block; run b's are these plus 105(b-1).
namespace past_run_field {
inline constexpr int kCourseCode = 201;
inline constexpr int kDateCode = 206;
inline constexpr int kClassCode = 222;
inline constexpr int kSurfaceCode = 227;
inline constexpr int kDistance = 231;
inline constexpr int kFieldSize = 232;
inline constexpr int kPaceCode = 234;
inline constexpr int kGoingCode = 236;
inline constexpr int kGate = 241;
inline constexpr int kWeight = 249;
inline constexpr int kBodyWeight = 250;
inline constexpr int kPosition = 270;
inline constexpr int kTime = 275;
inline constexpr int kMargin = 278;
inline constexpr int kFirst3F = 279;
inline constexpr int kLast3F = 280;
inline constexpr int kCorner1 = 281;  // corners 1 to 4 are fields 281 to 284
inline constexpr int kBlockStep = 105;
}  // namespace past_run_field

// Writes cell (r, j) of member b of every raw and display past-run family from block b of
// the record. r 1..12, j 1..28, b 1..5.
void DecodePastRun(const HorseFieldText& record, model::PastRunTables& tables, int r, int j, int b);

}  // namespace intake
