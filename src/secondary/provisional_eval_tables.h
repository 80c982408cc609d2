#pragma once
// What the secondary analysis leaves of each run of the analysed race for the past-run grid. The
// per-runner tables hold the analysed race only (runners 1 to 18) and keep an entry until an analysis
// writes it again.

#include "model/table.h"

#define TARVELO_PROVISIONAL_EVAL_TABLES(X)                                                         \
  /* Per runner and past run: the provisional evaluation as shown, its signed value with a one- */ \
  /* character mark behind it. */                                                                  \
  X(model::AnalysedRunnerFamily, ProvEvalText)

namespace secondary {

struct ProvisionalEvalTables {
  TARVELO_TABLE_GROUP(TARVELO_PROVISIONAL_EVAL_TABLES)
};

}  // namespace secondary
