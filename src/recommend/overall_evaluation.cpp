#include "recommend/overall_evaluation.h"

#include <algorithm>
#include <array>

#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "recommend/colouring_tables.h"
#include "secondary/secondary_analysis_tables.h"

namespace recommend {

namespace {

using model::Text;

constexpr double kReferenceStart = 50;
constexpr double kBinWidth = 10;
// Bins 1 to 10 take a band of ten each; the last takes every other gap.
constexpr int kBandedBins = 10;

constexpr double kBeyondLastStepValue = -1;

struct WeightRow {
  double surface;
  double shortest;
  double longest;
  GradeWeights weights;
};

// Every row sums to 31.
constexpr std::array<WeightRow, 6> kOverallWeights = {{
    {0, 1000, 1400, {10, 9, 7, 5}},
    {0, 1500, 1800, {8, 8, 8, 7}},
    {0, 2000, 2400, {7, 10, 8, 6}},
    {1, 1000, 1400, {9, 9, 7, 6}},
    {1, 1500, 1800, {8, 8, 7, 8}},
    {1, 2000, 2400, {10, 7, 7, 7}},
}};

double GradeValue(const Text& grade) {
  if (grade == secondary::kGradeBeyondSteps) return kBeyondLastStepValue;
  return model::TextToNumber(grade);
}

int BinOf(double gap) {
  for (int bin = 1; bin <= kBandedBins; ++bin) {
    if (gap >= kBinWidth * (bin - 1) && gap < kBinWidth * bin) return bin;
  }
  return ColouringTables::kScoreBins;
}

}  // namespace

std::optional<double> StrictNumber(const Text& text) {
  const Text trimmed = model::Trim(text);
  size_t at = 0;
  if (at < trimmed.size() && (trimmed[at] == u'+' || trimmed[at] == u'-')) ++at;
  int digits = 0;
  int points = 0;
  for (; at < trimmed.size(); ++at) {
    if (model::IsAsciiDigit(trimmed[at])) {
      ++digits;
    } else if (trimmed[at] == u'.' && points == 0) {
      ++points;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  return model::TextToNumber(trimmed);
}

GradeWeights WeightsOf(const Text& surface, const Text& distance) {
  const std::optional<double> surface_number = StrictNumber(surface);
  const std::optional<double> metres = StrictNumber(distance);
  if (surface_number && metres) {
    for (const WeightRow& row : kOverallWeights) {
      if (*surface_number == row.surface && *metres >= row.shortest && *metres <= row.longest)
        return row.weights;
    }
  }
  return {0, 0, 0, 0};
}

Text OverallEvaluation(const GradeWeights& weights, const Text& speed, const Text& ability,
                       const Text& three_furlong, const Text& rise) {
  if (ability == secondary::kNoGrade) return u"0";
  double sum = weights.speed * GradeValue(speed) + weights.ability * GradeValue(ability) +
               weights.three_furlong * GradeValue(three_furlong) + weights.rise * GradeValue(rise);
  if (sum == 0) sum = 0;  // zero weights times "*" make -0, which is shown as 0
  return model::NumberToText(sum);
}

void ComputeOverallEvaluations(model::Meeting& meeting, int race, int runners) {
  if (!model::IsRace(race)) return;
  runners = model::AnalysedRunners(runners);
  const auto& card = meeting.Group<intake::RaceCardTables>();
  const auto& grades = meeting.Group<secondary::SecondaryAnalysisTables>();
  ColouringTables& t = meeting.Group<ColouringTables>();

  const GradeWeights weights = WeightsOf(card.RaceSurfaceCode(race), card.RaceDistance(race));
  for (int runner = 1; runner <= runners; ++runner) {
    t.OverallEval(runner) = OverallEvaluation(weights, grades.GradeSpeed(runner), grades.GradeAbility(runner),
                                              grades.Grade3F(runner), grades.GradeRise(runner));
  }

  Text reference = model::NumberToText(kReferenceStart);
  for (int runner = 1; runner <= runners; ++runner) {
    if (model::TextToNumber(t.OverallEval(runner)) >= model::TextToNumber(reference))
      reference = t.OverallEval(runner);
  }

  std::array<int, ColouringTables::kScoreBins + 1> counts{};  // index 0 unused
  for (int runner = 1; runner <= runners; ++runner) {
    const double gap = model::TextToNumber(reference) - model::TextToNumber(t.OverallEval(runner));
    t.OverallGap(runner) = model::NumberToText(gap);
    ++counts[static_cast<size_t>(BinOf(model::TextToNumber(t.OverallGap(runner))))];
  }
  for (int bin = 1; bin <= ColouringTables::kScoreBins; ++bin) {
    t.ScoreBin(bin)(race) = model::NumberToText(counts[static_cast<size_t>(bin)]);
  }
}

}  // namespace recommend
