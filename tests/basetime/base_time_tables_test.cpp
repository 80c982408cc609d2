#include "basetime/base_time_tables.h"

#include <gtest/gtest.h>

#include "model/meeting.h"

namespace basetime {
namespace {

using Ranges = std::vector<std::pair<int, int>>;

Ranges Shape(const model::TextTable& t) {
  Ranges shape;
  for (const model::IndexRange& r : t.Dims()) shape.emplace_back(r.lo, r.hi);
  return shape;
}

TEST(BaseTimeTables, RegisteredUnderTheirNamesWithTheirIndexRanges) {
  model::Meeting m;
  BaseTimeTables& base_times = m.Group<BaseTimeTables>();
  const Ranges per_run = {{1, 12}, {1, 28}};
  const Ranges by_class = {{0, 6}, {0, 13}, {0, 11}};
  const Ranges by_course = {{1, 10}, {1, 12}};
  const std::pair<const char*, Ranges> tables[] = {
      {"RunGoingCorr1", per_run},  {"RunGoingCorr5", per_run},  {"RunWinTimeAdj1", per_run},
      {"RunWinTimeAdj5", per_run}, {"RunSummary1", per_run},    {"RunSummary5", per_run},
      {"TurfTimeSum", by_class},   {"TurfTimeCount", by_class}, {"DirtTimeSum", by_class},
      {"DirtTimeCount", by_class}, {"TurfClassAvg", by_class},  {"DirtClassAvg", by_class},
      {"StdTimeWork", by_course},  {"TurfStdTime", by_course},  {"DirtStdTime", by_course},
  };
  for (const auto& [name, shape] : tables) {
    const model::TextTable* t = m.Registry().Find(name);
    ASSERT_NE(t, nullptr) << name;
    EXPECT_EQ(Shape(*t), shape) << name;
  }
  base_times.DirtTimeSum(6, 13, 11) = u"1";
  EXPECT_EQ((*m.Registry().Find("DirtTimeSum"))(6, 13, 11), u"1");
  base_times.RunSummary[3](12, 28) = u"x";
  EXPECT_EQ((*m.Registry().Find("RunSummary3"))(12, 28), u"x");
}

}  // namespace
}  // namespace basetime
