#pragma once
// The horse file's tables and the five past runs of every runner: written once by the
// past-performance read, read by the base-time build, the analyses and the detail windows.

#include "model/table.h"
#include "model/text.h"

namespace intake {

// The horse file's 29 result-count groups that the read keeps, one table each.
using RecordCountsFamily = model::Family<model::RunnerTable, 29>;

}  // namespace intake

#define TARVELO_PAST_RUN_TABLES(X)                                                                   \
  /* Horse header of each runner's record, copied as read (trailing blanks kept). */                 \
  X(model::RunnerTable, UmaHorseName)                                                                \
  X(model::RunnerTable, SireName)                                                                    \
  X(model::RunnerTable, DamName)                                                                     \
  /* Result-count groups RecordCounts01..29, each as a RecordCountsText ("02-01-00-10"). */          \
  X(intake::RecordCountsFamily, RecordCounts)                                                        \
  /* Raw past-run fields, member b = past run b (1 = last run), exactly as the record holds them. */ \
  X(model::RunnerFamily, RunCourseCode)                                                              \
  X(model::RunnerFamily, RunDateCode)                                                                \
  X(model::RunnerFamily, RunClassCode)                                                               \
  X(model::RunnerFamily, RunSurfaceCode)                                                             \
  X(model::RunnerFamily, RunDistance)                                                                \
  X(model::RunnerFamily, RunFieldSize)                                                               \
  X(model::RunnerFamily, RunPaceCode)                                                                \
  X(model::RunnerFamily, RunGoingCode)                                                               \
  X(model::RunnerFamily, RunGate)                                                                    \
  X(model::RunnerFamily, RunWeight)                                                                  \
  X(model::RunnerFamily, RunBodyWeight)                                                              \
  X(model::RunnerFamily, RunPosition)                                                                \
  X(model::RunnerFamily, RunTime)                                                                    \
  X(model::RunnerFamily, RunMargin)                                                                  \
  X(model::RunnerFamily, RunFirst3F)                                                                 \
  X(model::RunnerFamily, RunLast3F)                                                                  \
  /* Positions at corners 1 to 4: RunCorner1_[b] is registered as RunCorner1_b. */                   \
  X(model::RunnerFamily, RunCorner1_)                                                                \
  X(model::RunnerFamily, RunCorner2_)                                                                \
  X(model::RunnerFamily, RunCorner3_)                                                                \
  X(model::RunnerFamily, RunCorner4_)                                                                \
  /* Display texts of each past run, computed from the raw cells of the same run. */                 \
  X(model::RunnerFamily, RunCourseName)                                                              \
  X(model::RunnerFamily, RunDateText)                                                                \
  X(model::RunnerFamily, RunClassName)                                                               \
  X(model::RunnerFamily, RunSurfaceName)                                                             \
  X(model::RunnerFamily, RunDistanceText)                                                            \
  X(model::RunnerFamily, RunFieldSizeText)                                                           \
  X(model::RunnerFamily, RunPaceName)                                                                \
  X(model::RunnerFamily, RunGoingName)                                                               \
  X(model::RunnerFamily, RunGateText)                                                                \
  X(model::RunnerFamily, RunWeightText)                                                              \
  X(model::RunnerFamily, RunBodyWeightText)                                                          \
  X(model::RunnerFamily, RunPositionText)                                                            \
  X(model::RunnerFamily, RunTimeText)                                                                \
  X(model::RunnerFamily, RunTimeSeconds)                                                             \
  X(model::RunnerFamily, RunMarginText)                                                              \
  X(model::RunnerFamily, RunFirst3FText)                                                             \
  X(model::RunnerFamily, RunLast3FText)                                                              \
  X(model::RunnerFamily, RunPassingText)                                                             \
  X(model::RunnerFamily, RunTroubleFlag)

namespace intake {

struct PastRunTables {
  TARVELO_TABLE_GROUP(TARVELO_PAST_RUN_TABLES)
};

// A display text of a past run whose raw field is blank or out of range, and the trouble flag of a run
// without trouble.
inline const model::Text kNone = u"なし";

// The text form of one count group: the four 2-character counts as they stand, joined by "-".
model::Text RecordCountsText(const model::Text& count1, const model::Text& count2, const model::Text& count3,
                             const model::Text& count4);

}  // namespace intake
