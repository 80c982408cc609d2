#include "ui/bitmap_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "ui/frame_file.h"
#include "ui/services.h"

namespace ui {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kMaxSide = 1 << 15;  // far beyond any picture; guards the size of what is read
constexpr uint32_t kBitFields = 3;
// Where the red, green and blue masks of a bit-field bitmap lie: after a 40-byte header, or inside
// any longer one, at the same place.
constexpr size_t kMasksAt = kFileHeaderSize + kInfoHeaderSize;
constexpr size_t kMasksSize = 12;

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
  for (int k = 0; k < bytes; ++k) out.push_back(static_cast<char>((value >> (8 * k)) & 0xFF));
}

uint32_t GetLittleEndian(std::string_view in, size_t at, int bytes) {
  uint32_t value = 0;
  for (int k = bytes - 1; k >= 0; --k) value = (value << 8) | static_cast<unsigned char>(in[at + k]);
  return value;
}

uint64_t RowBytes(int width, int bytes_per_pixel) {
  return (static_cast<uint64_t>(width) * static_cast<uint64_t>(bytes_per_pixel) + 3) / 4 * 4;
}

bool HoldsRaster(const Raster& raster) {
  return raster.width >= 1 && raster.height >= 1 && raster.width <= kMaxSide && raster.height <= kMaxSide &&
         raster.pixels.size() == static_cast<size_t>(raster.width) * static_cast<size_t>(raster.height);
}

// Only the masks of blue, green and red bytes in that order, the layout of an uncompressed 32-bit
// bitmap, can be read; any other layout is no bitmap this reader knows.
bool HasPlainMasks(std::string_view bytes) {
  if (bytes.size() < kMasksAt + kMasksSize) return false;
  return GetLittleEndian(bytes, kMasksAt, 4) == 0x00FF0000 &&
         GetLittleEndian(bytes, kMasksAt + 4, 4) == 0x0000FF00 &&
         GetLittleEndian(bytes, kMasksAt + 8, 4) == 0x000000FF;
}

int ToPixel(double twips) {
  return static_cast<int>(std::lround(twips / Screen::kTwipsPerPixel));
}

// Pixels drawn on a raster.
class RasterSurface {
 public:
  explicit RasterSurface(Raster& raster) : raster_(raster) {}
  int Width() const { return raster_.width; }
  int Height() const { return raster_.height; }
  void Set(int x, int y, Color color) { raster_.pixels[static_cast<size_t>(y) * raster_.width + x] = color; }

 private:
  Raster& raster_;
};

// Pixels drawn straight into the rows of a 24-bit bottom-up bitmap, as EncodeBitmap lays them out.
class BitmapRowsSurface {
 public:
  BitmapRowsSurface(char* rows, size_t row_bytes, int width, int height)
      : rows_(rows), row_bytes_(row_bytes), width_(width), height_(height) {}
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Set(int x, int y, Color color) {
    char* pixel = rows_ + static_cast<size_t>(height_ - 1 - y) * row_bytes_ + 3 * static_cast<size_t>(x);
    pixel[0] = static_cast<char>((color >> 16) & 0xFF);  // blue
    pixel[1] = static_cast<char>((color >> 8) & 0xFF);   // green
    pixel[2] = static_cast<char>(color & 0xFF);          // red
  }

 private:
  char* rows_;
  size_t row_bytes_;
  int width_, height_;
};

// A square of width pixels around (x, y), cut to the surface once rather than pixel by pixel.
template <class Surface>
void Plot(Surface& surface, int x, int y, int width, Color color) {
  const int64_t from = -(int64_t{width} - 1) / 2;
  const int64_t left = std::max<int64_t>(x + from, 0),
                right = std::min<int64_t>(x + from + width, surface.Width());
  const int64_t top = std::max<int64_t>(y + from, 0),
                bottom = std::min<int64_t>(y + from + width, surface.Height());
  for (int64_t py = top; py < bottom; ++py) {
    for (int64_t px = left; px < right; ++px) surface.Set(static_cast<int>(px), static_cast<int>(py), color);
  }
}

// Bresenham's line; a styled line leaves every other pixel out.
template <class Surface>
void DrawLine(Surface& surface, const DrawOp& op, double x1, double y1, double x2, double y2) {
  int x = ToPixel(x1), y = ToPixel(y1);
  const int to_x = ToPixel(x2), to_y = ToPixel(y2);
  const int dx = std::abs(to_x - x), dy = -std::abs(to_y - y);
  const int step_x = x < to_x ? 1 : -1, step_y = y < to_y ? 1 : -1;
  int error = dx + dy;
  for (int k = 0;; ++k) {
    if (op.style == kDrawSolid || k % 2 == 0) Plot(surface, x, y, op.width, op.color);
    if (x == to_x && y == to_y) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += step_x;
    }
    if (twice <= dx) {
      error += dx;
      y += step_y;
    }
  }
}

