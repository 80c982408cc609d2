#include "ui/design.h"

#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/controls.h"
#include "ui/file_lists.h"
#include "ui/form.h"
#include "ui/picture.h"

// Each kind's ApplyDesign lives here rather than beside its other members: it takes the fields the
// kind has out of a copy of the row, sets them, and hands the rest down to the kind it derives from,
// until Control refuses whatever is left.

namespace ui {

namespace {

// Takes a field out of a row: returns what was set and leaves the field unset.
template <class T>
std::optional<T> Take(std::optional<T>& field) {
  std::optional<T> value = field;
  field.reset();
  return value;
}
template <class T>
T* Take(T*& field) {
  T* value = field;
  field = nullptr;
  return value;
}
template <class T>
std::span<T> Take(std::span<T>& field) {
  std::span<T> value = field;
  field = {};
  return value;
}
bool Take(bool& field) {
  bool value = field;
  field = false;
  return value;
}
double Take(double& field) {
  double value = field;
  field = 0;
  return value;
}

// The font fields over the present font; nullopt when the row sets none of them.
std::optional<ui::Font> TakeFont(ControlDesign& row, const ui::Font& present) {
  const char16_t* name = Take(row.font_name);
  const double size = Take(row.font_size);
  const bool bold = Take(row.bold);
  const bool italic = Take(row.italic);
  const bool underline = Take(row.underline);
  if (name == nullptr && size == 0 && !bold && !italic && !underline) return std::nullopt;
  ui::Font font = present;
  if (name != nullptr) font.name = name;
  if (size != 0) font.size = size;
  if (bold) font.bold = true;
  if (italic) font.italic = true;
  if (underline) font.underline = true;
  return font;
}

const char* FirstUnappliedField(const ControlDesign& rest);

std::string Who(const Control& control) {
  return control.Owner().Name() + "." + control.Name() + " (" + KindName(control.Kind()) + ")";
}

// The window's own row: caption, place and size, colours, font, border and background drawing.
void ApplyWindowDesign(Form& form, const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto* caption = Take(rest.caption)) form.SetCaption(caption);
  if (auto place = Take(rest.place)) form.Move(place->left, place->top, place->width, place->height);
  if (auto font = TakeFont(rest, form.Font())) form.SetFont(*font);
  if (auto fore = Take(rest.fore)) form.SetForeColor(*fore);
  if (auto back = Take(rest.back)) form.SetBackColor(*back);
  if (auto style = Take(rest.border_style)) form.SetBorderStyle(*style);
  if (auto on = Take(rest.enabled)) form.SetEnabled(*on);
  if (auto on = Take(rest.auto_redraw)) form.Drawing().SetAutoRedraw(*on);
  if (FirstUnappliedField(rest) != nullptr) RefuseUnappliedDesign(rest, form.Name() + " (window)");
}

}  // namespace

namespace {

// The first field still set in rest, null when every field has been taken out.
const char* FirstUnappliedField(const ControlDesign& rest) {
  const bool font = rest.font_name || rest.font_size != 0 || rest.bold || rest.italic || rest.underline;
  const std::pair<const char*, bool> fields[] = {
      {"place", rest.place.has_value()},
      {"caption", rest.caption != nullptr},
      {"text", rest.text != nullptr},
      {"tool_tip", rest.tool_tip != nullptr},
      {"font", font},
      {"fore", rest.fore.has_value()},
      {"back", rest.back.has_value()},
      {"alignment", rest.alignment.has_value()},
      {"border_style", rest.border_style.has_value()},
      {"back_style", rest.back_style.has_value()},
      {"style", rest.style.has_value()},
      {"word_wrap", rest.word_wrap.has_value()},
      {"auto_size", rest.auto_size.has_value()},
      {"visible", rest.visible.has_value()},
      {"enabled", rest.enabled.has_value()},
      {"items", !rest.items.empty()},
      {"pattern", rest.pattern != nullptr},
      {"shortcut", rest.shortcut != nullptr},
      {"checked", rest.checked.has_value()},
      {"points", rest.points.has_value()},
      {"border_color", rest.border_color.has_value()},
      {"border_width", rest.border_width.has_value()},
      {"fill_color", rest.fill_color.has_value()},
      {"fill_style", rest.fill_style.has_value()},
      {"shape", rest.shape.has_value()},
      {"interval", rest.interval.has_value()},
      {"locked", rest.locked.has_value()},
      {"multi_line", rest.multi_line.has_value()},
      {"auto_redraw", rest.auto_redraw.has_value()},
  };
  for (const auto& [field, set] : fields) {
    if (set) return field;
  }
  return nullptr;
}

// As RefuseUnappliedDesign, naming the control only when it refuses (most rows are whole).
void RefuseUnapplied(const ControlDesign& rest, const Control& control) {
  if (FirstUnappliedField(rest) != nullptr) RefuseUnappliedDesign(rest, Who(control));
}

}  // namespace

void RefuseUnappliedDesign(const ControlDesign& rest, std::string_view who) {
  if (const char* field = FirstUnappliedField(rest))
    throw std::logic_error(std::string(who) + " has no design field " + field);
}

void ApplyDesign(Form& form, std::span<const ControlDesign> rows) {
  std::set<std::string_view> seen;
  for (const ControlDesign& row : rows) {
    if (!seen.insert(row.name).second)
      throw std::logic_error(form.Name() + ": design row given twice for " + std::string(row.name));
    if (row.name == form.Name()) {
      ApplyWindowDesign(form, row);
      continue;
    }
    Control* control = form.FindControl(row.name);
    if (control == nullptr)
      throw std::logic_error(form.Name() +
                             ": design row for a control it does not have: " + std::string(row.name));
    control->ApplyDesign(row);
  }
}

