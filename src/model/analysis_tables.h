#pragma once
// What the analysis of a race leaves for the rest of the program run.

#include "model/table.h"

namespace model {

struct AnalysisTables {
  // Today's going as the analysis window's going list shows it, blanks included; empty until the
  // first basic analysis.
  SharedValue TodayGoingText;

  void RegisterIn(TableRegistry& registry);
};

}  // namespace model