template <class Surface>
void DrawBox(Surface& surface, const DrawOp& op) {
  if (op.filled) {
    const int left = std::min(ToPixel(op.x1), ToPixel(op.x2)),
              right = std::max(ToPixel(op.x1), ToPixel(op.x2));
    const int top = std::min(ToPixel(op.y1), ToPixel(op.y2)),
              bottom = std::max(ToPixel(op.y1), ToPixel(op.y2));
    // Only what lies on the surface is filled, pixel for pixel as a plot of each would.
    for (int64_t y = std::max(top, 0); y <= std::min(bottom, surface.Height() - 1); ++y) {
      for (int64_t x = std::max(left, 0); x <= std::min(right, surface.Width() - 1); ++x)
        surface.Set(static_cast<int>(x), static_cast<int>(y), op.color);
    }
    return;
  }
  DrawLine(surface, op, op.x1, op.y1, op.x2, op.y1);
  DrawLine(surface, op, op.x2, op.y1, op.x2, op.y2);
  DrawLine(surface, op, op.x2, op.y2, op.x1, op.y2);
  DrawLine(surface, op, op.x1, op.y2, op.x1, op.y1);
}

template <class Surface>
void DrawOps(Surface& surface, const std::vector<DrawOp>& ops) {
  for (const DrawOp& op : ops) {
    if (op.kind == DrawOpKind::kLine) DrawLine(surface, op, op.x1, op.y1, op.x2, op.y2);
    if (op.kind == DrawOpKind::kBox) DrawBox(surface, op);
  }
}

// The loaded pixels under the drawing, at the top left, as far as both reach.
template <class Surface>
void DrawLoadedPixels(Surface& surface, const Raster& loaded) {
  const int rows = std::min(surface.Height(), loaded.height),
            columns = std::min(surface.Width(), loaded.width);
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < columns; ++x) {
      const size_t at = static_cast<size_t>(y) * loaded.width + x;
      if (at < loaded.pixels.size()) surface.Set(x, y, loaded.pixels[at]);
    }
  }
}

// The sides in pixels a picture is drawn at.
int PixelSide(double twips) {
  return std::clamp(ToPixel(twips), 1, kMaxSide);
}

// The file and info headers of a 24-bit bitmap of the given sides, whose pixels take data_size bytes.
void PutHeaders(std::string& out, int width, int height, uint32_t data_size) {
  out += "BM";
  PutLittleEndian(out, kFileHeaderSize + kInfoHeaderSize + data_size, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, kFileHeaderSize + kInfoHeaderSize, 4);
  PutLittleEndian(out, kInfoHeaderSize, 4);
  PutLittleEndian(out, static_cast<uint32_t>(width), 4);
  PutLittleEndian(out, static_cast<uint32_t>(height), 4);
  PutLittleEndian(out, 1, 2);   // planes
  PutLittleEndian(out, 24, 2);  // bits per pixel
  PutLittleEndian(out, 0, 4);   // no compression
  PutLittleEndian(out, data_size, 4);
  PutLittleEndian(out, 3780, 4);  // 96 dots per inch, in dots per metre
  PutLittleEndian(out, 3780, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
}

// EncodeBitmap(RasterOf(image)) byte for byte, drawn straight into the file's rows: the background
// row is laid once and copied, and no raster is built between.
std::string BitmapOf(const PictureImage& image) {
  const int width = PixelSide(image.width), height = PixelSide(image.height);
  const uint64_t row_bytes = RowBytes(width, 3);
  const uint64_t data_size = row_bytes * static_cast<uint64_t>(height);
  const uint64_t file_size = kFileHeaderSize + kInfoHeaderSize + data_size;
  if (file_size > std::numeric_limits<uint32_t>::max()) return {};
  std::string out;
  out.reserve(static_cast<size_t>(file_size));
  PutHeaders(out, width, height, static_cast<uint32_t>(data_size));
  const size_t header_size = out.size();
  out.resize(static_cast<size_t>(file_size), '\0');
  char* rows = out.data() + header_size;
  BitmapRowsSurface surface(rows, static_cast<size_t>(row_bytes), width, height);
  for (int x = 0; x < width; ++x) surface.Set(x, height - 1, image.back_color);  // the first row in the file
  for (int y = 1; y < height; ++y) std::memcpy(rows + y * row_bytes, rows, static_cast<size_t>(row_bytes));
  DrawLoadedPixels(surface, image.raster);
  DrawOps(surface, image.ops);
  return out;
}

}  // namespace

std::string EncodeBitmap(const Raster& raster) {
  if (!HoldsRaster(raster)) return {};
  const uint64_t row_bytes = RowBytes(raster.width, 3);
  const uint64_t data_size = row_bytes * static_cast<uint64_t>(raster.height);
  const uint64_t file_size = kFileHeaderSize + kInfoHeaderSize + data_size;
  if (file_size > std::numeric_limits<uint32_t>::max()) return {};
  std::string out;
  out.reserve(static_cast<size_t>(file_size));
  PutHeaders(out, raster.width, raster.height, static_cast<uint32_t>(data_size));
  // Rows bottom-up, padding zeroed; written in place, as a byte-by-byte append costs most of a save.
  const size_t header_size = out.size();
  out.resize(static_cast<size_t>(file_size), '\0');
  char* row = out.data() + header_size;
  for (int y = raster.height - 1; y >= 0; --y, row += row_bytes) {
    const Color* pixel = raster.pixels.data() + static_cast<size_t>(y) * raster.width;
    for (int x = 0; x < raster.width; ++x) {
      row[3 * x] = static_cast<char>((pixel[x] >> 16) & 0xFF);     // blue
      row[3 * x + 1] = static_cast<char>((pixel[x] >> 8) & 0xFF);  // green
      row[3 * x + 2] = static_cast<char>(pixel[x] & 0xFF);         // red
    }
  }
  return out;
}

