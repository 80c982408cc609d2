#include "basetime/class_average.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "basetime/base_time_indices.h"
#include "basetime/base_time_tables.h"
#include "basetime/tenths_text.h"
#include "model/numbers.h"

namespace basetime {

using model::Text;
using model::TextToNumber;

const Text kNoClassTimeMark = u"         -";

namespace {

constexpr std::int64_t kHundredInTenths = 1000;

// Every run that adds a non-zero time to a sum is also counted; the count test only keeps a
// damaged table from dividing by zero.
bool HasTime(const Text& sum, const Text& count) {
  return !sum.empty() && sum != u"0" && TextToNumber(count) != 0;
}

Text AverageText(const Text& sum, const Text& count) {
  if (const std::optional<std::int64_t> tenths = MeanTenths(sum, count)) {
    // Both patterns write three whole digits alike; they differ below 100 only.
    if (std::optional<Text> text = TenthsPatternText(*tenths, *tenths < kHundredInTenths ? 2 : 3))
      return std::move(*text);
  }
  const double average = TextToNumber(sum) / TextToNumber(count);
  return model::NumberToPatternText(average, average < 100 ? u"00.0" : u"000.0");
}

void AverageSurface(const ClassCellTable& sums, const ClassCellTable& counts, ClassCellTable& averages,
                    int surface, ClassGridWriter& grid) {
  for (int d = 1; d <= 12; ++d) {
    for (int c = 1; c <= 10; ++c) {
      for (int b = 1; b <= 5; ++b) {
        // The three tables have the same shape: the cell is found once and read from each.
        const Text& sum = sums(b, d, c);
        const size_t cell = static_cast<size_t>(&sum - &sums.CellAt(0));
        const Text& count = counts.CellAt(cell);
        Text& average = averages.CellAt(cell);
        const bool has_time = HasTime(sum, count);
        average = has_time ? AverageText(sum, count) : Text(u"0");
        grid.SetClassCell(surface, ClassGridRow(c, b), ClassGridColumn(d),
                          has_time ? average : kNoClassTimeMark);
      }
    }
  }
}

}  // namespace

void ComputeClassAverages(model::Meeting& meeting, ClassGridWriter& grid) {
  BaseTimeTables& base = meeting.Group<BaseTimeTables>();
  AverageSurface(base.TurfTimeSum, base.TurfTimeCount, base.TurfClassAvg, kTurf, grid);
  AverageSurface(base.DirtTimeSum, base.DirtTimeCount, base.DirtClassAvg, kDirt, grid);
}

}  // namespace basetime
