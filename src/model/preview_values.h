#pragma once
// What the data-read window's race and runner preview last picked; nothing else reads them.

#include "model/table.h"

namespace model {

struct PreviewValues {
  PreviewValues();

  // The race last picked in a race grid, 1 to 12; 0 until the first pick.
  SharedValue PreviewRace;
  // The runner-grid row last hit in the name column, 0 to 18.
  SharedValue PreviewRunnerRow;

  void RegisterIn(TableRegistry& registry);
};

}  // namespace model
