#pragma once
// Drawing surfaces: a picture box or a window background records every line, box and text drawn on
// it; the frontend paints the record and tests assert on it. Saving and loading a picture goes
// through a store, so that headless runs keep pictures in memory.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "ui/control.h"

namespace ui {

// A length in twips expressed in the units of a scale mode (1 twips, 2 points, 3 pixels, 5 inches,
// 6 millimetres, 7 centimetres; user scales count as twips).
double TwipsToScale(double twips, int scale_mode);

// Line styles as the platform numbers them.
enum DrawStyleValue { kDrawSolid = 0, kDrawDash = 1, kDrawDot = 2, kDrawDashDot = 3, kDrawDashDotDot = 4 };

enum class DrawOpKind { kLine, kBox, kText };

// One drawing operation, in the surface's scale (twips for pictures and windows).
struct DrawOp {
  DrawOpKind kind = DrawOpKind::kLine;
  // A line's ends, a box's opposite corners; a text's top left in x1, y1.
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Color color = colors::kBlack;
  int width = 1;  // pixels
  int style = kDrawSolid;
  bool filled = false;  // a box drawn filled
  Text text;
  double font_size = 9;
  bool operator==(const DrawOp&) const = default;
};
// "line", "box", "text"; and "solid", "dash", "dotted", ... for a style.
const char* DrawOpKindName(DrawOpKind kind);
const char* DrawStyleName(int style);

// Pixels row by row from the top left, as a bitmap file holds them.
struct Raster {
  int width = 0, height = 0;
  std::vector<Color> pixels;
  bool Empty() const { return pixels.empty(); }
  bool operator==(const Raster&) const = default;
};

// What a saved picture holds: its background and everything drawn on it. A picture read from a
// bitmap file is its pixels (raster) alone; one kept as a drawing has operations only.
struct PictureImage {
  Color back_color = colors::kWhite;
  double width = 0, height = 0;
  Raster raster;  // under the operations
  std::vector<DrawOp> ops;
  bool operator==(const PictureImage&) const = default;
};

// Where pictures are saved to and loaded from. The headless store keeps them in memory by path.
class PictureStore {
 public:
  virtual ~PictureStore() = default;
  // False when the picture cannot be written.
  virtual bool Save(const std::filesystem::path& path, const PictureImage& image) = 0;
  // Nothing when there is no readable picture at path. width and height (twips) are the sides of the
  // picture it is loaded into: a file longer than any bitmap of that picture is not read.
  virtual std::optional<PictureImage> Load(const std::filesystem::path& path, double width,
                                           double height) = 0;
};

class MemoryPictureStore : public PictureStore {
 public:
  bool Save(const std::filesystem::path& path, const PictureImage& image) override;
  std::optional<PictureImage> Load(const std::filesystem::path& path, double width, double height) override;

 private:
  std::map<std::filesystem::path, PictureImage> images_;
};

// A persistent drawing: the current position, colour, pen and font, and the record of operations.
class Canvas {
 public:
  explicit Canvas(std::function<void()> on_change = {}) : on_change_(std::move(on_change)) {}

  double CurrentX() const { return current_x_; }
  double CurrentY() const { return current_y_; }
  void SetCurrentX(double x);
  void SetCurrentY(double y);
  Color ForeColor() const { return fore_color_; }
  void SetForeColor(Color c);
  int DrawWidth() const { return draw_width_; }
  void SetDrawWidth(int pixels);
  int DrawStyle() const { return draw_style_; }
  void SetDrawStyle(int style);
  double FontSize() const { return font_size_; }
  void SetFontSize(double points);
  bool AutoRedraw() const { return auto_redraw_; }
  void SetAutoRedraw(bool on);
  int ScaleMode() const { return scale_mode_; }
  void SetScaleMode(int mode);

