#pragma once
// The standard-time view's display texts: each standard time as its time text, before the view
// trims it, kept per surface from the last fill of that surface.

#include "basetime/base_time_shapes.h"
#include "model/table.h"

#define TARVELO_STD_TIME_VIEW_TABLES(X)         \
  X(basetime::CourseDistanceTable, TurfStdText) \
  X(basetime::CourseDistanceTable, DirtStdText)

namespace basetime {

struct StdTimeViewTables {
  TARVELO_TABLE_GROUP(TARVELO_STD_TIME_VIEW_TABLES)
};

}  // namespace basetime
