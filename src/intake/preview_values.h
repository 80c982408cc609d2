#pragma once
// What the data-read window's race and runner preview last picked; nothing else reads them.

#include "model/table.h"

#define TARVELO_PREVIEW_VALUES(X)                                             \
  /* The race last picked in a race grid, 1 to 12; 0 until the first pick. */ \
  X(model::SharedValue, PreviewRace)                                          \
  /* The runner-grid row last hit in the name column, 0 to 18. */             \
  X(model::SharedValue, PreviewRunnerRow)

namespace intake {

struct PreviewValues {
  PreviewValues() {
    PreviewRace() = u"0";
    PreviewRunnerRow() = u"0";
  }

  TARVELO_TABLE_GROUP(TARVELO_PREVIEW_VALUES)
};

}  // namespace intake
