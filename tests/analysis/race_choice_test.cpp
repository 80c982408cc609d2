// Race selection and confirmation: UP and DN step through races 1 to 12, "確定" confirms the race
// shown or refuses a race of 2500 m and longer, "取消" releases a confirmation.
#include <gtest/gtest.h>

#include <string>

#include "analysis/analysed_race.h"
#include "intake/race_card_tables.h"
#include "tests/analysis/analysis_window_fixture.h"
#include "ui/palette.h"

namespace analysis_test {
namespace {

using analysis::frmAg3;

enum class Overview { kAtLoad, kHidden, kRedrawn };

GridPlace PlaceFor(Overview overview) {
  switch (overview) {
    case Overview::kAtLoad:
      return {200, 3775, 12300, 2750};
    case Overview::kHidden:
      return {200, 8500, 12500, 2025};
    case Overview::kRedrawn:
      return {200, 3025, 12300, 3500};
  }
  return {};
}

struct Step {
  const char* action;  // "UP", "DN", "確定" or "取消"
  int times;
  // After the step:
  double selector;
  int shown;  // the race whose summary Label2 shows, 0 for none
  bool up, dn, confirm, release, basic;
  Overview overview;
  double analysed;
  int labels;  // the race whose estimated time and pace Label6 and Label7 show, 0 for none
  int messages;
};

class RaceChoiceTest : public AnalysisWindowTest {
 protected:
  void Do(frmAg3& w, const std::string& action) {
    ui::CommandButton& button = action == "UP"     ? w.Command16
                                : action == "DN"   ? w.Command17
                                : action == "確定" ? w.Command18
                                                   : w.Command19;
    ASSERT_TRUE(button.AcceptsUserInput()) << action;
    button.UserClick();
  }
  void Check(const frmAg3& w, const Step& s) {
    EXPECT_EQ(analysis::SelectorRace(app_.meeting), s.selector);
    EXPECT_EQ(w.Label2.Caption(),
              s.shown == 0 ? Text() : app_.meeting.Group<intake::RaceCardTables>().RaceSummary(s.shown));
    EXPECT_EQ(w.Command16.Enabled(), s.up);
    EXPECT_EQ(w.Command17.Enabled(), s.dn);
    EXPECT_EQ(w.Command18.Enabled(), s.confirm);
    EXPECT_EQ(w.Command19.Enabled(), s.release);
    EXPECT_EQ(w.Command20.Enabled(), s.basic);
    EXPECT_EQ(PlaceOf(w.MSFlexGrid3), PlaceFor(s.overview));
    EXPECT_EQ(analysis::AnalysedRace(app_.meeting), s.analysed);
    EXPECT_EQ(w.Label6.Caption(), s.labels == 0 ? Text() : Numbered(u"time ", s.labels));
    EXPECT_EQ(w.Label7.Caption(), s.labels == 0 ? Text() : Numbered(u"pace ", s.labels));
    EXPECT_EQ(app_.Messages().size(), static_cast<size_t>(s.messages));
  }
};

// Race 4 is 2400 m, race 5 2500 m.
TEST_F(RaceChoiceTest, StepConfirmReleaseAndRefuseAsOneSequence) {
  frmAg3& w = Open();
  const Step steps[] = {
      // action  times sel shown   up     dn     ok     cancel basic  overview            analysed labels msgs
      {"", 0, 0, 0, true, false, false, false, false, Overview::kAtLoad, 0, 0, 0},
      {"UP", 1, 1, 1, true, false, true, false, false, Overview::kAtLoad, 0, 0, 0},
      {"UP", 1, 2, 2, true, true, true, false, false, Overview::kAtLoad, 0, 0, 0},
      {"UP", 10, 12, 12, false, true, true, false, false, Overview::kAtLoad, 0, 0, 0},
      // DN stops at race 1 and UP at race 12, each after stepping there.
      {"DN", 11, 1, 1, true, false, true, false, false, Overview::kAtLoad, 0, 0, 0},
      {"UP", 11, 12, 12, false, true, true, false, false, Overview::kAtLoad, 0, 0, 0},
      {"DN", 1, 11, 11, true, true, true, false, false, Overview::kAtLoad, 0, 0, 0},
      {"DN", 7, 4, 4, true, true, true, false, false, Overview::kAtLoad, 0, 0, 0},
      {"確定", 1, 4, 4, false, false, false, true, true, Overview::kHidden, 4, 4, 0},
      {"取消", 1, 4, 4, true, true, true, false, false, Overview::kHidden, 4, 4, 0},
      {"UP", 1, 5, 5, true, true, true, false, false, Overview::kHidden, 4, 4, 0},
      {"確定", 1, 5, 0, true, true, true, false, false, Overview::kRedrawn, 5, 0, 1},
      // The selector is unchanged: the same race is refused again.
      {"確定", 1, 5, 0, true, true, true, false, false, Overview::kRedrawn, 5, 0, 2},
      // DN steps down from the refused race.
      {"DN", 1, 4, 4, true, true, true, false, false, Overview::kRedrawn, 5, 0, 2},
      {"確定", 1, 4, 4, false, false, false, true, true, Overview::kHidden, 4, 4, 2},
      {"取消", 1, 4, 4, true, true, true, false, false, Overview::kHidden, 4, 4, 2},
      {"確定", 1, 4, 4, false, false, false, true, true, Overview::kHidden, 4, 4, 2},
      {"取消", 1, 4, 4, true, true, true, false, false, Overview::kHidden, 4, 4, 2},
      {"UP", 1, 5, 5, true, true, true, false, false, Overview::kHidden, 4, 4, 2},
      {"確定", 1, 5, 0, true, true, true, false, false, Overview::kRedrawn, 5, 0, 3},
      // With nothing shown UP starts again at race 1.
      {"UP", 1, 1, 1, true, false, true, false, false, Overview::kRedrawn, 5, 0, 3},
  };
  int n = 0;
  for (const Step& s : steps) {
    SCOPED_TRACE("step " + std::to_string(n++) + " " + s.action);
    for (int i = 0; i < s.times; ++i) Do(w, s.action);
    Check(w, s);
  }
}

TEST_F(RaceChoiceTest, ConfirmationShowsTheRacesTimeAndPaceAndRefusalEmptiesThem) {
  frmAg3& w = Open();
  for (int i = 0; i < 4; ++i) w.Command16.UserClick();
  w.Command18.UserClick();
  EXPECT_EQ(w.Label6.Caption(), Numbered(u"time ", 4));
  EXPECT_EQ(w.Label7.Caption(), Numbered(u"pace ", 4));
  EXPECT_EQ(w.Label2.ForeColor(), ui::palette::kBlue);
  w.Command19.UserClick();
  EXPECT_EQ(w.Label6.Caption(), Numbered(u"time ", 4));
  w.Command16.UserClick();
  w.Command18.UserClick();
  EXPECT_TRUE(w.Label2.Caption().empty());
  EXPECT_TRUE(w.Label6.Caption().empty());
  EXPECT_TRUE(w.Label7.Caption().empty());
  ASSERT_EQ(app_.Messages().size(), 1u);
  EXPECT_EQ(app_.Messages()[0].text, u"２５００ｍ以上の解析は出来ません。！！");
  EXPECT_EQ(app_.Messages()[0].style, ui::kOkOnly);
  EXPECT_TRUE(app_.Messages()[0].title.empty());
}

struct DistanceCase {
  Text distance;
  bool refused;
};

// The distance is the leading number of its text; a text without one reads as 0 and is accepted.
TEST_F(RaceChoiceTest, DistanceLimitOnTheLeadingNumberOfTheText) {
  const DistanceCase cases[] = {{u"2500", true}, {u"2499", false}, {u" 2500", true}, {u"3600", true},
                                {u"", false},    {u"----", false}, {u"2500m", true}, {u"1200", false}};
  for (const DistanceCase& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.distance));
    program::Program fresh;
    WriteRaceCard(fresh.meeting);
    fresh.meeting.Group<intake::RaceCardTables>().RaceDistanceLabel(1) = c.distance;
    frmAg3& w = fresh.Show<frmAg3>();
    w.Command16.UserClick();
    w.Command18.UserClick();
    EXPECT_EQ(fresh.Messages().size(), c.refused ? 1u : 0u);
    EXPECT_EQ(w.Command20.Enabled(), !c.refused);
    EXPECT_EQ(analysis::AnalysedRace(fresh.meeting), 1);
    // Refused at race 1: there is no race below to step to.
    EXPECT_EQ(w.Command16.Enabled(), c.refused);
    EXPECT_FALSE(w.Command17.Enabled());
  }
}

TEST_F(RaceChoiceTest, ReleasingRace12KeepsUpDisabled) {
  frmAg3& w = Open();
  for (int i = 0; i < 12; ++i) w.Command16.UserClick();
  ASSERT_EQ(analysis::SelectorRace(app_.meeting), 12);
  app_.meeting.Group<intake::RaceCardTables>().RaceDistanceLabel(12) = u"1600";
  w.Command18.UserClick();
  w.Command19.UserClick();
  EXPECT_FALSE(w.Command16.Enabled());
  EXPECT_TRUE(w.Command17.Enabled());
  EXPECT_TRUE(w.Command18.Enabled());
}

}  // namespace
}  // namespace analysis_test
