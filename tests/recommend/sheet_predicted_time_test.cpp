// The sheet's predicted times: the base time caption moved by the current ability, carried into the
// minutes, and the marker wherever there is no time to print.
#include "recommend/sheet_predicted_time.h"

#include <gtest/gtest.h>

#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"

namespace recommend {
namespace {

using model::Text;

struct Case {
  Text caption, ability, printed;
};

TEST(SheetPredictedTime, MovesTheBaseTimeByTheAbilityInTenths) {
  const Case cases[] = {
      {u"  1.11.5", u"0", u"1.11.5"},
      {u"  1.11.5", u"4", u"1.11.9"},
      {u"  1.11.5", u"5", u"1.12.0"},
      {u"  1.11.5", u"8", u"1.12.3"},
      {u"  1.11.5", u"-15", u"1.10.0"},
      {u"  1.11.5", u"", u"1.11.5"},  // reads 0
      {u"0.56.8", u"0", u"0.56.8"},   // no blanks, under a minute
      {u"  2.25.0", u" 12", u"2.26.2"},
      // Rounded half away from zero on the tenth: 11.55 and -0.05.
      {u"  1.11.5", u"0.5", u"1.11.6"},
      {u"  1.00.0", u"-0.5", u"0.59.9"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SheetPredictedTime(c.caption, c.ability), c.printed)
        << model::ToUtf8(c.caption) << " " << model::ToUtf8(c.ability);
  }
}

TEST(SheetPredictedTime, CarriesIntoAndOutOfTheMinutes) {
  const Case cases[] = {
      {u"  1.59.8", u"5", u"2.00.3"},  // not 1.60.3
      {u"  1.55.0", u"99", u"2.04.9"},  {u"  0.56.8", u"40", u"1.00.8"},
      {u"  1.00.2", u"-5", u"0.59.7"},  // not 1.-0.3
      {u"  2.01.0", u"-99", u"1.51.1"}, {u"  3.59.9", u"1", u"4.00.0"},
      {u"  9.59.9", u"1", u"10.00.0"},  // minutes beyond one digit
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SheetPredictedTime(c.caption, c.ability), c.printed)
        << model::ToUtf8(c.caption) << " " << model::ToUtf8(c.ability);
  }
}

TEST(SheetPredictedTime, PrintsTheMarkerWhereThereIsNoTime) {
  const Case cases[] = {
      {u"  1.11.5", u"***", u"*.**.*"},  // no current ability
      {u"  0.05.0", u"-50", u"*.**.*"},  // exactly 0
      {u"  0.05.0", u"-60", u"*.**.*"},  // below 0
      {u"  0.00.0", u"0", u"*.**.*"},
      {u"  0.00.0", u"-0.5", u"*.**.*"},  // rounds to -0.1
      // A caption that is no base time, whatever the ability.
      {u"", u"5", u"*.**.*"},
      {u"  ", u"5", u"*.**.*"},
      {u"  1.36", u"5", u"*.**.*"},
      {u"  11.36.2", u"5", u"*.**.*"},
      {u"  1:36.2", u"5", u"*.**.*"},
      {u"  1.36.2x", u"5", u"*.**.*"},
      {u"  1.3\uFF16.2", u"5", u"*.**.*"},  // a full-width digit
      {u"  *.**.*", u"5", u"*.**.*"},
      {u"  1.36.2", u"1e400", u"*.**.*"},  // no finite time
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SheetPredictedTime(c.caption, c.ability), c.printed)
        << model::ToUtf8(c.caption) << " " << model::ToUtf8(c.ability);
  }
}

TEST(RecomputePredictedTimes, RewritesTheRunnersOfTheRaceOnly) {
  program::Program app;
  auto& t = app.meeting.Group<secondary::SecondaryAnalysisTables>();
  const Text abilities[] = {u"5", u"***", u"-15", u"3"};
  for (int i = 1; i <= 4; ++i) {
    t.CurrentAbility(i) = abilities[i - 1];
    t.PredictedTime(i) = u"old";
  }
  RecomputePredictedTimes(app.meeting, u"  1.59.8", 3);
  EXPECT_EQ(t.PredictedTime(1), u"2.00.3");
  EXPECT_EQ(t.PredictedTime(2), u"*.**.*");
  EXPECT_EQ(t.PredictedTime(3), u"1.58.3");
  EXPECT_EQ(t.PredictedTime(4), u"old");

  // More runners than the table holds, or fewer than none: no entry outside it is touched.
  EXPECT_NO_THROW(RecomputePredictedTimes(app.meeting, u"  1.59.8", 30));
  EXPECT_EQ(t.PredictedTime(18), u"1.59.8");
  EXPECT_NO_THROW(RecomputePredictedTimes(app.meeting, u"  1.59.8", -1));
}

}  // namespace
}  // namespace recommend
