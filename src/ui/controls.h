#pragma once
// The standard controls. Setters behave as the platform's properties do: assigning a check box a new
// value or an option button true when it was false runs its click; assigning the present value, or
// clearing an option button, runs nothing. User actions (User...) do nothing on a control that
// cannot take input now (see Control::AcceptsUserInput); code can always change a control.

#include <functional>
#include <string>
#include <vector>

#include "ui/capabilities.h"
#include "ui/control.h"

namespace ui {

// Text alignment of labels and text boxes: 0 left, 1 right, 2 centre.
enum AlignmentValue { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };
// Check box values.
enum CheckValue { kUnchecked = 0, kChecked = 1, kGrayed = 2 };

class Label : public CaptionedControl, public Clickable {
 public:
  Label(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kLabel; }
  Clickable* AsClickable() override { return this; }

  int Alignment() const { return alignment_; }
  void SetAlignment(int a);
  // 0 none, 1 fixed single.
  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int s);
  // 0 transparent, 1 opaque.
  int BackStyle() const { return back_style_; }
  void SetBackStyle(int s);
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool on);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool on);

  void UserClick() override;

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  int alignment_ = kAlignLeft;
  int border_style_ = 0;
  int back_style_ = 1;
  bool auto_size_ = false;
  bool word_wrap_ = false;
};

// What push, check and option buttons share: a caption, a style and a click.
class Button : public CaptionedControl, public Clickable {
 public:
  using CaptionedControl::CaptionedControl;
  Clickable* AsClickable() override { return this; }

  // 0 standard, 1 graphical: a push button shows its BackColor; a check or option button is drawn as
  // a push button that stays down while it is on.
  int Style() const { return style_; }
  void SetStyle(int s);
  // What the button shows: kChecked, kGrayed or kUnchecked (a push button is never on).
  virtual int CheckState() const { return kUnchecked; }

 private:
  int style_ = 0;
};

class CommandButton : public Button {
 public:
  CommandButton(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kCommandButton; }

  void UserClick() override;
  // Runs the click from code, as the platform's Value = True does.
  void Click();

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;
};

class CheckBox : public Button {
 public:
  CheckBox(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kCheckBox; }

  int Value() const { return value_; }
  // A new value runs the click; the present value runs nothing.
  void SetValue(int v);
  int CheckState() const override { return value_; }

  // Toggles: ticked becomes clear, clear or grey becomes ticked.
  void UserClick() override;

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  int value_ = kUnchecked;
};

// Option buttons in the same container (the window or one frame) form one group.
class OptionButton : public Button {
 public:
  OptionButton(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kOptionButton; }

  bool Value() const { return value_; }
  // True when false: the others of the group are cleared, then the click runs. Clearing, or the
  // present value, runs nothing.
  void SetValue(bool v);
  // The other option buttons of this one's group, in declaration order.
  std::vector<OptionButton*> Group() const;
  int CheckState() const override { return value_ ? kChecked : kUnchecked; }

  // Selects this button; a click on the selected one runs nothing.
  void UserClick() override;

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  bool value_ = false;
};

class TextBox : public Control, public Typeable {
 public:
  TextBox(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kTextBox; }
  Typeable* AsTypeable() override { return this; }

  const model::Text& Text() const { return text_; }
  // A changed text runs the change event.
  void SetText(const model::Text& t);
  int Alignment() const { return alignment_; }
  void SetAlignment(int a);
  bool Locked() const { return locked_; }
  void SetLocked(bool on);
  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool on);
  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int s);
  // Gives the text box the keyboard focus (the window's active control).
  void SetFocus();

  std::function<void()> OnChange;
  // The user replaces the whole text with t (nothing on a locked box).
  void UserType(const model::Text& t) override;

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  model::Text text_;
  int alignment_ = kAlignLeft;
  bool locked_ = false;
  bool multi_line_ = false;
  int border_style_ = 1;
};

// Entries that code adds and removes, the chosen entry and (for a combo box) the text field, shared
// by list and combo boxes.
class ListControl : public ListChoice {
 public:
  using ListChoice::ListChoice;

  // Appends, or inserts before index.
  void AddItem(const Text& entry, int index = -1);
  void RemoveItem(int index);
  // Empties the list: no entry chosen, the text field empty.
  void Clear();
  // A new index chooses that entry (the text field shows it) and runs the click; -1 clears the choice.
  void SetListIndex(int index);

  std::function<void()> OnClick;
  void UserSelect(int index) override;

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 protected:
  virtual void ShowChosenEntry() {}
};

