#pragma once
// The per-run texts the basic analysis leaves for the past-run grid's views and the graphs: the days
// between runs and before today, kept for every race analysed, and the actual evaluations, held for
// the analysed race only (runners 1 to 18). Nothing clears them; an entry keeps its text until an
// analysis writes it again.

#include "model/table.h"
#include "model/text.h"

#define TARVELO_PAST_RUN_VIEW_TABLES(X)                                                                \
  /* Per race and runner, plain whole numbers or "---" where the run has no day number: the days */    \
  /* from each past run to the next more recent run that has one (to today's race for the last), */    \
  /* and the days from each past run to today's race. */                                               \
  X(model::AnalysedRaceRunnerFamily, RunInterval)                                                      \
  X(model::AnalysedRaceRunnerFamily, RunDaysAgo)                                                       \
  /* Per runner and past run: the evaluation text between blanks on today's surface, in brackets on */ \
  /* the other, " --- " for a run that cannot count. */                                                \
  X(model::AnalysedRunnerFamily, RealEvalText)

namespace basic {

struct PastRunViewTables {
  TARVELO_TABLE_GROUP(TARVELO_PAST_RUN_VIEW_TABLES)
};

// The actual evaluation of a run that cannot count. The day texts mark a missing day number with
// kNoValue of BasicAnalysisTables.
inline const model::Text kNoRealEval = u" --- ";

}  // namespace basic
