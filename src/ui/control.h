#pragma once
// The base of every control: name, container, place, colours, font, and a uniform property list so
// that the script driver and the desktop frontend can read any control without knowing its window.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/text.h"

namespace ui {

using model::Text;

// &H00BBGGRR; &H800000nn are system colours that the frontend resolves.
using Color = uint32_t;

constexpr Color Rgb(int r, int g, int b) {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

namespace colors {
constexpr Color kScrollBars = 0x80000000;
constexpr Color kWindowBackground = 0x80000005;
constexpr Color kWindowText = 0x80000008;
constexpr Color kAppWorkspace = 0x8000000C;
constexpr Color kHighlight = 0x8000000D;
constexpr Color kHighlightText = 0x8000000E;
constexpr Color kButtonFace = 0x8000000F;
constexpr Color kButtonText = 0x80000012;
constexpr Color kBlack = 0x00000000;
constexpr Color kWhite = 0x00FFFFFF;
}  // namespace colors

struct Font {
  Text name;  // empty: the frontend's default face
  double size = 9;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const Font&) const = default;
};

// A property value as the driver prints it: a boolean, a number, a text or a colour.
struct ColorValue {
  Color value;
  bool operator==(const ColorValue&) const = default;
};
using PropertyValue = std::variant<bool, double, Text, ColorValue>;

struct Property {
  std::string name;  // "Caption", "ColWidth(2)", or a cell's "[1,2].Text"
  PropertyValue value;
};
using PropertyList = std::vector<Property>;

enum class ControlKind {
  kLabel,
  kCommandButton,
  kCheckBox,
  kOptionButton,
  kTextBox,
  kComboBox,
  kListBox,
  kFrame,
  kShape,
  kLine,
  kTimer,
  kMenu,
  kPictureBox,
  kDriveListBox,
  kDirListBox,
  kFileListBox,
  kFlexGrid,
};
// "Label", "CommandButton", ..., "MSFlexGrid".
const char* KindName(ControlKind kind);

class Form;
class Frame;
class Desktop;
class Captioned;
class Clickable;
class ListChoice;
class Typeable;
class Tickable;
class MousePressable;
class FolderPicker;

// The one setter idiom: sets field to value and returns whether that changed it, so that a setter
// reports a change only when there is one (`if (Assign(caption_, t)) Changed();`).
template <class T>
bool Assign(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}
// Whether any of several Assign calls changed its field; each of them has been made by then
// (`if (AnyAssigned(Assign(left_, l), Assign(top_, t))) Changed();`).
template <class... Assigned>
bool AnyAssigned(Assigned... assigned) {
  return (assigned || ...);
}
struct ControlDesign;

// Where a control sits: directly on a window, or inside a frame of that window.
struct Place {
  Place(Form& form) : form(&form) {}  // NOLINT(google-explicit-constructor)
  Place(Frame& frame);                // NOLINT(google-explicit-constructor)
  Form* form;
  Frame* frame = nullptr;
};

class Control {
 public:
  Control(Place place, std::string name);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  virtual ControlKind Kind() const = 0;
  const std::string& Name() const { return name_; }
  Form& Owner() const { return *owner_; }
  // The frame holding this control, or null when it sits on the window itself.
  Frame* Container() const { return container_; }

  // Place and size in twips, relative to the container.
  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetLeft(double v);
  void SetTop(double v);
  void SetWidth(double v);
  void SetHeight(double v);
  void Move(double left, double top, double width, double height);
  void Move(double left, double top);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  Color ForeColor() const { return fore_color_; }
  void SetForeColor(Color c);
  Color BackColor() const { return back_color_; }
  void SetBackColor(Color c);

  const ui::Font& Font() const { return font_; }
  void SetFont(const ui::Font& f);
  void SetFontName(const Text& name);
  void SetFontSize(double size);
  void SetFontBold(bool bold);
  void SetFontItalic(bool italic);

  const Text& ToolTipText() const { return tool_tip_; }
  void SetToolTipText(const Text& t);

  // Whether a user's action can reach this control now: the window is loaded, shown and enabled, and
  // the control and every frame around it are enabled, visible and at least partly inside their
  // container (windows hide controls by moving them out of view).
  bool AcceptsUserInput() const;

  // Every property the driver prints, in a fixed order; derived classes append their own.
  virtual void ListProperties(PropertyList& out) const;

  // What a user, the driver or the frontend can do with this control, one capability at a time (see
  // capabilities.h); null where it cannot.
  virtual Captioned* AsCaptioned() { return nullptr; }
  virtual const Captioned* AsCaptioned() const { return nullptr; }
  virtual Clickable* AsClickable() { return nullptr; }
  virtual ListChoice* AsListChoice() { return nullptr; }
  virtual Typeable* AsTypeable() { return nullptr; }
  virtual Tickable* AsTickable() { return nullptr; }
  virtual MousePressable* AsMousePressable() { return nullptr; }
  virtual FolderPicker* AsFolderPicker() { return nullptr; }

  // The stamp of this control's latest change on its window's change clock (Form::LastChange); 0
  // when it has not changed since it was built.
  uint64_t LastChange() const { return last_change_; }
  // Sets the properties of a design row (ui/design.h): the place, tool tip, font, colours, visibility
  // and enabling every control has; each kind takes out its own fields first. A field the kind does
  // not have throws std::logic_error.
  virtual void ApplyDesign(const ControlDesign& row);
  // Whether this control's rectangle lies at least partly inside its container's area.
  bool InView() const;

 protected:
  // Stamps a change of this control, so that the frontend brings its view up to date.
  void Changed();
  // Runs an event handler as the platform does: a window unloaded inside it is destroyed afterwards.
  void Raise(const std::function<void()>& handler);
  Desktop& GetDesktop() const;

 private:
  Form* owner_;
  Frame* container_;
  std::string name_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  Color fore_color_ = colors::kWindowText;
  Color back_color_ = colors::kButtonFace;
  ui::Font font_;
  Text tool_tip_;
  uint64_t last_change_ = 0;
};

}  // namespace ui
