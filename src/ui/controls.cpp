#include "ui/controls.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "ui/form.h"

namespace ui {

// --- Label

Label::Label(Place place, std::string name) : CaptionedControl(place, std::move(name)) {}

void Label::SetAlignment(int a) {
  if (Assign(alignment_, a)) Changed();
}
void Label::SetBorderStyle(int s) {
  if (Assign(border_style_, s)) Changed();
}
void Label::SetBackStyle(int s) {
  if (Assign(back_style_, s)) Changed();
}
void Label::SetAutoSize(bool on) {
  if (Assign(auto_size_, on)) Changed();
}
void Label::SetWordWrap(bool on) {
  if (Assign(word_wrap_, on)) Changed();
}
void Label::UserClick() {
  if (AcceptsUserInput()) Raise(OnClick);
}

void Label::ListProperties(PropertyList& out) const {
  out.push_back({"Caption", Caption()});
  Control::ListProperties(out);
  out.push_back({"Alignment", static_cast<double>(alignment_)});
  out.push_back({"BorderStyle", static_cast<double>(border_style_)});
  out.push_back({"BackStyle", static_cast<double>(back_style_)});
  out.push_back({"AutoSize", auto_size_});
  out.push_back({"WordWrap", word_wrap_});
}

// --- Button

void Button::SetStyle(int s) {
  if (Assign(style_, s)) Changed();
}

// --- CommandButton

CommandButton::CommandButton(Place place, std::string name) : Button(place, std::move(name)) {
  SetForeColor(colors::kButtonText);
}

void CommandButton::UserClick() {
  if (AcceptsUserInput()) Raise(OnClick);
}
void CommandButton::Click() {
  Raise(OnClick);
}

void CommandButton::ListProperties(PropertyList& out) const {
  out.push_back({"Caption", Caption()});
  Control::ListProperties(out);
  out.push_back({"Style", static_cast<double>(Style())});
}

// --- CheckBox

CheckBox::CheckBox(Place place, std::string name) : Button(place, std::move(name)) {}

void CheckBox::SetValue(int v) {
  if (v < kUnchecked || v > kGrayed) throw std::out_of_range("check box value " + std::to_string(v));
  if (!Assign(value_, v)) return;
  Changed();
  Raise(OnClick);
}
void CheckBox::UserClick() {
  if (!AcceptsUserInput()) return;
  SetValue(value_ == kChecked ? kUnchecked : kChecked);
}

void CheckBox::ListProperties(PropertyList& out) const {
  out.push_back({"Caption", Caption()});
  Control::ListProperties(out);
  out.push_back({"Value", static_cast<double>(value_)});
  out.push_back({"Style", static_cast<double>(Style())});
}

// --- OptionButton

OptionButton::OptionButton(Place place, std::string name) : Button(place, std::move(name)) {}

std::vector<OptionButton*> OptionButton::Group() const {
  std::vector<OptionButton*> group;
  for (Control* c : Owner().Controls()) {
    if (c->Kind() != ControlKind::kOptionButton || c == this || c->Container() != Container()) continue;
    group.push_back(static_cast<OptionButton*>(c));
  }
  return group;
}

void OptionButton::SetValue(bool v) {
  if (!Assign(value_, v)) return;
  Changed();
  if (!v) return;
  for (OptionButton* other : Group()) {
    if (other->value_) {
      other->value_ = false;
      other->Changed();
    }
  }
  Raise(OnClick);
}

void OptionButton::UserClick() {
  if (AcceptsUserInput()) SetValue(true);
}

void OptionButton::ListProperties(PropertyList& out) const {
  out.push_back({"Caption", Caption()});
  Control::ListProperties(out);
  out.push_back({"Value", value_});
  out.push_back({"Style", static_cast<double>(Style())});
}

// --- TextBox

TextBox::TextBox(Place place, std::string name) : Control(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
}

void TextBox::SetText(const model::Text& t) {
  if (!Assign(text_, t)) return;
  Changed();
  Raise(OnChange);
}
void TextBox::SetAlignment(int a) {
  if (Assign(alignment_, a)) Changed();
}
void TextBox::SetLocked(bool on) {
  if (Assign(locked_, on)) Changed();
}
void TextBox::SetMultiLine(bool on) {
  if (Assign(multi_line_, on)) Changed();
}
void TextBox::SetBorderStyle(int s) {
  if (Assign(border_style_, s)) Changed();
}
void TextBox::SetFocus() {
  Owner().SetActiveControl(this);
}
void TextBox::UserType(const model::Text& t) {
  if (AcceptsUserInput() && !locked_) SetText(t);
}

void TextBox::ListProperties(PropertyList& out) const {
  out.push_back({"Text", text_});
  Control::ListProperties(out);
  out.push_back({"Alignment", static_cast<double>(alignment_)});
  out.push_back({"Locked", locked_});
  out.push_back({"MultiLine", multi_line_});
  out.push_back({"BorderStyle", static_cast<double>(border_style_)});
}

// --- ListControl

void ListControl::AddItem(const Text& entry, int index) {
  if (index < 0) {
    entries_.push_back(entry);
  } else {
    if (index > ListCount()) throw std::out_of_range(Name() + ": list index " + std::to_string(index));
    entries_.insert(entries_.begin() + index, entry);
    if (list_index_ >= index) ++list_index_;
  }
  Changed();
}

void ListControl::RemoveItem(int index) {
  List(index);  // range check
  entries_.erase(entries_.begin() + index);
  if (list_index_ == index) {
    list_index_ = -1;
  } else if (list_index_ > index) {
    --list_index_;
  }
  Changed();
}

void ListControl::Clear() {
  entries_.clear();
  list_index_ = -1;
  ShowChosenEntry();
  Changed();
}

void ListControl::SetListIndex(int index) {
  if (index < -1 || index >= ListCount())
    throw std::out_of_range(Name() + ": list index " + std::to_string(index));
  if (!Assign(list_index_, index)) return;
  ShowChosenEntry();
  Changed();
  if (index >= 0) Raise(OnClick);
}

void ListControl::UserSelect(int index) {
  List(index);  // range check
  if (AcceptsUserInput()) SetListIndex(index);
}

void ListControl::ListProperties(PropertyList& out) const {
  Control::ListProperties(out);
  ListChoiceProperties(out);
}

// --- ComboBox

ComboBox::ComboBox(Place place, std::string name) : ListControl(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
}

void ComboBox::SetStyle(int s) {
  if (Assign(style_, s)) Changed();
}

void ComboBox::ShowChosenEntry() {
  if (list_index_ >= 0) {
    text_ = entries_[static_cast<size_t>(list_index_)];
  } else {
    text_.clear();
  }
}

void ComboBox::SetText(const model::Text& t) {
  bool changed = Assign(text_, t);
  bool unchosen = list_index_ >= 0 && entries_[static_cast<size_t>(list_index_)] != t;
  if (unchosen) list_index_ = -1;
  if (changed || unchosen) Changed();
  if (changed) Raise(OnChange);
}

void ComboBox::UserType(const model::Text& t) {
  if (!AcceptsUserInput() || style_ == 2) return;
  if (Assign(list_index_, -1)) Changed();
  SetText(t);
}

void ComboBox::ListProperties(PropertyList& out) const {
  out.push_back({"Text", text_});
  ListControl::ListProperties(out);
  out.push_back({"Style", static_cast<double>(style_)});
}

// --- ListBox

ListBox::ListBox(Place place, std::string name) : ListControl(place, std::move(name)) {
  SetBackColor(colors::kWindowBackground);
}

model::Text ListBox::Text() const {
  return list_index_ >= 0 ? entries_[static_cast<size_t>(list_index_)] : model::Text();
}

// --- Frame

Frame::Frame(Place place, std::string name) : CaptionedControl(place, std::move(name)) {}

void Frame::SetBorderStyle(int s) {
  if (Assign(border_style_, s)) Changed();
}

void Frame::ListProperties(PropertyList& out) const {
  out.push_back({"Caption", Caption()});
  Control::ListProperties(out);
  out.push_back({"BorderStyle", static_cast<double>(border_style_)});
}

// --- Shape

Shape::Shape(Place place, std::string name) : Control(place, std::move(name)) {}

void Shape::SetShapeKind(int s) {
  if (Assign(shape_, s)) Changed();
}
void Shape::SetFillStyle(int s) {
  if (Assign(fill_style_, s)) Changed();
}
void Shape::SetFillColor(Color c) {
  if (Assign(fill_color_, c)) Changed();
}
void Shape::SetBorderColor(Color c) {
  if (Assign(border_color_, c)) Changed();
}
void Shape::SetBorderWidth(int w) {
  if (Assign(border_width_, w)) Changed();
}
void Shape::SetBorderStyle(int s) {
  if (Assign(border_style_, s)) Changed();
}
void Shape::SetBackStyle(int s) {
  if (Assign(back_style_, s)) Changed();
}

void Shape::ListProperties(PropertyList& out) const {
  Control::ListProperties(out);
  out.push_back({"Shape", static_cast<double>(shape_)});
  out.push_back({"FillStyle", static_cast<double>(fill_style_)});
  out.push_back({"FillColor", ColorValue{fill_color_}});
  out.push_back({"BorderColor", ColorValue{border_color_}});
  out.push_back({"BorderWidth", static_cast<double>(border_width_)});
  out.push_back({"BorderStyle", static_cast<double>(border_style_)});
  out.push_back({"BackStyle", static_cast<double>(back_style_)});
}

// --- Line

Line::Line(Place place, std::string name) : Control(place, std::move(name)) {}

void Line::SetPoints(double x1, double y1, double x2, double y2) {
  if (AnyAssigned(Assign(x1_, x1), Assign(y1_, y1), Assign(x2_, x2), Assign(y2_, y2))) Changed();
  // The bounding box stands for the line where a control's place is asked for.
  Move(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}
void Line::SetBorderColor(Color c) {
  if (Assign(border_color_, c)) Changed();
}
void Line::SetBorderWidth(int w) {
  if (Assign(border_width_, w)) Changed();
}
void Line::SetBorderStyle(int s) {
  if (Assign(border_style_, s)) Changed();
}

void Line::ListProperties(PropertyList& out) const {
  Control::ListProperties(out);
  out.push_back({"X1", x1_});
  out.push_back({"Y1", y1_});
  out.push_back({"X2", x2_});
  out.push_back({"Y2", y2_});
  out.push_back({"BorderColor", ColorValue{border_color_}});
  out.push_back({"BorderWidth", static_cast<double>(border_width_)});
  out.push_back({"BorderStyle", static_cast<double>(border_style_)});
}

// --- Timer

Timer::Timer(Place place, std::string name) : Control(place, std::move(name)) {}

void Timer::SetInterval(int ms) {
  if (ms < 0) throw std::out_of_range(Name() + ": interval " + std::to_string(ms));
  if (Assign(interval_, ms)) Changed();
}

bool Timer::Running() const {
  return Enabled() && interval_ > 0 && Owner().Loaded();
}

bool Timer::Tick() {
  if (!Running()) return false;
  Raise(OnTimer);
  return true;
}

void Timer::ListProperties(PropertyList& out) const {
  out.push_back({"Kind", model::FromUtf8(KindName(Kind()))});
  out.push_back({"Enabled", Enabled()});
  out.push_back({"Interval", static_cast<double>(interval_)});
}

// --- Menu

Menu::Menu(Form& owner, std::string name) : CaptionedControl(owner, std::move(name)) {}

Menu::Menu(Menu& parent, std::string name)
    : CaptionedControl(parent.Owner(), std::move(name)), parent_(&parent) {
  parent.items_.push_back(this);
}

void Menu::SetChecked(bool on) {
  if (Assign(checked_, on)) Changed();
}
void Menu::SetShortcut(std::string keys) {
  if (Assign(shortcut_, keys)) Changed();
}

void Menu::UserClick() {
  const Form& form = Owner();
  if (!form.Loaded() || !form.Visible() || !form.Enabled() || IsSeparator()) return;
  for (const Menu* m = this; m != nullptr; m = m->parent_)
    if (!m->Enabled() || !m->Visible()) return;
  Raise(OnClick);
}

void Menu::ListProperties(PropertyList& out) const {
  out.push_back({"Kind", model::FromUtf8(KindName(Kind()))});
  out.push_back({"Caption", Caption()});
  out.push_back({"Parent", parent_ ? model::FromUtf8(parent_->Name()) : model::Text()});
  out.push_back({"Enabled", Enabled()});
  out.push_back({"Visible", Visible()});
  out.push_back({"Checked", checked_});
  out.push_back({"Shortcut", model::FromUtf8(shortcut_)});
}

}  // namespace ui
