#pragma once
// What the analysis of a race leaves for the rest of the program run. The analysis writes these
// tables, but the base-time check sheet prints them too, so they sit below every stage.

#include "model/table.h"

#define TARVELO_ANALYSIS_TABLES(X)                                                         \
  /* Today's going as the analysis window's going list shows it, blanks included; empty */ \
  /* until the first basic analysis. */                                                    \
  X(model::SharedValue, TodayGoingText)

namespace model {

struct AnalysisTables {
  TARVELO_TABLE_GROUP(TARVELO_ANALYSIS_TABLES)
};

}  // namespace model
