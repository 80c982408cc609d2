#include "basic/run_surface_classification.h"

#include <gtest/gtest.h>

#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"

namespace basic {
namespace {

using model::Text;

constexpr int kRace = 3;

struct ClassCase {
  Text course, run_surface, today_surface;
  Text expected;
};

TEST(RunSurfaceClassification, ByCourseAndBothSurfaces) {
  const ClassCase cases[] = {
      // No run, or a run away from the ten central courses, whatever the surfaces.
      {u"  ", u"1", u"1", u"1"},
      {u"10", u"1", u"1", u"1"},
      {u"46", u"0", u"0", u"1"},
      {u"60", u"1", u"0", u"1"},
      {u"71", u"0", u"1", u"1"},
      // The four surface pairs at central courses, 京都 "00" and 函館 "09" included.
      {u"05", u"1", u"1", u"2"},
      {u"05", u"1", u"0", u"3"},
      {u"00", u"0", u"0", u"4"},
      {u"09", u"0", u"1", u"5"},
      // A code without a number counts as course 0 and is usable.
      {u"ab", u"1", u"1", u"2"},
      {u" 9", u"0", u"0", u"4"},
      // A usable course whose surfaces make no pair is a run that counts on neither surface.
      {u"05", u" ", u"1", u"1"},
      {u"05", u"1", u"", u"1"},
      {u"05", u"2", u"0", u"1"},
  };
  for (const ClassCase& c : cases) {
    SCOPED_TRACE(model::ToUtf8(u"[" + c.course + u"][" + c.run_surface + u"][" + c.today_surface + u"]"));
    model::Meeting meeting;
    meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(kRace) = c.today_surface;
    auto& runs = meeting.Group<intake::PastRunTables>();
    runs.RunCourseCode[2](kRace, 1) = c.course;
    runs.RunSurfaceCode[2](kRace, 1) = c.run_surface;
    ClassifyRunSurfaces(meeting, kRace, 1);
    EXPECT_EQ(meeting.Group<BasicAnalysisTables>().RunSurfaceMatch[2](1), c.expected);
  }
}

TEST(RunSurfaceClassification, EveryRunOfRunnersOneToNAndNoOther) {
  model::Meeting meeting;
  meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(kRace) = u"0";
  auto& runs = meeting.Group<intake::PastRunTables>();
  for (int runner = 1; runner <= 13; ++runner) {
    for (int run = 1; run <= 5; ++run) {
      runs.RunCourseCode[run](kRace, runner) = run == 3 ? u"30" : u"04";
      runs.RunSurfaceCode[run](kRace, runner) = run % 2 == 0 ? u"1" : u"0";
    }
  }
  BasicAnalysisTables& t = meeting.Group<BasicAnalysisTables>();
  t.RunSurfaceMatch[1](13) = u"kept";
  ClassifyRunSurfaces(meeting, kRace, 12);
  for (int runner = 1; runner <= 12; ++runner) {
    Text codes;
    for (int run = 5; run >= 1; --run) codes += t.RunSurfaceMatch[run](runner);
    EXPECT_EQ(codes, u"43134") << runner;
  }
  EXPECT_EQ(t.RunSurfaceMatch[1](13), u"kept");
  EXPECT_EQ(t.RunSurfaceMatch[1](14), u"");
}

}  // namespace
}  // namespace basic
