#include "basic/basic_analysis_tables.h"

#include <gtest/gtest.h>

#include <string>

#include "model/meeting.h"

namespace basic {
namespace {

// The script driver and the later stages find each table by the name the system gives it.
TEST(BasicAnalysisTables, AreRegisteredUnderTheirNames) {
  model::Meeting meeting;
  meeting.Group<BasicAnalysisTables>();
  const model::TableRegistry& registry = meeting.Registry();
  for (const char* name : {"TodayDayNumber", "TodayTurfStdTime", "TodayDirtStdTime", "RunMask"}) {
    EXPECT_NE(registry.Find(name), nullptr) << name;
  }
  for (const char* family :
       {"RunSurfaceMatch", "RunTurfTime", "RunDirtTime", "RunWeightTerm", "RunTurfWeighted",
        "RunDirtWeighted", "RunPaceTerm", "RunTroubleTerm", "RunGoingTerm", "RunTurfEval", "RunDirtEval",
        "RunTurfEvalText", "RunDirtEvalText", "RunDayNumber", "RunEval", "RunValid"}) {
    for (int run = 1; run <= 5; ++run) {
      const std::string name = family + std::to_string(run);
      EXPECT_NE(registry.Find(name), nullptr) << name;
    }
  }
  EXPECT_EQ(registry.Find("RunDayNumber1")->Dims().size(), 2u);  // kept per race
  EXPECT_EQ(registry.Find("RunEval1")->Dims().size(), 1u);
}

}  // namespace
}  // namespace basic
