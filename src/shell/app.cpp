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

void App::AttachHandlers(const std::string& form_name, HandlerAttacher attach) {
  attachers_.emplace(form_name, std::move(attach));
}

std::unique_ptr<ui::Form> App::Attached(std::unique_ptr<ui::Form> form) {
  auto [first, last] = attachers_.equal_range(form->Name());
  for (auto it = first; it != last; ++it) it->second(*this, *form);
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
