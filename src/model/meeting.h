#pragma once
// The shared tables of one run of the program. Each stage declares the groups of tables it writes in
// its own header (TARVELO_TABLE_GROUP); the meeting holds groups of any type without knowing them.
// A group is created empty and its tables registered by name the first time it is asked for; the
// program asks for every group at start-up. Groups live for the whole run; a stage that does not
// reach a cell leaves its text.

#include <cstddef>
#include <memory>
#include <vector>

#include "model/table.h"

namespace model {

class Meeting {
 public:
  Meeting() = default;
  Meeting(const Meeting&) = delete;
  Meeting& operator=(const Meeting&) = delete;

  // The meeting's group of tables of type G (a struct with RegisterIn(TableRegistry&)). Creating an
  // empty group changes no table's text, so a const meeting creates it too.
  template <class G>
  G& Group() {
    return Held<G>();
  }
  template <class G>
  const G& Group() const {
    return Held<G>();
  }

  const TableRegistry& Registry() const { return registry_; }

 private:
  struct GroupHolder {
    virtual ~GroupHolder() = default;
    virtual void RegisterIn(TableRegistry& registry) = 0;
  };
  template <class G>
  struct Holder final : GroupHolder {
    void RegisterIn(TableRegistry& registry) override { group.RegisterIn(registry); }
    G group;
  };
  using MakeHolder = std::unique_ptr<GroupHolder> (*)();

  // Each group type's place in groups_, taken on the type's first use in the program.
  static size_t NextGroupIndex();
  template <class G>
  static size_t GroupIndex() {
    static const size_t index = NextGroupIndex();
    return index;
  }

  // Stages ask for their groups inside their loops: a group already held is found inline.
  template <class G>
  G& Held() const {
    const size_t index = GroupIndex<G>();
    if (index < groups_.size() && groups_[index]) return static_cast<Holder<G>&>(*groups_[index]).group;
    MakeHolder make = [] { return std::unique_ptr<GroupHolder>(std::make_unique<Holder<G>>()); };
    return static_cast<Holder<G>&>(HeldAt(index, make)).group;
  }
  // The group at index, made with make and registered when there is none yet.
  GroupHolder& HeldAt(size_t index, MakeHolder make) const;

  mutable std::vector<std::unique_ptr<GroupHolder>> groups_;
  mutable TableRegistry registry_;
};

}  // namespace model
