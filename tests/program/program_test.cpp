#include "program/program.h"

#include <gtest/gtest.h>

#include "intake/preview_values.h"

namespace program {
namespace {

// Every table can be found by name from start-up on, before the stage that writes it has run.
TEST(Program, RegistersATableOfEveryGroupAtStartUp) {
  Program program;
  const model::TableRegistry& registry = program.meeting.Registry();
  // clang-format off
  const char* const names[] = {
      "RaceName", "HorseName", "RecordCounts29", "RunTroubleFlag5", "PreviewRace",
      "RunSummary5", "DirtStdTime", "TurfStdText", "TodayGoingText", "SelectorRace",
      "AnalysedRace", "SecondaryAnalysisDone", "AnalysisGrade", "RecommendLine5", "AptitudeDirtBad",
      "TodayDayNumber", "TodayTurfStdTime", "TodayDirtStdTime", "RunSurfaceMatch5", "RunTurfEval3",
      "RunDirtEvalText1", "RunDayNumber5", "RunMask",
      "RunInterval1", "RunDaysAgo5", "RealEvalText3",
      "TrainDate2", "TrainTimeG3", "TrainRemark3", "TrainTrendWord1", "TrainTrendWord3",
      "RaceRunAvg5",
      "Front3FText", "ProvEvalSigned5", "ProvEvalText5", "RisePairOlder", "TrainingState", "AbilitySum",
      "PointFront", "OverallGap", "ScoreBin1", "ScoreBin11", "AptitudeTurfGood",
      "RecommendCutoff", "RecommendedNo",
      "UsableRunCount", "UsableRunValue", "RunMean", "RunBest", "RunWorst", "RunSpread",
      "TrainCourseText1", "TrainCourseText2", "TrainCourseText3",
  };
  // clang-format on
  for (const char* name : names) {
    EXPECT_NE(registry.Find(name), nullptr) << name;
  }
  EXPECT_EQ((*registry.Find("PreviewRace"))(), u"0");
  EXPECT_EQ(&program.meeting.Group<intake::PreviewValues>().PreviewRace, registry.Find("PreviewRace"));
}

}  // namespace
}  // namespace program
