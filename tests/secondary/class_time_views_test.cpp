#include "secondary/class_time_views.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "analysis/analysed_race.h"
#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"
#include "secondary/stage_handlers.h"
#include "ui/grid.h"

namespace secondary {
namespace {

using model::Text;

constexpr int kRace = 7;

// A past run as the basic analysis leaves it.
struct PastRun {
  const char16_t* valid;
  const char16_t* surface_match;
  const char16_t* eval;
};
const PastRun kNoRun{u"1", u"1", u"---"};

PastRun Turf(const char16_t* eval) {
  return {u"5", u"2", eval};
}
PastRun Dirt(const char16_t* eval) {
  return {u"5", u"4", eval};
}

class PastRunViews : public ::testing::Test {
 protected:
  void SetUp() override {
    analysis::SetAnalysedRace(app_.meeting, kRace);
    Card().RunnerCount(kRace) = u"3";
    Card().RaceCourseCode(kRace) = u"05";
    Card().RaceSurfaceCode(kRace) = u"1";
    Basic().TodayTurfStdTime() = u"95.3";
    Basic().TodayDirtStdTime() = u"57.5";
    Window();  // loaded: the view buttons start disabled, the grid has its headings
  }
  // Runs of runner, five runs back first.
  void SetRuns(int runner, const std::array<PastRun, 5>& runs) {
    for (int run = 5; run >= 1; --run) {
      const PastRun& r = runs[static_cast<size_t>(5 - run)];
      Basic().RunValid[run](runner) = r.valid;
      Basic().RunSurfaceMatch[run](runner) = r.surface_match;
      Basic().RunEval[run](runner) = r.eval;
    }
  }
  // Columns 1 to 5 of a grid row, joined by "|".
  Text Row(int row) {
    Text joined;
    for (int column = 1; column <= 5; ++column) joined += Window().MSFlexGrid1.TextMatrix(row, column) + u"|";
    return joined;
  }
  Text RunnerRow(int runner) { return Row(runner + 1); }
  // A family of runs 5 to 1 of runner, joined by "|".
  static Text Runs(const model::AnalysedRunnerFamily& family, int runner) {
    Text joined;
    for (int run = 5; run >= 1; --run) joined += family[run](runner) + u"|";
    return joined;
  }
  // Which of Command1, Command2, Command3, Command4, Command14 are enabled ("11011").
  std::string ViewButtons() {
    std::string states;
    analysis::frmAg3& w = Window();
    for (const ui::CommandButton* b : {&w.Command1, &w.Command2, &w.Command3, &w.Command4, &w.Command14}) {
      states += b->Enabled() ? '1' : '0';
    }
    return states;
  }
  // The buttons' handlers: the view button pressed, then the view.
  void ClassView() { Command3_Click(app_, Window()); }
  void TimeView() { Command4_Click(app_, Window()); }

  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  intake::RaceCardTables& Card() { return app_.meeting.Group<intake::RaceCardTables>(); }
  basic::BasicAnalysisTables& Basic() { return app_.meeting.Group<basic::BasicAnalysisTables>(); }
  SecondaryAnalysisTables& Tables() { return app_.meeting.Group<SecondaryAnalysisTables>(); }

