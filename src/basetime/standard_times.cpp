#include "basetime/standard_times.h"

#include "basetime/base_time_indices.h"
#include "basetime/base_time_tables.h"
#include "basetime/combination.h"
#include "basetime/distance_fill.h"
#include "basetime/smoothing.h"
#include "model/numbers.h"

namespace basetime {

void StoreStandardTimes(model::Meeting& meeting, int surface, int course) {
  BaseTimeTables& base = meeting.Group<BaseTimeTables>();
  CourseDistanceTable* target = surface == kTurf   ? &base.TurfStdTime
                                : surface == kDirt ? &base.DirtStdTime
                                                   : nullptr;
  if (target == nullptr) return;
  for (int d = 1; d <= 12; ++d) {
    (*target)(course, d) =
        model::NumberToPatternText(model::TextToNumber(base.StdTimeWork(course, d)), u"###.0");
  }
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
