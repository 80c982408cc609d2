#include "model/base_time_tables.h"

#include <gtest/gtest.h>

#include "model/meeting.h"

namespace model {
namespace {

using Ranges = std::vector<std::pair<int, int>>;

Ranges Shape(const TextTable& t) {
  Ranges shape;
  for (const IndexRange& r : t.Dims()) shape.emplace_back(r.lo, r.hi);
  return shape;
}

TEST(BaseTimeTables, RegisteredUnderTheirNamesWithTheirIndexRanges) {
  Meeting m;
  const Ranges perRun = {{1, 12}, {1, 28}};
  const Ranges byClass = {{0, 6}, {0, 13}, {0, 11}};
  const Ranges byCourse = {{1, 10}, {1, 12}};
  const std::pair<const char*, Ranges> tables[] = {
      {"RunGoingCorr1", perRun},  {"RunGoingCorr5", perRun},  {"RunWinTimeAdj1", perRun},
      {"RunWinTimeAdj5", perRun}, {"RunSummary1", perRun},    {"RunSummary5", perRun},
      {"TurfTimeSum", byClass},   {"TurfTimeCount", byClass}, {"DirtTimeSum", byClass},
      {"DirtTimeCount", byClass}, {"TurfClassAvg", byClass},  {"DirtClassAvg", byClass},
      {"StdTimeWork", byCourse},  {"TurfStdTime", byCourse},  {"DirtStdTime", byCourse},
  };
  for (const auto& [name, shape] : tables) {
    const TextTable* t = m.Registry().Find(name);
    ASSERT_NE(t, nullptr) << name;
    EXPECT_EQ(Shape(*t), shape) << name;
  }
  m.baseTimes.DirtTimeSum(6, 13, 11) = u"1";
  EXPECT_EQ((*m.Registry().Find("DirtTimeSum"))(6, 13, 11), u"1");
  m.baseTimes.RunSummary[3](12, 28) = u"x";
  EXPECT_EQ((*m.Registry().Find("RunSummary3"))(12, 28), u"x");
}

}  // namespace
}  // namespace model