  program::Program app_;
};

// --- The button group and the titles

TEST_F(PastRunViews, EachViewDisablesItsOwnButtonAndEnablesTheOtherFour) {
  EXPECT_EQ(ViewButtons(), "00000");
  ClassView();
  EXPECT_EQ(ViewButtons(), "11011");
  TimeView();
  EXPECT_EQ(ViewButtons(), "11101");
  ClassView();
  EXPECT_EQ(ViewButtons(), "11011");
  // The other buttons of the window are not the views' business.
  EXPECT_FALSE(Window().Command5.Enabled());
  EXPECT_FALSE(Window().Command9.Enabled());
}

TEST_F(PastRunViews, TitleTheRunColumnsAndLeaveTheHeadingsAndHorseNumbers) {
  Window().MSFlexGrid1.SetTextMatrix(0, 0, u"corner");
  Window().MSFlexGrid1.SetTextMatrix(2, 0, u"1");
  ClassView();
  EXPECT_EQ(
      Row(0),
      u"ク\u3000ラ\u3000ス|ク\u3000ラ\u3000ス|ク\u3000ラ\u3000ス|ク\u3000ラ\u3000ス|ク\u3000ラ\u3000ス|");
  TimeView();
  EXPECT_EQ(
      Row(0),
      u"タ\u3000イ\u3000ム|タ\u3000イ\u3000ム|タ\u3000イ\u3000ム|タ\u3000イ\u3000ム|タ\u3000イ\u3000ム|");
  EXPECT_EQ(Row(1), u"５走|４走|３走|２走|前走|");
  EXPECT_EQ(Window().MSFlexGrid1.TextMatrix(0, 0), u"corner");
  EXPECT_EQ(Window().MSFlexGrid1.TextMatrix(2, 0), u"1");
}

// --- The class view

TEST_F(PastRunViews, ClassViewPlacesEachRunThatCountsWithTheTableOfItsOwnSurface) {
  // Turf runs ("2", "3") on the turf table, dirt runs ("4", "5") on the dirt table, both of today's
  // course "05".
  SetRuns(1, {Turf(u"20.8"), PastRun{u"5", u"3", u"-5"}, Dirt(u"13"), PastRun{u"5", u"5", u"-3.5"}, kNoRun});
  // The value "0" has no position, " 0" has; a run that does not count shows "----", and so does a run
  // whose marks are out of step (counting, yet no usable run), instead of a text of an earlier race.
  SetRuns(2, {Turf(u"0"), PastRun{u"5", u"1", u"12"}, PastRun{u"", u"2", u"12"}, PastRun{u"1", u"2", u"12"},
              Turf(u" 0")});
  SetRuns(3, {Turf(u"-33"), Turf(u"40"), Dirt(u"43"), Dirt(u"-36"), Dirt(u"5")});
  Tables().RunClassPos[4](2) = u"earlier race";
  ClassView();
  EXPECT_EQ(RunnerRow(1), u"未63|九75|五00|九60|----|");
  EXPECT_EQ(RunnerRow(2), u"****|----|----|----|九33|");
  EXPECT_EQ(RunnerRow(3), u"Ｇ00|未外|未外|Ｇ00|九00|");
  EXPECT_EQ(Runs(Tables().RunClassPos, 1), u"未63|九75|五00|九60|----|");
  EXPECT_EQ(Runs(Tables().RunClassPos, 2), u"****|----|----|----|九33|");
}

TEST_F(PastRunViews, ClassViewTakesTheCourseGroupOfTodaysCourse) {
  Card().RaceCourseCode(kRace) = u"06";
  SetRuns(1, {Dirt(u"2.95"), Turf(u"2.95"), Dirt(u"2.5"), Turf(u"-11"), Dirt(u"-11")});
  ClassView();
  EXPECT_EQ(RunnerRow(1), u"九00 |九00|九05|オ00|オ05|");
  Card().RaceCourseCode(kRace) = u"12";
  ClassView();
  EXPECT_EQ(RunnerRow(1), u"****|****|****|****|****|");
}

TEST_F(PastRunViews, ClassViewWritesTheRunnersOfTheRaceOnly) {
  for (int runner = 1; runner <= 4; ++runner)
    SetRuns(runner, {Turf(u"9"), kNoRun, kNoRun, kNoRun, Turf(u"3")});
  Window().MSFlexGrid1.SetTextMatrix(5, 1, u"kept");
  Tables().RunClassPos[5](4) = u"kept";
  ClassView();
  EXPECT_EQ(RunnerRow(3), u"五16|----|----|----|九08|");
  EXPECT_EQ(Window().MSFlexGrid1.TextMatrix(5, 1), u"kept");
  EXPECT_EQ(Tables().RunClassPos[5](4), u"kept");
}

// --- The time view

TEST_F(PastRunViews, TimeViewMovesTodaysStandardTimeByEachRunsEvaluation) {
  // 95.3 s and -12 hand over 94.1, 5 gives 95.8, 0 the standard time itself.
  SetRuns(1, {Turf(u"-12"), Turf(u"5"), Turf(u"0"), kNoRun, Dirt(u" 30")});
  // A run with validity "1" and a value still shows its time; only "---" has none. Below a minute
  // the time keeps its minute digit 0; at 0 s or below, or out of range, there is no time.
  SetRuns(2, {PastRun{u"1", u"3", u"-8"}, Turf(u"-360"), Turf(u"-953"), Turf(u"-960"), Turf(u"1e999")});
  ClassView();
  TimeView();
  EXPECT_EQ(RunnerRow(1), u"1.34.1|1.35.8|1.35.3|+.++.+|1.38.3|");
  EXPECT_EQ(RunnerRow(2), u"1.34.5|0.59.3|+.++.+|+.++.+|+.++.+|");
  EXPECT_EQ(Runs(Tables().RunPredTime, 1), u"1.34.1|1.35.8|1.35.3|+.++.+|1.38.3|");
  // The class view's tables keep their texts.
  EXPECT_EQ(Runs(Tables().RunClassPos, 1), u"ジ80|五83|****|----|未43|");
}

TEST_F(PastRunViews, TimeViewOnDirtTakesTheDirtStandardTime) {
  Card().RaceSurfaceCode(kRace) = u"0";
  // 57.5 and -12.5 hand over 56.25.
  SetRuns(1, {Dirt(u"-12.5"), Dirt(u"25"), Dirt(u"-575"), kNoRun, Dirt(u"0")});
  TimeView();
  EXPECT_EQ(RunnerRow(1), u"0.56.25|1.00.0|+.++.+|+.++.+|0.57.5|");
}

TEST_F(PastRunViews, TimeViewWithoutAStandardTimeShowsNoTimes) {
  SetRuns(1, {Turf(u"-12"), Turf(u"5"), Turf(u"0"), kNoRun, Turf(u"12")});
  const Text none = u"+.++.+|+.++.+|+.++.+|+.++.+|+.++.+|";
  for (const Text& standard : {Text(u""), Text(u"  "), Text(u"***"), Text(u"---"), Text(u"なし")}) {
    Basic().TodayTurfStdTime() = standard;
    TimeView();
    EXPECT_EQ(RunnerRow(1), none) << model::ToUtf8(standard);
  }
  // Today's surface neither turf nor dirt: there is no standard time to read.
  Basic().TodayTurfStdTime() = u"95.3";
  for (const Text& surface : {Text(u"2"), Text(u""), Text(u" 1")}) {
    Card().RaceSurfaceCode(kRace) = surface;
    TimeView();
    EXPECT_EQ(RunnerRow(1), none) << model::ToUtf8(surface);
  }
  // A standard time with a blank before it is read as its number.
  Card().RaceSurfaceCode(kRace) = u"1";
  Basic().TodayTurfStdTime() = u" 95.3";
  TimeView();
  EXPECT_EQ(RunnerRow(1), u"1.34.1|1.35.8|1.35.3|+.++.+|1.36.5|");
}

TEST_F(PastRunViews, EveryClickComputesAnewFromTheCurrentRuns) {
  SetRuns(1, {kNoRun, kNoRun, kNoRun, kNoRun, Turf(u"3")});
  ClassView();
  TimeView();
  SetRuns(1, {kNoRun, kNoRun, kNoRun, kNoRun, Turf(u"-7")});
  ClassView();
  EXPECT_EQ(RunnerRow(1), u"----|----|----|----|九91|");
  TimeView();
  EXPECT_EQ(RunnerRow(1), u"+.++.+|+.++.+|+.++.+|+.++.+|1.34.6|");
}

TEST_F(PastRunViews, ViewsOfNoConfirmedRaceOrAFullCardStayInTheGrid) {
  analysis::SetAnalysedRace(app_.meeting, 0);
  ClassView();
  TimeView();
  EXPECT_EQ(ViewButtons(), "11101");
  // A card of 28 runners shows the 18 that the tables and the grid hold.
  analysis::SetAnalysedRace(app_.meeting, kRace);
  Card().RunnerCount(kRace) = u"28";
  for (int runner = 1; runner <= 18; ++runner) SetRuns(runner, {kNoRun, kNoRun, kNoRun, kNoRun, Turf(u"3")});
  ClassView();
  EXPECT_EQ(RunnerRow(18), u"----|----|----|----|九08|");
  TimeView();
  EXPECT_EQ(RunnerRow(18), u"+.++.+|+.++.+|+.++.+|+.++.+|1.35.6|");
}

TEST_F(PastRunViews, TheirTablesAreFoundByNameOneRunnerTablePerRun) {
  const model::TableRegistry& registry = app_.meeting.Registry();
  for (int run = 1; run <= 5; ++run) {
    const std::string number = std::to_string(run);
    EXPECT_EQ(registry.Find("RunClassPos" + number), &Tables().RunClassPos[run]);
    EXPECT_EQ(registry.Find("RunPredTime" + number), &Tables().RunPredTime[run]);
  }
  EXPECT_EQ(Tables().RunClassPos[1].CellCount(), 18u);
  EXPECT_EQ(registry.Find("RunClassPos6"), nullptr);
}

}  // namespace
}  // namespace secondary
