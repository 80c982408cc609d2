#include "secondary/provisional_evaluations.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "basic/basic_analysis_tables.h"
#include "basic/race_run_average_tables.h"
#include "secondary/secondary_analysis_tables.h"

namespace secondary {
namespace {

using model::Text;

constexpr int kRace = 7;
constexpr int kRunner = 5;
const Text kStale = u" 900";

// Texts of runs 5, 4, 3, 2, 1: the order of the mask and of the grid.
using FiveTexts = std::array<Text, 5>;

class ProvisionalEvaluationsTest : public ::testing::Test {
 protected:
  void SetRuns(int runner, const Text& mask, const FiveTexts& evals) {
    auto& basic = meeting_.Group<basic::BasicAnalysisTables>();
    basic.RunMask(runner) = mask;
    for (int run = 5; run >= 1; --run) basic.RunEval[run](runner) = evals[static_cast<size_t>(5 - run)];
  }
  void SetAverages(int race, const FiveTexts& averages) {
    auto& t = meeting_.Group<basic::RaceRunAverageTables>();
    for (int run = 5; run >= 1; --run) t.RaceRunAvg[run](race) = averages[static_cast<size_t>(5 - run)];
  }
  void SetProvisional(int runner, const Text& text) {
    for (int run = 1; run <= 5; ++run) Provisional()[run](runner) = text;
  }
  FiveTexts ProvisionalOf(int runner) {
    FiveTexts texts;
    for (int run = 5; run >= 1; --run) texts[static_cast<size_t>(5 - run)] = Provisional()[run](runner);
    return texts;
  }
  model::AnalysedRunnerFamily& Provisional() { return meeting_.Group<SecondaryAnalysisTables>().ProvEval; }

