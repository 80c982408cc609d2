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

struct ControlDesign {
  std::string_view name;  // the control's name; the window's own name stands for the window
  std::optional<DesignPlace> place;
  const char16_t* caption = nullptr;  // captioned controls and the window
  const char16_t* text = nullptr;     // text and combo boxes
  const char16_t* tool_tip = nullptr;
  const char16_t* font_name = nullptr;
  double font_size = 0;  // 0: keep
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::optional<Color> fore;
  std::optional<Color> back;
  std::optional<int> alignment;
  std::optional<int> border_style;
  std::optional<int> back_style;
  std::optional<int> style;  // buttons: 1 graphical; combo boxes: their kind
  std::optional<bool> word_wrap;
  std::optional<bool> auto_size;
  std::optional<bool> visible;
  std::optional<bool> enabled;
};

// Applies every row to the control of that name on form (or to form itself). A name the window
// does not have, or a property its control does not have, throws std::logic_error: a design table
// is checked the first time its window is built.
void ApplyDesign(Form& form, std::span<const ControlDesign> rows);

}  // namespace ui
