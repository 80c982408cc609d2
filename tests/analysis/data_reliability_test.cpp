// The data-reliability colours of the past-run grid: which past runs are comparable with today's
// race, how the switch colours and clears the grid, and that no colour of an earlier race stays.
#include "analysis/data_reliability.h"

#include <gtest/gtest.h>

#include <vector>

#include "intake/past_run_tables.h"
#include "tests/analysis/analysis_window_fixture.h"
#include "ui/palette.h"

namespace analysis_test {
namespace {

using analysis::frmAg3;
using analysis::RaceCondition;
using analysis::RunReliability;

struct RatingCase {
  const char* name;
  RaceCondition run;
  RaceCondition today;
  RunReliability expected;
};

const RaceCondition kTurf1600AtCourse5 = {u"1", u"1600", u"05"};

const RatingCase kRatingCases[] = {
    {"same course and distance", {u"1", u"1600", u"05"}, kTurf1600AtCourse5, RunReliability::kSame},
    {"same course 300 m longer", {u"1", u"1900", u"05"}, kTurf1600AtCourse5, RunReliability::kSame},
    {"same course 300 m shorter", {u"1", u"1300", u"05"}, kTurf1600AtCourse5, RunReliability::kSame},
    {"same course 301 m longer", {u"1", u"1901", u"05"}, kTurf1600AtCourse5, RunReliability::kUnrated},
    {"same course 301 m shorter", {u"1", u"1299", u"05"}, kTurf1600AtCourse5, RunReliability::kUnrated},
    {"course code read as a number", {u"1", u"1600", u" 5"}, kTurf1600AtCourse5, RunReliability::kSame},
    {"another central course 00", {u"1", u"1600", u"00"}, kTurf1600AtCourse5, RunReliability::kNear},
    {"another central course 09", {u"1", u"1800", u"09"}, kTurf1600AtCourse5, RunReliability::kNear},
    {"local course 10", {u"1", u"1600", u"10"}, kTurf1600AtCourse5, RunReliability::kUnrated},
    {"local course 46", {u"1", u"1600", u"46"}, kTurf1600AtCourse5, RunReliability::kUnrated},
    {"foreign course 60", {u"1", u"1600", u"60"}, kTurf1600AtCourse5, RunReliability::kUnrated},
    {"foreign course 71", {u"1", u"1600", u"71"}, kTurf1600AtCourse5, RunReliability::kUnrated},
    {"dirt run on a turf day", {u"0", u"1600", u"05"}, kTurf1600AtCourse5, RunReliability::kUnrated},
    {"turf run on a dirt day", {u"1", u"1600", u"05"}, {u"0", u"1600", u"05"}, RunReliability::kUnrated},
    {"dirt run on a dirt day", {u"0", u"1700", u"02"}, {u"0", u"1600", u"05"}, RunReliability::kNear},
    {"no run", {u" ", u"    ", u"  "}, kTurf1600AtCourse5, RunReliability::kUnrated},
    {"a blank course code is course 00",
     {u"1", u"1600", u"  "},
     {u"1", u"1600", u"00"},
     RunReliability::kSame},
    // Blank against blank would otherwise match every missing run.
    {"no run when today's surface is blank",
     {u" ", u"    ", u"  "},
     {u" ", u"    ", u"  "},
     RunReliability::kUnrated},
    {"today's surface neither turf nor dirt",
     {u"2", u"1600", u"05"},
     {u"2", u"1600", u"05"},
     RunReliability::kUnrated},
};

TEST(RateRun, ComparesSurfaceCourseAndDistanceWithTodaysRace) {
  for (const RatingCase& c : kRatingCases) {
    EXPECT_EQ(analysis::RateRun(c.run, c.today), c.expected) << c.name;
  }
}

constexpr ui::Color kWhite = ui::palette::kWhite;
constexpr ui::Color kPink = ui::palette::kPink;
constexpr ui::Color kYellow = ui::palette::kLightYellow;

class DataReliabilityTest : public AnalysisWindowTest {
 protected:
  // Race 2 (8 runners) is a turf race of 1600 m at course 05.
  void SetUp() override {
    AnalysisWindowTest::SetUp();
    intake::RaceCardTables& card = app_.meeting.Group<intake::RaceCardTables>();
    card.RaceSurfaceCode(2) = u"1";
    card.RaceDistance(2) = u"1600";
    card.RaceCourseCode(2) = u"05";
  }
  // Past run b of runner i of race 2.
  void SetRun(int i, int b, const RaceCondition& run) {
    intake::PastRunTables& runs = app_.meeting.Group<intake::PastRunTables>();
    runs.RunSurfaceCode[b](2, i) = run.surface_code;
    runs.RunDistance[b](2, i) = run.distance;
    runs.RunCourseCode[b](2, i) = run.course_code;
  }
  static void Paint(ui::FlexGrid& grid, int r, int c, ui::Color colour) {
    grid.SetRow(r);
    grid.SetCol(c);
    grid.SetCellBackColor(colour);
  }
  static std::vector<ui::Color> RowColours(const ui::FlexGrid& grid, int r) {
    std::vector<ui::Color> colours;
    for (int c = 1; c <= 5; ++c) colours.push_back(grid.CellBackColorAt(r, c));
    return colours;
  }
  // Runner 1: runs 5 to 1 same, near, other surface, none, local course; runner 8: all the same.
  void WriteRuns() {
    SetRun(1, 5, {u"1", u"1600", u"05"});
    SetRun(1, 4, {u"1", u"1400", u"07"});
    SetRun(1, 3, {u"0", u"1600", u"05"});
    SetRun(1, 2, {u" ", u"    ", u"  "});
    SetRun(1, 1, {u"1", u"1600", u"30"});
    for (int b = 1; b <= 5; ++b) SetRun(8, b, {u"1", u"1800", u"05"});
  }
  std::vector<int> pointers_;
};

TEST_F(DataReliabilityTest, TickingColoursTheRunsOfTheAnalysedRaceAfterWhiteningThem) {
  frmAg3& w = Open();
  WriteRuns();
  Analyse(w, 2);  // which ticks the switch
  w.Check2.UserClick();
  ui::FlexGrid& grid = w.MSFlexGrid1;
  Paint(grid, 2, 3, kPink);     // an earlier colouring, on a run not comparable today
  Paint(grid, 10, 1, kYellow);  // runner 9's row: not a runner of this race
  app_.screen.SetPointerWatcher([this](int p) { pointers_.push_back(p); });
  w.Check2.UserClick();
  EXPECT_EQ(RowColours(grid, 2), (std::vector<ui::Color>{kPink, kYellow, kWhite, kWhite, kWhite}));
  EXPECT_EQ(RowColours(grid, 9), std::vector<ui::Color>(5, kPink));
  EXPECT_EQ(RowColours(grid, 3), std::vector<ui::Color>(5, kWhite));
  EXPECT_EQ(grid.CellBackColorAt(10, 1), kYellow);
  EXPECT_TRUE(pointers_.empty());
}

// The end of a basic analysis colours again while the switch stays ticked (here race 2 coloured, then
// released and race 1 confirmed): another race's colours must not stay on the grid.
TEST_F(DataReliabilityTest, ColouringAgainReplacesTheColoursOfTheRaceBefore) {
  frmAg3& w = Open();
  WriteRuns();
  Confirm(w, 2);
  w.Check2.UserClick();
  w.Command19.UserClick();
  w.Command17.UserClick();
  w.Command18.UserClick();  // race 1, 7 runners, no surface code: no run is comparable
  analysis::ColourByDataReliability(w, app_.meeting);
  for (int r = 2; r <= 8; ++r)
    EXPECT_EQ(RowColours(w.MSFlexGrid1, r), std::vector<ui::Color>(5, kWhite)) << r;
  EXPECT_EQ(RowColours(w.MSFlexGrid1, 9), std::vector<ui::Color>(5, kPink));
}

TEST_F(DataReliabilityTest, UntickingWhitensTheRunsOnceAViewFilledTheGrid) {
  frmAg3& w = Open();
  WriteRuns();
  Analyse(w, 2);  // which ticks the switch
  w.MSFlexGrid1.SetTextMatrix(2, 1, u"+12");
  app_.screen.SetPointerWatcher([this](int p) { pointers_.push_back(p); });
  w.Check2.UserClick();
  EXPECT_EQ(w.Check2.Value(), ui::kUnchecked);
  for (int r = 2; r <= 9; ++r)
    EXPECT_EQ(RowColours(w.MSFlexGrid1, r), std::vector<ui::Color>(5, kWhite)) << r;
  EXPECT_EQ(pointers_, (std::vector<int>{ui::pointer::kHourglass, ui::pointer::kDefault}));
}

TEST_F(DataReliabilityTest, UntickingAnEmptyGridChangesNothing) {
  frmAg3& w = Open();
  WriteRuns();
  Analyse(w, 2);  // which ticks the switch
  w.MSFlexGrid1.SetTextMatrix(2, 1, u"");
  app_.screen.SetPointerWatcher([this](int p) { pointers_.push_back(p); });
  w.Check2.UserClick();
  EXPECT_EQ(RowColours(w.MSFlexGrid1, 2), (std::vector<ui::Color>{kPink, kYellow, kWhite, kWhite, kWhite}));
  EXPECT_TRUE(pointers_.empty());
}

TEST_F(DataReliabilityTest, WithoutAConfirmedRaceTheSwitchChangesNoCell) {
  frmAg3& w = Open();
  Paint(w.MSFlexGrid1, 2, 1, kYellow);
  w.Check2.UserClick();
  w.Check2.UserClick();
  EXPECT_EQ(w.MSFlexGrid1.CellBackColorAt(2, 1), kYellow);
}

}  // namespace
}  // namespace analysis_test
