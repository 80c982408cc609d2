#pragma once
// The analysis window's race choice and the per-race results its race overview shows. The window
// writes the race choice; the basic analysis writes the validity and its grade and the recommendation
// the recommended numbers, but the overview reads them, so they sit here, below those stages.

#include "model/table.h"

#define TARVELO_ANALYSIS_WINDOW_TABLES(X)                                                              \
  /* The race shown while stepping with UP and DN, 0 before the first step; whole numbers as text. */  \
  X(model::SharedValue, SelectorRace)                                                                  \
  /* The confirmed race, which indexes every per-race and per-runner table of the analyses; 0 until */ \
  /* the first confirmation, never cleared. */                                                         \
  X(model::SharedValue, AnalysedRace)                                                                  \
  /* Per race analysed in the program run: the validity score and its grade; a race counts as */       \
  /* analysed once both are non-empty. */                                                              \
  X(model::RaceTable, AnalysisValidity)                                                                \
  X(model::RaceTable, AnalysisGrade)                                                                   \
  /* Per race: the five lines of recommended horse numbers, RecommendLine1 to RecommendLine5. */       \
  X(model::Family<model::RaceTable>, RecommendLine)

namespace analysis {

struct AnalysisWindowTables {
  AnalysisWindowTables() {
    SelectorRace() = u"0";
    AnalysedRace() = u"0";
  }

  TARVELO_TABLE_GROUP(TARVELO_ANALYSIS_WINDOW_TABLES)
};

}  // namespace analysis
