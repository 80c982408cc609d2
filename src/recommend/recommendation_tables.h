#pragma once
// What "推奨馬" keeps besides the lines the race overview shows: per race the most runners that may
// be recommended, and the numbers of the last run's recommended runners. Nothing clears them.

#include "model/table.h"

#define TARVELO_RECOMMENDATION_TABLES(X)                                                          \
  /* Per race: the cut-off drawn from the score bins, as text. */                                 \
  X(model::RaceTable, RecommendCutoff)                                                            \
  /* Slots 1 to the count of the last run: the recommended runner numbers in increasing order; */ \
  /* slots above that count keep older numbers. */                                                \
  X(model::AnalysedRunnerTable, RecommendedNo)

namespace recommend {

struct RecommendationTables {
  TARVELO_TABLE_GROUP(TARVELO_RECOMMENDATION_TABLES)
};

}  // namespace recommend
