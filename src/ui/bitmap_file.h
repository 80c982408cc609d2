#pragma once
// Bitmap files (BMP) for the headless program's saved pictures: 24-bit, uncompressed. The headless
// program has no fonts, so its bitmaps hold the background, lines and boxes but no texts; what a
// picture looked like is kept beside the file, and a file read back unchanged gives that drawing.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "ui/picture.h"

namespace ui {

// A 24-bit bottom-up BMP of the raster; empty for a raster no bitmap file can hold (a side below 1 or
// beyond 32768 pixels, or pixels that do not fill its sides).
std::string EncodeBitmap(const Raster& raster);
// An uncompressed 24- or 32-bit BMP, bottom-up or top-down, or a 32-bit one whose bit fields are the
// plain blue, green, red bytes; nothing for anything else, for headers whose sizes or pixel offset do
// not fit the file.
std::optional<Raster> DecodeBitmap(std::string_view bytes);
// The picture in pixels (15 twips each): background colour, loaded pixels, lines and boxes with their
// widths and styles (every style but solid drawn dotted); texts are left out.
Raster RasterOf(const PictureImage& image);

// Saves pictures as bitmap files at their paths and loads them back, through the one place that opens
// frame files. A file this store wrote and that still holds the same bytes loads as the drawing that was
// saved; any other bitmap loads as pixels.
class BitmapFilePictureStore : public PictureStore {
 public:
  bool Save(const std::filesystem::path& path, const PictureImage& image) override;
  std::optional<PictureImage> Load(const std::filesystem::path& path, double width, double height) override;

 private:
  struct Saved {
    std::string bytes;
    PictureImage image;
  };
  std::map<std::filesystem::path, Saved> saved_;
  std::string read_;  // the last file read, its room kept for the next
};

}  // namespace ui
