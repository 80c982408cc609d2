#include "model/meeting.h"

#include <atomic>

namespace model {

size_t Meeting::NextGroupIndex() {
  static std::atomic<size_t> next{0};
  return next++;
}

Meeting::GroupHolder& Meeting::HeldAt(size_t index, MakeHolder make) const {
  if (index >= groups_.size()) groups_.resize(index + 1);
  if (!groups_[index]) {
    // Held before it registers, so that the registry never points into a freed group.
    groups_[index] = make();
    groups_[index]->RegisterIn(registry_);
  }
  return *groups_[index];
}

}  // namespace model
