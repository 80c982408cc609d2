// Going aptitudes: the value of a record, the texts as the horse file and the results-record window
// write them, and the eight tables of a race's runners.
#include "recommend/going_aptitudes.h"

#include <gtest/gtest.h>

#include "analysis/analysis_window_tables.h"
#include "intake/past_run_tables.h"
#include "program/program.h"
#include "recommend/colouring_tables.h"

namespace recommend {
namespace {

using model::Text;

TEST(GoingAptitude, ValueOfARecord) {
  struct Case {
    Text record;
    Text aptitude;
  };
  const Case cases[] = {
      {u"00-00-00-00", u"---"},  {u"", u"---"},
      {u"           ", u"---"},  {u"00-00-00-04", u"-10"},
      {u"00-00-01-09", u"+20"},  {u"01-00-00-00", u"+160"},
      {u"02-01-00-00", u"+250"}, {u"01-00-01-02", u"+120"},
      {u"00-00-01-02", u"+43"},                              // 33 rounded down
      {u"12-05-03-40", u"+933"},                             // 33 + 10 * (72 + 15 + 3)
      {u"-1-00-00-02", u"-10"},                              // a negative count counts 0
      {u"-1-00-00-00", u"---"},  {u"01-00-00-**", u"+160"},  // a count that is no number reads 0
      {u"01-00", u"+160"},                                   // the missing counts read 0
  };
  for (const Case& c : cases)
    EXPECT_EQ(AptitudeText(ReadPlacingCounts(c.record)), c.aptitude) << ::testing::PrintToString(c.record);
}

// The results-record window writes counts below 10 as a blank and one digit; the value reads the same.
TEST(GoingAptitude, RewrittenRecordTextsReadTheSame) {
  const Text as_read[] = {u"01-00-01-02", u"12-05-03-40", u"00-00-00-04", u"00-00-00-00", u"10-09-01-10"};
  const Text rewritten[] = {u" 1- 0- 1- 2", u"12- 5- 3-40", u" 0- 0- 0- 4", u" 0- 0- 0- 0", u"10- 9- 1-10"};
  for (size_t k = 0; k < std::size(as_read); ++k) {
    EXPECT_EQ(AptitudeText(ReadPlacingCounts(rewritten[k])), AptitudeText(ReadPlacingCounts(as_read[k])))
        << ::testing::PrintToString(rewritten[k]);
  }
}

// Every runner gets all eight values in one run whatever the race's surface, from groups 06 to 13 in
// order; other races and runners above n keep theirs.
TEST(GoingAptitudes, FillTheEightTablesOfTheRacesRunners) {
  program::Program app;
  constexpr int kRace = 3;
  auto& records = app.meeting.Group<intake::PastRunTables>().RecordCounts;
  const Text by_group[] = {u"01-00-00-00", u"00-01-00-00", u"00-00-01-00", u"00-00-00-01",
                           u"01-00-00-01", u"00-01-00-01", u"00-00-01-01", u""};
  for (int runner = 1; runner <= 28; ++runner) {
    for (int group = 6; group <= 13; ++group) records[group](kRace, runner) = by_group[group - 6];
  }
  auto& good = app.meeting.Group<ColouringTables>();
  auto& soft = app.meeting.Group<analysis::AnalysisWindowTables>();
  good.AptitudeTurfGood(kRace, 3) = u"kept";
  good.AptitudeTurfGood(kRace + 1, 1) = u"kept";

  ComputeGoingAptitudes(app.meeting, kRace, 2);
  const model::AnalysedRaceRunnerTable* const tables[] = {
      &good.AptitudeTurfGood, &soft.AptitudeTurfSoft, &soft.AptitudeTurfHeavy, &soft.AptitudeTurfBad,
      &good.AptitudeDirtGood, &soft.AptitudeDirtSoft, &soft.AptitudeDirtHeavy, &soft.AptitudeDirtBad};
  const Text expected[] = {u"+160", u"+130", u"+110", u"-10", u"+110", u"+80", u"+60", u"---"};
  for (size_t k = 0; k < std::size(tables); ++k) {
    for (int runner = 1; runner <= 2; ++runner) EXPECT_EQ((*tables[k])(kRace, runner), expected[k]) << k;
  }
  EXPECT_EQ(good.AptitudeTurfGood(kRace, 3), u"kept");
  EXPECT_EQ(good.AptitudeTurfGood(kRace + 1, 1), u"kept");

  for (int race : {0, 13}) ComputeGoingAptitudes(app.meeting, race, 2);
  ComputeGoingAptitudes(app.meeting, kRace, 28);  // held to the eighteen runners the tables have
  EXPECT_EQ(soft.AptitudeDirtBad(kRace, 18), u"---");
  EXPECT_EQ(good.AptitudeTurfGood(kRace, 18), u"+160");
}

}  // namespace
}  // namespace recommend
