#include "basic/todays_surface_evaluations.h"

#include <gtest/gtest.h>

#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"

namespace basic {
namespace {

using model::Text;

constexpr int kRace = 7;

struct RunFacts {
  Text surface, turf_eval, dirt_eval;
};

// One runner whose five runs, last run first, have the given surfaces and evaluations.
class TodaysSurface : public ::testing::Test {
 protected:
  void SetRuns(int runner, const std::array<RunFacts, 5>& runs) {
    auto& past = meeting_.Group<intake::PastRunTables>();
    BasicAnalysisTables& t = meeting_.Group<BasicAnalysisTables>();
    for (int run = 1; run <= 5; ++run) {
      const RunFacts& facts = runs[static_cast<size_t>(run - 1)];
      past.RunSurfaceCode[run](kRace, runner) = facts.surface;
      t.RunTurfEval[run](runner) = facts.turf_eval;
      t.RunDirtEval[run](runner) = facts.dirt_eval;
    }
  }
  void Pick(const Text& today_surface, int runners) {
    meeting_.Group<intake::RaceCardTables>().RaceSurfaceCode(kRace) = today_surface;
    PickTodaysSurfaceEvaluations(meeting_, kRace, runners);
  }
  Text Evals(int runner) {
    Text joined;
    for (int run = 5; run >= 1; --run) joined += Tables().RunEval[run](runner) + u"|";
    return joined;
  }
  BasicAnalysisTables& Tables() { return meeting_.Group<BasicAnalysisTables>(); }
  model::Meeting meeting_;
};

// Last run first: a dirt run, a turf run measured, a turf run not measured, a dirt run, no run.
const std::array<RunFacts, 5> kMixedRuns{{
    {u"0", u"---", u" 7"},
    {u"1", u"-3", u"---"},
    {u"1", u"---", u"---"},
    {u"0", u"---", u" 0"},
    {u" ", u"---", u"---"},
}};

TEST_F(TodaysSurface, TurfTodayTakesTurfEvaluationsAndCountsMeasuredTurfRuns) {
  SetRuns(1, kMixedRuns);
  Pick(u"1", 1);
  EXPECT_EQ(Evals(1), u"---|---|---|-3|---|");
  EXPECT_EQ(Tables().RunMask(1), u"11151");
  EXPECT_EQ(Tables().RunValid[2](1), u"5");
  EXPECT_EQ(Tables().RunValid[1](1), u"1");
}

TEST_F(TodaysSurface, DirtTodayKeepsTheLeadingBlankOfAnEvaluation) {
  SetRuns(1, kMixedRuns);
  Pick(u"0", 1);
  EXPECT_EQ(Evals(1), u"---| 0|---|---| 7|");
  EXPECT_EQ(Tables().RunMask(1), u"15115");
}

TEST_F(TodaysSurface, NeitherSurfaceTodayCountsNoRun) {
  SetRuns(1, kMixedRuns);
  for (const Text surface : {u" ", u"", u"2"}) {
    Pick(surface, 1);
    EXPECT_EQ(Evals(1), u"---|---|---|---|---|");
    EXPECT_EQ(Tables().RunMask(1), u"11111");
  }
}

TEST_F(TodaysSurface, AnEvaluationOnTheOtherSurfaceNeverCounts) {
  // A turf run that somehow has a dirt evaluation is still not a dirt run.
  SetRuns(1, {{{u"1", u"---", u" 4"},
               {u"1", u"---", u" 4"},
               {u"0", u"---", u" 4"},
               {u"0", u"---", u"---"},
               {u"0", u"---", u"-12"}}});
  Pick(u"0", 1);
  EXPECT_EQ(Tables().RunMask(1), u"51511");
}

TEST_F(TodaysSurface, RunnersAboveTheCountKeepTheirEntries) {
  SetRuns(1, kMixedRuns);
  SetRuns(2, kMixedRuns);
  Tables().RunMask(2) = u"55555";
  Pick(u"1", 1);
  EXPECT_EQ(Tables().RunMask(2), u"55555");
  Pick(u"1", 0);
  EXPECT_EQ(Tables().RunMask(2), u"55555");
}

}  // namespace
}  // namespace basic
