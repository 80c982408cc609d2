#include "basetime/combination.h"

#include <array>
#include <cstddef>

#include "basetime/base_time_indices.h"
#include "basetime/base_time_tables.h"
#include "model/numbers.h"

namespace basetime {

using model::Text;
using model::TextToNumber;

namespace {

// The non-zero class averages of a cell, in class order; no list of its own per cell.
struct PresentAverages {
  std::array<double, 5> values{};
  size_t count = 0;
  double operator[](size_t i) const { return values[i]; }
  size_t size() const { return count; }
};

// Five or four classes drop the fastest and slowest; three average the middle one with the
// midpoint of the outer two; two are averaged; one is taken as it is.
double Combine(const PresentAverages& a) {
  double sum = 0;
  double max = a[0];
  double min = a[0];
  for (size_t i = 0; i < a.size(); ++i) {
    const double v = a[i];
    sum = sum + v;
    if (v > max) max = v;
    if (v < min) min = v;
  }
  switch (a.size()) {
    case 5:
      return (sum - max - min) / 3;
    case 4:
      return (sum - max - min) / 2;
    case 3: {
      const double middle = sum - max - min;
      return (middle + (min + max) / 2) / 2;
    }
    case 2:
      return (a[1] + a[0]) / 2;
    default:
      return a[0];
  }
}

Text CombinedText(const ClassCellTable& averages, int distance, int course) {
  PresentAverages present;
  for (int b = 1; b <= 5; ++b) {
    const double value = TextToNumber(averages(b, distance, course));
    if (value != 0) present.values[present.count++] = value;
  }
  if (present.size() == 0) return u"0";
  return model::NumberToPatternText(Combine(present), u"###.0");
}

}  // namespace

void CombineClassAverages(model::Meeting& meeting, int surface) {
  BaseTimeTables& base = meeting.Group<BaseTimeTables>();
  const ClassCellTable& averages = surface == kTurf ? base.TurfClassAvg : base.DirtClassAvg;
  for (int c = 1; c <= 10; ++c) {
    for (int d = 1; d <= 12; ++d) base.StdTimeWork(c, d) = CombinedText(averages, d, c);
  }
}

}  // namespace basetime
