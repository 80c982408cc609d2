#include "ui/form.h"

#include <algorithm>
#include <stdexcept>

#include "ui/controls.h"
#include "ui/desktop.h"

namespace ui {

Form::Form(Desktop& desktop, std::string name)
    : desktop_(&desktop), name_(std::move(name)), canvas_([this] { Changed(); }) {}

Form::~Form() = default;

void Form::AddControl(Control& c) {
  if (FindControl(c.Name()) != nullptr) throw std::logic_error("control declared twice: " + c.Name());
  controls_.push_back(&c);
}

void Form::RemoveControl(Control& c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &c), controls_.end());
  if (active_control_ == &c) active_control_ = nullptr;
}

Control* Form::FindControl(std::string_view name) const {
  for (Control* c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

std::vector<Menu*> Form::MenuBar() const {
  std::vector<Menu*> bar;
  for (Control* c : controls_)
    if (c->Kind() == ControlKind::kMenu && static_cast<Menu*>(c)->Parent() == nullptr)
      bar.push_back(static_cast<Menu*>(c));
  return bar;
}

void Form::Show(Form* owner) {
  if (!loaded_) throw std::logic_error("showing a window that is not loaded: " + name_);
  bool changed = Assign(visible_, true);
  if (owner != nullptr) changed |= Assign(owner_, static_cast<const Form*>(owner));
  if (changed) Changed();
}

void Form::Hide() {
  if (Assign(visible_, false)) Changed();
}

void Form::Unload() {
  if (loaded_) desktop_->Unload(*this);
}

void Form::UserClose() {
  if (!control_box_) return;
  Desktop::EventScope scope(*desktop_);
  if (OnUserClose) {
    OnUserClose();
  } else {
    Unload();
  }
}

void Form::SetEnabled(bool v) {
  if (Assign(enabled_, v)) Changed();
}
void Form::SetLeft(double v) {
  if (Assign(left_, v)) Changed();
}
void Form::SetTop(double v) {
  if (Assign(top_, v)) Changed();
}
void Form::SetWidth(double v) {
  if (Assign(width_, v)) Changed();
}
void Form::SetHeight(double v) {
  if (Assign(height_, v)) Changed();
}
void Form::Move(double left, double top, double width, double height) {
  if (AnyAssigned(Assign(left_, left), Assign(top_, top), Assign(width_, width), Assign(height_, height)))
    Changed();
}
void Form::SetBackColor(Color c) {
  if (Assign(back_color_, c)) Changed();
}
void Form::SetFont(const ui::Font& f) {
  if (Assign(font_, f)) Changed();
}
void Form::SetControlBox(bool on) {
  if (Assign(control_box_, on)) Changed();
}
void Form::SetBorderStyle(int style) {
  if (Assign(border_style_, style)) Changed();
}
void Form::SetActiveControl(Control* c) {
  if (Assign(active_control_, c)) Changed();
}

void Form::ListProperties(PropertyList& out) const {
  out.push_back({"Loaded", loaded_});
  out.push_back({"Visible", visible_});
  out.push_back({"Caption", Caption()});
  out.push_back({"Left", left_});
  out.push_back({"Top", top_});
  out.push_back({"Width", width_});
  out.push_back({"Height", height_});
  out.push_back({"Enabled", enabled_});
  out.push_back({"BackColor", ColorValue{back_color_}});
  out.push_back({"ForeColor", ColorValue{canvas_.ForeColor()}});
  out.push_back({"Owner", owner_ ? model::FromUtf8(owner_->Name()) : Text()});
  out.push_back({"ActiveControl", active_control_ ? model::FromUtf8(active_control_->Name()) : Text()});
  ListDrawOps(canvas_.Ops(), out);
}

}  // namespace ui
