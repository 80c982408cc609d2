#include "intake/past_run_tables.h"

namespace intake {

model::Text RecordCountsText(const model::Text& count1, const model::Text& count2, const model::Text& count3,
                             const model::Text& count4) {
  return count1 + u"-" + count2 + u"-" + count3 + u"-" + count4;
}

}  // namespace intake
