#pragma once
// The standard-time view's display texts: each standard time as its time text, before the view
// trims it, kept per surface from the last fill of that surface.

#include "model/base_time_tables.h"
#include "model/table.h"

namespace model {

struct StdTimeViewTables {
  CourseDistanceTable TurfStdText, DirtStdText;

  void RegisterIn(TableRegistry& registry);
};

}  // namespace model
