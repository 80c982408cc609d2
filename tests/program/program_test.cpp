#include "program/program.h"

#include <gtest/gtest.h>

#include "intake/preview_values.h"

namespace program {
namespace {

// Every table can be found by name from start-up on, before the stage that writes it has run.
TEST(Program, RegistersATableOfEveryGroupAtStartUp) {
  Program program;
  const model::TableRegistry& registry = program.meeting.Registry();
  for (const char* name :
       {"RaceName", "HorseName", "RecordCounts29", "RunTroubleFlag5", "PreviewRace", "RunSummary5",
        "DirtStdTime", "TurfStdText", "TodayGoingText", "SelectorRace", "AnalysedRace", "AnalysisGrade",
        "RecommendLine5", "ProvEvalText5", "AptitudeDirtBad"}) {
    EXPECT_NE(registry.Find(name), nullptr) << name;
  }
  EXPECT_EQ((*registry.Find("PreviewRace"))(), u"0");
  EXPECT_EQ(&program.meeting.Group<intake::PreviewValues>().PreviewRace, registry.Find("PreviewRace"));
}

}  // namespace
}  // namespace program
