#include "model/std_time_view_tables.h"

namespace model {

void StdTimeViewTables::RegisterIn(TableRegistry& registry) {
  registry.Add("TurfStdText", TurfStdText);
  registry.Add("DirtStdText", DirtStdText);
}

}  // namespace model
