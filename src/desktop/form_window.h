#pragma once
// One top-level window per loaded ui::Form: its menu bar, a surface that paints the window's background
// and drawing, one view per control, and its timers. Sizes follow the platform: the model's size is the
// outer size, and the client area is what remains inside the platform's border, caption and menu bar.

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "desktop/control_views.h"
#include "ui/form.h"

class QAction;
class QMenu;
class QMenuBar;
class QTimer;

namespace ui {
class Menu;
class Tickable;
}  // namespace ui

namespace desktop {

// The platform's frame around a window's client area, in pixels.
struct NonClient {
  int border = 0;
  int caption = 0;
  int menu = 0;
};
NonClient NonClientOf(const ui::Form& form);

class FormWindow : public QWidget, private Dispatcher {
 public:
  // on_screen: shown and hidden with the model and its timers running; off screen the window is only
  // rendered (the script driver's pictures).
  FormWindow(ui::Form& form, Dispatcher& dispatcher, bool on_screen);
  ~FormWindow() override;

  // The model's window, or null once it has been unloaded.
  ui::Form* Model() const { return form_; }
  // Brings the window, its menus, controls and timers up to date with what changed in the model since
  // the last sync: nothing when nothing changed, and of the controls only those that changed.
  void Sync();
  // The model's window is leaving: stop the timers and never touch the model again.
  void Detach();
  // The whole window as the platform draws it: border, caption bar, menu bar and client area, at the
  // window's size.
  QImage Render();
  // The client area below the menu bar, where controls sit.
  QWidget* Surface() const { return surface_; }
  // The widget that shows a control (null for menus and timers).
  QWidget* WidgetOf(const ui::Control& control) const;
  QMenuBar* MenuBar() const { return menu_bar_; }
  // The action for a menu entry (for tests).
  QAction* ActionOf(const ui::Menu& menu) const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct MenuEntry {
    ui::Menu* model;
    QAction* action;
    QMenu* menu;  // null for an entry without items
  };
  struct TimerEntry {
    ui::Tickable* model;
    QTimer* timer;
  };
  // The views', menus' and timers' input goes through here, so that nothing reaches a model window that
  // has gone.
  void Dispatch(const std::function<void()>& action) override;
  void BuildMenus();
  void BuildControls();
  void SyncFrame();
  void SyncMenus();
  void SyncTimers();
  void SyncVisibility();

  ui::Form* form_;
  Dispatcher& dispatcher_;
  bool on_screen_;
  QMenuBar* menu_bar_ = nullptr;
  QWidget* surface_ = nullptr;
  std::vector<std::unique_ptr<ControlView>> views_;
  std::vector<MenuEntry> menus_;
  std::vector<TimerEntry> timers_;
  double placed_left_ = -1e300, placed_top_ = -1e300;
  // The title bar's flags last given to Qt (the border style's and the control box's).
  Qt::WindowFlags title_bar_flags_;
  const ui::Control* focused_ = nullptr;
  // The window's change stamp at the last sync (Form::LastChange); nothing synced yet while !synced_.
  bool synced_ = false;
  uint64_t synced_stamp_ = 0;
  // The user acted on the window (a view, a menu, a timer) since the last sync.
  bool user_acted_ = false;
};

}  // namespace desktop
