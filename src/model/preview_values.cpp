#include "model/preview_values.h"

namespace model {

PreviewValues::PreviewValues() {
  PreviewRace() = u"0";
  PreviewRunnerRow() = u"0";
}

void PreviewValues::RegisterIn(TableRegistry& registry) {
  registry.Add("PreviewRace", PreviewRace);
  registry.Add("PreviewRunnerRow", PreviewRunnerRow);
}

}  // namespace model
