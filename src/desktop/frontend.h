#pragma once
// The desktop frontend: a real window for every loaded window of the control model. After every user
// action, timer tick and message box it brings the windows up to date with what changed (each window
// and control stamps its changes); windows that the model shows, hides, loads and unloads appear and
// disappear; the program ends when the model has no window left.

#include <QApplication>
#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "desktop/control_views.h"
#include "desktop/form_window.h"
#include "ui/desktop.h"
#include "ui/palette.h"

namespace desktop {

class DesktopPrinting;

// Qt's look for the program: the platform's classic style and colours, and the CJK font.
void ConfigureApplication(QApplication& application);

class Frontend : public Dispatcher {
 public:
  // quit_when_done: leave Qt's event loop once no window is loaded.
  explicit Frontend(ui::Desktop& desktop, bool quit_when_done = true);
  ~Frontend() override;
  Frontend(const Frontend&) = delete;
  Frontend& operator=(const Frontend&) = delete;

  // The desktop's own services: message boxes as dialogs, the real screen's size, pictures saved as
  // bitmap files beside the program, and printing to the default printer (or, when there is none, to a
  // PDF file in print_folder, named to the user in a box).
  void UseDesktopServices(const std::filesystem::path& print_folder);

  void Dispatch(const std::function<void()>& action) override;
  void Sync();
  // The window of a loaded model window (null when there is none yet).
  FormWindow* WindowOf(const ui::Form& form) const;

 private:
  void Unloaded(ui::Form& form);
  void ApplyPointer(int pointer);

  ui::Desktop& desktop_;
  bool quit_when_done_;
  std::map<const ui::Form*, FormWindow*> windows_;
  std::unique_ptr<DesktopPrinting> printing_;
  int depth_ = 0;
  bool syncing_ = false;
  int pointer_ = ui::pointer::kDefault;
};

}  // namespace desktop
