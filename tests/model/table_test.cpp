#include "model/table.h"

#include <gtest/gtest.h>

namespace model {
namespace {

TEST(TextTable, IsOneBasedBoundsCheckedAndStartsEmpty) {
  RunnerTable t;
  EXPECT_EQ(t(1, 1), u"");
  t(12, 28) = u"x";
  EXPECT_EQ(t(12, 28), u"x");
  EXPECT_THROW(t(0, 1), std::out_of_range);
  EXPECT_THROW(t(13, 1), std::out_of_range);
  EXPECT_THROW(t(1, 29), std::out_of_range);
  EXPECT_EQ(t.CellCount(), 12u * 28u);
  EXPECT_EQ(t.IndicesOf(28), (std::vector<int>{2, 1}));
}

TEST(TableRegistry, FindsTablesByNameAndRefusesANameTwice) {
  RaceTable race;
  SharedValue value;
  TableRegistry r;
  r.Add("RaceName", race);
  race(12) = u"有馬記念";
  EXPECT_EQ((*r.Find("RaceName"))(12), u"有馬記念");
  EXPECT_EQ(r.Find("NoSuchTable"), nullptr);
  EXPECT_THROW(r.Add("RaceName", value), std::logic_error);
  EXPECT_EQ(r.Find("RaceName"), &race);
}

TEST(Family, RegistersEachMemberUnderItsOwnNumberedName) {
  Family<RunnerTable> runs;
  Family<RunnerTable, 29> counts;
  TableRegistry r;
  r.Add("RunCourseName", runs);
  r.Add("RecordCounts", counts);
  runs[3](1, 1) = u"東京";
  counts[7](1, 1) = u"02-01-00-10";
  EXPECT_EQ((*r.Find("RunCourseName3"))(1, 1), u"東京");
  EXPECT_EQ((*r.Find("RecordCounts07"))(1, 1), u"02-01-00-10");
  EXPECT_EQ(r.Find("RecordCounts29"), &counts[29]);
  EXPECT_EQ(r.Find("RunCourseName6"), nullptr);
  EXPECT_EQ(r.Find("RecordCounts7"), nullptr);
  EXPECT_EQ(r.Names().size(), 5u + 29u);
  EXPECT_THROW(runs[6], std::out_of_range);
  EXPECT_THROW(counts[0], std::out_of_range);
}

}  // namespace
}  // namespace model
