// The overall evaluation: the weight rows and their distance bounds, strict reading of the race's
// surface and distance, the grade values, the reference, the gaps and the score bins.
#include "recommend/overall_evaluation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "intake/race_card_tables.h"
#include "program/program.h"
#include "recommend/colouring_tables.h"
#include "secondary/secondary_analysis_tables.h"

namespace recommend {
namespace {

using model::Text;

TEST(OverallWeights, ChooseTheRowOfTheSurfaceAndDistanceCategory) {
  struct Case {
    Text surface;
    Text distance;
    GradeWeights weights;
  };
  const GradeWeights none = {0, 0, 0, 0};
  const Case cases[] = {
      {u"0", u"1000", {10, 9, 7, 5}},
      {u"0", u"1400", {10, 9, 7, 5}},
      {u"0", u"1500", {8, 8, 8, 7}},
      {u"0", u"1800", {8, 8, 8, 7}},
      {u"0", u"2000", {7, 10, 8, 6}},
      {u"0", u"2400", {7, 10, 8, 6}},
      {u"1", u"1000", {9, 9, 7, 6}},
      {u"1", u"1200", {9, 9, 7, 6}},
      {u"1", u"1600", {8, 8, 7, 8}},
      {u"1", u"2400", {10, 7, 7, 7}},
      // No category.
      {u"0", u"999", none},
      {u"1", u"1401", none},
      {u"1", u"1450", none},
      {u"0", u"1499", none},
      {u"1", u"1801", none},
      {u"0", u"1900", none},
      {u"1", u"1999", none},
      {u"0", u"2401", none},
      {u"1", u"1400.5", none},
      // Other surfaces.
      {u"2", u"1200", none},
      {u"-1", u"1200", none},
      {u"0.5", u"1200", none},
      // Strictly numbers after blanks are trimmed.
      {u" 1 ", u" 1600 ", {8, 8, 7, 8}},
      {u"+1", u"1600.0", {8, 8, 7, 8}},
      {u"1.", u"1600", {8, 8, 7, 8}},
      // Anything else is no number, and the race has no row.
      {u"", u"1600", none},
      {u"1", u"", none},
      {u"1", u"1600m", none},
      {u"1", u"1.6e3", none},
      {u"1x", u"1600", none},
      {u"1", u"16 00", none},
      {u"1", u"1.6.0", none},
      {u"--1", u"1600", none},
      {u"１", u"1600", none},
      {u"1", u".", none},
      {u"1", u"+", none},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WeightsOf(c.surface, c.distance), c.weights)
        << ::testing::PrintToString(c.surface) << " / " << ::testing::PrintToString(c.distance);
  }
}

TEST(OverallEvaluationOfGrades, WeighsDigitsWithStarMinusOneAndAbilityDashZero) {
  struct Case {
    GradeWeights weights;
    Text speed, ability, three_furlong, rise;
    Text expected;
  };
  const GradeWeights dirt_short = {10, 9, 7, 5};
  const GradeWeights turf_middle = {8, 8, 7, 8};
  const Case cases[] = {
      {dirt_short, u"9", u"9", u"9", u"9", u"279"},
      {dirt_short, u"*", u"0", u"*", u"*", u"-22"},
      {dirt_short, u"*", u"*", u"*", u"*", u"-31"},
      {dirt_short, u"9", u"-", u"9", u"9", u"0"},  // no current ability: nothing counts
      {turf_middle, u"-", u"5", u"3", u"2", u"77"},
      {turf_middle, u"", u"5", u"?", u"-", u"40"},  // unexpected texts read 0
      {{0, 0, 0, 0}, u"*", u"*", u"*", u"*", u"0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OverallEvaluation(c.weights, c.speed, c.ability, c.three_furlong, c.rise), c.expected)
        << ::testing::PrintToString(c.speed + c.ability + c.three_furlong + c.rise);
  }
}

class OverallEvaluations : public ::testing::Test {
 protected:
  static constexpr int kRace = 7;
  // One runner per grade text of four characters: ①②③④.
  void SetField(const Text& surface, const Text& distance, const std::vector<Text>& grades) {
    auto& card = app_.meeting.Group<intake::RaceCardTables>();
    card.RaceSurfaceCode(kRace) = surface;
    card.RaceDistance(kRace) = distance;
    auto& s = app_.meeting.Group<secondary::SecondaryAnalysisTables>();
    for (size_t k = 0; k < grades.size(); ++k) {
      const int runner = static_cast<int>(k) + 1;
      s.GradeSpeed(runner) = grades[k].substr(0, 1);
      s.GradeAbility(runner) = grades[k].substr(1, 1);
      s.Grade3F(runner) = grades[k].substr(2, 1);
      s.GradeRise(runner) = grades[k].substr(3, 1);
    }
    runners_ = static_cast<int>(grades.size());
  }
  void Compute() { ComputeOverallEvaluations(app_.meeting, kRace, runners_); }
  std::vector<Text> Column(const model::AnalysedRunnerTable& table) {
    std::vector<Text> texts;
    for (int runner = 1; runner <= runners_; ++runner) texts.push_back(table(runner));
    return texts;
  }
  std::vector<Text> Bins(int race) {
    std::vector<Text> texts;
    for (int bin = 1; bin <= ColouringTables::kScoreBins; ++bin)
      texts.push_back(Tables().ScoreBin(bin)(race));
    return texts;
  }
  ColouringTables& Tables() { return app_.meeting.Group<ColouringTables>(); }

  program::Program app_;
  int runners_ = 0;
};

// Dirt 1200 m: 10, 9, 7, 5.
TEST_F(OverallEvaluations, GapsBelowTheBestAndTheirBins) {
  SetField(u"0", u"1200", {u"9999", u"9999", u"5555", u"4444", u"3210", u"0-00", u"*0**", u"1110"});
  Compute();
  EXPECT_EQ(Column(Tables().OverallEval),
            (std::vector<Text>{u"279", u"279", u"155", u"124", u"55", u"0", u"-22", u"26"}));
  EXPECT_EQ(Column(Tables().OverallGap),
            (std::vector<Text>{u"0", u"0", u"124", u"155", u"224", u"279", u"301", u"253"}));
  EXPECT_EQ(Bins(kRace),
            (std::vector<Text>{u"2", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"0", u"6"}));
}

// Turf 1600 m: 8, 8, 7, 8. Gaps 9, 10, 19, 20, 99 and 100 below the best of 251.
TEST_F(OverallEvaluations, BinsIncludeTheirLowerBound) {
  SetField(u"1", u"1600", {u"7969", u"9959", u"6979", u"4989", u"3999", u"*489", u"*399"});
  Compute();
  ASSERT_EQ(Column(Tables().OverallEval),
            (std::vector<Text>{u"242", u"251", u"241", u"232", u"231", u"152", u"151"}));
  EXPECT_EQ(Column(Tables().OverallGap), (std::vector<Text>{u"9", u"0", u"10", u"19", u"20", u"99", u"100"}));
  EXPECT_EQ(Bins(kRace),
            (std::vector<Text>{u"2", u"2", u"1", u"0", u"0", u"0", u"0", u"0", u"0", u"1", u"1"}));
}

// Two runners tied at the top both lie 0 below it. Dirt 1400 m.
TEST_F(OverallEvaluations, TiedBestRunnersBothHaveNoGap) {
  SetField(u"0", u"1400", {u"5555", u"4444", u"5555"});
  Compute();
  EXPECT_EQ(Column(Tables().OverallEval), (std::vector<Text>{u"155", u"124", u"155"}));
  EXPECT_EQ(Column(Tables().OverallGap), (std::vector<Text>{u"0", u"31", u"0"}));
}

// Below 50 the reference stays 50; a race with no weight row puts every runner 50 below it.
TEST_F(OverallEvaluations, TheReferenceIsAtLeastFifty) {
  SetField(u"0", u"2000", {u"1110", u"0100", u"*-**"});  // 7 + 10 + 8 = 25, 10, 0
  Compute();
  EXPECT_EQ(Column(Tables().OverallEval), (std::vector<Text>{u"25", u"10", u"0"}));
  EXPECT_EQ(Column(Tables().OverallGap), (std::vector<Text>{u"25", u"40", u"50"}));
  EXPECT_EQ(Bins(kRace),
            (std::vector<Text>{u"0", u"0", u"1", u"0", u"1", u"1", u"0", u"0", u"0", u"0", u"0"}));

  for (const char16_t* distance : {u"1450", u"1900", u"1.4e3", u""}) {
    SCOPED_TRACE(::testing::PrintToString(Text(distance)));
    SetField(u"1", distance, {u"9999", u"5555", u"****"});
    Compute();
    EXPECT_EQ(Column(Tables().OverallEval), (std::vector<Text>{u"0", u"0", u"0"}));
    EXPECT_EQ(Column(Tables().OverallGap), (std::vector<Text>{u"50", u"50", u"50"}));
    EXPECT_EQ(Bins(kRace),
              (std::vector<Text>{u"0", u"0", u"0", u"0", u"0", u"3", u"0", u"0", u"0", u"0", u"0"}));
  }
}

// The eighteen runners of one race, with the evaluations of a larger earlier field above n kept; other
// races keep their bins; a race outside 1 to 12 writes nothing.
TEST_F(OverallEvaluations, WritesOnlyTheRaceAndRunnersAnalysed) {
  Tables().OverallEval(5) = u"old";
  Tables().ScoreBin(3)(kRace + 1) = u"4";
  SetField(u"0", u"1200", {u"9999", u"9999", u"9999", u"9999"});
  Compute();
  EXPECT_EQ(Tables().OverallEval(5), u"old");
  EXPECT_EQ(Tables().ScoreBin(3)(kRace + 1), u"4");
  EXPECT_EQ(Tables().ScoreBin1(kRace), u"4");

  Tables().OverallEval(1) = u"kept";
  for (int race : {0, 13}) ComputeOverallEvaluations(app_.meeting, race, 4);
  EXPECT_EQ(Tables().OverallEval(1), u"kept");

  runners_ = 28;
  Compute();  // held to the eighteen entries the tables have
  EXPECT_EQ(Tables().OverallEval(18), u"0");
  EXPECT_EQ(Tables().ScoreBin1(kRace), u"4");
  EXPECT_EQ(Tables().ScoreBin11(kRace), u"14");
}

}  // namespace
}  // namespace recommend
