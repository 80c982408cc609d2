#include "basic/analysis_validity.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "analysis/analysed_race.h"
#include "analysis/analysis_window_tables.h"
#include "analysis/frm_ag3.h"
#include "basic/basic_analysis_tables.h"
#include "intake/race_card_tables.h"
#include "program/program.h"
#include "tests/support/case_names.h"
#include "ui/palette.h"

namespace basic {
namespace {

using model::Text;

const Text kExcellent = u"優";
const Text kGood = u"良";
const Text kFair = u"可";
const Text kPoor = u"不可";
constexpr ui::Color kCyan = ui::Rgb(0, 255, 255);

constexpr int kRace = 6;

class AnalysisValidity : public ::testing::Test {
 protected:
  // The surface-match codes of runner, five runs back first.
  void SetCodes(int runner, const std::array<const char16_t*, 5>& codes) {
    BasicAnalysisTables& t = app_.meeting.Group<BasicAnalysisTables>();
    for (int run = 5; run >= 1; --run) t.RunSurfaceMatch[run](runner) = codes[static_cast<size_t>(5 - run)];
  }
  // runners runners: the first without_any have no run on today's surface; the others share
  // on_today runs on today's surface as evenly as they go, each at least one.
  void SetRace(int runners, int on_today, int without_any) {
    const std::array<const char16_t*, 5> other_codes = {u"1", u"3", u"5", u"1", u"3"};
    for (int runner = 1; runner <= runners; ++runner) SetCodes(runner, other_codes);
    BasicAnalysisTables& t = app_.meeting.Group<BasicAnalysisTables>();
    int runner = without_any + 1;
    for (int placed = 0; placed < on_today; ++placed) {
      const int run = 1 + placed / (runners - without_any);
      t.RunSurfaceMatch[run](runner) = placed % 2 == 0 ? u"2" : u"4";
      runner = runner == runners ? without_any + 1 : runner + 1;
    }
  }
  void Grade(int runners, int race = kRace) {
    analysis::frmAg3& w = Window();
    GradeAnalysisValidity({w.Label36, w.Label37, w.Label9, w.Label11, w.Label14, w.Label15}, app_.meeting,
                          race, runners);
  }
  // Label9, Label11, Label14 and Label15: all data, valid data, runners, no analysis.
  Text Counts() {
    analysis::frmAg3& w = Window();
    return w.Label9.Caption() + u"|" + w.Label11.Caption() + u"|" + w.Label14.Caption() + u"|" +
           w.Label15.Caption();
  }
  analysis::AnalysisWindowTables& Results() { return app_.meeting.Group<analysis::AnalysisWindowTables>(); }
  analysis::frmAg3& Window() { return app_.Form<analysis::frmAg3>(); }
  program::Program app_;
};

struct RaceCase {
  const char* name;
  int runners, on_today, without_any;
  const char16_t* validity;
  Text grade;
  ui::Color colour;
  const char16_t* counts;  // all data, valid data, runners, no analysis
};

void PrintTo(const RaceCase& c, std::ostream* os) {
  *os << c.name;
}

class ValidityOfARace : public AnalysisValidity, public testing::WithParamInterface<RaceCase> {};

TEST_P(ValidityOfARace, IsStoredAndShownInTheGradesColourWithTheCounts) {
  const RaceCase& c = GetParam();
  SetRace(c.runners, c.on_today, c.without_any);
  Grade(c.runners);
  EXPECT_EQ(Results().AnalysisValidity(kRace), c.validity);
  EXPECT_EQ(Results().AnalysisGrade(kRace), c.grade);
  analysis::frmAg3& w = Window();
  EXPECT_EQ(w.Label36.Caption(), Text(c.validity) + u"%");
  EXPECT_EQ(w.Label37.Caption(), c.grade);
  EXPECT_EQ(w.Label36.ForeColor(), c.colour);
  EXPECT_EQ(w.Label37.ForeColor(), c.colour);
  EXPECT_EQ(Counts(), c.counts);
}

INSTANTIATE_TEST_SUITE_P(
    Races, ValidityOfARace,
    testing::Values(
        // p = 70 (40), coverage 100 - floor(6.25) = 94 (50).
        RaceCase{"SixteenRunners", 16, 56, 1, u"90", kExcellent, ui::palette::kGreen, u"80|56|16|1"},
        // p = 54 (25), coverage 90 (50).
        RaceCase{"TenRunners", 10, 27, 1, u"75", kFair, kCyan, u"50|27|10|1"},
        RaceCase{"EveryRunOnTodaysSurface", 8, 40, 0, u"100", kExcellent, ui::palette::kGreen, u"40|40|8|0"},
        // p = 70 (40), coverage 80 (40).
        RaceCase{"GoodRace", 10, 35, 2, u"80", kGood, ui::palette::kBlue, u"50|35|10|2"},
        // p = 33 (5), coverage 100 - floor(41.7) = 59 (5).
        RaceCase{"TwelveRunners", 12, 20, 5, u"10", kPoor, ui::palette::kRed, u"60|20|12|5"},
        // Nothing to divide by: both shares count as 0.
        RaceCase{"NoRunners", 0, 0, 0, u"10", kPoor, ui::palette::kRed, u"0|0|0|0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AnalysisValidity, CountsRunsByTheirCodeAlone) {
  SetCodes(1, {u"1", u"1", u"3", u"5", u"1"});  // no analysis
  SetCodes(2, {u"1", u"1", u"3", u"5", u"2"});
  SetCodes(3, {u"4", u"1", u"3", u"5", u"1"});
  SetCodes(4, {u"1", u"", u"3", u"5", u"1"});  // an empty code is no code without use
  // A run on today's surface counts whether or not it has an evaluation.
  BasicAnalysisTables& t = app_.meeting.Group<BasicAnalysisTables>();
  t.RunEval[1](2) = u"---";
  t.RunValid[1](2) = u"1";
  SetCodes(5, {u"2", u"2", u"2", u"2", u"2"});  // beyond the race
  Grade(4);
  EXPECT_EQ(Counts(), u"20|2|4|1");
}

TEST_F(AnalysisValidity, ARaceOfMoreThanEighteenRunnersCountsItsFirstEighteen) {
  SetRace(18, 90, 0);
  app_.meeting.Group<intake::RaceCardTables>().RunnerCount(kRace) = u"24";
  analysis::SetAnalysedRace(app_.meeting, kRace);
  Grade(analysis::AnalysedRunnerCount(app_.meeting));
  EXPECT_EQ(Counts(), u"90|90|18|0");
  EXPECT_EQ(Results().AnalysisValidity(kRace), u"100");
  Grade(28);
  EXPECT_EQ(Counts(), u"90|90|18|0");
}

TEST_F(AnalysisValidity, KeepsTheResultOfEveryRaceAnalysed) {
  SetRace(8, 40, 0);
  Grade(8, 3);
  SetRace(12, 20, 5);
  Grade(12, 9);
  EXPECT_EQ(Results().AnalysisValidity(3) + Results().AnalysisGrade(3), u"100" + kExcellent);
  EXPECT_EQ(Results().AnalysisValidity(9) + Results().AnalysisGrade(9), u"10" + kPoor);
  EXPECT_EQ(Window().Label36.Caption(), u"10%");
}

TEST_F(AnalysisValidity, ARaceOutsideTheMeetingWritesNothing) {
  SetRace(8, 40, 0);
  Grade(8, 0);
  Grade(8, 13);
  EXPECT_EQ(Window().Label36.Caption(), u"");
  EXPECT_EQ(Counts(), u"|||");
}

// --- The score bands: closed below, open above

struct BandCase {
  const char* name;
  ValidityCounts counts;
  int score;
};

void PrintTo(const BandCase& c, std::ostream* os) {
  *os << c.name;
}

class ScoreBands : public testing::TestWithParam<BandCase> {};

TEST_P(ScoreBands, PutTheShareAtTheEdgeInTheHigherBand) {
  EXPECT_EQ(ValidityScore(GetParam().counts), GetParam().score);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ScoreBands,
    testing::Values(
        // Data percentage, at full coverage (50).
        BandCase{"Data80", {50, 40, 10, 0}, 100}, BandCase{"Data78", {50, 39, 10, 0}, 90},
        BandCase{"Data60", {50, 30, 10, 0}, 90}, BandCase{"Data58", {50, 29, 10, 0}, 75},
        BandCase{"Data50", {50, 25, 10, 0}, 75}, BandCase{"Data48", {50, 24, 10, 0}, 55},
        BandCase{"Data79", {85, 67, 17, 0}, 90},
        // Coverage, at a data percentage of 100 (50) where the counts allow, else as noted.
        BandCase{"Coverage90", {50, 45, 10, 1}, 100}, BandCase{"Coverage89", {85, 75, 17, 2}, 90},
        BandCase{"Coverage80", {50, 40, 10, 2}, 90}, BandCase{"Coverage79", {70, 55, 14, 3}, 65},
        BandCase{"Coverage70", {50, 35, 10, 3}, 65}, BandCase{"Coverage69", {80, 55, 16, 5}, 45},
        BandCase{"Coverage60", {50, 30, 10, 4}, 45}),
    [](const auto& info) { return std::string(info.param.name); });

struct GradeCase {
  double validity;
  Text grade;
  ui::Color colour;
};

void PrintTo(const GradeCase& c, std::ostream* os) {
  *os << c.validity;
}

class GradeBands : public testing::TestWithParam<GradeCase> {};

TEST_P(GradeBands, GiveEachScoreItsGradeAndColour) {
  const Grade grade = ValidityGrade(GetParam().validity);
  EXPECT_EQ(grade.text, GetParam().grade);
  EXPECT_EQ(grade.colour, GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Scores, GradeBands,
    testing::Values(GradeCase{100, kExcellent, ui::palette::kGreen},
                    GradeCase{90, kExcellent, ui::palette::kGreen},
                    GradeCase{89.9, kGood, ui::palette::kBlue}, GradeCase{80, kGood, ui::palette::kBlue},
                    GradeCase{75, kFair, kCyan}, GradeCase{65, kFair, kCyan}, GradeCase{60, kFair, kCyan},
                    GradeCase{59.9, kPoor, ui::palette::kRed}, GradeCase{55, kPoor, ui::palette::kRed},
                    GradeCase{10, kPoor, ui::palette::kRed}),
    [](const auto& info) { return testsupport::CaseName(info.param.validity); });

}  // namespace
}  // namespace basic
