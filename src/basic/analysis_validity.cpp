#include "basic/analysis_validity.h"

#include <algorithm>

#include "analysis/analysis_window_tables.h"
#include "basic/basic_analysis_tables.h"
#include "model/numbers.h"
#include "ui/palette.h"

namespace basic {

using model::Text;

namespace {

constexpr int kRaces = 12;
constexpr int kRunnersHeld = 18;
constexpr int kRuns = 5;
constexpr ui::Color kCyan = ui::Rgb(0, 255, 255);

bool OnTodaysSurface(const Text& code) {
  return code == u"2" || code == u"4";
}

bool WithoutUse(const Text& code) {
  return code == u"1" || code == u"3" || code == u"5";
}

// A whole-number percentage of part in whole, by the floor; 0 for an empty whole.
double PercentOf(int part, int whole) {
  if (whole == 0) return 0;
  return model::FloorNumber(static_cast<double>(part) / whole * 100);
}

int DataScore(double percentage) {
  if (percentage >= 80) return 50;
  if (percentage >= 60) return 40;
  if (percentage >= 50) return 25;
  return 5;
}

int CoverageScore(double coverage) {
  if (coverage >= 90) return 50;
  if (coverage >= 80) return 40;
  if (coverage >= 70) return 25;
  return 5;
}

void ShowGrade(const ValidityLabels& labels, const Text& validity, const Text& grade, ui::Color colour) {
  labels.validity.SetForeColor(colour);
  labels.validity.SetCaption(validity + u"%");
  labels.grade.SetForeColor(colour);
  labels.grade.SetCaption(grade);
}

void ShowCounts(const ValidityLabels& labels, const ValidityCounts& counts) {
  labels.all_data.SetCaption(model::NumberToText(counts.all_data));
  labels.valid_data.SetCaption(model::NumberToText(counts.valid_data));
  labels.runners.SetCaption(model::NumberToText(counts.runners));
  labels.no_analysis.SetCaption(model::NumberToText(counts.no_analysis));
}

}  // namespace

ValidityCounts CountValidityData(const model::Meeting& meeting, int runners) {
  const BasicAnalysisTables& t = meeting.Group<BasicAnalysisTables>();
  ValidityCounts counts;
  counts.runners = std::clamp(runners, 0, kRunnersHeld);
  counts.all_data = counts.runners * kRuns;
  for (int runner = 1; runner <= counts.runners; ++runner) {
    for (int run = kRuns; run >= 1; --run) {
      if (OnTodaysSurface(t.RunSurfaceMatch[run](runner))) ++counts.valid_data;
    }
  }
  for (int runner = 1; runner <= counts.runners; ++runner) {
    bool without_use = true;
    for (int run = kRuns; run >= 1; --run)
      without_use = without_use && WithoutUse(t.RunSurfaceMatch[run](runner));
    if (without_use) ++counts.no_analysis;
  }
  return counts;
}

// Without runners both shares are taken as 0: the lowest score, not a division by zero.
int ValidityScore(const ValidityCounts& counts) {
  const double data_percentage = PercentOf(counts.valid_data, counts.all_data);
  const double coverage = counts.runners == 0 ? 0 : 100 - PercentOf(counts.no_analysis, counts.runners);
  return DataScore(data_percentage) + CoverageScore(coverage);
}

Grade ValidityGrade(double validity) {
  if (validity >= 90) return {u"優", ui::palette::kGreen};
  if (validity >= 80) return {u"良", ui::palette::kBlue};
  if (validity >= 60) return {u"可", kCyan};
  return {u"不可", ui::palette::kRed};
}

void GradeAnalysisValidity(const ValidityLabels& labels, model::Meeting& meeting, int race, int runners) {
  if (race < 1 || race > kRaces) return;
  const ValidityCounts counts = CountValidityData(meeting, runners);
  analysis::AnalysisWindowTables& results = meeting.Group<analysis::AnalysisWindowTables>();
  results.AnalysisValidity(race) = model::NumberToText(ValidityScore(counts));
  const Grade grade = ValidityGrade(model::TextToNumber(results.AnalysisValidity(race)));
  results.AnalysisGrade(race) = grade.text;
  ShowGrade(labels, results.AnalysisValidity(race), results.AnalysisGrade(race), grade.colour);
  ShowCounts(labels, counts);
}

}  // namespace basic
