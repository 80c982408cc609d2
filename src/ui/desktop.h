#pragma once
// The running program's windows and platform services: the loaded windows in load order, event
// dispatch (a window unloaded inside a handler is destroyed after the outermost handler returns),
// message boxes, the screen, the printer, pictures and the file system. Each window stamps its own
// changes (Form::LastChange), which the frontend follows to bring the shown windows up to date.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "ui/file_lists.h"
#include "ui/form.h"
#include "ui/picture.h"
#include "ui/printer.h"
#include "ui/services.h"

namespace ui {

class Timer;

class Desktop {
 public:
  Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;
  virtual ~Desktop();

  Screen screen;
  Printer printer;

  // --- Windows
  // Takes a constructed window, adds it to the loaded windows and runs its Form_Load.
  Form& Load(std::unique_ptr<Form> form);
  // Removes a window from the loaded windows and hides it; destroyed when no handler runs any more.
  void Unload(Form& form);
  // Unloads every loaded window, the one loaded last first.
  void UnloadAll();
  // Loaded windows in load order.
  const std::vector<Form*>& LoadedForms() const { return loaded_; }
  Form* FindLoaded(std::string_view name) const;
  // The first loaded window that is a T. Handlers ask for the same class again and again (once per
  // cell written), so each class's answer is kept until a window loads or unloads.
  template <class T>
  T* FindLoaded() const {
    return static_cast<T*>(
        FindLoadedOfClass(&typeid(T), [](Form* f) { return dynamic_cast<T*>(f) != nullptr; }));
  }
  // Every timer of the loaded windows that fires now (enabled, non-zero interval), for the frontend's
  // clock.
  std::vector<Timer*> RunningTimers() const;
  // The program runs while at least one window is loaded.
  bool Running() const { return !loaded_.empty(); }
  // Told of each window as it leaves the loaded windows, while it still exists (the desktop frontend
  // drops its widgets before the window can be destroyed).
  void SetUnloadWatcher(std::function<void(Form&)> watcher) { unload_watcher_ = std::move(watcher); }

  // --- Events
  // Held while an event handler runs; when the outermost one ends, unloaded windows are destroyed.
  class EventScope {
   public:
    explicit EventScope(Desktop& desktop);
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;
    ~EventScope();

   private:
    Desktop& desktop_;
  };
  bool InEvent() const { return event_depth_ > 0; }

  // --- Message boxes
  // Shows a message box (style: buttons + icon), records it, and returns the answer (MsgBoxResult).
  int MsgBox(const Text& text, int style = kOkOnly, const Text& title = {});
  const std::vector<MessageRecord>& Messages() const { return messages_; }
  // The service that answers message boxes; headless by default (scripted answers).
  void SetMessageBoxService(std::unique_ptr<MessageBoxService> service);
  MessageBoxService& MessageBoxes() { return *message_boxes_; }
  // The headless answerer, or null when another service is set.
  ScriptedMessageBoxes* ScriptedAnswers() { return scripted_; }

  // --- Files and pictures
  FileSystem& Files() { return *files_; }
  void SetFileSystem(std::unique_ptr<FileSystem> files);
  PictureStore& Pictures() { return *pictures_; }
  void SetPictureStore(std::unique_ptr<PictureStore> store);
  // The program's own folder (where it keeps its picture files); the current folder unless set.
  const Text& ProgramFolder() const { return program_folder_; }
  void SetProgramFolder(const Text& folder) { program_folder_ = folder; }

 private:
  void EndEvent();
  // A class is known by the address of its type_info (a second copy of one only costs a second entry).
  Form* FindLoadedOfClass(const std::type_info* class_key, bool (*is_of_class)(Form*)) const;
  void ForgetFound() { found_.clear(); }
  struct Found {
    const std::type_info* class_key;
    Form* form;  // null: none loaded
  };
  mutable std::vector<Found> found_;          // answers of FindLoaded since the loaded windows last changed
  bool tearing_down_ = false;                 // windows being destroyed: no answer is kept
  std::vector<std::unique_ptr<Form>> owned_;  // loaded windows
  std::vector<Form*> loaded_;                 // load order
  std::vector<std::unique_ptr<Form>> unloaded_;  // waiting for the running handler to return
  std::function<void(Form&)> unload_watcher_;
  int event_depth_ = 0;
  std::vector<MessageRecord> messages_;
  std::unique_ptr<MessageBoxService> message_boxes_;
  ScriptedMessageBoxes* scripted_ = nullptr;
  std::unique_ptr<FileSystem> files_;
  std::unique_ptr<PictureStore> pictures_;
  Text program_folder_;
};

}  // namespace ui
