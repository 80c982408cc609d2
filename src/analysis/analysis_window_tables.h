#pragma once
// The analysis window's race choice and the per-race results it shows. The window writes the race
// choice; the basic analysis writes the validity and its grade, the recommendation the recommended
// numbers and the going aptitudes, but the overview and the going panel read them, so they sit here,
// below those stages.

#include "model/table.h"
#include "model/text.h"

#define TARVELO_ANALYSIS_WINDOW_TABLES(X)                                                              \
  /* The race shown while stepping with UP and DN, 0 before the first step; whole numbers as text. */  \
  X(model::SharedValue, SelectorRace)                                                                  \
  /* The confirmed race, which indexes every per-race and per-runner table of the analyses; 0 until */ \
  /* the first confirmation, never cleared. */                                                         \
  X(model::SharedValue, AnalysedRace)                                                                  \
  /* "1" once the secondary analysis has run for the confirmed race, "" from the next "確定" or */   \
  /* "ＮＥＸＴ" on, so that the colouring is not opened again over another race's tables. */       \
  X(model::SharedValue, SecondaryAnalysisDone)                                                         \
  /* Per race analysed in the program run: the validity score and its grade; a race counts as */       \
  /* analysed once both are non-empty. */                                                              \
  X(model::RaceTable, AnalysisValidity)                                                                \
  X(model::RaceTable, AnalysisGrade)                                                                   \
  /* Per race: the five lines of recommended horse numbers, RecommendLine1 to RecommendLine5. */       \
  X(model::Family<model::RaceTable>, RecommendLine)                                                    \
  /* Per race and runner: the going-aptitude value on turf and on dirt for the three soft goings, */   \
  /* as text whose leading number (with its sign) is the value; "---" when the runner has no runs */   \
  /* on that going. Written by the colouring of the recommendation, shown by the going panel. */       \
  X(model::AnalysedRaceRunnerTable, AptitudeTurfSoft)                                                  \
  X(model::AnalysedRaceRunnerTable, AptitudeTurfHeavy)                                                 \
  X(model::AnalysedRaceRunnerTable, AptitudeTurfBad)                                                   \
  X(model::AnalysedRaceRunnerTable, AptitudeDirtSoft)                                                  \
  X(model::AnalysedRaceRunnerTable, AptitudeDirtHeavy)                                                 \
  X(model::AnalysedRaceRunnerTable, AptitudeDirtBad)

namespace analysis {

struct AnalysisWindowTables {
  AnalysisWindowTables() {
    SelectorRace() = u"0";
    AnalysedRace() = u"0";
  }

  TARVELO_TABLE_GROUP(TARVELO_ANALYSIS_WINDOW_TABLES)
};

// The going aptitude of a runner without runs on that going, here and on good going in the
// colouring's tables.
inline const model::Text kNoAptitude = u"---";

}  // namespace analysis
