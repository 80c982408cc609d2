#include "model/base_time_tables.h"

namespace model {

void BaseTimeTables::RegisterIn(TableRegistry& registry) {
  registry.AddFamily("RunGoingCorr", RunGoingCorr);
  registry.AddFamily("RunWinTimeAdj", RunWinTimeAdj);
  registry.AddFamily("RunSummary", RunSummary);
  registry.Add("TurfTimeSum", TurfTimeSum);
  registry.Add("TurfTimeCount", TurfTimeCount);
  registry.Add("DirtTimeSum", DirtTimeSum);
  registry.Add("DirtTimeCount", DirtTimeCount);
  registry.Add("TurfClassAvg", TurfClassAvg);
  registry.Add("DirtClassAvg", DirtClassAvg);
  registry.Add("StdTimeWork", StdTimeWork);
  registry.Add("TurfStdTime", TurfStdTime);
  registry.Add("DirtStdTime", DirtStdTime);
}

}  // namespace model
