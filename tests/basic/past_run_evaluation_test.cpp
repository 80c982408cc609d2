#include "basic/past_run_evaluation.h"

#include <gtest/gtest.h>

#include <string>

#include "basetime/base_time_tables.h"
#include "basic/basic_analysis_tables.h"
#include "basic/todays_surface_evaluations.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"

namespace basic {
namespace {

using model::Text;

constexpr int kRace = 4;
constexpr int kGood = 0;  // today's going as the going list's position
constexpr int kSoft = 1;
constexpr int kHeavy = 2;
constexpr int kBad = 3;

// One past run as the past-performance read leaves it; by default a turf run at 東京 over 1600 m on
// good going, at the standard time of 中山 there.
struct PastRun {
  Text course = u"04";
  Text surface = u"1";
  Text distance = u"1600";
  Text going = u"0";
  Text pace = u"1";
  Text trouble = u"なし";
  Text time = u"1.35.5";
  Text date = u"140428";  // day 1578
};

// Today's race at 中山 over 1600 m on turf; standard times 95.0 s (東京) and 95.5 s (中山) on turf, 98.0
// s and 98.5 s on dirt; runners carry 55 kg unless a test says otherwise.
class PastRunEvaluationTest : public ::testing::Test {
 protected:
  PastRunEvaluationTest() {
    auto& card = meeting_.Group<intake::RaceCardTables>();
    card.RaceCourseCode(kRace) = u"05";
    card.RaceDistance(kRace) = u"1600";
    card.RaceSurfaceCode(kRace) = u"1";
    for (int runner = 1; runner <= 18; ++runner) card.WeightLabel(kRace, runner) = u"55";
    SetStdTime(true, 1, 5, u"95.0");
    SetStdTime(true, 2, 5, u"95.5");
    SetStdTime(false, 1, 5, u"98.0");
    SetStdTime(false, 2, 5, u"98.5");
  }

  void SetStdTime(bool turf, int row, int column, const Text& seconds) {
    auto& base = meeting_.Group<basetime::BaseTimeTables>();
    (turf ? base.TurfStdTime : base.DirtStdTime)(row, column) = seconds;
  }
  void SetRun(int runner, int run, const PastRun& facts) {
    auto& past = meeting_.Group<intake::PastRunTables>();
    past.RunCourseCode[run](kRace, runner) = facts.course;
    past.RunSurfaceCode[run](kRace, runner) = facts.surface;
    past.RunDistance[run](kRace, runner) = facts.distance;
    past.RunGoingCode[run](kRace, runner) = facts.going;
    past.RunPaceCode[run](kRace, runner) = facts.pace;
    past.RunTroubleFlag[run](kRace, runner) = facts.trouble;
    past.RunTimeText[run](kRace, runner) = facts.time;
    past.RunDateText[run](kRace, runner) = facts.date;
  }
  void SetWeight(int runner, const Text& kilograms) {
    meeting_.Group<intake::RaceCardTables>().WeightLabel(kRace, runner) = kilograms;
  }
  // One analysis of runners 1 to runners.
  void Evaluate(int going_index = kGood, int runners = 1) {
    PastRunEvaluation evaluation(meeting_, kRace, going_index);
    for (int runner = 1; runner <= runners; ++runner) evaluation.EvaluatePastRuns(runner);
  }
  // A runner with one past run, evaluated alone.
  Text EvaluateOne(const PastRun& facts, int going_index = kGood) {
    SetRun(1, 5, facts);
    Evaluate(going_index);
    return Row(1, 5);
  }

  // The thirteen texts of a run: turf and dirt time values | weight term | turf and dirt weighted |
  // pace, trouble and going terms | turf and dirt evaluations | their display texts | day number.
  Text Row(int runner, int run) {
    const BasicAnalysisTables& t = Tables();
    Text row;
    for (const Text* cell :
         {&t.RunTurfTime[run](runner), &t.RunDirtTime[run](runner), &t.RunWeightTerm[run](runner),
          &t.RunTurfWeighted[run](runner), &t.RunDirtWeighted[run](runner), &t.RunPaceTerm[run](runner),
          &t.RunTroubleTerm[run](runner), &t.RunGoingTerm[run](runner), &t.RunTurfEval[run](runner),
          &t.RunDirtEval[run](runner), &t.RunTurfEvalText[run](runner), &t.RunDirtEvalText[run](runner),
          &t.RunDayNumber[run](kRace, runner)}) {
      row += (row.empty() && cell == &t.RunTurfTime[run](runner) ? u"" : u"|") + *cell;
    }
    return row;
  }
  BasicAnalysisTables& Tables() { return meeting_.Group<BasicAnalysisTables>(); }

