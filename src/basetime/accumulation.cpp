#include "basetime/accumulation.h"

#include <algorithm>
#include <string_view>

#include "basetime/base_time_indices.h"
#include "basetime/base_time_tables.h"
#include "basetime/runner_range.h"
#include "basetime/tenths_text.h"
#include "model/numbers.h"

namespace basetime {

using model::NumberToText;
using model::Text;
using model::TextToNumber;

namespace {

const Text kNoTimeTail = u"-----";
const Text kZeroTime = u"000.0";
const Text kOneRun = u"1";

struct SurfaceTotals {
  ClassCellTable* sum = nullptr;
  ClassCellTable* count = nullptr;
};

SurfaceTotals TotalsOf(BaseTimeTables& base, int surface) {
  if (surface == kTurf) return {&base.TurfTimeSum, &base.TurfTimeCount};
  if (surface == kDirt) return {&base.DirtTimeSum, &base.DirtTimeCount};
  return {};
}

// total becomes NumberToText(TextToNumber(total) + TextToNumber(added)), on tenths where they give
// the same text.
void Add(Text& total, const Text& added) {
  if (SumOfTenthsTextsInto(total, added, total)) return;
  total = NumberToText(TextToNumber(total) + TextToNumber(added));
}

bool ShownInGrid(int base_class, int distance, int course) {
  return base_class >= 1 && base_class <= 5 && distance >= 1 && distance <= 12 && course >= 1 && course <= 10;
}

// Characters from position start (1-based), at most length of them, as Mid gives them, read in place.
std::u16string_view Piece(std::u16string_view record, size_t start, size_t length) {
  if (start > record.size()) return {};
  return record.substr(start - 1, length);
}

// The last count characters, as Right gives them.
std::u16string_view Tail(std::u16string_view record, size_t count) {
  return record.substr(record.size() - std::min(count, record.size()));
}

void AccumulateRecord(BaseTimeTables& base, ClassGridWriter& grid, const Text& record) {
  const std::u16string_view tail = Tail(record, 5);
  const Text& time_text = tail == kNoTimeTail ? kZeroTime : Text(tail);
  const int base_class = BaseClassIndexOf(Piece(record, 2, 1));
  const int distance = StdDistanceIndexOf(Piece(record, 3, 2));
  const int course = StdCourseIndexOf(Piece(record, 1, 1));
  const int surface = StdSurfaceIndexOf(Piece(record, 5, 1));
  const SurfaceTotals totals = TotalsOf(base, surface);
  if (totals.sum == nullptr) return;

  Text& sum = (*totals.sum)(base_class, distance, course);
  if (base_class != 0 && distance != 0 && course != 0) Add(sum, time_text);
  if (tail != kNoTimeTail && tail != kZeroTime) {
    Text& count = (*totals.count)(base_class, distance, course);
    Add(count, kOneRun);
  }
  if (ShownInGrid(base_class, distance, course)) {
    grid.SetClassCell(surface, ClassGridRow(course, base_class), ClassGridColumn(distance), sum);
  }
}

}  // namespace

void AccumulateRunTimes(model::Meeting& meeting, ClassGridWriter& grid, int first_race, int last_race) {
  BaseTimeTables& base = meeting.Group<BaseTimeTables>();
  for (int r = first_race; r <= last_race; ++r) {
    const int last_runner = LastRunnerOf(meeting, r);
    for (int j = 1; j <= last_runner; ++j) {
      for (int k = 5; k >= 1; --k) AccumulateRecord(base, grid, base.RunSummary[k](r, j));
    }
  }
}

}  // namespace basetime
