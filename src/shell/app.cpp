#include "shell/app.h"

#include <stdexcept>

namespace shell {

void App::RegisterForm(const std::string& name, FormFactory factory) {
  factories_[name] = std::move(factory);
}

bool App::IsRegistered(std::string_view name) const {
  return factories_.find(name) != factories_.end();
}

std::vector<std::string> App::RegisteredNames() const {
  std::vector<std::string> names;
  for (const auto& [name, factory] : factories_) names.push_back(name);
  return names;
}

ui::Form& App::FormByName(std::string_view name) {
  if (ui::Form* loaded = FindLoaded(name)) return *loaded;
  auto it = factories_.find(name);
  if (it == factories_.end()) throw std::out_of_range("unknown window " + std::string(name));
  return LoadBuilt(it->second(*this));
}

std::unique_ptr<ui::Form> App::BuildUnloaded(std::string_view name) {
  auto it = factories_.find(name);
  if (it == factories_.end()) return nullptr;
  return Attached(it->second(*this));
}

// A multimap keeps equal keys in insertion order, so a window's attachers run in the order attached.
void App::AddAttacher(std::type_index form_class, HandlerAttacher attach) {
  attachers_.emplace(form_class, std::move(attach));
}

std::unique_ptr<ui::Form> App::Attached(std::unique_ptr<ui::Form> form) {
  ui::Form& built = *form;
  auto [first, last] = attachers_.equal_range(std::type_index(typeid(built)));
  for (auto it = first; it != last; ++it) it->second(*this, built);
  return form;
}

ui::Form& App::LoadBuilt(std::unique_ptr<ui::Form> form) {
  return Load(Attached(std::move(form)));
}

void App::Start(std::string_view startup_form) {
  EventScope scope(*this);
  FormByName(startup_form).Show();
}

}  // namespace shell
