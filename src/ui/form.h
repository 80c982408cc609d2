#pragma once
// A window. A window class derives from Form, declares its controls as members (each registers itself
// with the window under its own name) and wires their events to member functions in its constructor.
// The constructor only builds the designed window; the desktop loads it (Form_Load) when it is first
// used, and it lives until it is unloaded.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/capabilities.h"
#include "ui/control.h"
#include "ui/picture.h"

namespace ui {

class Desktop;
class Menu;

class Form : public Captioned {
 public:
  Form(Desktop& desktop, std::string name);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  const std::string& Name() const { return name_; }
  Desktop& GetDesktop() const { return *desktop_; }

  // Runs once per load, after the window has joined the desktop's loaded windows.
  virtual void Form_Load() {}

  // In the desktop's list of loaded windows (false once unloaded, even while the object still lives
  // until the handler that unloaded it returns).
  bool Loaded() const { return loaded_; }
  // Shows the window without blocking; owner is the window it stays in front of, if any.
  void Show(Form* owner = nullptr);
  void Hide();
  // Unloads the window: it leaves the loaded windows at once and is destroyed once the running
  // event handler returns.
  void Unload();
  // The user closed the window with its title bar: nothing on a window without a control box;
  // otherwise OnUserClose when set (the window decides what closing it means), else Unload.
  void UserClose();
  std::function<void()> OnUserClose;
  const Form* Owner() const { return owner_; }

  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetLeft(double v);
  void SetTop(double v);
  void SetWidth(double v);
  void SetHeight(double v);
  void Move(double left, double top, double width, double height);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);
  Color ForeColor() const { return canvas_.ForeColor(); }
  void SetForeColor(Color c) { canvas_.SetForeColor(c); }
  const ui::Font& Font() const { return font_; }
  void SetFont(const ui::Font& f);
  // 0 none, 1 fixed single, 2 sizable (default), 3 fixed dialog, 4 fixed tool window, 5 sizable tool.
  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int style);
  // Whether the title bar carries the control menu and the close button; a window without them cannot
  // be closed by the user.
  bool ControlBox() const { return control_box_; }
  void SetControlBox(bool on);

  // Drawing on the window's background (lines and texts that stay).
  Canvas& Drawing() { return canvas_; }
  const Canvas& Drawing() const { return canvas_; }
  void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = std::nullopt) {
    canvas_.Line(x1, y1, x2, y2, color);
  }
  void Cls() { canvas_.Cls(); }

  // The window's controls in the order they were declared; menus included.
  const std::vector<Control*>& Controls() const { return controls_; }
  Control* FindControl(std::string_view name) const;
  // The menu bar's own entries, in order.
  std::vector<Menu*> MenuBar() const;

  // The control given the keyboard focus last (null when none).
  Control* ActiveControl() const { return active_control_; }
  void SetActiveControl(Control* c);

  // The window's own facts: Loaded, Visible, Caption, Left, Top, Width, Height, BackColor, ...
  void ListProperties(PropertyList& out) const;

  // Change stamps on the window's own clock, so that the frontend brings up to date only what changed
  // since it last looked: every change to the window or to one of its controls takes the next number.
  // The latest change to the window or any of its controls:
  uint64_t LastChange() const { return clock_; }
  // The latest change to the window's own facts (place, caption, colours, drawing, shown, ...):
  uint64_t LastOwnChange() const { return own_change_; }

  // Stamps a change of the window's own facts.
  void Changed() { own_change_ = ++clock_; }

 private:
  friend class Control;
  friend class Desktop;
  void AddControl(Control& c);
  void RemoveControl(Control& c);
  uint64_t StampControlChange() { return ++clock_; }
  void CaptionChanged() override { Changed(); }

  Desktop* desktop_;
  std::string name_;
  bool loaded_ = false;
  bool visible_ = false;
  bool enabled_ = true;
  const Form* owner_ = nullptr;
  double left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
  Color back_color_ = colors::kButtonFace;
  ui::Font font_;
  int border_style_ = 2;
  bool control_box_ = true;
  Canvas canvas_;
  std::vector<Control*> controls_;
  Control* active_control_ = nullptr;
  uint64_t clock_ = 0;
  uint64_t own_change_ = 0;
};

}  // namespace ui
