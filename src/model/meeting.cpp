#include "model/meeting.h"

namespace model {

Meeting::Meeting() {
  card.RegisterIn(registry_);
  pastRuns.RegisterIn(registry_);
  baseTimes.RegisterIn(registry_);
  preview.RegisterIn(registry_);
  stdTimeView.RegisterIn(registry_);
  analysis.RegisterIn(registry_);
}

}  // namespace model
