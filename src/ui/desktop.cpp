#include "ui/desktop.h"

#include <algorithm>
#include <stdexcept>

#include "ui/controls.h"

namespace ui {

Desktop::Desktop()
    : files_(std::make_unique<RealFileSystem>()), pictures_(std::make_unique<MemoryPictureStore>()) {
  auto scripted = std::make_unique<ScriptedMessageBoxes>();
  scripted_ = scripted.get();
  message_boxes_ = std::move(scripted);
  program_folder_ = DisplayPath(files_->CurrentFolder());
}

Desktop::~Desktop() {
  // Windows go first, the last loaded first, while the services they may use still exist.
  tearing_down_ = true;
  ForgetFound();
  unloaded_.clear();
  while (!owned_.empty()) owned_.pop_back();
}

Form& Desktop::Load(std::unique_ptr<Form> form) {
  if (&form->GetDesktop() != this) throw std::logic_error("window built for another desktop");
  Form& f = *form;
  owned_.push_back(std::move(form));
  loaded_.push_back(&f);
  ForgetFound();
  f.loaded_ = true;
  f.Changed();
  EventScope scope(*this);
  f.Form_Load();
  return f;
}

void Desktop::Unload(Form& form) {
  auto it = std::find(loaded_.begin(), loaded_.end(), &form);
  if (it == loaded_.end()) return;
  loaded_.erase(it);
  ForgetFound();
  for (Form* other : loaded_) {
    if (other->owner_ == &form) {
      other->owner_ = nullptr;
      other->Changed();
    }
  }
  form.loaded_ = false;
  form.visible_ = false;
  form.Changed();
  if (unload_watcher_) unload_watcher_(form);
  auto owned = std::find_if(owned_.begin(), owned_.end(), [&](const auto& p) { return p.get() == &form; });
  std::unique_ptr<Form> keep = std::move(*owned);
  owned_.erase(owned);
  if (event_depth_ > 0) {
    unloaded_.push_back(std::move(keep));
  }
  // Outside any handler the window goes at once (keep's destructor).
}

void Desktop::UnloadAll() {
  EventScope scope(*this);
  for (size_t i = loaded_.size(); i-- > 0;) {
    if (i < loaded_.size()) loaded_[i]->Unload();
  }
}

Form* Desktop::FindLoaded(std::string_view name) const {
  for (Form* f : loaded_)
    if (f->Name() == name) return f;
  return nullptr;
}

Form* Desktop::FindLoadedOfClass(const std::type_info* class_key, bool (*is_of_class)(Form*)) const {
  for (const Found& found : found_)
    if (found.class_key == class_key) return found.form;
  Form* form = nullptr;
  for (Form* f : loaded_) {
    if (is_of_class(f)) {
      form = f;
      break;
    }
  }
  if (!tearing_down_) found_.push_back({class_key, form});
  return form;
}

std::vector<Timer*> Desktop::RunningTimers() const {
  std::vector<Timer*> timers;
  for (Form* f : loaded_)
    for (Control* c : f->Controls()) {
      if (c->Kind() != ControlKind::kTimer) continue;
      auto* t = static_cast<Timer*>(c);
      if (t->Running()) timers.push_back(t);
    }
  return timers;
}

Desktop::EventScope::EventScope(Desktop& desktop) : desktop_(desktop) {
  ++desktop_.event_depth_;
}

Desktop::EventScope::~EventScope() {
  desktop_.EndEvent();
}

void Desktop::EndEvent() {
  if (--event_depth_ > 0) return;
  // Destroying a window runs no handler, so nothing new is queued meanwhile.
  auto gone = std::move(unloaded_);
  unloaded_.clear();
  gone.clear();
}

int Desktop::MsgBox(const Text& text, int style, const Text& title) {
  MessageRecord record{text, style, title, 0};
  messages_.push_back(record);
  size_t index = messages_.size() - 1;
  int answer = message_boxes_->Ask(text, style, title);
  messages_[index].answer = answer;
  return answer;
}

void Desktop::SetMessageBoxService(std::unique_ptr<MessageBoxService> service) {
  scripted_ = dynamic_cast<ScriptedMessageBoxes*>(service.get());
  message_boxes_ = std::move(service);
}

void Desktop::SetFileSystem(std::unique_ptr<FileSystem> files) {
  files_ = std::move(files);
}

void Desktop::SetPictureStore(std::unique_ptr<PictureStore> store) {
  pictures_ = std::move(store);
}

}  // namespace ui
