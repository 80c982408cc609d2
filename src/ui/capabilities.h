#pragma once
// What a user, the script driver or the frontend can do with a control, as small capability bases
// that the control kinds share, the way one button base serves push, check and option buttons: a
// caption, a click, a list to choose from, text to type, a timer to tick, a mouse press, a folder to
// pick. Control::AsClickable() and its siblings ask a control for one of them, so that no caller
// finds out what a control can do by trying every concrete kind.

#include <functional>
#include <vector>

#include "ui/control.h"

namespace ui {

// A caption shown on a control or in a window's title bar, stored here for every kind that has one.
class Captioned {
 public:
  Captioned(const Captioned&) = delete;
  Captioned& operator=(const Captioned&) = delete;

  const Text& Caption() const { return caption_; }
  // A different caption reports a change; the present one reports nothing.
  void SetCaption(const Text& t) {
    if (Assign(caption_, t)) CaptionChanged();
  }

 protected:
  Captioned() = default;
  ~Captioned() = default;

 private:
  // Reports the change as the control's or the window's own.
  virtual void CaptionChanged() = 0;
  Text caption_;
};

// The captioned controls: labels, buttons, frames and menu entries.
class CaptionedControl : public Control, public Captioned {
 public:
  using Control::Control;
  Captioned* AsCaptioned() final { return this; }
  const Captioned* AsCaptioned() const final { return this; }

 private:
  void CaptionChanged() final { Changed(); }
};

// Something the user clicks: labels, push, check and option buttons, menu entries.
class Clickable {
 public:
  // The click event.
  std::function<void()> OnClick;
  // The user's click; does nothing on a control that cannot take input now.
  virtual void UserClick() = 0;

 protected:
  ~Clickable() = default;
};

// A list the user chooses one entry from: list and combo boxes, and the drive, folder and file lists.
// Entries count from 0.
class ListChoice : public Control {
 public:
  using Control::Control;
  ListChoice* AsListChoice() final { return this; }

  int ListCount() const { return static_cast<int>(entries_.size()); }
  // Entry i; an index outside the list throws std::out_of_range.
  const Text& List(int i) const;
  const std::vector<Text>& Entries() const { return entries_; }
  // The chosen entry, -1 for none.
  int ListIndex() const { return list_index_; }
  // The user picks entry index; an index outside the list throws std::out_of_range, and a control
  // that cannot take input now does nothing.
  virtual void UserSelect(int index) = 0;

 protected:
  // ListIndex, ListCount and every List(i), as the driver prints a list.
  void ListChoiceProperties(PropertyList& out) const;

  std::vector<Text> entries_;
  int list_index_ = -1;
};

// Text the user types: text boxes and the text field of a combo box.
class Typeable {
 public:
  // The user replaces the whole text with t.
  virtual void UserType(const Text& t) = 0;

 protected:
  ~Typeable() = default;
};

// A timer that the frontend's clock, the driver and tests tick.
class Tickable {
 public:
  // The period in milliseconds.
  virtual int Interval() const = 0;
  // Whether it fires now.
  virtual bool Running() const = 0;
  // One period has passed: runs the event when Running(); returns whether it ran.
  virtual bool Tick() = 0;

 protected:
  ~Tickable() = default;
};

// A control that takes the mouse press itself: the grid.
class MousePressable {
 public:
  // Button (1 left, 2 right, 4 middle), shift state, X and Y in twips from the control's top left.
  virtual void UserMouseDown(int button, int shift, double x, double y) = 0;

 protected:
  ~MousePressable() = default;
};

// A folder list, where the user clicks a folder by its path.
class FolderPicker {
 public:
  // Throws PathError when path is not a folder.
  virtual void UserPick(const Text& path) = 0;

 protected:
  ~FolderPicker() = default;
};

}  // namespace ui
