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

// Reading checks the bounds as writing does, through every way in; a written cell stays where it is
// while the others are written, and every other cell stays blank.
TEST(TextTable, ReadsAreBoundsCheckedAndWrittenCellsStayPut) {
  RunnerTable t;
  const RunnerTable& read = t;
  EXPECT_EQ(read.CellCount(), 12u * 28u);
  EXPECT_EQ(read(12, 28), u"");
  EXPECT_EQ(read.CellAt(12 * 28 - 1), u"");
  EXPECT_THROW(read(0, 1), std::out_of_range);
  EXPECT_THROW(read(1), std::out_of_range);
  EXPECT_THROW(read.CellAt(12 * 28), std::out_of_range);
  EXPECT_THROW(t.CellAt(12 * 28), std::out_of_range);
  SharedValue one;
  EXPECT_EQ(static_cast<const SharedValue&>(one)(), u"");
  EXPECT_EQ(one.CellCount(), 1u);

  Text& cell = t(3, 4);
  cell = u"x";
  t(12, 28) = u"y";  // a later write moves no cell
  EXPECT_EQ(&cell, &t(3, 4));
  EXPECT_EQ(read(3, 4), u"x");
  EXPECT_EQ(read.CellAt(12 * 28 - 1), u"y");
  EXPECT_EQ(read(3, 5), u"");
  t.Clear();
  EXPECT_EQ(read(3, 4), u"");
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
