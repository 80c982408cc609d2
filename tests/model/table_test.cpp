#include "model/table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

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

// Cells are found by their place among the table's cells (the distance from the first cell), read
// or written, in a table too large for one run of cells as in a small one; a copy holds the same
// texts and is written on its own, a moved table hands its cells over.
TEST(TextTable, CellsLieInOrderAndCopiesKeepTheirTexts) {
  TextTable big({{0, 6}, {0, 13}, {0, 11}});
  const TextTable& read = big;
  for (size_t flat : {size_t{0}, size_t{15}, size_t{16}, size_t{1007}, size_t{1008}, big.CellCount() - 1}) {
    const std::vector<int> at = big.IndicesOf(flat);
    EXPECT_EQ(static_cast<size_t>(&read(at[0], at[1], at[2]) - &read.CellAt(0)), flat) << flat;
    EXPECT_EQ(&big.CellAt(flat), &read.CellAt(flat)) << flat;
    EXPECT_EQ(read.CellAt(flat), u"") << flat;
  }
  big(6, 13, 11) = u"last cell of a long run";
  big(0, 0, 1) = u"x";

  TextTable copy = big;
  EXPECT_EQ(copy(6, 13, 11), u"last cell of a long run");
  EXPECT_EQ(copy(0, 0, 1), u"x");
  EXPECT_EQ(copy(3, 3, 3), u"");
  copy(0, 0, 1) = u"y";
  EXPECT_EQ(read(0, 0, 1), u"x");
  copy = big;
  EXPECT_EQ(copy(0, 0, 1), u"x");

  RunnerTable runners;
  runners(2, 3) = u"runner";
  RunnerTable moved = std::move(runners);
  EXPECT_EQ(moved(2, 3), u"runner");
  EXPECT_EQ(moved.CellCount(), 12u * 28u);
  RaceTable races;
  races(12) = u"race";
  TextTable assigned;
  assigned = std::move(races);
  EXPECT_EQ(assigned(12), u"race");
  EXPECT_EQ(assigned.CellCount(), 12u);
}

// The shape is the same whichever way it is given; a fourth index has no place and is refused.
TEST(TextTable, KeepsUpToThreeIndexRanges) {
  const TextTable listed({{0, 6}, {0, 13}, {2, 11}});
  const TextTable from_vector(std::vector<IndexRange>{{0, 6}, {0, 13}, {2, 11}});
  for (const TextTable* t : {&listed, &from_vector}) {
    ASSERT_EQ(t->Dims().size(), 3u);
    EXPECT_EQ(t->Dims()[2].lo, 2);
    EXPECT_EQ(t->Dims()[2].hi, 11);
    EXPECT_EQ(t->CellCount(), 7u * 14u * 10u);
    EXPECT_EQ(t->IndicesOf(7 * 14 * 10 - 1), (std::vector<int>{6, 13, 11}));
    EXPECT_THROW((*t)(0, 0, 1), std::out_of_range);
  }
  EXPECT_TRUE(TextTable().Dims().empty());
  EXPECT_EQ(TextTable().CellCount(), 1u);
  EXPECT_THROW(TextTable({{1, 2}, {1, 2}, {1, 2}, {1, 2}}), std::invalid_argument);
  EXPECT_THROW(TextTable(std::vector<IndexRange>(4, {1, 2})), std::invalid_argument);
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

// More tables than a program registers, so that the name index is regrown several times on the way:
// every table stays found under its own name, a taken name stays refused, and the names are listed
// in ascending order whatever order they came in.
TEST(TableRegistry, KeepsEveryNameThroughGrowthAndListsThemInOrder) {
  constexpr int kTables = 3000;
  std::vector<SharedValue> tables(kTables);
  TableRegistry r;
  std::vector<std::string> names;
  for (int k = kTables; k-- > 0;) {
    names.push_back("T" + std::to_string(k * 7919 % kTables) + (k % 2 == 0 ? "_even_long_name" : ""));
    r.Add(names.back(), tables[static_cast<size_t>(k)]);
  }
  for (int k = 0; k < kTables; ++k)
    EXPECT_EQ(r.Find(names[static_cast<size_t>(kTables - 1 - k)]), &tables[k]);
  EXPECT_THROW(r.Add(names.front(), tables[0]), std::logic_error);
  EXPECT_EQ(r.Find("T"), nullptr);
  EXPECT_EQ(r.Find(""), nullptr);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(r.Names(), names);
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
