#pragma once
// The program: the meeting's shared tables, the platform services and the windows. A window is
// created and loaded on first use (as the platform loads a window when one of its controls is
// touched or it is shown); the program ends when no window is loaded.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/meeting.h"
#include "ui/desktop.h"

namespace shell {

class App : public ui::Desktop {
 public:
  // Builds a window of one class for this program (constructs it; does not load it).
  using FormFactory = std::function<std::unique_ptr<ui::Form>(App&)>;

  // Registers every window of the program (RegisterWindows) so that they can be found by name.
  App();

  model::Meeting meeting;

  // --- Windows by class
  // The loaded window of class T; created and loaded (Form_Load) when it is not loaded.
  template <class T>
  T& Form() {
    if (T* loaded = FindLoaded<T>()) return *loaded;
    return static_cast<T&>(Load(std::make_unique<T>(*this)));
  }
  // Shows the window of class T without blocking, loading it first when needed.
  template <class T>
  T& Show(ui::Form* owner = nullptr) {
    T& form = Form<T>();
    form.Show(owner);
    return form;
  }
  // Unloads the window of class T if it is loaded.
  template <class T>
  void UnloadIfLoaded() {
    if (T* loaded = FindLoaded<T>()) loaded->Unload();
  }
  template <class T>
  bool IsLoaded() const {
    return FindLoaded<T>() != nullptr;
  }

  // --- Windows by name (for the script driver and start-up)
  template <class T>
  void RegisterForm(const std::string& name) {
    RegisterForm(name, [](App& app) { return std::make_unique<T>(app); });
  }
  void RegisterForm(const std::string& name, FormFactory factory);
  bool IsRegistered(std::string_view name) const;
  std::vector<std::string> RegisteredNames() const;
  // The loaded window of that name, loaded on first use; std::out_of_range for an unknown name.
  ui::Form& FormByName(std::string_view name);
  // A window of that name built but not loaded (to look at its design); null for an unknown name.
  std::unique_ptr<ui::Form> BuildUnloaded(std::string_view name);

  // --- Start-up and exit
  // Loads the start-up window and shows it, as the platform starts the program.
  void Start(std::string_view startup_form = "frmAg0");

 private:
  std::map<std::string, FormFactory, std::less<>> factories_;
};

// Adds every window of the program to app's registry (window_catalog.cpp: one line per window).
void RegisterWindows(App& app);

}  // namespace shell
