#include "ui/capabilities.h"

#include <stdexcept>
#include <string>

namespace ui {

const Text& ListChoice::List(int i) const {
  if (i < 0 || i >= ListCount()) throw std::out_of_range(Name() + ": list index " + std::to_string(i));
  return entries_[static_cast<size_t>(i)];
}

void ListChoice::ListChoiceProperties(PropertyList& out) const {
  out.push_back({"ListIndex", static_cast<double>(list_index_)});
  out.push_back({"ListCount", static_cast<double>(entries_.size())});
  for (size_t i = 0; i < entries_.size(); ++i)
    out.push_back({"List(" + std::to_string(i) + ")", entries_[i]});
}

}  // namespace ui
