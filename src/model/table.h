#pragma once
// Shared text tables: 1-based (or as declared), bounds-checked, created empty.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <map>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/meeting_shape.h"
#include "model/text.h"

namespace model {

struct IndexRange {
  int lo;
  int hi;
  int size() const { return hi - lo + 1; }
};

// A table of text cells over zero to three indices; zero indices is a single shared value.
class TextTable {
 public:
  TextTable() = default;
  // At most three indices (std::invalid_argument otherwise).
  explicit TextTable(std::vector<IndexRange> dims);
  // The shapes the table types declare, without a vector in between.
  TextTable(std::initializer_list<IndexRange> dims);

  Text& operator()() { return cells_[Flat({})]; }
  Text& operator()(int i) { return cells_[Flat({i})]; }
  Text& operator()(int i, int j) { return cells_[Flat({i, j})]; }
  Text& operator()(int i, int j, int k) { return cells_[Flat({i, j, k})]; }
  const Text& operator()() const { return cells_[Flat({})]; }
  const Text& operator()(int i) const { return cells_[Flat({i})]; }
  const Text& operator()(int i, int j) const { return cells_[Flat({i, j})]; }
  const Text& operator()(int i, int j, int k) const { return cells_[Flat({i, j, k})]; }

  std::span<const IndexRange> Dims() const { return {dims_.data(), dim_count_}; }
  size_t CellCount() const { return cells_.size(); }
  // Cells in order, first index slowest.
  const Text& CellAt(size_t flat) const { return cells_.at(flat); }
  Text& CellAt(size_t flat) { return cells_.at(flat); }
  // The indices of the flat-th cell.
  std::vector<int> IndicesOf(size_t flat) const;
  void Clear();

 private:
  // Inline, since every cell access passes here; the failures stay out of line.
  size_t Flat(std::initializer_list<int> idx) const {
    if (idx.size() != dim_count_) ThrowIndexCount();
    size_t flat = 0;
    const IndexRange* r = dims_.data();
    for (int i : idx) {
      if (i < r->lo || i > r->hi) ThrowIndexOutside(i, *r);
      flat = flat * static_cast<size_t>(r->size()) + static_cast<size_t>(i - r->lo);
      ++r;
    }
    return flat;
  }
  [[noreturn]] static void ThrowIndexCount();
  [[noreturn]] static void ThrowIndexOutside(int i, const IndexRange& range);
  void SetDims(std::span<const IndexRange> dims);
  // Held in place: hundreds of tables are made at start-up.
  std::array<IndexRange, 3> dims_{};
  size_t dim_count_ = 0;
  std::vector<Text> cells_ = std::vector<Text>(1);
};

// Race 1..12.
class RaceTable : public TextTable {
 public:
  RaceTable() : TextTable({{1, kRaces}}) {}
};

// Race 1..12 x runner 1..28.
class RunnerTable : public TextTable {
 public:
  RunnerTable() : TextTable({{1, kRaces}, {1, kRunnersHeld}}) {}
};

// Runner 1..18: the runners of the analysed race that the analyses hold, for that race only.
class AnalysedRunnerTable : public TextTable {
 public:
  AnalysedRunnerTable() : TextTable({{1, kRunnersAnalysed}}) {}
};

// Runner 1..28: a per-runner table of the analysed race as wide as the race card.
class FieldRunnerTable : public TextTable {
 public:
  FieldRunnerTable() : TextTable({{1, kRunnersHeld}}) {}
};

// Race 1..12 x runner 1..18: per-runner results the analyses keep for every race analysed.
class AnalysedRaceRunnerTable : public TextTable {
 public:
  AnalysedRaceRunnerTable() : TextTable({{1, kRaces}, {1, kRunnersAnalysed}}) {}
};

// A single shared value.
class SharedValue : public TextTable {
 public:
  SharedValue() : TextTable(std::vector<IndexRange>{}) {}
};

// A family of N tables indexed 1..N (five: one per past run, RunIndex). Member k is registered as
// NAMEk, numbered with as many digits as N has (RunSummary1..RunSummary5,
// RecordCounts01..RecordCounts29).
template <class T, int N = kPastRuns>
class Family {
 public:
  // Index checks k; the member is then reached without a second check.
  T& operator[](int k) { return members_[Index(k)]; }
  const T& operator[](int k) const { return members_[Index(k)]; }
  static constexpr int Count() { return N; }
  static std::string MemberName(const std::string& name, int k) {
    std::string number = std::to_string(k);
    const size_t width = std::to_string(N).size();
    if (number.size() < width) number.insert(0, width - number.size(), '0');
    return name + number;
  }

 private:
  static size_t Index(int k) {
    if (k < 1 || k > N) throw std::out_of_range("family index " + std::to_string(k));
    return static_cast<size_t>(k - 1);
  }
  std::array<T, N> members_;
};

// One runner table per past run (member b = past run b, 1 = last run).
using RunnerFamily = Family<RunnerTable>;
using AnalysedRunnerFamily = Family<AnalysedRunnerTable>;
using AnalysedRaceRunnerFamily = Family<AnalysedRaceRunnerTable>;

// Maps each shared table's name to its cells, for the script driver and whole-table tests.
// Hundreds of tables register at start-up: the names sit in one vector and an open-addressed index
// of positions finds them, so that registering allocates no node per table.
class TableRegistry {
 public:
  // std::logic_error when the name is taken.
  void Add(std::string name, TextTable& table);
  template <class T, int N>
  void Add(const std::string& name, Family<T, N>& family) {
    for (int k = 1; k <= N; ++k) Add(Family<T, N>::MemberName(name, k), family[k]);
  }
  TextTable* Find(const std::string& name) const;
  // Every name, in ascending order.
  std::vector<std::string> Names() const;

 private:
  struct Entry {
    std::string name;
    TextTable* table;
  };
  // The slot holding name's entry, or the empty slot where it belongs.
  size_t SlotOf(std::string_view name) const;
  void GrowIndex();
  std::vector<Entry> entries_;
  // Each slot holds an entry's position + 1, 0 when empty; the size is a power of two.
  std::vector<size_t> slots_;
};

}  // namespace model

// A group of tables is written once: a list macro with one X(Type, Name) entry per table (a family is
// one entry too), from which the group's struct declares every table and registers it under its
// member's name:
//
//   #define TARVELO_CARD_TABLES(X) X(model::RaceTable, RaceName) X(model::RunnerTable, HorseName)
//   struct CardTables {
//     TARVELO_TABLE_GROUP(TARVELO_CARD_TABLES)
//   };
//
// model::Meeting::Group creates a group and registers it (RegisterIn) the first time it is asked for.
#define TARVELO_DECLARE_TABLE(type, name) type name;
#define TARVELO_REGISTER_TABLE(type, name) registry.Add(#name, name);
#define TARVELO_TABLE_GROUP(list)                                                 \
  list(TARVELO_DECLARE_TABLE) void RegisterIn(::model::TableRegistry& registry) { \
    list(TARVELO_REGISTER_TABLE)                                                  \
  }
