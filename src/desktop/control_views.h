#pragma once
// One widget per control of a window, kept in step with the control model. Painted controls read the
// model when they paint; Qt's own widgets (text, combo and list boxes) are brought up to date by Sync,
// which the window runs for the views whose control changed since its last sync. User input goes back
// to the model through the dispatcher as the model's user actions.

#include <QFont>
#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "ui/control.h"

class QWidget;

namespace desktop {

// Runs a user's action on the model and then brings the windows up to date with what it changed.
class Dispatcher {
 public:
  virtual ~Dispatcher() = default;
  virtual void Dispatch(const std::function<void()>& action) = 0;
};

class ControlView {
 public:
  ControlView(ui::Control& control, QWidget* widget, Dispatcher& dispatcher)
      : control_(control), widget_(widget), dispatcher_(dispatcher) {}
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;
  virtual ~ControlView() = default;

  ui::Control& Model() const { return control_; }
  QWidget* Widget() const { return widget_; }
  // Whether Sync has something to do: the control changed after the window's change stamp since, or
  // the user acted on the widget since the last sync.
  bool Stale(uint64_t since) const { return user_acted_ || control_.LastChange() > since; }
  // Place, visibility, enabled state, tool tip and content from the model; repaints the widget.
  void Sync();
  // Drawn on its container's surface beneath every control that has a window of its own, as the
  // platform draws labels, shapes and lines.
  bool Lightweight() const;

 protected:
  // The widget's rectangle in its container, in pixels.
  virtual QRect Geometry() const;
  virtual void SyncContent() {}
  // Runs the user's action on the model. A widget that keeps what the user did (a typed text, a
  // chosen row) is brought back to the model at the next sync even when the model took nothing.
  void Send(const std::function<void()>& action);

 private:
  ui::Control& control_;
  QWidget* widget_;
  Dispatcher& dispatcher_;
  bool user_acted_ = false;
};

// Where a label or a button draws its caption inside a widget of that size, and how: the box, the face
// and whether it wraps. Nothing for the other kinds of control.
struct CaptionLayout {
  QRect box;
  QFont font;
  bool wrap = false;
};
std::optional<CaptionLayout> CaptionLayoutOf(const ui::Control& control, const QSize& size);

// The view of a control inside parent (the window's surface or a frame's widget); null for timers and
// menus, which the window handles itself.
std::unique_ptr<ControlView> MakeControlView(ui::Control& control, QWidget* parent, Dispatcher& dispatcher);

}  // namespace desktop
