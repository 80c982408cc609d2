#pragma once
// The shape of a meeting, as every table and stage counts it: 12 races; up to 28 runners a race held
// from the race card; the first 18 of them analysed; five past runs each.

#include <algorithm>

namespace model {

inline constexpr int kRaces = 12;
inline constexpr int kRunnersHeld = 28;
inline constexpr int kRunnersAnalysed = 18;
inline constexpr int kPastRuns = 5;

constexpr bool IsRace(int race) {
  return race >= 1 && race <= kRaces;
}

// Whether runner is one of the runners the analyses hold.
constexpr bool IsAnalysedRunner(int runner) {
  return runner >= 1 && runner <= kRunnersAnalysed;
}

// The runners of a race that the analyses hold: its count, at most kRunnersAnalysed and never below 0.
constexpr int AnalysedRunners(int runners) {
  return std::clamp(runners, 0, kRunnersAnalysed);
}

}  // namespace model
