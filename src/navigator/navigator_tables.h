#pragma once
// What the navigator's "解析" leaves of the analysed race: per race and runner how many past runs
// are usable (evaluated, on today's surface at a central course, within 300 m of today's distance)
// and their mean, best, worst and half range; the usable runs' texts themselves sit in one table
// shared by all races. Nothing clears them.

#include "model/meeting_shape.h"
#include "model/table.h"
#include "model/text.h"

namespace navigator {

// Slot 1..5 x runner 1..18: the usable runs of a runner packed from slot 1, oldest run first.
class UsableRunSlotTable : public model::TextTable {
 public:
  UsableRunSlotTable() : TextTable({{1, model::kPastRuns}, {1, model::kRunnersAnalysed}}) {}
};

}  // namespace navigator

#define TARVELO_NAVIGATOR_TABLES(X)                                                                \
  /* Usable runs per race and runner, "0" to "5", and their texts (slots above the count keep */   \
  /* what an earlier press left). */                                                               \
  X(model::AnalysedRaceRunnerTable, UsableRunCount)                                                \
  X(navigator::UsableRunSlotTable, UsableRunValue)                                                 \
  /* The figures of the usable runs: signed two-digit mean, the best (smallest) and worst run's */ \
  /* texts, "±" and the half range; "---" where there are too few runs. */                        \
  X(model::AnalysedRaceRunnerTable, RunMean)                                                       \
  X(model::AnalysedRaceRunnerTable, RunBest)                                                       \
  X(model::AnalysedRaceRunnerTable, RunWorst)                                                      \
  X(model::AnalysedRaceRunnerTable, RunSpread)

namespace navigator {

struct NavigatorTables {
  TARVELO_TABLE_GROUP(TARVELO_NAVIGATOR_TABLES)
};

// The figures of a runner with too few usable runs.
inline const model::Text kNoFigure = u"---";

}  // namespace navigator
