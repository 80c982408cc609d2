#pragma once
// BestValueBands: places each runner's value in band A, B or C by its closeness to the field's best
// (lowest) value, with narrower bands when the field is crowded near the best.

#include <optional>
#include <vector>

namespace recommend {

enum class Band { kNone, kA, kB, kC };

// Upper bounds of bands A, B and C above the best value, each included.
struct BandWidths {
  double a;
  double b;
  double c;
};

struct BandRule {
  // The best value before any runner is looked at; with search_best false the best is start itself.
  double start;
  bool search_best;
  // Runners within best + window make up the crowd; five or more take the narrow widths.
  double window;
  BandWidths narrow;
  BandWidths wide;
};

// A runner's value, or nullopt when it does not take part (its text is the skip marker).
using FieldValues = std::vector<std::optional<double>>;

// The lowest value of the field below rule.start, else rule.start.
double FieldBest(const FieldValues& values, const BandRule& rule);
// The runners taking part whose value is at most best + window.
int CrowdCount(const FieldValues& values, double best, double window);
// The band of every runner, in the order of values; kNone for a runner that does not take part.
std::vector<Band> BestValueBands(const FieldValues& values, const BandRule& rule);

}  // namespace recommend