std::optional<Raster> DecodeBitmap(std::string_view bytes) {
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes.substr(0, 2) != "BM") return std::nullopt;
  const uint32_t offset = GetLittleEndian(bytes, 10, 4);
  const uint32_t header_size = GetLittleEndian(bytes, 14, 4);
  const auto width = static_cast<int32_t>(GetLittleEndian(bytes, 18, 4));
  const auto height = static_cast<int32_t>(GetLittleEndian(bytes, 22, 4));
  const uint32_t bits = GetLittleEndian(bytes, 28, 2);
  const uint32_t compression = GetLittleEndian(bytes, 30, 4);
  const bool top_down = height < 0;
  const int64_t rows = top_down ? -static_cast<int64_t>(height) : height;
  if (width <= 0 || rows <= 0 || width > kMaxSide || rows > kMaxSide) return std::nullopt;
  // The older 12-byte header keeps its sides in 16 bits elsewhere: not read.
  if (header_size < static_cast<uint32_t>(kInfoHeaderSize)) return std::nullopt;
  const bool bit_fields = bits == 32 && compression == kBitFields;
  if ((bits != 24 && bits != 32) || (compression != 0 && !bit_fields)) return std::nullopt;
  if (bit_fields && !HasPlainMasks(bytes)) return std::nullopt;
  // The pixels start after the headers (and the masks that follow a 40-byte one) and lie within the file.
  uint64_t pixels_from = uint64_t{kFileHeaderSize} + header_size;
  if (bit_fields && header_size == static_cast<uint32_t>(kInfoHeaderSize)) pixels_from += kMasksSize;
  if (offset < pixels_from || offset > bytes.size()) return std::nullopt;
  const int bytes_per_pixel = static_cast<int>(bits / 8);
  const uint64_t row_bytes = RowBytes(width, bytes_per_pixel);
  if ((bytes.size() - offset) / row_bytes < static_cast<uint64_t>(rows)) return std::nullopt;
  Raster raster;
  raster.width = width;
  raster.height = static_cast<int>(rows);
  raster.pixels.resize(static_cast<size_t>(width) * raster.height);
  for (int row = 0; row < raster.height; ++row) {
    const size_t at = offset + static_cast<size_t>(row) * static_cast<size_t>(row_bytes);
    const int y = top_down ? row : raster.height - 1 - row;
    for (int x = 0; x < width; ++x) {
      const size_t p = at + static_cast<size_t>(x) * bytes_per_pixel;
      const uint32_t blue = static_cast<unsigned char>(bytes[p]);
      const uint32_t green = static_cast<unsigned char>(bytes[p + 1]);
      const uint32_t red = static_cast<unsigned char>(bytes[p + 2]);
      raster.pixels[static_cast<size_t>(y) * width + x] = (blue << 16) | (green << 8) | red;
    }
  }
  return raster;
}

Raster RasterOf(const PictureImage& image) {
  Raster raster;
  raster.width = PixelSide(image.width);
  raster.height = PixelSide(image.height);
  raster.pixels.assign(static_cast<size_t>(raster.width) * raster.height, image.back_color);
  RasterSurface surface(raster);
  DrawLoadedPixels(surface, image.raster);
  DrawOps(surface, image.ops);
  return raster;
}

bool BitmapFilePictureStore::Save(const std::filesystem::path& path, const PictureImage& image) {
  // The same picture saved again at the same path has the same bytes: only the file is written anew.
  if (auto it = saved_.find(path); it != saved_.end() && it->second.image == image)
    return WriteFrameFile(path, it->second.bytes);
  std::string bytes = BitmapOf(image);
  if (bytes.empty()) return false;
  if (!WriteFrameFile(path, bytes)) return false;
  saved_[path] = Saved{std::move(bytes), image};
  return true;
}

std::optional<PictureImage> BitmapFilePictureStore::Load(const std::filesystem::path& path, double width,
                                                         double height) {
  if (!ReadFrameFile(path, LargestBitmapFileOf(width, height), read_)) return std::nullopt;
  if (auto it = saved_.find(path); it != saved_.end() && it->second.bytes == read_) return it->second.image;
  std::optional<Raster> raster = DecodeBitmap(read_);
  if (!raster) return std::nullopt;
  PictureImage image;
  image.width = raster->width * Screen::kTwipsPerPixel;
  image.height = raster->height * Screen::kTwipsPerPixel;
  image.raster = std::move(*raster);
  return image;
}

}  // namespace ui
