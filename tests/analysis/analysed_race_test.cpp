// The confirmed race as the analyses index their tables with it.
#include "analysis/analysed_race.h"

#include <gtest/gtest.h>

#include "analysis/analysis_window_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting.h"

namespace analysis_test {
namespace {

using model::Text;

TEST(AnalysedRace, NoRaceBeforeTheFirstConfirmation) {
  model::Meeting meeting;
  EXPECT_EQ(meeting.Group<analysis::AnalysisWindowTables>().SelectorRace(), u"0");
  EXPECT_EQ(meeting.Group<analysis::AnalysisWindowTables>().AnalysedRace(), u"0");
  EXPECT_EQ(analysis::AnalysedRaceIndex(meeting), 0);
  meeting.Group<intake::RaceCardTables>().RunnerCount(1) = u"16";
  EXPECT_EQ(analysis::AnalysedRunnerCount(meeting), 0);
  analysis::SetAnalysedRace(meeting, 7);
  EXPECT_EQ(meeting.Group<analysis::AnalysisWindowTables>().AnalysedRace(), u"7");
  EXPECT_EQ(analysis::AnalysedRaceIndex(meeting), 7);
}

struct CountCase {
  Text runner_count;
  int runners;
};

// The windows and the per-runner tables hold 18 runners; a larger field is cut there, and a count
// that is no positive number gives none.
TEST(AnalysedRace, RunnersHeldAreTheCountCutTo18) {
  const CountCase cases[] = {{u"16", 16}, {u"08", 8}, {u"18", 18}, {u"19", 18}, {u"28", 18},
                             {u"", 0},    {u"-3", 0}, {u"**", 0},  {u" 5", 5},  {u"12.5", 12}};
  for (const CountCase& c : cases) {
    model::Meeting meeting;
    meeting.Group<intake::RaceCardTables>().RunnerCount(3) = c.runner_count;
    analysis::SetAnalysedRace(meeting, 3);
    EXPECT_EQ(analysis::AnalysedRunnerCount(meeting), c.runners) << model::ToUtf8(c.runner_count);
  }
}

}  // namespace
}  // namespace analysis_test
