#include "intake/past_run_tables.h"

#include <gtest/gtest.h>

#include <string>

#include "model/meeting.h"

namespace intake {
namespace {

TEST(PastRunTables, EveryTableIsRegisteredUnderItsOwnName) {
  model::Meeting m;
  PastRunTables& past_runs = m.Group<PastRunTables>();
  const model::TableRegistry& r = m.Registry();
  for (const char* name : {"UmaHorseName", "SireName", "DamName", "RecordCounts01", "RecordCounts29",
                           "RunCourseCode1", "RunTime5", "RunCorner1_1", "RunCorner4_5", "RunCourseName3",
                           "RunTimeSeconds5", "RunPassingText2", "RunTroubleFlag1"}) {
    EXPECT_NE(r.Find(name), nullptr) << name;
  }
  EXPECT_EQ(r.Find("RecordCounts30"), nullptr);
  EXPECT_EQ(r.Find("RecordCounts1"), nullptr);
  EXPECT_EQ(r.Find("RunCorner1_6"), nullptr);

  past_runs.RunCorner2_[4](12, 28) = u"05";
  EXPECT_EQ((*r.Find("RunCorner2_4"))(12, 28), u"05");
  past_runs.RecordCounts[17](2, 3) = u"x";
  EXPECT_EQ((*r.Find("RecordCounts17"))(2, 3), u"x");
  EXPECT_THROW(past_runs.RecordCounts[30], std::out_of_range);
}

TEST(PastRunTables, RecordCountsTextJoinsTheCountsAsTheyStand) {
  EXPECT_EQ(RecordCountsText(u"02", u"01", u"00", u"10"), u"02-01-00-10");
  EXPECT_EQ(RecordCountsText(u"  ", u"  ", u"  ", u"  "), u"  -  -  -  ");
}

}  // namespace
}  // namespace intake
