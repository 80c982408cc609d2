#include "ui/control.h"

#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/form.h"

namespace ui {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      return "Label";
    case ControlKind::kCommandButton:
      return "CommandButton";
    case ControlKind::kCheckBox:
      return "CheckBox";
    case ControlKind::kOptionButton:
      return "OptionButton";
    case ControlKind::kTextBox:
      return "TextBox";
    case ControlKind::kComboBox:
      return "ComboBox";
    case ControlKind::kListBox:
      return "ListBox";
    case ControlKind::kFrame:
      return "Frame";
    case ControlKind::kShape:
      return "Shape";
    case ControlKind::kLine:
      return "Line";
    case ControlKind::kTimer:
      return "Timer";
    case ControlKind::kMenu:
      return "Menu";
    case ControlKind::kPictureBox:
      return "PictureBox";
    case ControlKind::kDriveListBox:
      return "DriveListBox";
    case ControlKind::kDirListBox:
      return "DirListBox";
    case ControlKind::kFileListBox:
      return "FileListBox";
    case ControlKind::kFlexGrid:
      return "MSFlexGrid";
  }
  return "Control";
}

Place::Place(Frame& frame) : form(&frame.Owner()), frame(&frame) {}

Control::Control(Place place, std::string name)
    : owner_(place.form), container_(place.frame), name_(std::move(name)) {
  owner_->AddControl(*this);
}

Control::~Control() {
  owner_->RemoveControl(*this);
}

void Control::Changed() {
  last_change_ = owner_->StampControlChange();
}

Desktop& Control::GetDesktop() const {
  return owner_->GetDesktop();
}

void Control::Raise(const std::function<void()>& handler) {
  if (!handler) return;
  Desktop::EventScope scope(GetDesktop());
  handler();
}

void Control::SetLeft(double v) {
  if (Assign(left_, v)) Changed();
}
void Control::SetTop(double v) {
  if (Assign(top_, v)) Changed();
}
void Control::SetWidth(double v) {
  if (Assign(width_, v)) Changed();
}
void Control::SetHeight(double v) {
  if (Assign(height_, v)) Changed();
}
void Control::Move(double left, double top, double width, double height) {
  if (AnyAssigned(Assign(left_, left), Assign(top_, top), Assign(width_, width), Assign(height_, height)))
    Changed();
}
void Control::Move(double left, double top) {
  if (AnyAssigned(Assign(left_, left), Assign(top_, top))) Changed();
}
void Control::SetVisible(bool v) {
  if (Assign(visible_, v)) Changed();
}
void Control::SetEnabled(bool v) {
  if (Assign(enabled_, v)) Changed();
}
void Control::SetForeColor(Color c) {
  if (Assign(fore_color_, c)) Changed();
}
void Control::SetBackColor(Color c) {
  if (Assign(back_color_, c)) Changed();
}
void Control::SetFont(const ui::Font& f) {
  if (Assign(font_, f)) Changed();
}
void Control::SetFontName(const Text& name) {
  if (Assign(font_.name, name)) Changed();
}
void Control::SetFontSize(double size) {
  if (Assign(font_.size, size)) Changed();
}
void Control::SetFontBold(bool bold) {
  if (Assign(font_.bold, bold)) Changed();
}
void Control::SetFontItalic(bool italic) {
  if (Assign(font_.italic, italic)) Changed();
}
void Control::SetToolTipText(const Text& t) {
  if (Assign(tool_tip_, t)) Changed();
}

bool Control::InView() const {
  double area_width = container_ ? container_->Width() : owner_->Width();
  double area_height = container_ ? container_->Height() : owner_->Height();
  return left_ < area_width && top_ < area_height && left_ + width_ > 0 && top_ + height_ > 0;
}

bool Control::AcceptsUserInput() const {
  if (!owner_->Loaded() || !owner_->Visible() || !owner_->Enabled()) return false;
  for (const Control* c = this; c != nullptr; c = c->container_) {
    if (!c->enabled_ || !c->visible_) return false;
    if (c->Kind() != ControlKind::kMenu && c->Kind() != ControlKind::kTimer && !c->InView()) return false;
  }
  return true;
}

void Control::ListProperties(PropertyList& out) const {
  out.push_back({"Kind", model::FromUtf8(KindName(Kind()))});
  out.push_back(
      {"Container", container_ ? model::FromUtf8(container_->Name()) : model::FromUtf8(owner_->Name())});
  out.push_back({"Left", left_});
  out.push_back({"Top", top_});
  out.push_back({"Width", width_});
  out.push_back({"Height", height_});
  out.push_back({"Visible", visible_});
  out.push_back({"Enabled", enabled_});
  out.push_back({"ForeColor", ColorValue{fore_color_}});
  out.push_back({"BackColor", ColorValue{back_color_}});
  out.push_back({"FontName", font_.name});
  out.push_back({"FontSize", font_.size});
  out.push_back({"FontBold", font_.bold});
  out.push_back({"FontItalic", font_.italic});
  out.push_back({"ToolTipText", tool_tip_});
}

}  // namespace ui
