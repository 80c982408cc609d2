#include "ui/picture.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ui/desktop.h"
#include "ui/file_lists.h"
#include "ui/form.h"

namespace ui {

double TwipsToScale(double twips, int scale_mode) {
  switch (scale_mode) {
    case 2:
      return twips / 20;  // points
    case 3:
      return twips / 15;  // pixels
    case 5:
      return twips / 1440;  // inches
    case 6:
      return twips * 25.4 / 1440;  // millimetres
    case 7:
      return twips * 2.54 / 1440;  // centimetres
    default:
      return twips;  // twips, user scales and characters
  }
}

const char* DrawOpKindName(DrawOpKind kind) {
  switch (kind) {
    case DrawOpKind::kLine:
      return "line";
    case DrawOpKind::kBox:
      return "box";
    case DrawOpKind::kText:
      return "text";
  }
  return "line";
}

const char* DrawStyleName(int style) {
  switch (style) {
    case kDrawSolid:
      return "solid";
    case kDrawDash:
      return "dash";
    case kDrawDot:
      return "dotted";
    case kDrawDashDot:
      return "dashdot";
    case kDrawDashDotDot:
      return "dashdotdot";
    default:
      return "solid";
  }
}

bool MemoryPictureStore::Save(const std::filesystem::path& path, const PictureImage& image) {
  images_[path] = image;
  return true;
}

std::optional<PictureImage> MemoryPictureStore::Load(const std::filesystem::path& path, double /*width*/,
                                                     double /*height*/) {
  auto it = images_.find(path);
  if (it == images_.end()) return std::nullopt;
  return it->second;
}

// --- Canvas

void Canvas::Changed() {
  if (on_change_) on_change_();
}
void Canvas::SetCurrentX(double x) {
  current_x_ = x;
}
void Canvas::SetCurrentY(double y) {
  current_y_ = y;
}
void Canvas::SetForeColor(Color c) {
  if (Assign(fore_color_, c)) Changed();
}
void Canvas::SetDrawWidth(int pixels) {
  draw_width_ = pixels < 1 ? 1 : pixels;
}
void Canvas::SetDrawStyle(int style) {
  draw_style_ = style;
}
void Canvas::SetFontSize(double points) {
  font_size_ = points;
}
void Canvas::SetAutoRedraw(bool on) {
  auto_redraw_ = on;
}
void Canvas::SetScaleMode(int mode) {
  scale_mode_ = mode;
}

void Canvas::Reserve(size_t more) {
  // Grows by at least half again, so that reserving before each of many drawings stays cheap.
  const size_t wanted = ops_.size() + more;
  if (wanted > ops_.capacity()) ops_.reserve(std::max(wanted, ops_.capacity() + ops_.capacity() / 2));
}

void Canvas::Line(double x1, double y1, double x2, double y2, std::optional<Color> color) {
  DrawOp& op = ops_.emplace_back();
  op.kind = DrawOpKind::kLine;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.color = color.value_or(fore_color_);
  op.width = draw_width_;
  op.style = draw_style_;
  current_x_ = x2;
  current_y_ = y2;
  Changed();
}

void Canvas::Box(double x1, double y1, double x2, double y2, std::optional<Color> color, bool filled) {
  Line(x1, y1, x2, y2, color);
  ops_.back().kind = DrawOpKind::kBox;
  ops_.back().filled = filled;
}

double Canvas::TextHeight() const {
  return TwipsToScale(font_size_ * 20, scale_mode_);
}

void Canvas::Print(const Text& text) {
  DrawOp op;
  op.kind = DrawOpKind::kText;
  op.x1 = current_x_;
  op.y1 = current_y_;
  op.color = fore_color_;
  op.width = draw_width_;
  op.style = draw_style_;
  op.text = text;
  op.font_size = font_size_;
  ops_.push_back(std::move(op));
  current_x_ = 0;
  current_y_ += TextHeight();
  Changed();
}

void Canvas::Cls() {
  // What is shown is the drawing; the position alone is reported by no setter.
  bool drawn = !ops_.empty();
  ops_.clear();
  current_x_ = 0;
  current_y_ = 0;
  if (drawn) Changed();
}

// --- PictureBox

PictureBox::PictureBox(Place place, std::string name)
    : Control(place, std::move(name)), canvas_([this] { Changed(); }) {
  Control::SetForeColor(colors::kBlack);
}

void PictureBox::SetForeColor(Color c) {
  Control::SetForeColor(c);
  canvas_.SetForeColor(c);
}

void PictureBox::SetBorderStyle(int style) {
  if (Assign(border_style_, style)) Changed();
}

void PictureBox::Cls() {
  canvas_.Cls();
}

PictureImage PictureBox::Content() const {
  PictureImage image;
  image.back_color = BackColor();
  image.width = Width();
  image.height = Height();
  image.raster = background_raster_;
  image.ops = background_ops_;
  image.ops.insert(image.ops.end(), canvas_.Ops().begin(), canvas_.Ops().end());
  return image;
}

bool PictureBox::SavePicture(const Text& path) {
  return GetDesktop().Pictures().Save(PathOfText(path), Content());
}

bool PictureBox::LoadPicture(const Text& path) {
  std::optional<PictureImage> image = GetDesktop().Pictures().Load(PathOfText(path), Width(), Height());
  if (!image) return false;
  ShowPicture(std::move(*image), path);
  return true;
}

void PictureBox::ShowPicture(PictureImage image, const Text& path) {
  background_raster_ = std::move(image.raster);
  background_ops_ = std::move(image.ops);
  picture_path_ = path;
  canvas_.Cls();
  Changed();
}

void PictureBox::ListProperties(PropertyList& out) const {
  Control::ListProperties(out);
  out.push_back({"BorderStyle", static_cast<double>(border_style_)});
  out.push_back({"DrawWidth", static_cast<double>(canvas_.DrawWidth())});
  out.push_back({"DrawStyle", static_cast<double>(canvas_.DrawStyle())});
  out.push_back({"AutoRedraw", canvas_.AutoRedraw()});
  out.push_back({"CurrentX", canvas_.CurrentX()});
  out.push_back({"CurrentY", canvas_.CurrentY()});
  out.push_back({"Picture", picture_path_});
  out.push_back({"PictureOps", static_cast<double>(background_ops_.size())});
  out.push_back({"PicturePixels", model::FromUtf8(std::to_string(background_raster_.width) + "x" +
                                                  std::to_string(background_raster_.height))});
  ListDrawOps(canvas_.Ops(), out);
}

void ListDrawOps(const std::vector<DrawOp>& ops, PropertyList& out, const std::string& prefix) {
  out.push_back({prefix + "Ops", static_cast<double>(ops.size())});
  for (size_t k = 0; k < ops.size(); ++k) {
    const DrawOp& op = ops[k];
    std::string p = prefix + "Op[" + std::to_string(k + 1) + "].";
    out.push_back({p + "Kind", model::FromUtf8(DrawOpKindName(op.kind))});
    if (op.kind == DrawOpKind::kText) {
      out.push_back({p + "X", op.x1});
      out.push_back({p + "Y", op.y1});
      out.push_back({p + "Text", op.text});
      out.push_back({p + "Color", ColorValue{op.color}});
    } else {
      out.push_back({p + "X1", op.x1});
      out.push_back({p + "Y1", op.y1});
      out.push_back({p + "X2", op.x2});
      out.push_back({p + "Y2", op.y2});
      out.push_back({p + "Color", ColorValue{op.color}});
      out.push_back({p + "Width", static_cast<double>(op.width)});
      out.push_back({p + "Style", model::FromUtf8(DrawStyleName(op.style))});
    }
  }
}

}  // namespace ui