  model::Meeting meeting_;
};

const Text kNothing = u"---|---|---|---|---|---|---|---|---|---|---|---|---";

TEST_F(PastRunEvaluationTest, TheWorkedExample) {
  SetWeight(1, u"57");
  // 94.3 s is 7.0000000000000284 tenths behind 95.0 s; its text keeps 15 digits, -7.00000000000003,
  // so the tenths per 1600 m are cut down to -7.1.
  EXPECT_EQ(EvaluateOne({.time = u"1.34.3"}), u"-7|---|-4|-11|---| 0| 0|0|-11|---|-11|---|1578");
  EXPECT_EQ(EvaluateOne({.time = u"1.34.5"}), u"-4|---|-4|-8|---| 0| 0|0|-8|---|-08|---|1578");
}

TEST_F(PastRunEvaluationTest, EachValueIsReadFromItsText) {
  // 12 tenths behind the standard time of 中山 comes out of the subtraction as 12.000000000000028;
  // read from its text it is 12, so the time value is -11, where the bare double would give -12.
  EXPECT_EQ(EvaluateOne({.course = u"05", .time = u"1.34.3"}),
            u"-11|---|0|-11|---| 0| 0|0|-11|---|-11|---|1578");
}

TEST_F(PastRunEvaluationTest, TimeValues) {
  // At the standard time of today's course: 0 tenths behind, time value 1.
  EXPECT_EQ(EvaluateOne({.course = u"05"}), u" 1|---|0|1|---| 0| 0|0| 1|---|+01|---|1578");
  // 1200 m at 東京 in 70.0 s against 69.0 s: 10 tenths behind, 13.3 per 1600 m, carried to 中山 by the
  // standard times of both at 1600 m (95.0 / 95.5), not at 1200 m.
  SetStdTime(true, 1, 2, u"69.0");
  EXPECT_EQ(EvaluateOne({.distance = u"1200", .time = u"1.10.0"}).substr(0, 3), u" 14");
  // A dirt run goes by the dirt standard times: 99.0 s at 東京 against 98.0 s, 98.0 / 98.5 x 10.
  EXPECT_EQ(EvaluateOne({.surface = u"0", .time = u"1.39.0"}),
            u"---| 10|0|---|10| 0| 0|0|---| 10|---|+10|1578");
}

TEST_F(PastRunEvaluationTest, EvaluationIsWeightedValueLessTroublePlusPaceLessGoing) {
  SetWeight(1, u"57");
  // Time value 1, weight -4: weighted -3; trouble 7 + pace 9 - going (-9) = 25; -3 - 25 = -28.
  EXPECT_EQ(EvaluateOne({.course = u"05", .going = u"2", .pace = u"2", .trouble = u"あり"}),
            u" 1|---|-4|-3|---|9|7|-9|-28|---|-28|---|1578");
}

TEST_F(PastRunEvaluationTest, DisplayTextsHoldTheEvaluationBetweenMinusAndPlus99) {
  EXPECT_EQ(EvaluateOne({.course = u"05", .time = u"1.45.5"}),
            u" 101|---|0|101|---| 0| 0|0| 101|---|+99|---|1578");
  SetWeight(1, u"57");
  EXPECT_EQ(EvaluateOne({.course = u"05", .time = u"1.25.5"}),
            u"-99|---|-4|-103|---| 0| 0|0|-103|---|-99|---|1578");
}

TEST_F(PastRunEvaluationTest, ARunThatCannotBeMeasuredShowsNothingWhateverItsDate) {
  const PastRun runs[] = {
      {.time = u"なし"},      {.time = u"0.00.0"},   {.course = u"30"},     {.course = u"  "},
      {.course = u"4"},       {.distance = u"1150"}, {.distance = u"1900"}, {.distance = u"    "},
      {.distance = u" 1600"}, {.distance = u"2500"},
  };
  for (const PastRun& run : runs) {
    EXPECT_EQ(EvaluateOne(run), kNothing)
        << model::ToUtf8(run.course + u"|" + run.distance + u"|" + run.time);
  }
}

TEST_F(PastRunEvaluationTest, AMeasuredRunOnNeitherSurfaceHasTermsButNoValues) {
  // Neither turf nor dirt: no going correction either, and none was carried in this analysis.
  EXPECT_EQ(EvaluateOne({.surface = u" ", .pace = u"2", .trouble = u"あり"}),
            u"---|---|0|---|---|9|7||---|---|---|---|1578");
}

struct TermCase {
  PastRun run;
  Text weight;
  Text expected;  // the weight, pace, trouble and going terms
};

TEST_F(PastRunEvaluationTest, WeightPaceAndTroubleTerms) {
  const TermCase cases[] = {
      // Weight: two per kilogram under 55 kg.
      {{}, u"57", u"-4| 0| 0|0"},
      {{}, u"54.5", u"1| 0| 0|0"},
      {{}, u"55", u"0| 0| 0|0"},
      {{}, u"52", u"6| 0| 0|0"},
      // Pace: a slow pace ("2") by distance, any other pace nothing.
      {{.distance = u"2400", .pace = u"2"}, u"55", u"0|13| 0|0"},
      {{.distance = u"1000", .pace = u"2"}, u"55", u"0|6| 0|0"},
      {{.distance = u"1600", .pace = u"2"}, u"55", u"0|9| 0|0"},
      {{.pace = u"0"}, u"55", u"0| 0| 0|0"},
      {{.pace = u" "}, u"55", u"0| 0| 0|0"},
      // Trouble by distance.
      {{.trouble = u"あり"}, u"55", u"0| 0|7|0"},
      {{.distance = u"1000", .trouble = u"あり"}, u"55", u"0| 0|10|0"},
      {{.distance = u"2400", .trouble = u"あり"}, u"55", u"0| 0|5|0"},
      // A flag of neither kind keeps the term of the run before: none yet.
      {{.trouble = u" "}, u"55", u"0| 0||0"},
  };
  for (const TermCase& c : cases) {
    SetWeight(1, c.weight);
    EvaluateOne(c.run);
    const BasicAnalysisTables& t = Tables();
    EXPECT_EQ(t.RunWeightTerm[5](1) + u"|" + t.RunPaceTerm[5](1) + u"|" + t.RunTroubleTerm[5](1) + u"|" +
                  t.RunGoingTerm[5](1),
              c.expected)
        << model::ToUtf8(c.weight + u"|" + c.run.distance + u"|" + c.run.pace + u"|" + c.run.trouble);
  }
}

struct GoingCase {
  Text surface, distance, going;
  int today;
  Text term;
};

TEST_F(PastRunEvaluationTest, GoingTerms) {
  const GoingCase cases[] = {
      // A run on 重 at 1600 m: on turf to good going -9, then to today's 不良 +8.
      {u"1", u"1600", u"2", kGood, u"-9"},
      {u"1", u"1600", u"2", kBad, u"-1"},
      // Dirt the other way round: 稍重 at 1800 m is +9 to good going, -8 to today's 重.
      {u"0", u"1800", u"1", kGood, u"9"},
      {u"0", u"1800", u"1", kHeavy, u"1"},
      // What each going costs at 1000, 1600 and 2400 m; heavy dirt weighs 0.5.
      {u"1", u"1000", u"1", kGood, u"-3"},
      {u"1", u"1000", u"2", kGood, u"-6"},
      {u"1", u"1000", u"3", kGood, u"-5"},
      {u"1", u"1600", u"1", kGood, u"-5"},
      {u"1", u"1600", u"3", kGood, u"-8"},
      {u"1", u"2400", u"1", kGood, u"-7"},
      {u"1", u"2400", u"2", kGood, u"-13"},
      {u"1", u"2400", u"3", kGood, u"-11"},
      {u"0", u"1000", u"1", kGood, u"3"},
      {u"0", u"1000", u"2", kGood, u"3"},
      {u"0", u"1000", u"3", kGood, u"1"},
      {u"0", u"1600", u"1", kGood, u"7"},
      {u"0", u"1600", u"2", kGood, u"6"},
      {u"0", u"1600", u"3", kGood, u"3"},
      {u"0", u"2400", u"1", kGood, u"16"},
      {u"0", u"2400", u"2", kGood, u"13"},
      {u"0", u"2400", u"3", kGood, u"6"},
      // Good going both times, and today's going alone.
      {u"1", u"1600", u"0", kGood, u"0"},
      {u"1", u"1600", u"0", kSoft, u"5"},
      {u"0", u"1600", u"0", kSoft, u"-7"},
      // A run's going of no known code corrects nothing to good going (none carried yet), but today's
      // going still counts.
      {u"1", u"1600", u" ", kHeavy, u"9"},
      {u"0", u"1600", u"4", kHeavy, u"-6"},
  };
  for (const GoingCase& c : cases) {
    EvaluateOne({.surface = c.surface, .distance = c.distance, .going = c.going}, c.today);
    EXPECT_EQ(Tables().RunGoingTerm[5](1), c.term)
        << model::ToUtf8(c.surface + u"|" + c.distance + u"|" + c.going) << " today " << c.today;
  }
}

TEST_F(PastRunEvaluationTest, TermsWithoutACodeOfTheirOwnComeFromTheRunBefore) {
  // Run by run, oldest first; today 稍重.
  SetRun(1, 5, {.going = u"2", .trouble = u"あり"});               // correction -9, going -9 + 5, trouble 7
  SetRun(1, 4, {.going = u" ", .trouble = u"?"});                  // keeps -9 and 7
  SetRun(1, 3, {.surface = u"0", .going = u"x", .trouble = u""});  // -9 less dirt's 7
  // Not measured, yet its codes still move the working values: good going at no distance makes the
  // correction 0 and the going term 0 + 1 for today; its trouble has no distance to divide by.
  SetRun(1, 2, {.distance = u"    ", .going = u"0", .trouble = u"あり"});
  SetRun(1, 1, {.surface = u"2", .going = u"0", .trouble = u"x"});
  Evaluate(kSoft);
  EXPECT_EQ(Tables().RunGoingTerm[5](1) + u"|" + Tables().RunTroubleTerm[5](1), u"-4|7");
  EXPECT_EQ(Tables().RunGoingTerm[4](1) + u"|" + Tables().RunTroubleTerm[4](1), u"-4|7");
  EXPECT_EQ(Tables().RunGoingTerm[3](1) + u"|" + Tables().RunTroubleTerm[3](1), u"-16|7");
  EXPECT_EQ(Row(1, 2), kNothing);
  EXPECT_EQ(Tables().RunGoingTerm[1](1) + u"|" + Tables().RunTroubleTerm[1](1), u"1|7");
}

TEST_F(PastRunEvaluationTest, WorkingValuesPassFromRunnerToRunnerAndStartEmptyWithEachAnalysis) {
  SetRun(1, 1, {.distance = u"1000", .going = u"1", .trouble = u"あり"});
  // Runner 2's oldest run: no surface to correct the going by, no flag, no month.
  SetRun(2, 5, {.surface = u"?", .trouble = u"?", .date = u"14xx01"});
  Evaluate(kGood, 2);
  EXPECT_EQ(Row(2, 5), u"---|---|0|---|---| 0|10|-3|---|---|---|---|1578");
  // The next analysis of the same race takes nothing from this one.
  PastRunEvaluation(meeting_, kRace, kGood).EvaluatePastRuns(2);
  EXPECT_EQ(Row(2, 5), u"---|---|0|---|---| 0|||---|---|---|---|");
}

TEST_F(PastRunEvaluationTest, TodaysStandardTimesAreSetAtTheStartOfEveryAnalysis) {
  // Without a single run evaluated, and whatever an earlier race left.
  Tables().TodayTurfStdTime() = u"77.7";
  Tables().TodayDirtStdTime() = u"77.7";
  Evaluate();
  EXPECT_EQ(Tables().TodayTurfStdTime(), u"95.5");
  EXPECT_EQ(Tables().TodayDirtStdTime(), u"98.5");
}

struct TodayCase {
  Text course, distance;
};

// Today's race outside the standard-time tables: no run can be carried over to it, but every run still
// gets its terms and day number.
TEST_F(PastRunEvaluationTest, TodaysRaceWithoutAStandardTimeEvaluatesNoRun) {
  const TodayCase cases[] = {{u"30", u"1600"}, {u"", u"1600"}, {u"05", u"1150"}, {u"05", u"1900"}};
  for (const TodayCase& c : cases) {
    auto& card = meeting_.Group<intake::RaceCardTables>();
    card.RaceCourseCode(kRace) = c.course;
    card.RaceDistance(kRace) = c.distance;
    SetRun(1, 2, {.surface = u"0", .time = u"1.39.0"});
    SetRun(1, 1, {.trouble = u"あり"});
    Evaluate();
    EXPECT_EQ(Row(1, 2), u"---|---|0|---|---| 0| 0|0|---|---|---|---|1578") << model::ToUtf8(c.course);
    EXPECT_EQ(Row(1, 1), u"---|---|0|---|---| 0|7|0|---|---|---|---|1578") << model::ToUtf8(c.course);
    EXPECT_EQ(Tables().TodayTurfStdTime(), u"");
    EXPECT_EQ(Tables().TodayDirtStdTime(), u"");
  }
}

TEST_F(PastRunEvaluationTest, TodaysStandardTimeOfZeroEvaluatesNoRunOfThatSurface) {
  SetStdTime(true, 2, 5, u"0");
  SetRun(1, 2, {.surface = u"0", .time = u"1.39.0"});
  SetRun(1, 1, {});
  Evaluate();
  EXPECT_EQ(Row(1, 2), u"---| 10|0|---|10| 0| 0|0|---| 10|---|+10|1578");
  EXPECT_EQ(Row(1, 1), u"---|---|0|---|---| 0| 0|0|---|---|---|---|1578");
  EXPECT_EQ(Tables().TodayTurfStdTime(), u"");
  EXPECT_EQ(Tables().TodayDirtStdTime(), u"98.5");
}

// A standard time of 0 at the run's own course would make the whole time its margin, or its time value
// 1; such a run is not measured, and so does not count today.
TEST_F(PastRunEvaluationTest, ARunWhoseCourseHasNoStandardTimeIsNotMeasured) {
  SetStdTime(true, 1, 2, u"0");     // 東京 1200 m, the run's own distance
  SetStdTime(true, 3, 2, u"70.0");  // 阪神 1200 m
  SetStdTime(true, 3, 5, u"0.0");   // 阪神 1600 m, today's distance
  SetRun(1, 2, {.distance = u"1200", .time = u"1.10.0"});
  SetRun(1, 1, {.course = u"01", .distance = u"1200", .time = u"1.10.0"});
  Evaluate();
  EXPECT_EQ(Row(1, 2), u"---|---|0|---|---| 0| 0|0|---|---|---|---|1578");
  EXPECT_EQ(Row(1, 1), u"---|---|0|---|---| 0| 0|0|---|---|---|---|1578");
  PickTodaysSurfaceEvaluations(meeting_, kRace, 1);
  EXPECT_EQ(Tables().RunMask(1), u"11111");
}

TEST_F(PastRunEvaluationTest, MasksMarkTheRunsMeasuredOnTodaysSurface) {
  SetRun(1, 5, {.surface = u"0", .time = u"1.39.0"});  // measured on dirt
  SetRun(1, 4, {.time = u"なし"});
  SetRun(1, 3, {.distance = u"1150"});  // a central course, but no standard distance
  SetRun(1, 2, {.course = u"05"});
  SetRun(1, 1, {});
  Evaluate();
  PickTodaysSurfaceEvaluations(meeting_, kRace, 1);
  EXPECT_EQ(Tables().RunMask(1), u"11155");
  EXPECT_EQ(Tables().RunEval[2](1), u" 1");
}

TEST_F(PastRunEvaluationTest, WritesRunnersOfTheRaceOnly) {
  Tables().RunDayNumber[5](kRace + 1, 1) = u"kept";
  Tables().RunTurfTime[5](1) = u"kept";
  SetRun(1, 5, {});
  PastRunEvaluation evaluation(meeting_, kRace, kGood);
  evaluation.EvaluatePastRuns(0);
  evaluation.EvaluatePastRuns(19);
  EXPECT_EQ(Tables().RunTurfTime[5](1), u"kept");
  evaluation.EvaluatePastRuns(1);
  EXPECT_EQ(Tables().RunTurfTime[5](1), u" 5");
  EXPECT_EQ(Tables().RunDayNumber[5](kRace, 1), u"1578");
  EXPECT_EQ(Tables().RunDayNumber[5](kRace + 1, 1), u"kept");
}

}  // namespace
}  // namespace basic
