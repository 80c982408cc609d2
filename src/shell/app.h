#pragma once
// The program: the meeting's shared tables, the platform services and the windows. A window is
// created and loaded on first use (as the platform loads a window when one of its controls is
// touched or it is shown); the program ends when no window is loaded.
//
// Handlers are wired one way each: a window's own handler is its member, wired in its constructor,
// and a later stage's handler for an earlier window's control is attached by the window's type with
// AttachHandlers<T> when the program is assembled.

#include <concepts>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

#include "model/meeting.h"
#include "ui/desktop.h"

namespace shell {

class App : public ui::Desktop {
 public:
  // Builds a window of one class for this program (constructs it; does not load it).
  using FormFactory = std::function<std::unique_ptr<ui::Form>(App&)>;

  App() = default;

  model::Meeting meeting;

  // --- Windows by class
  // The loaded window of class T; created and loaded (Form_Load) when it is not loaded.
  template <class T>
  T& Form() {
    if (T* loaded = FindLoaded<T>()) return *loaded;
    return static_cast<T&>(LoadBuilt(std::make_unique<T>(*this)));
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

  // --- Handlers of later stages
  // A later stage's handlers for the controls of an earlier stage's window of class T: attach(App&,
  // T&) runs on every window of that class as it is built, before it loads, in the order attached.
  template <class T, class Attach>
  requires std::derived_from<T, ui::Form> && std::invocable<Attach&, App&, T&>
  void AttachHandlers(Attach attach) {
    AddAttacher(typeid(T), [attach = std::move(attach)](App& app, ui::Form& form) mutable {
      attach(app, static_cast<T&>(form));
    });
  }

  // --- Start-up and exit
  // Loads the start-up window and shows it, as the platform starts the program.
  void Start(std::string_view startup_form = "frmAg0");

 private:
  // Attaches the later stages' handlers to a window just built, then loads it.
  ui::Form& LoadBuilt(std::unique_ptr<ui::Form> form);
  std::unique_ptr<ui::Form> Attached(std::unique_ptr<ui::Form> form);

  // Kept by the exact class of the window, as typeid names a built one.
  using HandlerAttacher = std::function<void(App&, ui::Form&)>;
  void AddAttacher(std::type_index form_class, HandlerAttacher attach);

  std::map<std::string, FormFactory, std::less<>> factories_;
  std::multimap<std::type_index, HandlerAttacher> attachers_;
};

}  // namespace shell
