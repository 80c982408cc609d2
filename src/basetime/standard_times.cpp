#include "basetime/standard_times.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "basetime/base_time_indices.h"
#include "basetime/base_time_tables.h"
#include "basetime/combination.h"
#include "basetime/distance_fill.h"
#include "basetime/smoothing.h"
#include "basetime/tenths_text.h"
#include "model/numbers.h"

namespace basetime {

using model::Text;

Text StandardTimeText(const Text& work) {
  if (const std::optional<std::int64_t> tenths = RoundedTenths(work)) {
    if (std::optional<Text> text = TenthsPatternText(*tenths, 0)) return std::move(*text);
  }
  return model::NumberToPatternText(model::TextToNumber(work), u"###.0");
}

void StoreStandardTimes(model::Meeting& meeting, int surface, int course) {
  BaseTimeTables& base = meeting.Group<BaseTimeTables>();
  CourseDistanceTable* target = surface == kTurf   ? &base.TurfStdTime
                                : surface == kDirt ? &base.DirtStdTime
                                                   : nullptr;
  if (target == nullptr) return;
  for (int d = 1; d <= 12; ++d) (*target)(course, d) = StandardTimeText(base.StdTimeWork(course, d));
}

void DeriveStandardTimes(model::Meeting& meeting, const StageWatcher& after_stage) {
  for (int surface : {kTurf, kDirt}) {
    CombineClassAverages(meeting, surface);
    for (int c = 1; c <= 10; ++c) {
      const auto watch = [&](int stage) {
        if (after_stage) after_stage(surface, c, stage);
      };
      FillMissingDistances(meeting, c);
      watch(0);
      SmoothDistanceSteps(meeting, c, watch);
      StoreStandardTimes(meeting, surface, c);
    }
  }
}

}  // namespace basetime
