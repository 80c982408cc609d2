#include "basetime/combination.h"

#include <gtest/gtest.h>

#include <array>

#include "basetime/base_time_tables.h"
#include "model/meeting.h"
#include "model/numbers.h"

namespace basetime {
namespace {

using model::Text;

struct CombinationCase {
  std::array<Text, 5> classes;  // class averages of classes 1 to 5
  Text expected;
};

const CombinationCase kCases[] = {
    {{u"58.0", u"58.6", u"59.1", u"59.9", u"61.2"}, u"59.2"},    // five: drop fastest and slowest
    {{u"70.2", u"70.9", u"71.9", u"0", u"72.6"}, u"71.4"},       // four
    {{u"0", u"95.9", u"0", u"97.0", u"94.4"}, u"95.8"},          // three: middle and outer midpoint
    {{u"108.4", u"0", u"0", u"109.0", u"0"}, u"108.7"},          // two
    {{u"0", u"0", u"148.5", u"0", u""}, u"148.5"},               // one; empty counts as missing
    {{u"0", u"0", u"0", u"0", u"0"}, u"0"},                      // none
    {{u"", u"", u"", u"", u""}, u"0"},                           // none, never written
    {{u"98.5", u"99.0", u"99.8", u"100.2", u"100.6"}, u"99.7"},  // both sides of 100 s
    {{u"98.6", u"0", u"100.2", u"101.0", u"0"}, u"100.0"},       // three, exactly 100
    {{u"59.5", u"59.5", u"59.5", u"60.0", u"59.0"}, u"59.5"},    // ties
    {{u"0", u"0", u"0", u"0", u"61.24"}, u"61.2"},               // one, rounded to a tenth
    {{u"60.0", u"0", u"0", u"0", u"61.0"}, u"60.5"},             // two, half kept
};

void SetClasses(ClassCellTable& averages, int distance, int course, const std::array<Text, 5>& classes) {
  for (int b = 1; b <= 5; ++b) averages(b, distance, course) = classes[static_cast<size_t>(b - 1)];
}

TEST(CombineClassAverages, TrimmedMeanOfThePresentClasses) {
  for (int surface : {1, 2}) {
    model::Meeting m;
    BaseTimeTables& b = m.Group<BaseTimeTables>();
    ClassCellTable& averages = surface == 1 ? b.TurfClassAvg : b.DirtClassAvg;
    int i = 0;
    for (const auto& c : kCases) {
      SetClasses(averages, i % 12 + 1, i / 12 + 3, c.classes);
      ++i;
    }
    CombineClassAverages(m, surface);
    i = 0;
    for (const auto& c : kCases) {
      EXPECT_EQ(model::ToUtf8(b.StdTimeWork(i / 12 + 3, i % 12 + 1)), model::ToUtf8(c.expected))
          << "surface " << surface << " case " << i;
      ++i;
    }
  }
}

TEST(CombineClassAverages, ReadsOnlyClasses1To5OfItsOwnSurfaceAndWritesEveryCell) {
  model::Meeting m;
  BaseTimeTables& b = m.Group<BaseTimeTables>();
  for (int c = 1; c <= 10; ++c) {
    for (int d = 1; d <= 12; ++d) b.StdTimeWork(c, d) = u"123.4";  // left from the turf pass
  }
  b.TurfClassAvg(2, 5, 1) = u"95.3";
  b.DirtClassAvg(0, 5, 1) = u"90.0";
  b.DirtClassAvg(6, 5, 1) = u"90.0";
  b.DirtClassAvg(3, 0, 1) = u"90.0";
  b.DirtClassAvg(3, 13, 1) = u"90.0";
  b.DirtClassAvg(3, 5, 0) = u"90.0";
  b.DirtClassAvg(3, 5, 11) = u"90.0";
  b.DirtClassAvg(4, 2, 10) = u"71.0";
  CombineClassAverages(m, 2);
  for (int c = 1; c <= 10; ++c) {
    for (int d = 1; d <= 12; ++d) {
      EXPECT_EQ(b.StdTimeWork(c, d), c == 10 && d == 2 ? u"71.0" : u"0") << c << "," << d;
    }
  }
}

}  // namespace
}  // namespace basetime
