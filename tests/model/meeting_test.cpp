#include "model/meeting.h"

#include <gtest/gtest.h>

namespace model {
namespace {

#define TEST_CARD_TABLES(X)       \
  X(model::RaceTable, RaceName)   \
  X(model::RunnerFamily, RunTime) \
  X(model::SharedValue, LastPick)

struct CardTables {
  CardTables() { LastPick() = u"0"; }
  TARVELO_TABLE_GROUP(TEST_CARD_TABLES)
};

#define TEST_TIME_TABLES(X) X(model::RunnerTable, BestTime)

struct TimeTables {
  TARVELO_TABLE_GROUP(TEST_TIME_TABLES)
};

TEST(Meeting, CreatesAGroupOnFirstUseAndRegistersEachOfItsTablesByName) {
  Meeting m;
  EXPECT_TRUE(m.Registry().Names().empty());
  CardTables& card = m.Group<CardTables>();
  EXPECT_EQ(&m.Group<CardTables>(), &card);
  EXPECT_EQ(m.Registry().Names(), (std::vector<std::string>{"LastPick", "RaceName", "RunTime1", "RunTime2",
                                                            "RunTime3", "RunTime4", "RunTime5"}));
  EXPECT_EQ(m.Registry().Find("RaceName"), &card.RaceName);
  EXPECT_EQ(m.Registry().Find("RunTime4"), &card.RunTime[4]);
  // The group's own constructor runs before anything reads it.
  EXPECT_EQ((*m.Registry().Find("LastPick"))(), u"0");
}

TEST(Meeting, HoldsGroupsOfManyTypesEachOncePerMeeting) {
  Meeting first;
  Meeting second;
  first.Group<TimeTables>().BestTime(1, 1) = u"1.34.5";
  first.Group<CardTables>().RaceName(1) = u"A";
  second.Group<CardTables>().RaceName(1) = u"B";
  EXPECT_NE(&first.Group<CardTables>(), &second.Group<CardTables>());
  EXPECT_EQ(first.Group<CardTables>().RaceName(1), u"A");
  EXPECT_EQ(second.Group<CardTables>().RaceName(1), u"B");
  EXPECT_EQ(first.Group<TimeTables>().BestTime(1, 1), u"1.34.5");
  EXPECT_EQ(first.Registry().Names().size(), 8u);
  EXPECT_EQ(second.Registry().Find("BestTime"), nullptr);
}

TEST(Meeting, AConstMeetingGivesTheSameGroupAndCreatesItWhenAskedFirst) {
  Meeting m;
  const Meeting& read_only = m;
  const CardTables& card = read_only.Group<CardTables>();
  EXPECT_EQ(card.LastPick(), u"0");
  EXPECT_NE(m.Registry().Find("RaceName"), nullptr);
  m.Group<CardTables>().RaceName(2) = u"x";
  EXPECT_EQ(card.RaceName(2), u"x");
}

// A table name that two groups both register is a fault of the program, refused when the second
// group is created; the registry keeps pointing at the first group's table.
#define TEST_CLASHING_TABLES(X) X(model::RaceTable, RaceName)

struct ClashingTables {
  TARVELO_TABLE_GROUP(TEST_CLASHING_TABLES)
};

TEST(Meeting, RefusesATableNameThatAnotherGroupRegistered) {
  Meeting m;
  CardTables& card = m.Group<CardTables>();
  EXPECT_THROW(m.Group<ClashingTables>(), std::logic_error);
  EXPECT_EQ(m.Registry().Find("RaceName"), &card.RaceName);
}

}  // namespace
}  // namespace model
