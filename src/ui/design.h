#pragma once
// A window's design as data: one row per control, in the order the window lists its controls, with
// the properties the designer set; a field left unset keeps the control's default. ApplyDesign sets
// them on a window's controls by name.

#include <optional>
#include <span>
#include <string_view>

#include "ui/control.h"

namespace ui {

class Form;

// Left, top, width and height in twips, relative to the container.
struct DesignPlace {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// A line's two ends, in twips of its container.
struct DesignPoints {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
};

// Every field has an initializer, so that a row names only the fields it sets (designated
// initializers, in this order).
struct ControlDesign {
  std::string_view name;  // the control's name; the window's own name stands for the window
  std::optional<DesignPlace> place{};
  const char16_t* caption = nullptr;  // captioned controls, menus and the window
  const char16_t* text = nullptr;     // text and combo boxes
  const char16_t* tool_tip = nullptr;
  const char16_t* font_name = nullptr;
  double font_size = 0;  // 0: keep
  bool bold = false;     // false: keep (bold, italic and underline only ever switch on)
  bool italic = false;
  bool underline = false;
  std::optional<Color> fore{};
  std::optional<Color> back{};
  std::optional<int> alignment{};
  std::optional<int> border_style{};
  std::optional<int> back_style{};
  std::optional<int> style{};  // buttons: 1 graphical; combo boxes: their kind
  std::optional<bool> word_wrap{};
  std::optional<bool> auto_size{};
  std::optional<bool> visible{};
  std::optional<bool> enabled{};
  std::span<const char16_t* const> items{};  // list and combo boxes: the entries, in order
  const char16_t* pattern = nullptr;         // file lists
  const char* shortcut = nullptr;            // menus: key text such as "Ctrl+X"
  std::optional<bool> checked{};             // menus
  std::optional<DesignPoints> points{};      // lines, in place of a place
  std::optional<Color> border_color{};       // shapes and lines
  std::optional<int> border_width{};         // shapes and lines
  std::optional<Color> fill_color{};         // shapes
  std::optional<int> fill_style{};           // shapes
  std::optional<int> shape{};                // shapes: ShapeValue
  std::optional<int> interval{};             // timers, in milliseconds
  std::optional<bool> locked{};              // text boxes
  std::optional<bool> multi_line{};          // text boxes
  std::optional<bool> auto_redraw{};         // pictures and the window
};

// Applies every row to the control of that name on form (or to form itself). A name the window
// does not have, a name given twice, or a property its control does not have, throws
// std::logic_error: a design table is checked the first time its window is built.
void ApplyDesign(Form& form, std::span<const ControlDesign> rows);

// Throws std::logic_error naming the first field still set in rest: a control's ApplyDesign calls
// it with the fields its kind has already taken out. who names the control in the message.
void RefuseUnappliedDesign(const ControlDesign& rest, std::string_view who);

}  // namespace ui