  // A line from (x1, y1) to (x2, y2) in the given colour or the fore colour; the current position
  // moves to (x2, y2).
  void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = std::nullopt);
  // A box by two opposite corners (the platform's Line ... , B / BF).
  void Box(double x1, double y1, double x2, double y2, std::optional<Color> color = std::nullopt,
           bool filled = false);
  // Text with the top left of its first character cell at the current position; afterwards the
  // position moves to the start of the next line.
  void Print(const Text& text);
  // Forgets every operation and returns the position to (0, 0).
  void Cls();
  // Room for more operations, for a caller that knows how many lines it is about to draw.
  void Reserve(size_t more);

  const std::vector<DrawOp>& Ops() const { return ops_; }
  // The height of one printed line at the current font size, in the canvas's scale.
  double TextHeight() const;

 private:
  void Changed();
  std::function<void()> on_change_;
  double current_x_ = 0, current_y_ = 0;
  Color fore_color_ = colors::kBlack;
  int draw_width_ = 1;
  int draw_style_ = kDrawSolid;
  double font_size_ = 9;
  bool auto_redraw_ = false;
  int scale_mode_ = 1;  // twips
  std::vector<DrawOp> ops_;
};

class PictureBox : public Control {
 public:
  PictureBox(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kPictureBox; }

  // The drawing; its fore colour, pen and position are the picture's own.
  Canvas& Drawing() { return canvas_; }
  const Canvas& Drawing() const { return canvas_; }

  // The platform's drawing members, forwarded to the drawing.
  Color ForeColor() const { return canvas_.ForeColor(); }
  void SetForeColor(Color c);
  double CurrentX() const { return canvas_.CurrentX(); }
  double CurrentY() const { return canvas_.CurrentY(); }
  void SetCurrentX(double x) { canvas_.SetCurrentX(x); }
  void SetCurrentY(double y) { canvas_.SetCurrentY(y); }
  int DrawWidth() const { return canvas_.DrawWidth(); }
  void SetDrawWidth(int pixels) { canvas_.SetDrawWidth(pixels); }
  int DrawStyle() const { return canvas_.DrawStyle(); }
  void SetDrawStyle(int style) { canvas_.SetDrawStyle(style); }
  bool AutoRedraw() const { return canvas_.AutoRedraw(); }
  void SetAutoRedraw(bool on) { canvas_.SetAutoRedraw(on); }
  int ScaleMode() const { return canvas_.ScaleMode(); }
  void SetScaleMode(int mode) { canvas_.SetScaleMode(mode); }
  void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = std::nullopt) {
    canvas_.Line(x1, y1, x2, y2, color);
  }
  void Box(double x1, double y1, double x2, double y2, std::optional<Color> color = std::nullopt,
           bool filled = false) {
    canvas_.Box(x1, y1, x2, y2, color, filled);
  }
  void Print(const Text& text) { canvas_.Print(text); }

  // Clears the drawing (the loaded background picture stays).
  void Cls();
  // The picture's whole content as it would be saved: background picture, then the drawing.
  PictureImage Content() const;
  // Saves Content() through the desktop's picture store; false when it cannot be written.
  bool SavePicture(const Text& path);
  // Loads a saved picture as the background and clears the drawing; false (nothing changed) when
  // no picture can be read from path.
  bool LoadPicture(const Text& path);
  // Makes image the background, as LoadPicture does with what it reads, and clears the drawing.
  void ShowPicture(PictureImage image, const Text& path);
  // The background picture's pixels and operations (empty when none is loaded).
  const Raster& BackgroundRaster() const { return background_raster_; }
  const std::vector<DrawOp>& BackgroundOps() const { return background_ops_; }
  const Text& PicturePath() const { return picture_path_; }

  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int style);

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  Canvas canvas_;
  Raster background_raster_;
  std::vector<DrawOp> background_ops_;
  Text picture_path_;
  int border_style_ = 1;
};

// Appends ".Ops" and ".Op[k]...." facts for a drawing record (k from 1).
void ListDrawOps(const std::vector<DrawOp>& ops, PropertyList& out, const std::string& prefix = "");

}  // namespace ui
