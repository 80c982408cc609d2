#include "model/analysis_tables.h"

namespace model {

void AnalysisTables::RegisterIn(TableRegistry& registry) {
  registry.Add("TodayGoingText", TodayGoingText);
}

}  // namespace model
