#include "intake/past_run_tables.h"

namespace intake {

model::Text RecordCountsText(const model::Text& count1, const model::Text& count2, const model::Text& count3,
                             const model::Text& count4) {
  model::Text text;
  text.reserve(count1.size() + count2.size() + count3.size() + count4.size() + 3);
  text.append(count1).append(1, u'-').append(count2).append(1, u'-').append(count3).append(1, u'-').append(
      count4);
  return text;
}

}  // namespace intake
