#include "basetime/standard_times.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "basetime/base_time_indices.h"
#include "basetime/base_time_tables.h"
#include "model/meeting.h"

namespace basetime {
namespace {

using model::Text;

// A meeting whose only class average is 東京 500万 turf: 1000 m 56.0 and 1200 m 70.5, a step that
// the first smoothing pass narrows.
void SetTwoTurfAverages(model::Meeting& m) {
  BaseTimeTables& base_times = m.Group<BaseTimeTables>();
  for (int b = 1; b <= 5; ++b) {
    for (int d = 1; d <= 12; ++d) {
      for (int c = 1; c <= 10; ++c) {
        base_times.TurfClassAvg(b, d, c) = u"0";
        base_times.DirtClassAvg(b, d, c) = u"0";
      }
    }
  }
  base_times.TurfClassAvg(2, 1, 1) = u"56.0";
  base_times.TurfClassAvg(2, 2, 1) = u"70.5";
}

// The watcher sees every course of turf, then dirt, after its fill and after each smoothing pass,
// each time before the course's row is stored; the stored tables are those of a run without it.
TEST(DeriveStandardTimes, WatcherSeesEachCourseBetweenItsStagesInOrder) {
  model::Meeting watched;
  SetTwoTurfAverages(watched);
  const BaseTimeTables& watched_times = watched.Group<BaseTimeTables>();
  std::vector<std::tuple<int, int, int>> calls;
  std::vector<Text> work_after_stage;
  DeriveStandardTimes(watched, [&](int surface, int course, int stage) {
    calls.emplace_back(surface, course, stage);
    if (surface == kTurf && course == 1) work_after_stage.push_back(watched_times.StdTimeWork(1, 1));
    const CourseDistanceTable& stored =
        surface == kTurf ? watched_times.TurfStdTime : watched_times.DirtStdTime;
    EXPECT_EQ(stored(course, 1), u"") << surface << "," << course << "," << stage;
    if (course > 1) {
      EXPECT_NE(stored(course - 1, 1), u"") << surface << "," << course;
    }
  });

  std::vector<std::tuple<int, int, int>> expected;
  for (int surface : {kTurf, kDirt}) {
    for (int course = 1; course <= 10; ++course) {
      for (int stage = 0; stage <= 3; ++stage) expected.emplace_back(surface, course, stage);
    }
  }
  EXPECT_EQ(calls, expected);
  // 東京's 1000 m after the fill and after each pass: the first pass narrows 7.25 s to 7.
  EXPECT_EQ(work_after_stage, (std::vector<Text>{u"56.0", u"56.25", u"56.25", u"56.25"}));

  model::Meeting plain;
  SetTwoTurfAverages(plain);
  DeriveStandardTimes(plain);
  const BaseTimeTables& plain_times = plain.Group<BaseTimeTables>();
  for (int c = 1; c <= 10; ++c) {
    for (int d = 1; d <= 12; ++d) {
      EXPECT_EQ(watched_times.TurfStdTime(c, d), plain_times.TurfStdTime(c, d));
      EXPECT_EQ(watched_times.DirtStdTime(c, d), plain_times.DirtStdTime(c, d));
    }
  }
}

}  // namespace
}  // namespace basetime
