#include "model/table.h"

#include <algorithm>
#include <functional>

namespace model {

namespace {

size_t CellCountOf(std::span<const IndexRange> dims) {
  size_t n = 1;
  for (const auto& d : dims) n *= static_cast<size_t>(d.size());
  return n;
}

}  // namespace

// The cells are made empty in one allocation (no copies of a blank text, no regrowing).
TextTable::TextTable(std::vector<IndexRange> dims) : cells_(CellCountOf(dims)) {
  SetDims(dims);
}

TextTable::TextTable(std::initializer_list<IndexRange> dims)
    : cells_(CellCountOf({dims.begin(), dims.size()})) {
  SetDims({dims.begin(), dims.size()});
}

void TextTable::SetDims(std::span<const IndexRange> dims) {
  if (dims.size() > dims_.size()) throw std::invalid_argument("table of more than three indices");
  std::copy(dims.begin(), dims.end(), dims_.begin());
  dim_count_ = dims.size();
}

void TextTable::ThrowIndexCount() {
  throw std::out_of_range("table index count");
}

void TextTable::ThrowIndexOutside(int i, const IndexRange& range) {
  throw std::out_of_range("table index " + std::to_string(i) + " outside " + std::to_string(range.lo) + ".." +
                          std::to_string(range.hi));
}

std::vector<int> TextTable::IndicesOf(size_t flat) const {
  std::vector<int> idx(dim_count_);
  for (size_t d = dim_count_; d-- > 0;) {
    size_t size = static_cast<size_t>(dims_[d].size());
    idx[d] = dims_[d].lo + static_cast<int>(flat % size);
    flat /= size;
  }
  return idx;
}

void TextTable::Clear() {
  for (auto& c : cells_) c.clear();
}

void TableRegistry::Add(std::string name, TextTable& table) {
  // At most half the slots in use keeps the probes short.
  if (2 * (entries_.size() + 1) > slots_.size()) GrowIndex();
  const size_t slot = SlotOf(name);
  if (slots_[slot] != 0) throw std::logic_error("table registered twice: " + name);
  entries_.push_back({std::move(name), &table});
  slots_[slot] = entries_.size();
}

TextTable* TableRegistry::Find(const std::string& name) const {
  if (slots_.empty()) return nullptr;
  const size_t held = slots_[SlotOf(name)];
  return held == 0 ? nullptr : entries_[held - 1].table;
}

std::vector<std::string> TableRegistry::Names() const {
  std::vector<std::string> names;
  names.reserve(entries_.size());
  for (const Entry& entry : entries_) names.push_back(entry.name);
  std::sort(names.begin(), names.end());
  return names;
}

size_t TableRegistry::SlotOf(std::string_view name) const {
  const size_t mask = slots_.size() - 1;
  size_t slot = std::hash<std::string_view>{}(name)&mask;
  while (slots_[slot] != 0 && entries_[slots_[slot] - 1].name != name) slot = (slot + 1) & mask;
  return slot;
}

void TableRegistry::GrowIndex() {
  // The program registers under a thousand tables: the first index holds them all without regrowing.
  constexpr size_t kFirstSlots = 2048;
  slots_.assign(slots_.empty() ? kFirstSlots : 2 * slots_.size(), 0);
  entries_.reserve(slots_.size() / 2);
  for (size_t held = 1; held <= entries_.size(); ++held) slots_[SlotOf(entries_[held - 1].name)] = held;
}

}  // namespace model
