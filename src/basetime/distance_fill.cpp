#include "basetime/distance_fill.h"

#include <array>
#include <optional>

#include "basetime/base_time_tables.h"
#include "model/codes.h"
#include "model/numbers.h"

namespace basetime {

using model::NumberToText;
using model::TextToNumber;

namespace {

double Metres(int distance) {
  return model::StdDistanceOrder.at(static_cast<size_t>(distance - 1));
}

// Scaling 1000 m down from the first longer distance that has a time, by column: the further the
// distance from 1000 m, the smaller the factor.
constexpr std::array<double, 13> kSprintFactor = {0,    0,    0.99,  0.98, 0.975, 0.97, 0.965,
                                                  0.96, 0.95, 0.945, 0.94, 0.935, 0.93};

// How a missing distance sits between its neighbours: halfway, or a fraction a of the way up.
enum class Between { kHalfway, kTwoThirds, kOneThird, kNoUpper };

struct StepRule {
  Between between;
  double step_factor;  // scaling up from the next shorter distance: 1.01 after 200 m, 1.005 after 100 m
};

constexpr std::array<StepRule, 13> kRules = {{
    {Between::kNoUpper, 0},  // unused
    {Between::kNoUpper, 0},  // 1000 m has its own rule
    {Between::kHalfway, 1.01},
    {Between::kTwoThirds, 1.01},
    {Between::kHalfway, 1.005},
    {Between::kHalfway, 1.005},
    {Between::kHalfway, 1.005},
    {Between::kOneThird, 1.005},
    {Between::kTwoThirds, 1.01},
    {Between::kHalfway, 1.005},
    {Between::kHalfway, 1.005},
    {Between::kHalfway, 1.005},
    {Between::kNoUpper, 1.005},
}};

class Row {
 public:
  Row(CourseDistanceTable& work, int course) : work_(work), course_(course) {}
  // Read through the cell's text, so a value written earlier counts as its stored digits; a cell
  // is read once until it is written.
  double Value(int d) {
    std::optional<double>& read = read_[static_cast<size_t>(d)];
    if (!read) read = TextToNumber(work_(course_, d));
    return *read;
  }
  bool Present(int d) { return Value(d) != 0; }
  void Write(int d, double value) {
    work_(course_, d) = NumberToText(value);
    read_[static_cast<size_t>(d)].reset();
  }

 private:
  CourseDistanceTable& work_;
  int course_;
  std::array<std::optional<double>, 13> read_{};  // by distance 1..12
};

void FillSprint(Row& row) {
  for (int d = 2; d <= 12; ++d) {
    if (row.Present(d)) {
      row.Write(1, row.Value(d) / Metres(d) * 1000 * kSprintFactor[d]);
      return;
    }
  }
  row.Write(1, 0);
}

// The straight-line value a of the way from the lower to the upper neighbour, estimated from both
// ends and averaged.
double StraightLine(double lower, double upper, double a, double b) {
  const double e1 = lower + (upper - lower) * a;
  const double e2 = upper - (upper - lower) * b;
  return (e1 + e2) / 2;
}

double BetweenNeighbours(Between between, double lower, double upper) {
  switch (between) {
    case Between::kTwoThirds:
      return StraightLine(lower, upper, 2.0 / 3, 1.0 / 3);
    case Between::kOneThird:
      return StraightLine(lower, upper, 1.0 / 3, 2.0 / 3);
    default:
      return (lower + upper) / 2 * 0.995;
  }
}

void FillLonger(Row& row, int d) {
  const StepRule& rule = kRules[d];
  if (d < 12 && row.Present(d + 1)) {
    row.Write(d, BetweenNeighbours(rule.between, row.Value(d - 1), row.Value(d + 1)));
  } else {
    row.Write(d, row.Value(d - 1) / Metres(d - 1) * Metres(d) * rule.step_factor);
  }
}

}  // namespace

void FillMissingDistances(model::Meeting& meeting, int course) {
  Row row(meeting.Group<BaseTimeTables>().StdTimeWork, course);
  if (!row.Present(1)) FillSprint(row);
  for (int d = 2; d <= 12; ++d) {
    if (!row.Present(d)) FillLonger(row, d);
  }
}

}  // namespace basetime
