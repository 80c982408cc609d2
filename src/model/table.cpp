#include "model/table.h"

namespace model {

namespace {

size_t CellCountOf(const std::vector<IndexRange>& dims) {
  size_t n = 1;
  for (const auto& d : dims) n *= static_cast<size_t>(d.size());
  return n;
}

}  // namespace

// The cells are made empty in one allocation (no copies of a blank text, no regrowing).
TextTable::TextTable(std::vector<IndexRange> dims) : dims_(std::move(dims)), cells_(CellCountOf(dims_)) {}

void TextTable::ThrowIndexCount() {
  throw std::out_of_range("table index count");
}

void TextTable::ThrowIndexOutside(int i, const IndexRange& range) {
  throw std::out_of_range("table index " + std::to_string(i) + " outside " + std::to_string(range.lo) + ".." +
                          std::to_string(range.hi));
}

std::vector<int> TextTable::IndicesOf(size_t flat) const {
  std::vector<int> idx(dims_.size());
  for (size_t d = dims_.size(); d-- > 0;) {
    size_t size = static_cast<size_t>(dims_[d].size());
    idx[d] = dims_[d].lo + static_cast<int>(flat % size);
    flat /= size;
  }
  return idx;
}

void TextTable::Clear() {
  for (auto& c : cells_) c.clear();
}

void TableRegistry::Add(const std::string& name, TextTable& table) {
  if (!tables_.emplace(name, &table).second) throw std::logic_error("table registered twice: " + name);
}

TextTable* TableRegistry::Find(const std::string& name) const {
  auto it = tables_.find(name);
  return it == tables_.end() ? nullptr : it->second;
}

std::vector<std::string> TableRegistry::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, table] : tables_) names.push_back(name);
  return names;
}

}  // namespace model
