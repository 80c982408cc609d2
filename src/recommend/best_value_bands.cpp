#include "recommend/best_value_bands.h"

namespace recommend {

namespace {

constexpr int kCrowded = 5;

Band BandOf(double value, double best, const BandWidths& widths) {
  if (value <= best + widths.a) return Band::kA;
  if (value <= best + widths.b) return Band::kB;
  if (value <= best + widths.c) return Band::kC;
  return Band::kNone;
}

}  // namespace

double FieldBest(const FieldValues& values, const BandRule& rule) {
  double best = rule.start;
  if (!rule.search_best) return best;
  for (const std::optional<double>& value : values) {
    if (value && *value < best) best = *value;
  }
  return best;
}

int CrowdCount(const FieldValues& values, double best, double window) {
  int count = 0;
  for (const std::optional<double>& value : values) {
    if (value && *value <= best + window) ++count;
  }
  return count;
}

std::vector<Band> BestValueBands(const FieldValues& values, const BandRule& rule) {
  const double best = FieldBest(values, rule);
  const BandWidths& widths = CrowdCount(values, best, rule.window) >= kCrowded ? rule.narrow : rule.wide;
  std::vector<Band> bands;
  bands.reserve(values.size());
  for (const std::optional<double>& value : values) {
    bands.push_back(value ? BandOf(*value, best, widths) : Band::kNone);
  }
  return bands;
}

}  // namespace recommend
