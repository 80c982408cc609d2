#include "recommend/recommended_horses.h"

#include <algorithm>

#include "analysis/analysis_window_tables.h"
#include "model/numbers.h"
#include "recommend/colouring_tables.h"
#include "recommend/recommendation_tables.h"

namespace recommend {

namespace {

using model::Text;

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;
constexpr ui::Color kRecommended = ui::Rgb(255, 150, 150);

constexpr double kTargetShare = 0.35;
// Bins 1 to 8 can set the cut-off at the next bin; otherwise every bin up to 10 counts.
constexpr int kLastDecidingBin = 8;
constexpr int kCountedBins = 10;

constexpr double kLowestThreshold = 50;
constexpr int kThresholdTries = 300;

constexpr size_t kPerLine = 3;
constexpr size_t kLines = 5;

const Text kNone = u"\u306A\u3057";  // なし

int CountReaching(const std::vector<double>& evaluations, double threshold) {
  return static_cast<int>(std::count_if(evaluations.begin(), evaluations.end(),
                                        [threshold](double e) { return e >= threshold; }));
}

// The numbers of slots first to last - 1 (counted from 0), each followed by "/" and the last "/" a blank;
// one blank when there is none.
Text LineOf(const std::vector<int>& numbers, size_t first, size_t last) {
  if (first >= last) return u" ";
  Text line;
  for (size_t slot = first; slot < last; ++slot) {
    line += model::NumberToPatternText(numbers[slot], u"00");
    line += u'/';
  }
  line.back() = u' ';
  return line;
}

std::vector<double> Evaluations(const ColouringTables& colouring, int runners) {
  std::vector<double> evaluations;
  for (int runner = 1; runner <= runners; ++runner) {
    evaluations.push_back(model::TextToNumber(colouring.OverallEval(runner)));
  }
  return evaluations;
}

double CutoffOfRace(const ColouringTables& colouring, int race, int runners) {
  std::array<double, kCountedBins> bins{};
  for (int k = 1; k <= kCountedBins; ++k) {
    bins[static_cast<size_t>(k - 1)] = model::TextToNumber(colouring.ScoreBin(k)(race));
  }
  return RecommendCutoff(bins, RecommendTarget(runners));
}

// No runner reaches the threshold: the first two lines empty, the others blank, so that no earlier
// recommendation of the race stays behind.
void PublishNone(ui::TextBox& box, analysis::AnalysisWindowTables& window_tables, int race) {
  box.SetText(kNone);
  for (int line = 1; line <= static_cast<int>(kLines); ++line) {
    window_tables.RecommendLine[line](race) = line <= 2 ? u"" : u" ";
  }
}

void Publish(ui::TextBox& box, analysis::AnalysisWindowTables& window_tables, int race,
             const std::vector<int>& numbers) {
  const RecommendTexts texts = RecommendationTexts(numbers);
  box.SetText(texts.box);
  for (size_t line = 0; line < kLines; ++line) {
    window_tables.RecommendLine[static_cast<int>(line) + 1](race) = texts.lines[line];
  }
}

}  // namespace

int RecommendTarget(int runners) {
  return static_cast<int>(model::FloorNumber(runners * kTargetShare)) + 1;
}

double RecommendCutoff(const std::array<double, 10>& bins, int target) {
  std::array<double, kCountedBins + 1> cumulative{};
  for (size_t k = 1; k <= bins.size(); ++k) cumulative[k] = cumulative[k - 1] + bins[k - 1];
  for (size_t k = 1; k <= kLastDecidingBin; ++k) {
    if (cumulative[k] >= target) return cumulative[k + 1];
  }
  return cumulative[kCountedBins];
}

Threshold FindThreshold(const std::vector<double>& evaluations, double cutoff) {
  Threshold found{kLowestThreshold, CountReaching(evaluations, kLowestThreshold)};
  for (int tries = 1; tries < kThresholdTries && found.count > cutoff; ++tries) {
    found.value += 1;
    found.count = CountReaching(evaluations, found.value);
  }
  return found;
}

RecommendTexts RecommendationTexts(const std::vector<int>& numbers) {
  const size_t count = numbers.size();
  RecommendTexts texts;
  texts.box = u" ";
  for (size_t first = 0; first < count; first += kPerLine) {
    if (first > 0) texts.box += u'/';
    texts.box += LineOf(numbers, first, std::min(first + kPerLine, count));
  }
  // The last line takes every number the first four leave, however many there are.
  for (size_t line = 0; line + 1 < kLines; ++line) {
    const size_t first = line * kPerLine;
    texts.lines[line] = LineOf(numbers, std::min(first, count), std::min(first + kPerLine, count));
  }
  texts.lines[kLines - 1] = LineOf(numbers, std::min((kLines - 1) * kPerLine, count), count);
  return texts;
}

void RecommendHorses(analysis::RunnerGridWriter& grid, ui::TextBox& box, model::Meeting& meeting, int race,
                     int runners) {
  if (race < 1 || race > kRaces) return;
  runners = std::clamp(runners, 0, kRunnersHeld);
  const ColouringTables& colouring = meeting.Group<ColouringTables>();
  RecommendationTables& recommendation = meeting.Group<RecommendationTables>();
  auto& window_tables = meeting.Group<analysis::AnalysisWindowTables>();

  for (int runner = 1; runner <= runners; ++runner) {
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kOverallCode,
                     colouring.OverallEval(runner));
  }
  const double cutoff = CutoffOfRace(colouring, race, runners);
  recommendation.RecommendCutoff(race) = model::NumberToText(cutoff);
  const std::vector<double> evaluations = Evaluations(colouring, runners);
  const Threshold threshold = FindThreshold(evaluations, cutoff);
  if (threshold.count == 0) {
    PublishNone(box, window_tables, race);
    return;
  }

  std::vector<int> numbers;
  for (int runner = 1; runner <= runners; ++runner) {
    if (evaluations[static_cast<size_t>(runner - 1)] < threshold.value) continue;
    numbers.push_back(runner);
    recommendation.RecommendedNo(static_cast<int>(numbers.size())) = model::NumberToText(runner);
  }
  Publish(box, window_tables, race, numbers);
  for (int number : numbers) {
    grid.SetCellBackColor(analysis::RunnerRow(number), analysis::RunnerColumn::kOverallCode, kRecommended);
  }
}

}  // namespace recommend
