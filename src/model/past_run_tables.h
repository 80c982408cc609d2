#pragma once
// The horse file's tables and the five past runs of every runner: written once by the
// past-performance read, read by the base-time build, the analyses and the detail windows.

#include "model/table.h"

namespace model {

struct PastRunTables {
  // Horse header of each runner's record, copied as read (trailing blanks kept).
  RunnerTable UmaHorseName, SireName, DamName;

  // Result-count groups, each as a RecordCountsText ("02-01-00-10").
  RunnerTable RecordCounts01, RecordCounts02, RecordCounts03, RecordCounts04, RecordCounts05, RecordCounts06,
      RecordCounts07, RecordCounts08, RecordCounts09, RecordCounts10, RecordCounts11, RecordCounts12,
      RecordCounts13, RecordCounts14, RecordCounts15, RecordCounts16, RecordCounts17, RecordCounts18,
      RecordCounts19, RecordCounts20, RecordCounts21, RecordCounts22, RecordCounts23, RecordCounts24,
      RecordCounts25, RecordCounts26, RecordCounts27, RecordCounts28, RecordCounts29;
  static constexpr int kRecordCountsTables = 29;
  // RecordCounts01 .. RecordCounts29 by number k (1..29).
  RunnerTable& RecordCounts(int k);
  const RunnerTable& RecordCounts(int k) const;

  // Raw past-run fields, member b = past run b (1 = last run), exactly as the record holds them.
  Family<RunnerTable> RunCourseCode, RunDateCode, RunClassCode, RunSurfaceCode, RunDistance, RunFieldSize,
      RunPaceCode, RunGoingCode, RunGate, RunWeight, RunBodyWeight, RunPosition, RunTime, RunMargin,
      RunFirst3F, RunLast3F;
  // Positions at corners 1 to 4: RunCorner1_[b] is registered as RunCorner1_b.
  Family<RunnerTable> RunCorner1_, RunCorner2_, RunCorner3_, RunCorner4_;

  // Display texts of each past run, computed from the raw cells of the same run.
  Family<RunnerTable> RunCourseName, RunDateText, RunClassName, RunSurfaceName, RunDistanceText,
      RunFieldSizeText, RunPaceName, RunGoingName, RunGateText, RunWeightText, RunBodyWeightText,
      RunPositionText, RunTimeText, RunTimeSeconds, RunMarginText, RunFirst3FText, RunLast3FText,
      RunPassingText, RunTroubleFlag;

  void RegisterIn(TableRegistry& registry);
};

// The text form of one count group: the four 2-character counts as they stand, joined by "-".
Text RecordCountsText(const Text& count1, const Text& count2, const Text& count3, const Text& count4);

}  // namespace model