// --- What every control has

void Control::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto place = Take(rest.place)) Move(place->left, place->top, place->width, place->height);
  if (auto* tip = Take(rest.tool_tip)) SetToolTipText(tip);
  if (auto font = TakeFont(rest, Font())) SetFont(*font);
  if (auto fore = Take(rest.fore)) SetForeColor(*fore);
  if (auto back = Take(rest.back)) SetBackColor(*back);
  if (auto on = Take(rest.visible)) SetVisible(*on);
  if (auto on = Take(rest.enabled)) SetEnabled(*on);
  RefuseUnapplied(rest, *this);
}

// --- Each kind's own fields

void Label::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto* caption = Take(rest.caption)) SetCaption(caption);
  if (auto alignment = Take(rest.alignment)) SetAlignment(*alignment);
  if (auto style = Take(rest.border_style)) SetBorderStyle(*style);
  if (auto style = Take(rest.back_style)) SetBackStyle(*style);
  if (auto on = Take(rest.auto_size)) SetAutoSize(*on);
  if (auto on = Take(rest.word_wrap)) SetWordWrap(*on);
  Control::ApplyDesign(rest);
}

namespace {
// Push, check and option buttons: a caption and a style (1 graphical).
template <class Button>
void ApplyButtonDesign(Button& button, const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto* caption = Take(rest.caption)) button.SetCaption(caption);
  if (auto style = Take(rest.style)) button.SetStyle(*style);
  button.Control::ApplyDesign(rest);
}
}  // namespace

void CommandButton::ApplyDesign(const ControlDesign& row) {
  ApplyButtonDesign(*this, row);
}
void CheckBox::ApplyDesign(const ControlDesign& row) {
  ApplyButtonDesign(*this, row);
}
void OptionButton::ApplyDesign(const ControlDesign& row) {
  ApplyButtonDesign(*this, row);
}

void TextBox::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto* text = Take(rest.text)) SetText(text);
  if (auto alignment = Take(rest.alignment)) SetAlignment(*alignment);
  if (auto style = Take(rest.border_style)) SetBorderStyle(*style);
  if (auto on = Take(rest.locked)) SetLocked(*on);
  if (auto on = Take(rest.multi_line)) SetMultiLine(*on);
  Control::ApplyDesign(rest);
}

void ListControl::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  for (const char16_t* entry : Take(rest.items)) AddItem(entry);
  Control::ApplyDesign(rest);
}

// The entries first, then the text field, which may show one of them.
void ComboBox::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto style = Take(rest.style)) SetStyle(*style);
  const char16_t* text = Take(rest.text);
  ListControl::ApplyDesign(rest);
  if (text != nullptr) SetText(text);
}

void Frame::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto* caption = Take(rest.caption)) SetCaption(caption);
  if (auto style = Take(rest.border_style)) SetBorderStyle(*style);
  Control::ApplyDesign(rest);
}

void Shape::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto shape = Take(rest.shape)) SetShapeKind(*shape);
  if (auto style = Take(rest.fill_style)) SetFillStyle(*style);
  if (auto color = Take(rest.fill_color)) SetFillColor(*color);
  if (auto color = Take(rest.border_color)) SetBorderColor(*color);
  if (auto width = Take(rest.border_width)) SetBorderWidth(*width);
  if (auto style = Take(rest.border_style)) SetBorderStyle(*style);
  if (auto style = Take(rest.back_style)) SetBackStyle(*style);
  Control::ApplyDesign(rest);
}

// A line is placed by its two ends; its place follows from them.
void Line::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (rest.place) RefuseUnapplied(rest, *this);
  if (auto p = Take(rest.points)) SetPoints(p->x1, p->y1, p->x2, p->y2);
  if (auto color = Take(rest.border_color)) SetBorderColor(*color);
  if (auto width = Take(rest.border_width)) SetBorderWidth(*width);
  if (auto style = Take(rest.border_style)) SetBorderStyle(*style);
  Control::ApplyDesign(rest);
}

// A timer has no place, look or text: only whether it runs and how often.
void Timer::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto on = Take(rest.enabled)) SetEnabled(*on);
  if (auto ms = Take(rest.interval)) SetInterval(*ms);
  RefuseUnapplied(rest, *this);
}

void Menu::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto* caption = Take(rest.caption)) SetCaption(caption);
  if (auto* keys = Take(rest.shortcut)) SetShortcut(keys);
  if (auto on = Take(rest.checked)) SetChecked(*on);
  if (auto on = Take(rest.enabled)) SetEnabled(*on);
  if (auto on = Take(rest.visible)) SetVisible(*on);
  RefuseUnapplied(rest, *this);
}

// The picture's fore colour is its drawing's.
void PictureBox::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto fore = Take(rest.fore)) SetForeColor(*fore);
  if (auto style = Take(rest.border_style)) SetBorderStyle(*style);
  if (auto on = Take(rest.auto_redraw)) SetAutoRedraw(*on);
  Control::ApplyDesign(rest);
}

void FileListBox::ApplyDesign(const ControlDesign& row) {
  ControlDesign rest = row;
  if (auto* pattern = Take(rest.pattern)) SetPattern(pattern);
  Control::ApplyDesign(rest);
}

}  // namespace ui
