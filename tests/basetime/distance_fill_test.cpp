#include "basetime/distance_fill.h"

#include <gtest/gtest.h>

#include <array>

#include "basetime/base_time_tables.h"
#include "model/meeting.h"
#include "model/numbers.h"

namespace basetime {
namespace {

using model::Text;
using Row = std::array<Text, 12>;  // 1000, 1200, 1400, 1500, 1600, 1700, 1800, 2000, 2100, 2200, 2300, 2400 m

void SetRow(model::Meeting& m, int course, const Row& row) {
  for (int d = 1; d <= 12; ++d)
    m.Group<BaseTimeTables>().StdTimeWork(course, d) = row[static_cast<size_t>(d - 1)];
}

Row FilledRow(const Row& row, int course = 4) {
  model::Meeting m;
  SetRow(m, course, row);
  FillMissingDistances(m, course);
  Row out;
  for (int d = 1; d <= 12; ++d)
    out[static_cast<size_t>(d - 1)] = m.Group<BaseTimeTables>().StdTimeWork(course, d);
  return out;
}

// Expected texts; an empty one is not checked.
void ExpectRow(const Row& actual, const Row& expected) {
  for (size_t i = 0; i < 12; ++i) {
    if (expected[i].empty()) continue;
    EXPECT_EQ(actual[i], expected[i]) << "distance column " << i + 1;
  }
}

TEST(FillMissingDistances, NeighboursMidpointsStraightLinesAndScaling) {
  struct Case {
    const char* what;
    Row input, expected;
  };
  const Case cases[] = {
      {"five present distances",
       {u"58.0", u"0", u"82.0", u"0", u"94.0", u"0", u"0", u"121.0", u"0", u"0", u"0", u"146.0"},
       {u"58.0", u"69.65", u"82.0", u"87.56", u"94.0", u"100.374375", u"107.249583333333", u"121.0",
        u"127.68525", u"134.4343275", u"139.51607793125", u"146.0"}},
      {"only 1200 m",
       {u"0", u"70.0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"},
       {u"57.75", u"70.0", u"82.4833333333333", u"88.816875", u"95.21169", u"101.668232728125",
        u"108.186960591281", u"121.409811330215", u"128.117703406209", u"134.88963915768",
        u"141.726091324081", u"148.627535771167"}},
      {"only 2400 m",
       {u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"150.0"},
       // 2300 m: midpoint of the scaled 2200 m, as its text reads back, and the present 2400 m.
       {u"58.125", u"70.4475", u"83.0106375", u"89.38466859375", u"95.8203647325", u"102.318183215923",
        u"108.878584375062", u"122.185966909792", u"128.936741581558", u"135.751969350869",
        u"142.161604752057", u"150.0"}},
      {"only 1600 m",
       {u"0", u"0", u"0", u"0", u"96.0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"},
       {u"58.2", u"70.5384", u"83.117748", u"89.11107963", u"96.0", u"102.51", u"109.0827", u"122.41503",
        u"129.1784604075", u"136.006464743325", u"142.899519660998", u"149.858104966229"}},
      {"1400 m two thirds of the way to 1500 m",
       {u"57.5", u"69.5", u"0", u"87.5", u"93.0", u"99.0", u"105.0", u"118.0", u"124.0", u"130.0", u"136.0",
        u"142.0"},
       {u"57.5", u"69.5", u"81.5", u"87.5"}},
      {"2000 m two thirds of the way to 2100 m",
       {u"58.0", u"70.0", u"82.0", u"88.0", u"94.0", u"100.0", u"106.8", u"0", u"127.0", u"133.0", u"139.0",
        u"145.0"},
       {u"", u"", u"", u"", u"", u"", u"106.8", u"120.266666666667", u"127.0"}},
      {"nothing present",
       {u"0", u"0", u"", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"},
       {u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"}},
      {"only 1000 m: each scaled from the one below",
       {u"60.0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"},
       {u"60.0", u"72.72", u"85.6884", u"92.268045", u"98.91134424", u"105.618769771275", u"112.390796774257",
        u"126.127449713333", u"133.095991309995", u"140.13106513638", u"147.233162301246",
        u"154.402777161133"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectRow(FilledRow(c.input), c.expected);
  }
}

// The factor for 1000 m shrinks with the distance it is scaled from.
TEST(FillMissingDistances, SprintScaledFromTheFirstLongerDistance) {
  const std::pair<int, Text> cases[] = {{2, u"99"},   {3, u"98"},    {4, u"97.5"}, {5, u"97"},
                                        {6, u"96.5"}, {7, u"96"},    {8, u"95"},   {9, u"94.5"},
                                        {10, u"94"},  {11, u"93.5"}, {12, u"93"}};
  const double metres[] = {0, 1000, 1200, 1400, 1500, 1600, 1700, 1800, 2000, 2100, 2200, 2300, 2400};
  for (const auto& [d, expected] : cases) {
    Row row;
    row.fill(u"0");
    // 100 s per 1000 m at the only present distance.
    row[static_cast<size_t>(d - 1)] = model::NumberToText(metres[d] / 10);
    EXPECT_EQ(FilledRow(row)[0], expected) << "from column " << d;
  }
}

// The value divided by the distance, times 1000, times the factor, in this order: any other order
// changes the 15th digit of these two.
TEST(FillMissingDistances, SprintScalingInTheOrderWritten) {
  Row from2200;
  from2200.fill(u"0");
  from2200[9] = u"128.5";
  EXPECT_EQ(FilledRow(from2200)[0], u"54.9045454545455");
  Row from2300;
  from2300.fill(u"0");
  from2300[10] = u"137.4";
  EXPECT_EQ(FilledRow(from2300)[0], u"55.8560869565218");
}

TEST(FillMissingDistances, ChangesOnlyMissingCellsOfItsOwnRow) {
  model::Meeting m;
  SetRow(m, 3, {u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"});
  SetRow(m, 4, {u"57.9", u"0", u"83.40", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"});
  FillMissingDistances(m, 4);
  const BaseTimeTables& b = m.Group<BaseTimeTables>();
  EXPECT_EQ(b.StdTimeWork(3, 2), u"0");
  EXPECT_EQ(b.StdTimeWork(4, 1), u"57.9");
  EXPECT_EQ(b.StdTimeWork(4, 3), u"83.40");
}

}  // namespace
}  // namespace basetime
