#include "secondary/overall_code.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "analysis/frm_ag3.h"
#include "basic/training_tables.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/case_names.h"
#include "tests/support/window_grids.h"
#include "ui/grid.h"

namespace secondary {
namespace {

using model::Text;

constexpr int kRace = 3;

class SecondaryStepTest {
 protected:
  SecondaryStepTest() {
    Card().RaceCourseCode(kRace) = u"05";
    Card().RaceSurfaceCode(kRace) = u"1";
  }
  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  intake::RaceCardTables& Card() { return app_.meeting.Group<intake::RaceCardTables>(); }
  SecondaryAnalysisTables& Tables() { return app_.meeting.Group<SecondaryAnalysisTables>(); }
  basic::TrainingTables& Training() { return app_.meeting.Group<basic::TrainingTables>(); }
  const Text& RunnerCell(int runner, int column) {
    return Window().MSFlexGrid2.TextMatrix(runner + 1, column);
  }

  program::Program app_;
  testsupport::WindowGrids grids_;
};

// --- The race class average

struct AverageCase {
  const char16_t* sum;
  const char16_t* count;
  const char16_t* label24;
  const char16_t* label25;  // turf, course "05"
};

void PrintTo(const AverageCase& c, std::ostream* os) {
  *os << model::ToUtf8(c.sum) << " / " << model::ToUtf8(c.count);
}

class RaceClassAverageTest : public SecondaryStepTest, public testing::TestWithParam<AverageCase> {};

TEST_P(RaceClassAverageTest, ShowsTheMeanCutToTenthsAndItsClassPosition) {
  Tables().AbilitySum() = GetParam().sum;
  Tables().AbilityCount() = GetParam().count;
  ShowRaceClassAverage(Window().Label24, Window().Label25, app_.meeting, kRace);
  EXPECT_EQ(Window().Label24.Caption(), GetParam().label24);
  EXPECT_EQ(Window().Label25.Caption(), GetParam().label25);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RaceClassAverageTest,
    testing::Values(
        // 12, 13 and 14; a runner without a current ability counts in neither.
        AverageCase{u"39", u"3", u" + 13.0", u"未90"}, AverageCase{u"24.74", u"2", u" + 12.3", u"未92"},
        AverageCase{u"123.4", u"1", u" +123.4", u"未外"}, AverageCase{u"99.99", u"1", u" + 99.9", u"未外"},
        AverageCase{u"9.99", u"1", u" +  9.9", u"五01"}, AverageCase{u"5", u"1", u" +  5.0", u"五83"},
        // The mapper gets the caption " +  0.0", not the text "0" that has no position.
        AverageCase{u"0", u"1", u" +  0.0", u"九33"},
        // Negative means are cut down (-3.25 to -3.3) and lose a trailing zero.
        AverageCase{u"-0.1", u"1", u" -  0.1", u"九34"}, AverageCase{u"-6", u"2", u" -  3", u"九58"},
        AverageCase{u"-7", u"2", u" -  3.5", u"九62"}, AverageCase{u"-6.5", u"2", u" -  3.3", u"九60"},
        AverageCase{u"-10", u"1", u" - 10", u"ジ40"}, AverageCase{u"-30", u"2", u" - 15", u"オ10"},
        AverageCase{u"-100", u"1", u" -100", u"Ｇ00"}, AverageCase{u"-99.99", u"1", u" -100", u"Ｇ00"},
        // No runner with a current ability (a debut race): no mean, and no division by 0.
        AverageCase{u"0", u"0", u"***", u"----"}, AverageCase{u"", u"", u"***", u"----"},
        AverageCase{u"12", u"-1", u"***", u"----"}, AverageCase{u"1e999", u"1", u"***", u"----"}),
    [](const auto& info) {
      return "Sum_" + testsupport::CaseName(info.param.sum) + "_Count_" +
             testsupport::CaseName(info.param.count);
    });

class RaceClassAverage : public SecondaryStepTest, public testing::Test {
 protected:
  void SetUp() override {
    Tables().AbilitySum() = u"39";
    Tables().AbilityCount() = u"3";
  }
  Text ClassPositionFor(const Text& surface, const Text& course) {
    Card().RaceSurfaceCode(kRace) = surface;
    Card().RaceCourseCode(kRace) = course;
    ShowRaceClassAverage(Window().Label24, Window().Label25, app_.meeting, kRace);
    EXPECT_EQ(Window().Label24.Caption(), u" + 13.0");
    return Window().Label25.Caption();
  }
};

TEST_F(RaceClassAverage, TakesTheMapperOfTodaysSurfaceAndCourse) {
  EXPECT_EQ(ClassPositionFor(u"1", u"05"), u"未90");
  EXPECT_EQ(ClassPositionFor(u"0", u"05"), u"五00");
  EXPECT_EQ(ClassPositionFor(u"1", u"10"), u"****");
  // Any surface code but "1" and "0", whatever the average.
  EXPECT_EQ(ClassPositionFor(u"2", u"05"), u"----");
  EXPECT_EQ(ClassPositionFor(u"", u"05"), u"----");
  EXPECT_EQ(ClassPositionFor(u" 1", u"05"), u"----");
}

TEST_F(RaceClassAverage, ARaceOutsideTheMeetingWritesNothing) {
  Window().Label24.SetCaption(u"before");
  for (int race : {0, 13}) ShowRaceClassAverage(Window().Label24, Window().Label25, app_.meeting, race);
  EXPECT_EQ(Window().Label24.Caption(), u"before");
}

// --- Predicted times

struct PredictedCase {
  const char16_t* label18;
  const char16_t* ability;
  const char16_t* expected;
};

void PrintTo(const PredictedCase& c, std::ostream* os) {
  *os << "\"" << model::ToUtf8(c.label18) << "\" / " << model::ToUtf8(c.ability);
}

class PredictedTimeTest : public SecondaryStepTest, public testing::TestWithParam<PredictedCase> {};

TEST_P(PredictedTimeTest, MovesTheBaseTimeByTheCurrentAbility) {
  Window().Label18.SetCaption(GetParam().label18);
  Tables().CurrentAbility(1) = GetParam().ability;
  ComputePredictedTimes(Window().Label18.Caption(), app_.meeting, kRace, 1);
  EXPECT_EQ(Tables().PredictedTime(1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PredictedTimeTest,
    testing::Values(
        // 96.2 and -12 hand over 95, 96.2 and 7 hand over 96.9.
        PredictedCase{u"  1.36.2", u"-12", u"1.35.0"}, PredictedCase{u"  1.36.2", u"7", u"1.36.9"},
        PredictedCase{u"  1.36.2", u"0", u"1.36.2"}, PredictedCase{u"1.36.2", u" 3", u"1.36.5"},
        PredictedCase{u"  1.36.2", u"***", u"*.**.*"}, PredictedCase{u"  2.01.5", u"-15", u"2.00.0"},
        // Below a minute the base time is still a time; the result crosses the minute either way.
        PredictedCase{u"  0.56.8", u"-12", u"0.55.6"}, PredictedCase{u"  0.56.8", u"40", u"1.00.8"},
        PredictedCase{u"  1.00.5", u"-10", u"0.59.5"},
        // No time comes to 0 s or less.
        PredictedCase{u"  0.01.0", u"-10", u"*.**.*"}, PredictedCase{u"  0.01.0", u"-20", u"*.**.*"},
        PredictedCase{u"  1.36.2", u"1e999", u"*.**.*"},
        // Label18 without a base time.
        PredictedCase{u"", u"-12", u"*.**.*"}, PredictedCase{u"  ", u"-12", u"*.**.*"},
        PredictedCase{u"  *.**.*", u"-12", u"*.**.*"}, PredictedCase{u"  1.36", u"-12", u"*.**.*"},
        PredictedCase{u"  1.362", u"-12", u"*.**.*"}, PredictedCase{u"  1.36.2.", u"-12", u"*.**.*"},
        PredictedCase{u" 11.36.2", u"-12", u"*.**.*"}, PredictedCase{u"  a.36.2", u"-12", u"*.**.*"},
        PredictedCase{u"  1,36.2", u"-12", u"*.**.*"}, PredictedCase{u"  1.3 6.2", u"-12", u"*.**.*"},
        PredictedCase{u"  １.36.2", u"-12", u"*.**.*"}),
    [](const auto& info) {
      return "Base_" + testsupport::CaseName(info.param.label18) + "_Ability_" +
             testsupport::CaseName(info.param.ability);
    });

class PredictedTimes : public SecondaryStepTest, public testing::Test {};

TEST_F(PredictedTimes, EachRunnerOfThePassTakesItsOwnAbility) {
  Window().Label18.SetCaption(u"  1.36.2");
  const std::array<Text, 4> abilities = {u"-12", u"***", u"5", u"3"};
  for (int runner = 1; runner <= 4; ++runner) Tables().CurrentAbility(runner) = abilities[runner - 1];
  Tables().PredictedTime(4) = u"earlier race";
  ComputePredictedTimes(Window().Label18.Caption(), app_.meeting, kRace, 3);
  EXPECT_EQ(Tables().PredictedTime(1), u"1.35.0");
  EXPECT_EQ(Tables().PredictedTime(2), u"*.**.*");
  EXPECT_EQ(Tables().PredictedTime(3), u"1.36.7");
  EXPECT_EQ(Tables().PredictedTime(4), u"earlier race");
}

TEST_F(PredictedTimes, APassBeyondTheHeldRunnersStopsAtEighteen) {
  Window().Label18.SetCaption(u"  1.36.2");
  ComputePredictedTimes(Window().Label18.Caption(), app_.meeting, kRace, 28);
  EXPECT_EQ(Tables().PredictedTime(18), u"1.36.2");
  Tables().PredictedTime(1) = u"kept";
  ComputePredictedTimes(Window().Label18.Caption(), app_.meeting, kRace, -1);
  EXPECT_EQ(Tables().PredictedTime(1), u"kept");
}

// --- Training state and the late columns

struct TrainingCase {
  std::array<const char16_t*, 3> words;
  const char16_t* state;
};

class TrainingStateTest : public SecondaryStepTest, public testing::TestWithParam<TrainingCase> {};

TEST_P(TrainingStateTest, TakesTheFirstWordThatIsNotFourBlanks) {
  Training().TrainTrendWord1(kRace, 2) = GetParam().words[0];
  Training().TrainTrendWord2(kRace, 2) = GetParam().words[1];
  Training().TrainTrendWord3(kRace, 2) = GetParam().words[2];
  FillTrainingAndTimeColumns(grids_.Runners(Window().MSFlexGrid2), app_.meeting, kRace, 2);
  EXPECT_EQ(Tables().TrainingState(kRace, 2), GetParam().state);
  EXPECT_EQ(RunnerCell(2, 17), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrainingStateTest,
                         testing::Values(TrainingCase{{u"一変", u"平行", u"悪化"}, u"一変"},
                                         TrainingCase{{u"    ", u"良化", u"下降"}, u"良化"},
                                         TrainingCase{{u"    ", u"    ", u"悪化"}, u"悪化"},
                                         TrainingCase{{u"    ", u"    ", u"    "}, u"    "},
                                         // The third whatever it holds; other blanks are not "none".
                                         TrainingCase{{u"    ", u"    ", u""}, u""},
                                         TrainingCase{{u"", u"良化", u"下降"}, u""},
                                         TrainingCase{{u"  ", u"良化", u"下降"}, u"  "}),
                         [](const auto& info) { return "Case_" + std::to_string(info.index); });

class LateColumns : public SecondaryStepTest, public testing::Test {};

TEST_F(LateColumns, ShowTheImprovementTheTrainingStateAndThePredictedTime) {
  Tables().RiseValue(1) = u"12";
  Tables().GradeRise(1) = u"7";
  Tables().PredictedTime(1) = u"1.35.0";
  Training().TrainTrendWord1(kRace, 1) = u"良化";
  Tables().TrainingState(kRace + 1, 1) = u"other race";
  Tables().TrainingState(kRace, 3) = u"not in the pass";
  Window().MSFlexGrid2.SetTextMatrix(2, 16, u"spacer");
  FillTrainingAndTimeColumns(grids_.Runners(Window().MSFlexGrid2), app_.meeting, kRace, 2);
  EXPECT_EQ(RunnerCell(1, 14), u"12");
  EXPECT_EQ(RunnerCell(1, 15), u"7");
  EXPECT_EQ(RunnerCell(1, 17), u"良化");
  EXPECT_EQ(RunnerCell(1, 19), u"1.35.0");
  EXPECT_EQ(RunnerCell(1, 16), u"spacer");
  // One state per race and runner: other races and runners beyond the pass keep theirs.
  EXPECT_EQ(Tables().TrainingState(kRace + 1, 1), u"other race");
  EXPECT_EQ(Tables().TrainingState(kRace, 3), u"not in the pass");
  EXPECT_EQ(RunnerCell(3, 17), u"");
}

TEST_F(LateColumns, TheTrainingStateIsKeptPerRaceAndRunnerOfTheRaceCard) {
  const model::TextTable* table = app_.meeting.Registry().Find("TrainingState");
  ASSERT_EQ(table, &Tables().TrainingState);
  EXPECT_EQ(table->CellCount(), 12u * 28u);
  FillTrainingAndTimeColumns(grids_.Runners(Window().MSFlexGrid2), app_.meeting, 12, 18);
  EXPECT_EQ(Tables().TrainingState(12, 18), u"");
  for (const char* name : {"PredictedTime", "OverallGrade"}) {
    EXPECT_NE(app_.meeting.Registry().Find(name), nullptr) << name;
  }
}

// --- Overall code

struct OverallCase {
  std::array<const char16_t*, 4> grades;  // ① ② ③ ④
  const char16_t* code;
};

class OverallCodeTest : public SecondaryStepTest, public testing::TestWithParam<OverallCase> {};

TEST_P(OverallCodeTest, JoinsTheFourGradesUnlessThereIsNoCurrentAbility) {
  Tables().GradeSpeed(5) = GetParam().grades[0];
  Tables().GradeAbility(5) = GetParam().grades[1];
  Tables().Grade3F(5) = GetParam().grades[2];
  Tables().GradeRise(5) = GetParam().grades[3];
  ComputeOverallCodes(grids_.Runners(Window().MSFlexGrid2), app_.meeting, kRace, 5);
  EXPECT_EQ(Tables().OverallGrade(5), GetParam().code);
  EXPECT_EQ(RunnerCell(5, 21), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Cases, OverallCodeTest,
                         testing::Values(OverallCase{{u"9", u"8", u"-", u"*"}, u"98-*"},
                                         OverallCase{{u"9", u"7", u"5", u"3"}, u"9753"},
                                         OverallCase{{u"-", u"0", u"*", u"-"}, u"-0*-"},
                                         OverallCase{{u"9", u"-", u"5", u"3"}, u"----"},
                                         OverallCase{{u"*", u"-", u"*", u"*"}, u"----"}),
                         [](const auto& info) { return "Case_" + std::to_string(info.index); });

// --- A debut race: no runner has a run that counts today

class DebutRace : public SecondaryStepTest, public testing::Test {};

TEST_F(DebutRace, RunsThroughEveryStepWithTheNoValueMarkers) {
  constexpr int kRunners = 3;
  Tables().AbilitySum() = u"0";
  Tables().AbilityCount() = u"0";
  Window().Label18.SetCaption(u"  1.36.2");
  for (int runner = 1; runner <= kRunners; ++runner) {
    Tables().CurrentAbility(runner) = u"***";
    Tables().GradeAbility(runner) = u"-";
    Tables().GradeSpeed(runner) = u"-";
    Tables().Grade3F(runner) = u"-";
    Tables().GradeRise(runner) = u"-";
    Tables().RiseValue(runner) = u"---";
    Training().TrainTrendWord1(kRace, runner) = u"    ";
    Training().TrainTrendWord2(kRace, runner) = u"    ";
    Training().TrainTrendWord3(kRace, runner) = u"    ";
  }
  ShowRaceClassAverage(Window().Label24, Window().Label25, app_.meeting, kRace);
  ComputePredictedTimes(Window().Label18.Caption(), app_.meeting, kRace, kRunners);
  FillTrainingAndTimeColumns(grids_.Runners(Window().MSFlexGrid2), app_.meeting, kRace, kRunners);
  ComputeOverallCodes(grids_.Runners(Window().MSFlexGrid2), app_.meeting, kRace, kRunners);

  EXPECT_EQ(Window().Label24.Caption(), u"***");
  EXPECT_EQ(Window().Label25.Caption(), u"----");
  for (int runner = 1; runner <= kRunners; ++runner) {
    EXPECT_EQ(Tables().PredictedTime(runner), u"*.**.*") << runner;
    EXPECT_EQ(Tables().OverallGrade(runner), u"----") << runner;
    EXPECT_EQ(RunnerCell(runner, 14), u"---") << runner;
    EXPECT_EQ(RunnerCell(runner, 15), u"-") << runner;
    EXPECT_EQ(RunnerCell(runner, 17), u"    ") << runner;
    EXPECT_EQ(RunnerCell(runner, 19), u"*.**.*") << runner;
    EXPECT_EQ(RunnerCell(runner, 21), u"----") << runner;
  }
}

}  // namespace
}  // namespace secondary
