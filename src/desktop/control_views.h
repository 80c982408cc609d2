#pragma once
// One widget per control of a window, kept in step with the control model. Painted controls read the
// model when they paint; Qt's own widgets (text, combo and list boxes) are brought up to date by Sync.
// User input goes back to the model through the dispatcher as the model's user actions.

#include <QRect>
#include <functional>
#include <memory>

#include "ui/control.h"

class QWidget;

namespace qtui {

// Runs a user's action on the model and then brings every window up to date.
class Dispatcher {
 public:
  virtual ~Dispatcher() = default;
  virtual void Dispatch(const std::function<void()>& action) = 0;
};

class ControlView {
 public:
  ControlView(ui::Control& control, QWidget* widget) : control_(control), widget_(widget) {}
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;
  virtual ~ControlView() = default;

  ui::Control& Model() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // Place, visibility, enabled state, tool tip and content from the model.
  void Sync();
  // Drawn on its container's surface beneath every control that has a window of its own, as the
  // platform draws labels, shapes and lines.
  bool Lightweight() const;

 protected:
  // The widget's rectangle in its container, in pixels.
  virtual QRect Geometry() const;
  virtual void SyncContent() {}

 private:
  ui::Control& control_;
  QWidget* widget_;
};

// The view of a control inside parent (the window's surface or a frame's widget); null for timers and
// menus, which the window handles itself.
std::unique_ptr<ControlView> MakeControlView(ui::Control& control, QWidget* parent, Dispatcher& dispatcher);

}  // namespace qtui