class ComboBox : public ListControl, public Typeable {
 public:
  ComboBox(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kComboBox; }
  Typeable* AsTypeable() override { return this; }

  // 0 drop-down with a text field, 1 simple, 2 drop-down list (no typing).
  int Style() const { return style_; }
  void SetStyle(int s);
  const model::Text& Text() const { return text_; }
  // Sets the text field; no entry stays chosen unless the text is the chosen entry's.
  void SetText(const model::Text& t);

  std::function<void()> OnChange;
  // The user types t into the text field (replacing it): no entry is chosen, the change runs.
  void UserType(const model::Text& t) override;

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  void ShowChosenEntry() override;
  int style_ = 0;
  model::Text text_;
};

class ListBox : public ListControl {
 public:
  ListBox(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kListBox; }
  // The chosen entry's text, empty when none.
  model::Text Text() const;
};

// A container: controls placed in it move, hide and disable with it; option buttons in it form
// their own group.
class Frame : public CaptionedControl {
 public:
  Frame(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kFrame; }

  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int s);

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  int border_style_ = 1;
};

// Shapes as the platform numbers them.
enum ShapeValue {
  kShapeRectangle = 0,
  kShapeSquare = 1,
  kShapeOval = 2,
  kShapeCircle = 3,
  kShapeRoundedRectangle = 4,
  kShapeRoundedSquare = 5
};
// Fill styles: 0 solid, 1 transparent (and hatches 2 to 7).
enum FillStyleValue { kFillSolid = 0, kFillTransparent = 1 };

class Shape : public Control {
 public:
  Shape(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kShape; }

  int ShapeKind() const { return shape_; }
  void SetShapeKind(int s);
  int FillStyle() const { return fill_style_; }
  void SetFillStyle(int s);
  Color FillColor() const { return fill_color_; }
  void SetFillColor(Color c);
  Color BorderColor() const { return border_color_; }
  void SetBorderColor(Color c);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int w);
  // 0 transparent, 1 solid, 2 dash, 3 dot, ...
  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int s);
  // 0 transparent, 1 opaque (BackColor fills).
  int BackStyle() const { return back_style_; }
  void SetBackStyle(int s);

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  int shape_ = kShapeRectangle;
  int fill_style_ = kFillTransparent;
  Color fill_color_ = colors::kBlack;
  Color border_color_ = colors::kWindowText;
  int border_width_ = 1;
  int border_style_ = 1;
  int back_style_ = 0;
};

// A straight line between two points of its container.
class Line : public Control {
 public:
  Line(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kLine; }

  double X1() const { return x1_; }
  double Y1() const { return y1_; }
  double X2() const { return x2_; }
  double Y2() const { return y2_; }
  void SetPoints(double x1, double y1, double x2, double y2);
  Color BorderColor() const { return border_color_; }
  void SetBorderColor(Color c);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int w);
  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int s);

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Color border_color_ = colors::kWindowText;
  int border_width_ = 1;
  int border_style_ = 1;
};

// Fires its event every Interval milliseconds while enabled with a non-zero interval. The frontend's
// clock, the driver and tests call Tick().
class Timer : public Control, public Tickable {
 public:
  Timer(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kTimer; }
  Tickable* AsTickable() override { return this; }

  int Interval() const override { return interval_; }
  void SetInterval(int ms);
  // Whether the timer fires now: enabled, a non-zero interval, and its window loaded.
  bool Running() const override;

  std::function<void()> OnTimer;
  // One period has passed: runs the event when Running(); returns whether it ran.
  bool Tick() override;

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  int interval_ = 0;
};

// A menu entry: on the menu bar (its container is the window) or inside another menu. A caption "-"
// makes a separator line.
class Menu : public CaptionedControl, public Clickable {
 public:
  Menu(Form& owner, std::string name);
  Menu(Menu& parent, std::string name);
  ControlKind Kind() const override { return ControlKind::kMenu; }
  Clickable* AsClickable() override { return this; }

  bool IsSeparator() const { return Caption() == u"-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  // Key text such as "Ctrl+X"; empty for none.
  const std::string& Shortcut() const { return shortcut_; }
  void SetShortcut(std::string keys);
  Menu* Parent() const { return parent_; }
  const std::vector<Menu*>& Items() const { return items_; }

  // Does nothing on a disabled or hidden entry, or one inside a disabled or hidden menu.
  void UserClick() override;

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  bool checked_ = false;
  std::string shortcut_;
  Menu* parent_ = nullptr;
  std::vector<Menu*> items_;
};

}  // namespace ui
