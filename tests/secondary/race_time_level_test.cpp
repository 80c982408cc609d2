#include "secondary/race_time_level.h"

#include <gtest/gtest.h>

#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/case_names.h"

namespace secondary {
namespace {

using model::Text;

constexpr int kRace = 7;

class RaceTimeLevelFixture : public ::testing::Test {
 protected:
  void SetRace(const Text& surface, const Text& turf, const Text& dirt, const Text& expected,
               int race = kRace) {
    app_.meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(race) = surface;
    auto& basic = app_.meeting.Group<basic::BasicAnalysisTables>();
    basic.TodayTurfStdTime() = turf;
    basic.TodayDirtStdTime() = dirt;
    Window().Label6.SetCaption(expected);
  }
  void Compute(int race = kRace) {
    ComputeRaceTimeLevel({Window().Label18, Window().Label6, Window().Label41}, app_.meeting, race);
  }
  // RaceTimeLevel|RaceTimeLevelText|Label41 of the race.
  Text Level(int race = kRace) {
    const SecondaryAnalysisTables& t = app_.meeting.Group<SecondaryAnalysisTables>();
    return t.RaceTimeLevel(race) + u"|" + t.RaceTimeLevelText(race) + u"|" + Window().Label41.Caption();
  }
  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  program::Program app_;
};

// --- Levels

struct LevelCase {
  const char16_t* base;      // TodayTurfStdTime of a turf race
  const char16_t* expected;  // Label6
  const char16_t* level;
  const char16_t* text;
};

void PrintTo(const LevelCase& c, std::ostream* os) {
  *os << model::ToUtf8(c.expected) << " against " << model::ToUtf8(c.base);
}

class LevelAgainstBase : public RaceTimeLevelFixture, public testing::WithParamInterface<LevelCase> {};

TEST_P(LevelAgainstBase, CountsTenthsPlusOneAndShowsThreeCharacters) {
  const LevelCase& c = GetParam();
  SetRace(u"1", c.base, u"", c.expected);
  Compute();
  EXPECT_EQ(Level(), Text(c.level) + u"|" + c.text + u"|" + c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LevelAgainstBase,
    testing::Values(
        // Equal times are level 1: the 1 is added to a whole number of tenths too.
        LevelCase{u"95.0", u"1.35.0", u"1", u"+ 1"}, LevelCase{u"95.0", u"1.37.0", u"21", u"+21"},
        LevelCase{u"95.0", u"1.45.0", u"101", u"+99"}, LevelCase{u"95.0", u"1.44.9", u"100", u"+99"},
        LevelCase{u"93.1", u"1.42.9", u"99", u"+99"}, LevelCase{u"95.0", u"1.35.9", u"10", u"+10"},
        LevelCase{u"93.1", u"1.33.9", u"9", u"+ 9"}, LevelCase{u"93.1", u"1.32.9", u"-1", u"- 1"},
        LevelCase{u"95.0", u"1.34.5", u"-4", u"- 4"}, LevelCase{u"95.0", u"1.34.0", u"-9", u"- 9"},
        LevelCase{u"95.0", u"1.33.9", u"-10", u"-10"}, LevelCase{u"95.0", u"1.33.0", u"-19", u"-19"},
        LevelCase{u"95.0", u"1.25.0", u"-99", u"-99"}, LevelCase{u"95.0", u"1.24.9", u"-100", u"-99"},
        // A difference of whole tenths can land just below them in doubles and lose one: 95.3, 95.2,
        // 95.8, 104.8 and 94.1 against 95.0.
        LevelCase{u"95.0", u"1.35.3", u"3", u"+ 3"}, LevelCase{u"95.0", u"1.35.2", u"3", u"+ 3"},
        LevelCase{u"95.0", u"1.35.5", u"6", u"+ 6"}, LevelCase{u"95.0", u"1.34.9", u"0", u"+ 0"},
        LevelCase{u"95.0", u"1.35.8", u"8", u"+ 8"}, LevelCase{u"95.0", u"1.44.8", u"98", u"+98"},
        LevelCase{u"95.0", u"1.34.1", u"-9", u"- 9"},
        // Missing places read 0: an empty caption is a very fast race, a short one has no tenths.
        LevelCase{u"95.0", u"", u"-949", u"-99"}, LevelCase{u"95.0", u"1.35", u"1", u"+ 1"},
        LevelCase{u"95.0", u"1.3", u"-319", u"-99"}),
    [](const auto& info) {
      Text name = info.param.expected;
      name.append(u"_").append(info.param.base);
      return testsupport::CaseName(name);
    });

// --- The base time

TEST_F(RaceTimeLevelFixture, TheBaseTimeIsTheStandardTimeOfTodaysSurface) {
  SetRace(u"1", u" 95.5", u"100.0", u"1.35.5");
  Compute();
  EXPECT_EQ(Window().Label18.Caption(), u"  1.35.5");
  EXPECT_EQ(Level(), u"1|+ 1|+ 1");

  SetRace(u"0", u" 95.5", u"100.0", u"1.35.5");
  Compute();
  EXPECT_EQ(Window().Label18.Caption(), u"  1.40.0");
  EXPECT_EQ(Level(), u"-44|-44|-44");

  // Below a minute the base text itself follows "0.".
  SetRace(u"0", u"", u" 58.3 ", u"0.58.3");
  Compute();
  EXPECT_EQ(Window().Label18.Caption(), u"  0.58.3");
  EXPECT_EQ(Level(), u"1|+ 1|+ 1");
}

// Without a base time a level would only measure the expected time against 0 seconds.
TEST_F(RaceTimeLevelFixture, NoBaseTimeGivesNoLevel) {
  struct NoBase {
    Text surface, turf, dirt, label18;
  };
  for (const NoBase& c : {NoBase{u"1", u"", u"95.0", u"  0."}, NoBase{u"0", u"95.0", u"  ", u"  0."},
                          NoBase{u"1", u"0", u"95.0", u"  0.0"}, NoBase{u"0", u"95.0", u"---", u"  0.---"},
                          NoBase{u"2", u"95.0", u"95.0", u"  0."}, NoBase{u"", u"95.0", u"95.0", u"  0."}}) {
    SCOPED_TRACE(model::ToUtf8(c.surface + u"|" + c.turf + u"|" + c.dirt));
    SetRace(c.surface, c.turf, c.dirt, u"1.35.0");
    Window().Label41.SetCaption(u"+ 1");
    Compute();
    EXPECT_EQ(Window().Label18.Caption(), c.label18);
    EXPECT_EQ(Level(), u"---|---|---");
  }
}

TEST_F(RaceTimeLevelFixture, EachRaceKeepsItsOwnLevel) {
  SetRace(u"1", u"95.0", u"", u"1.37.0", 3);
  Compute(3);
  SetRace(u"1", u"95.0", u"", u"1.33.0");
  Compute(kRace);
  EXPECT_EQ(Level(3), u"21|+21|-19");
  EXPECT_EQ(Level(kRace), u"-19|-19|-19");
}

TEST_F(RaceTimeLevelFixture, ARaceOutsideTheMeetingWritesNothing) {
  SetRace(u"1", u"95.0", u"", u"1.37.0");
  EXPECT_NO_THROW(Compute(0));
  EXPECT_NO_THROW(Compute(13));
  EXPECT_EQ(Window().Label18.Caption(), u"");
  EXPECT_EQ(Window().Label41.Caption(), u"");
}

}  // namespace
}  // namespace secondary
