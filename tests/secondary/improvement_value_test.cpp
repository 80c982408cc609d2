#include "secondary/improvement_value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/numbers.h"
#include "program/program.h"
#include "secondary/secondary_analysis_tables.h"
#include "tests/support/case_names.h"

namespace secondary {
namespace {

using model::Text;

constexpr int kRace = 9;
const Text kKept = u"kept";
const Text kNoValidRun = u"---";

// What one runner shows of its improvement value.
struct Rise {
  Text older, recent, ratio, value, grade;
  bool operator==(const Rise&) const = default;
};

void PrintTo(const Rise& r, std::ostream* os) {
  for (const Text* t : {&r.older, &r.recent, &r.ratio, &r.value, &r.grade})
    *os << testing::PrintToString(*t) << " ";
}

class ImprovementValues : public ::testing::Test {
 protected:
  SecondaryAnalysisTables& Tables() { return app_.meeting.Group<SecondaryAnalysisTables>(); }

  // Runs 3, 2 and 1 of runner; runs 4 and 5 hold values that must not count.
  void SetRuns(int runner, const Text& run3, const Text& run2, const Text& run1) {
    SecondaryAnalysisTables& t = Tables();
    t.ProvEvalSigned[5](runner) = u"-99 ";
    t.ProvEvalSigned[4](runner) = u"+99";
    t.ProvEvalSigned[3](runner) = run3;
    t.ProvEvalSigned[2](runner) = run2;
    t.ProvEvalSigned[1](runner) = run1;
  }
  void SetNoValidRun(int runner) {
    for (int run = 1; run <= 5; ++run) Tables().ProvEvalSigned[run](runner) = kNoValidRun;
  }
  void Run(int runners, int race = kRace) {
    ComputeImprovementValues(app_.meeting, race, runners);
    GradeImprovementValues(app_.meeting, race, runners);
  }
  Rise RiseOf(int runner) {
    const SecondaryAnalysisTables& t = Tables();
    return {t.RisePairOlder(runner), t.RisePairRecent(runner), t.RiseRatio(runner), t.RiseValue(runner),
            t.GradeRise(runner)};
  }