  model::Meeting meeting_;
};

struct MaskCase {
  Text mask;
  const char* draws;  // each estimated run, in turn, from the runs it draws on ([k]: estimated before)
  FiveTexts provisional;
};

// Every mask with a run that counts, over one set of evaluations and race averages in which leaving out
// or adding a run mostly changes the estimate. Counting runs keep their texts as they are; the stale
// " 900" in every run before the step shows that a counting run is read from its evaluation even
// before its turn to be copied.
TEST_F(ProvisionalEvaluationsTest, EachMaskEstimatesFromItsRuns) {
  const FiveTexts evals = {u"-5.2", u" 40.2", u"-56", u"-25", u"-58.5"};
  const FiveTexts averages = {u"-20.5", u"-29.0", u"- 5.2", u"-24.0", u"+17.5"};
  const MaskCase cases[] = {
      {u"55555", "none", {u"-5.2", u" 40.2", u"-56", u"-25", u"-58.5"}},
      {u"15555", "5 <- 4, 3, 2, 1", {u"-34", u" 40.2", u"-56", u"-25", u"-58.5"}},
      {u"51555", "4 <- 5, 3, 2, 1", {u"-5.2", u"-56", u"-56", u"-25", u"-58.5"}},
      {u"55155", "3 <- 5, 4, 2, 1", {u"-5.2", u" 40.2", u"-2", u"-25", u"-58.5"}},
      {u"55515", "2 <- 5, 4, 3, 1", {u"-5.2", u" 40.2", u"-56", u"-33", u"-58.5"}},
      {u"55551", "1 <- 5, 4, 3, 2", {u"-5.2", u" 40.2", u"-56", u"-25", u"27"}},
      {u"15551", "5 <- 4, 3, 2; 1 <- [5], 4, 3, 2", {u"-14", u" 40.2", u"-56", u"-25", u"25"}},
      {u"15515", "5 <- 4, 3, 1; 2 <- [5], 4, 3, 1", {u"-39", u" 40.2", u"-56", u"-42", u"-58.5"}},
      {u"15155", "5 <- 4, 2, 1; 3 <- [5], 4, 2, 1", {u"-22", u" 40.2", u"-6", u"-25", u"-58.5"}},
      {u"11555", "5 <- 3, 2, 1; 4 <- [5], 3, 2, 1", {u"-62", u"-70", u"-56", u"-25", u"-58.5"}},
      {u"55511", "2 <- 5, 4, 3; 1 <- 5, 4, 3, [2]", {u"-5.2", u" 40.2", u"-56", u"-11", u"30"}},
      {u"55151", "3 <- 5, 4, 2; 1 <- 5, 4, [3], 2", {u"-5.2", u" 40.2", u"24", u"-25", u"47"}},
      {u"55115", "3 <- 5, 4, 1; 2 <- 5, 4, [3], 1", {u"-5.2", u" 40.2", u"-1", u"-19", u"-58.5"}},
      {u"51551", "4 <- 5, 3, 2; 1 <- 5, [4], 3, 2", {u"-5.2", u"-40", u"-56", u"-25", u"7"}},
      {u"51515", "4 <- 5, 3, 1; 2 <- 5, [4], 3, 1", {u"-5.2", u"-65", u"-56", u"-59", u"-58.5"}},
      {u"51155", "4 <- 5, 2, 1; 3 <- 5, [4], 2, 1", {u"-5.2", u"-48", u"-24", u"-25", u"-58.5"}},
      {u"15511", "5 <- 4, 3; 2 <- [5], 4, 3; 1 <- [5], 4, 3, [2]", {u"-10", u" 40.2", u"-56", u"-13", u"29"}},
      {u"15151", "5 <- 4, 2; 3 <- [5], 4, 2; 1 <- [5], 4, [3], 2", {u"15", u" 40.2", u"31", u"-25", u"54"}},
      {u"15115",
       "5 <- 4, 1; 3 <- [5], 4, 1; 2 <- [5], 4, [3], 1",
       {u"-23", u" 40.2", u"-7", u"-25", u"-58.5"}},
      {u"11551", "5 <- 3, 2; 4 <- [5], 3, 2; 1 <- [5], [4], 3, 2", {u"-45", u"-53", u"-56", u"-25", u"-6"}},
      {u"11515",
       "5 <- 3, 1; 4 <- [5], 3, 1; 2 <- [5], [4], 3, 1",
       {u"-83", u"-91", u"-56", u"-85", u"-58.5"}},
      {u"11155",
       "5 <- 2, 1; 4 <- [5], 2, 1; 3 <- [5], [4], 2, 1",
       {u"-58", u"-66", u"-42", u"-25", u"-58.5"}},
      {u"55111", "3 <- 5, 4; 2 <- 5, 4, [3]; 1 <- 5, 4, [3], [2]", {u"-5.2", u" 40.2", u"39", u"20", u"62"}},
      {u"51511", "4 <- 5, 3; 2 <- 5, [4], 3; 1 <- 5, [4], 3, [2]", {u"-5.2", u"-45", u"-56", u"-40", u"2"}},
      {u"51151", "4 <- 5, 2; 3 <- 5, [4], 2; 1 <- 5, [4], [3], 2", {u"-5.2", u"-20", u"4", u"-25", u"27"}},
      {u"51115",
       "4 <- 5, 1; 3 <- 5, [4], 1; 2 <- 5, [4], [3], 1",
       {u"-5.2", u"-58", u"-34", u"-52", u"-58.5"}},
      // One counting run: the first estimate is its single term, without a second floor and + 1.
      {u"15111",
       "5 <- 4; 3 <- [5], 4; 2 <- [5], 4, [3]; 1 <- [5], 4, [3], [2]",
       {u"49", u" 40.2", u"66", u"47", u"89"}},
      {u"11511",
       "5 <- 3; 4 <- [5], 3; 2 <- [5], [4], 3; 1 <- [5], [4], 3, [2]",
       {u"-71", u"-78", u"-56", u"-73", u"-31"}},
      {u"11151",
       "5 <- 2; 4 <- [5], 2; 3 <- [5], [4], 2; 1 <- [5], [4], [3], 2",
       {u"-21", u"-28", u"-4", u"-25", u"19"}},
      {u"11115",
       "5 <- 1; 4 <- [5], 1; 3 <- [5], [4], 1; 2 <- [5], [4], [3], 1",
       {u"-96", u"-103", u"-79", u"-97", u"-58.5"}},
      {u"51111",
       "4 <- 5; 3 <- 5, [4]; 2 <- 5, [4], [3]; 1 <- 5, [4], [3], [2]",
       {u"-5.2", u"-13", u"12", u"-6", u"35"}},
  };
  SetAverages(kRace, averages);
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.mask) + ": " + c.draws);
    SetRuns(kRunner, c.mask, evals);
    SetProvisional(kRunner, kStale);
    EstimateProvisionalEvaluations(meeting_, kRace, kRunner);
    EXPECT_EQ(ProvisionalOf(kRunner), c.provisional);
  }
}

TEST_F(ProvisionalEvaluationsTest, NoCountingRunGivesFourHyphensInEveryRun) {
  SetRuns(kRunner, u"11111", {u"12", u"---", u"8", u"---", u"3"});
  SetProvisional(kRunner, kStale);
  EstimateProvisionalEvaluations(meeting_, kRace, kRunner);
  EXPECT_EQ(ProvisionalOf(kRunner), (FiveTexts{u"----", u"----", u"----", u"----", u"----"}));
}

