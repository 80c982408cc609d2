#include "basic/race_run_averages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "basic/basic_analysis_tables.h"
#include "basic/race_run_average_tables.h"
#include "model/numbers.h"

namespace basic {

using model::Text;

namespace {

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;
constexpr int kRuns = 5;

const Text kNoAverage = u"---";
const Text kValid = u"5";

// The average of each run column, indexed by run 1 (the last) to 5 (five back); index 0 unused. No
// value where no run of the column counts.
using ColumnAverages = std::array<std::optional<double>, kRuns + 1>;

ColumnAverages AverageColumns(const BasicAnalysisTables& t, int runners) {
  std::array<double, kRuns + 1> sum{};
  std::array<int, kRuns + 1> count{};
  for (int runner = 1; runner <= runners; ++runner) {
    for (int run = kRuns; run >= 1; --run) {
      if (t.RunValid[run](runner) != kValid) continue;
      sum[run] += model::TextToNumber(t.RunEval[run](runner));
      ++count[run];
    }
  }
  ColumnAverages averages;
  for (int run = 1; run <= kRuns; ++run) {
    if (count[run] > 0) averages[run] = sum[run] / count[run];
  }
  return averages;
}

// The columns five runs back to the last: '-' without an average, 'n' with one ("-nnnn").
std::string MissingPattern(const ColumnAverages& a) {
  std::string pattern;
  for (int run = kRuns; run >= 1; --run) pattern += a[run] ? 'n' : '-';
  return pattern;
}

double MeanOf(const ColumnAverages& a, int older, int newer) {
  return (*a[older] + *a[newer]) / 2;
}

// A missing last run continues the line through the two runs before it.
double ExtendedLastRun(const ColumnAverages& a) {
  return *a[2] - (*a[3] - *a[2]);
}

struct FillRow {
  const char* missing;  // as MissingPattern writes it
  void (*fill)(ColumnAverages& a);
};

// A gap between two columns takes their mean; missing older columns take the nearest present one.
// Any other pattern stays as it is: none or all missing, or a set no row lists (four and three back).
const FillRow kFillRows[] = {
    {"-nnnn", [](ColumnAverages& a) { a[5] = a[4]; }},
    {"n-nnn", [](ColumnAverages& a) { a[4] = MeanOf(a, 5, 3); }},
    {"nn-nn", [](ColumnAverages& a) { a[3] = MeanOf(a, 4, 2); }},
    {"nnn-n", [](ColumnAverages& a) { a[2] = MeanOf(a, 3, 1); }},
    {"nnnn-", [](ColumnAverages& a) { a[1] = ExtendedLastRun(a); }},
    {"--nnn",
     [](ColumnAverages& a) {
       a[5] = a[3];
       a[4] = a[3];
     }},
    {"-n-nn",
     [](ColumnAverages& a) {
       a[5] = a[4];
       a[3] = MeanOf(a, 4, 2);
     }},
    {"-nn-n",
     [](ColumnAverages& a) {
       a[5] = a[4];
       a[2] = MeanOf(a, 3, 1);
     }},
    {"-nnn-",
     [](ColumnAverages& a) {
       a[5] = a[4];
       a[1] = ExtendedLastRun(a);
     }},
    {"---nn", [](ColumnAverages& a) { a[5] = a[4] = a[3] = a[2]; }},
    {"----n", [](ColumnAverages& a) { a[5] = a[4] = a[3] = a[2] = a[1]; }},
};

void FillMissingColumns(ColumnAverages& averages) {
  const std::string pattern = MissingPattern(averages);
  for (const FillRow& row : kFillRows) {
    if (pattern == row.missing) {
      row.fill(averages);
      return;
    }
  }
}

void ShowAverages(const RunAverageLabels& labels, const RaceRunAverageTables& t, int race) {
  labels.five_back.SetCaption(t.RaceRunAvg[5](race));
  labels.four_back.SetCaption(t.RaceRunAvg[4](race));
  labels.three_back.SetCaption(t.RaceRunAvg[3](race));
  labels.two_back.SetCaption(t.RaceRunAvg[2](race));
  labels.last.SetCaption(t.RaceRunAvg[1](race));
}

}  // namespace

Text RaceAverageText(std::optional<double> average) {
  if (!average || std::isnan(*average)) return kNoAverage;
  // The bands go by the rounded text, so 99.96 ("100.0") is already "+99"; a rounded -0.0 is 0.0.
  const Text rounded = model::NumberToPatternText(*average, u"0.0");
  const double value = std::isfinite(*average) ? model::TextToNumber(rounded) : *average;
  if (value >= 100) return u"+99";
  if (value >= 10) return u"+" + rounded;
  if (value >= 0) return u"+ " + rounded;
  if (value > -10) return u"- " + model::NumberToText(-value);
  if (value > -100) return u"-" + model::NumberToText(-value);
  return u"-99";
}

void ComputeRaceRunAverages(const RunAverageLabels& labels, model::Meeting& meeting, int race, int runners) {
  if (race < 1 || race > kRaces) return;
  ColumnAverages averages =
      AverageColumns(meeting.Group<BasicAnalysisTables>(), std::clamp(runners, 0, kRunnersHeld));
  FillMissingColumns(averages);
  RaceRunAverageTables& t = meeting.Group<RaceRunAverageTables>();
  for (int run = kRuns; run >= 1; --run) t.RaceRunAvg[run](race) = RaceAverageText(averages[run]);
  ShowAverages(labels, t, race);
}

}  // namespace basic