  program::Program app_;
};

struct RiseCase {
  const char* name;
  const char16_t* run3;
  const char16_t* run2;
  const char16_t* run1;
  Rise expected;
};

class ImprovementCases : public ImprovementValues, public testing::WithParamInterface<RiseCase> {};

TEST_P(ImprovementCases, RatioOfThePairMeansInHundredths) {
  SetRuns(1, GetParam().run3, GetParam().run2, GetParam().run1);
  Run(1);
  EXPECT_EQ(RiseOf(1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImprovementCases,
    testing::Values(
        // 10 / 120 = 0.0833.
        RiseCase{"Improving", u"+10", u"+06", u"-10", {u"8", u"-2", u"+0.08", u"+08", u"4"}},
        RiseCase{"Improving18Tenths", u"+20", u"+00", u"-16", {u"10", u"-8", u"+0.15", u"+15", u"6"}},
        RiseCase{"Improving72Tenths", u"+36", u"+00", u"-36", {u"18", u"-18", u"+0.30", u"+30", u"9"}},
        // Pair means that end in .5.
        RiseCase{"HalfTenthMeans", u"+10", u"-10", u"-03", {u"0", u"-6.5", u"+0.05", u"+05", u"2"}},
        // 0.0125, 0.025 and 0.075 are judged on their decimal form: halves round away from zero.
        RiseCase{"ThreeTenths", u"+03", u"+00", u"+00", {u"1.5", u"0", u"+0.01", u"+01", u"1"}},
        RiseCase{"SixTenths", u"+06", u"+00", u"+00", {u"3", u"0", u"+0.03", u"+03", u"2"}},
        RiseCase{"EighteenTenths", u"+18", u"+00", u"+00", {u"9", u"0", u"+0.08", u"+08", u"4"}},
        RiseCase{"Equal", u"+05", u"+05", u"+05", {u"5", u"5", u"+0.00", u"+00", u"1"}},
        // Worse by a little keeps its sign: -0.0042.
        RiseCase{"OneTenthWorse", u"+00", u"+00", u"+01", {u"0", u"0.5", u"-0.00", u"-00", u"1"}},
        RiseCase{"TwelveTenthsWorse", u"+00", u"+00", u"+12", {u"0", u"6", u"-0.05", u"-05", u"0"}},
        // -0.0958 rounds to -0.10, which belongs to "*".
        RiseCase{"TwentyThreeTenthsWorse", u"+00", u"+00", u"+23", {u"0", u"11.5", u"-0.10", u"-10", u"*"}},
        RiseCase{"TwentyFourTenthsWorse", u"+00", u"+00", u"+24", {u"0", u"12", u"-0.10", u"-10", u"*"}},
        // The widest the signed texts allow: 0.825 gives 0.83.
        RiseCase{"Widest", u"+99", u"+00", u"-99", {u"49.5", u"-49.5", u"+0.83", u"+83", u"9"}},
        RiseCase{"WidestWorse", u"-99", u"+00", u"+99", {u"-49.5", u"49.5", u"-0.83", u"-83", u"*"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImprovementValues, TheValueIsTheRatiosHundredths) {
  // Every gap between runs 3 and 1 the signed texts allow. The value's digits are the ratio's, also
  // where 100 times the ratio lands below a whole number (0.29 × 100 = 28.999999999999996).
  for (int gap = -198; gap <= 198; ++gap) {
    const int run3 = gap / 2;
    SetRuns(1, model::NumberToText(run3), u"+00", model::NumberToText(run3 - gap));
    Run(1);
    const Rise rise = RiseOf(1);
    ASSERT_EQ(rise.ratio.size(), 5u) << gap;
    EXPECT_EQ(rise.value, rise.ratio.substr(0, 1) + rise.ratio.substr(3, 2)) << gap;
    EXPECT_EQ(rise.ratio.substr(0, 3), gap < 0 ? u"-0." : u"+0.") << gap;
  }
}

struct GradeCase {
  const char16_t* value;
  const char16_t* expected;
};

class GradeRiseBands : public ImprovementValues, public testing::WithParamInterface<GradeCase> {};

// Grade ④ reads the value text, so a case sets it directly.
TEST_P(GradeRiseBands, FixedStepsHoldTheirLowerBound) {
  Tables().RiseValue(1) = GetParam().value;
  GradeImprovementValues(app_.meeting, kRace, 1);
  EXPECT_EQ(Tables().GradeRise(1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, GradeRiseBands,
    testing::Values(GradeCase{u"+83", u"9"}, GradeCase{u"+30", u"9"}, GradeCase{u"+29", u"8"},
                    GradeCase{u"+25", u"8"}, GradeCase{u"+24", u"7"}, GradeCase{u"+20", u"7"},
                    GradeCase{u"+19", u"6"}, GradeCase{u"+15", u"6"}, GradeCase{u"+14", u"5"},
                    GradeCase{u"+10", u"5"}, GradeCase{u"+09", u"4"}, GradeCase{u"+08", u"4"},
                    GradeCase{u"+07", u"3"}, GradeCase{u"+06", u"3"}, GradeCase{u"+05", u"2"},
                    GradeCase{u"+03", u"2"}, GradeCase{u"+02", u"1"}, GradeCase{u"+00", u"1"},
                    GradeCase{u"-00", u"1"}, GradeCase{u"-01", u"0"}, GradeCase{u"-09", u"0"},
                    GradeCase{u"-10", u"*"}, GradeCase{u"-83", u"*"}, GradeCase{u"***", u"-"}),
    [](const auto& info) { return testsupport::CaseName(info.param.value); });

TEST_F(ImprovementValues, NoValidRunKeepsThePairMeans) {
  SecondaryAnalysisTables& t = Tables();
  t.RisePairOlder(2) = kKept;
  t.RisePairRecent(2) = kKept;
  SetRuns(1, u"+10", u"+06", u"-10");
  SetNoValidRun(2);
  Run(2);
  EXPECT_EQ(RiseOf(2), (Rise{kKept, kKept, u"****", u"***", u"-"}));
}

TEST_F(ImprovementValues, ThePairMeansAreAsWideAsTheRaceCard) {
  for (const char* name : {"RisePairOlder", "RisePairRecent"}) {
    ASSERT_NE(app_.meeting.Registry().Find(name), nullptr) << name;
    EXPECT_EQ(app_.meeting.Registry().Find(name)->CellCount(), 28u) << name;
  }
  for (int runner = 1; runner <= 28; ++runner) {
    Tables().RisePairOlder(runner) = kKept;
    Tables().RisePairRecent(runner) = kKept;
  }
  for (int runner = 1; runner <= 18; ++runner) SetRuns(runner, u"+10", u"+06", u"-10");
  // A runner count above what the other tables hold is cut to 18.
  Run(28);
  for (int runner = 1; runner <= 18; ++runner) EXPECT_EQ(RiseOf(runner).older, u"8") << runner;
  for (int runner = 19; runner <= 28; ++runner) {
    EXPECT_EQ(Tables().RisePairOlder(runner), kKept) << runner;
    EXPECT_EQ(Tables().RisePairRecent(runner), kKept) << runner;
  }
}

TEST_F(ImprovementValues, ASmallerRaceLeavesTheRunnersBeyondItsField) {
  for (int runner = 1; runner <= 4; ++runner) SetRuns(runner, u"+36", u"+00", u"-36");
  Run(4);
  SetRuns(1, u"+00", u"+00", u"+12");
  SetNoValidRun(2);
  Run(2);
  EXPECT_EQ(RiseOf(1), (Rise{u"0", u"6", u"-0.05", u"-05", u"0"}));
  EXPECT_EQ(RiseOf(2), (Rise{u"18", u"-18", u"****", u"***", u"-"}));
  for (int runner = 3; runner <= 4; ++runner) {
    EXPECT_EQ(RiseOf(runner), (Rise{u"18", u"-18", u"+0.30", u"+30", u"9"})) << runner;
  }
}

TEST_F(ImprovementValues, NoRaceConfirmedWritesNothing) {
  SetRuns(1, u"+10", u"+06", u"-10");
  Tables().RiseValue(1) = kKept;
  Tables().GradeRise(1) = kKept;
  Run(1, 0);
  Run(1, 13);
  EXPECT_EQ(RiseOf(1), (Rise{u"", u"", u"", kKept, kKept}));
}

}  // namespace
}  // namespace secondary
