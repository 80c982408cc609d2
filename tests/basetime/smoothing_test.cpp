#include "basetime/smoothing.h"

#include <gtest/gtest.h>

#include <array>

#include "basetime/base_time_tables.h"
#include "basetime/standard_times.h"
#include "model/meeting.h"
#include "model/numbers.h"

namespace basetime {
namespace {

using model::Text;
using Row = std::array<Text, 12>;  // 1000 .. 2400 m

constexpr int kCourse = 7;

void SetRow(model::Meeting& m, const Row& row) {
  for (int d = 1; d <= 12; ++d)
    m.Group<BaseTimeTables>().StdTimeWork(kCourse, d) = row[static_cast<size_t>(d - 1)];
}

Row WorkRow(const model::Meeting& m) {
  Row out;
  for (int d = 1; d <= 12; ++d)
    out[static_cast<size_t>(d - 1)] = m.Group<BaseTimeTables>().StdTimeWork(kCourse, d);
  return out;
}

void ExpectRow(const Row& actual, const Row& expected) {
  for (size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(actual[i], expected[i]) << "distance column " << i + 1;
  }
}

// Rows in band everywhere except the pair under test, which the first pass brings to exactly 6 or 7;
// the other two passes then change nothing.
TEST(SmoothDistanceSteps, SinglePairsBroughtToTheBandEdge) {
  struct Case {
    const char* what;
    Row input, expected;
  };
  const Case cases[] = {
      {"1000/1200 m step 5.5 widened",
       {u"58.0", u"69.0", u"82.0", u"88.5", u"95.0", u"101.5", u"108.0", u"121.0", u"127.5", u"134.0",
        u"140.5", u"147.0"},
       {u"57.5", u"69.5", u"82.0", u"88.5", u"95.0", u"101.5", u"108.0", u"121.0", u"127.5", u"134.0",
        u"140.5", u"147.0"}},
      {"1400/1500 m step 5 widened",
       {u"56.0", u"69.0", u"82.0", u"87.0", u"94.0", u"100.5", u"107.0", u"120.0", u"126.5", u"133.0",
        u"139.5", u"146.0"},
       {u"56.0", u"69.0", u"81.5", u"87.5", u"94.0", u"100.5", u"107.0", u"120.0", u"126.5", u"133.0",
        u"139.5", u"146.0"}},
      {"2000/2100 m step 8 narrowed",
       {u"56.0", u"69.0", u"82.0", u"88.5", u"95.0", u"101.5", u"108.0", u"121.0", u"129.0", u"135.0",
        u"141.5", u"148.0"},
       {u"56.0", u"69.0", u"82.0", u"88.5", u"95.0", u"101.5", u"108.0", u"121.5", u"128.5", u"135.0",
        u"141.5", u"148.0"}},
      {"1800/2000 m step exactly 6 is in band: texts kept",
       {u"56.0", u"69.0", u"82.0", u"88.5", u"95.0", u"101.5", u"108.0", u"120.0", u"126.5", u"133.0",
        u"139.5", u"146.0"},
       {u"56.0", u"69.0", u"82.0", u"88.5", u"95.0", u"101.5", u"108.0", u"120.0", u"126.5", u"133.0",
        u"139.5", u"146.0"}},
      {"1800/2000 m step exactly 7 counts as too wide: shift 0, rewritten",
       {u"56.0", u"69.0", u"82.0", u"88.5", u"95.0", u"101.5", u"108.0", u"122.0", u"128.5", u"135.0",
        u"141.5", u"148.0"},
       {u"56.0", u"69.0", u"82.0", u"88.5", u"95.0", u"101.5", u"108", u"122", u"128.5", u"135.0", u"141.5",
        u"148.0"}},
      {"1600/1700 m step exactly 7 on a 100 m pair",
       {u"56.0", u"69.0", u"82.0", u"88.5", u"95.0", u"102.0", u"108.5", u"121.5", u"128.0", u"134.5",
        u"141.0", u"147.5"},
       {u"56.0", u"69.0", u"82.0", u"88.5", u"95", u"102", u"108.5", u"121.5", u"128.0", u"134.5", u"141.0",
        u"147.5"}},
      {"no data: 1000 m is 0",
       {u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"},
       {u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0"}},
      {"only the 1000 m cell is tested for 0",
       {u"0", u"69.0", u"70.0", u"71.0", u"72.0", u"73.0", u"74.0", u"75.0", u"76.0", u"77.0", u"78.0",
        u"79.0"},
       {u"0", u"69.0", u"70.0", u"71.0", u"72.0", u"73.0", u"74.0", u"75.0", u"76.0", u"77.0", u"78.0",
        u"79.0"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    model::Meeting m;
    SetRow(m, c.input);
    SmoothDistanceSteps(m, kCourse);
    ExpectRow(WorkRow(m), c.expected);
  }
}

TEST(SmoothDistanceSteps, ThreePassesOverAWholeRowAndItsStoredTexts) {
  const Row input = {u"50.0",  u"71.0",  u"83.5",  u"89.0",  u"95.5",  u"102.0",
                     u"108.5", u"121.5", u"128.0", u"134.5", u"141.0", u"147.5"};
  const Text after_pass[3][3] = {
      {u"53.5", u"68.5", u"82.5"}, {u"54", u"68.25", u"82.25"}, {u"54.125", u"68.1875", u"82.1875"}};
  model::Meeting m;
  SetRow(m, input);
  int passes_seen = 0;
  SmoothDistanceSteps(m, kCourse, [&](int pass) {
    EXPECT_EQ(pass, ++passes_seen);
    Row expected = input;
    for (size_t i = 0; i < 3; ++i) expected[i] = after_pass[pass - 1][i];
    SCOPED_TRACE(pass);
    ExpectRow(WorkRow(m), expected);
  });
  EXPECT_EQ(passes_seen, 3);
  // A further pass would still move the row: three passes do not reach the band everywhere.
  StoreStandardTimes(m, 1, kCourse);
  const BaseTimeTables& b = m.Group<BaseTimeTables>();
  const Row stored = {u"54.1",  u"68.2",  u"82.2",  u"89.0",  u"95.5",  u"102.0",
                      u"108.5", u"121.5", u"128.0", u"134.5", u"141.0", u"147.5"};
  for (int d = 1; d <= 12; ++d) {
    EXPECT_EQ(model::ToUtf8(b.TurfStdTime(kCourse, d)), model::ToUtf8(stored[static_cast<size_t>(d - 1)]));
  }
  EXPECT_EQ(b.DirtStdTime(kCourse, 1), u"");
}

// Every pair reads its two cells back from the texts that the earlier pairs and passes wrote, so the
// 15 digits of each written text are what the next step works on (kept as doubles, 2200 m would end
// in ...062).
TEST(SmoothDistanceSteps, EachStepReadsTheCellsBackFromTheirTexts) {
  model::Meeting m;
  SetRow(m, {u"55.8", u"66.6", u"77.7", u"90.5", u"98.7", u"104.2", u"118", u"144", u"157.2", u"165.8",
             u"171.4", u"184.5"});
  SmoothDistanceSteps(m, kCourse);
  ExpectRow(WorkRow(m), {u"54.825", u"67.384375", u"81.9140625", u"90.1953125", u"100.28046875",
                         u"111.7884765625", u"123.59677734375", u"141.6388671875", u"152.42177734375",
                         u"162.194165039063", u"170.580358886719", u"177.580358886719"});
}

TEST(StoreStandardTimes, OneDecimalHalfAwayFromZeroAndOnlyForTurfOrDirt) {
  model::Meeting m;
  SetRow(m, {u"54.125", u"68.1875", u"83.25", u"58", u"0", u"1000.05", u"99.95", u"", u"7", u"100", u"0.04",
             u"147.5"});
  StoreStandardTimes(m, 2, kCourse);
  const BaseTimeTables& b = m.Group<BaseTimeTables>();
  ExpectRow(
      [&] {
        Row out;
        for (int d = 1; d <= 12; ++d) out[static_cast<size_t>(d - 1)] = b.DirtStdTime(kCourse, d);
        return out;
      }(),
      {u"54.1", u"68.2", u"83.3", u"58.0", u".0", u"1000.1", u"100.0", u".0", u"7.0", u"100.0", u".0",
       u"147.5"});
  StoreStandardTimes(m, 3, kCourse);
  StoreStandardTimes(m, 0, kCourse);
  for (int d = 1; d <= 12; ++d) EXPECT_EQ(b.TurfStdTime(kCourse, d), u"");
}

}  // namespace
}  // namespace basetime