// The worked examples: a whole mean still gets + 1 (terms 8 and 6 give 8), a later estimate reads the
// whole number stored for an earlier one, and a single term is not floored and raised again.
TEST_F(ProvisionalEvaluationsTest, WorkedExamples) {
  SetAverages(kRace, {u"+10.5", u"+ 6.2", u"+ 9.0", u"+ 7.4", u"+ 5.1"});
  const struct {
    Text mask;
    FiveTexts evals, provisional;
  } cases[] = {
      {u"51511", {u"12", u"---", u"8", u"---", u"---"}, {u"12", u"8", u"8", u"9", u"7"}},
      {u"51111", {u"12", u"---", u"---", u"---", u"---"}, {u"12", u"8", u"12", u"11", u"9"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(model::ToUtf8(c.mask));
    SetRuns(kRunner, c.mask, c.evals);
    EstimateProvisionalEvaluations(meeting_, kRace, kRunner);
    EXPECT_EQ(ProvisionalOf(kRunner), c.provisional);
  }
}

// floor(x) + 1 adds the 1 to a whole sum too, and floors below zero go down: -2.3 gives -2 and a mean
// of -2.5 gives -2. A race average "---" reads 0 for the missing run and for the run it draws on.
TEST_F(ProvisionalEvaluationsTest, TermsAndMeansAtWholeAndNegativeValues) {
  const struct {
    const char* what;
    Text mask;
    FiveTexts evals, averages, provisional;
  } cases[] = {
      {"single term below zero",
       u"51111",
       {u"-2.3", u"---", u"---", u"---", u"---"},
       {u"0", u"0", u"0", u"0", u"0"},
       {u"-2.3", u"-2", u"-1", u"0", u"0"}},
      {"single term already whole",
       u"51111",
       {u"7", u"---", u"---", u"---", u"---"},
       {u"0", u"0", u"0", u"0", u"0"},
       {u"7", u"8", u"9", u"10", u"10"}},
      {"mean of -2.5",
       u"55111",
       {u"-3.5", u"-2.5", u"---", u"---", u"---"},
       {u"0", u"0", u"0", u"0", u"0"},
       {u"-3.5", u"-2.5", u"-2", u"-1", u"-1"}},
      {"no average for the run drawn on",
       u"51111",
       {u"10", u"---", u"---", u"---", u"---"},
       {u"---", u"+ 3.5", u"---", u"---", u"---"},
       {u"10", u"14", u"12", u"12", u"13"}},
      {"no average for the missing runs",
       u"51111",
       {u"10", u"---", u"---", u"---", u"---"},
       {u"+3.5", u"---", u"---", u"---", u"---"},
       {u"10", u"7", u"8", u"9", u"9"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetAverages(kRace, c.averages);
    SetRuns(kRunner, c.mask, c.evals);
    EstimateProvisionalEvaluations(meeting_, kRace, kRunner);
    EXPECT_EQ(ProvisionalOf(kRunner), c.provisional);
  }
}

// Only the runner's own texts change, with the averages of the race asked for.
TEST_F(ProvisionalEvaluationsTest, ReadsItsRaceAndWritesItsRunnerOnly) {
  SetAverages(kRace, {u"+10.5", u"+ 6.2", u"+ 9.0", u"+ 7.4", u"+ 5.1"});
  SetAverages(kRace + 1, {u"+50", u"-50", u"+50", u"-50", u"+50"});
  SetRuns(kRunner, u"51511", {u"12", u"---", u"8", u"---", u"---"});
  SetRuns(kRunner + 1, u"55555", {u"1", u"2", u"3", u"4", u"5"});
  SetProvisional(kRunner + 1, kStale);
  EstimateProvisionalEvaluations(meeting_, kRace, kRunner);
  EXPECT_EQ(ProvisionalOf(kRunner), (FiveTexts{u"12", u"8", u"8", u"9", u"7"}));
  EXPECT_EQ(ProvisionalOf(kRunner + 1), (FiveTexts{kStale, kStale, kStale, kStale, kStale}));
}

// A mask that is not five marks "5" or "1" selects nothing, and a race or runner the tables do not
// hold writes nothing rather than reaching outside them.
TEST_F(ProvisionalEvaluationsTest, ForeignMasksAndIndicesWriteNothing) {
  for (const Text mask : {u"", u"5555", u"555555", u"55a55", u" 5555", u"55255", u"５５５５５"}) {
    SCOPED_TRACE(model::ToUtf8(mask));
    SetRuns(kRunner, mask, {u"1", u"2", u"3", u"4", u"5"});
    SetProvisional(kRunner, kStale);
    EstimateProvisionalEvaluations(meeting_, kRace, kRunner);
    EXPECT_EQ(ProvisionalOf(kRunner), (FiveTexts{kStale, kStale, kStale, kStale, kStale}));
  }
  SetRuns(kRunner, u"55555", {u"1", u"2", u"3", u"4", u"5"});
  for (const auto& [race, runner] : {std::pair{0, kRunner}, {13, kRunner}, {kRace, 0}, {kRace, 19}}) {
    EXPECT_NO_THROW(EstimateProvisionalEvaluations(meeting_, race, runner)) << race << " " << runner;
  }
  EXPECT_EQ(ProvisionalOf(kRunner), (FiveTexts{kStale, kStale, kStale, kStale, kStale}));
}

}  // namespace
}  // namespace secondary
