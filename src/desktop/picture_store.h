#pragma once
// Saved pictures on the desktop: bitmap files rendered and decoded with QImage, their bytes read and
// written by the one place that opens frame files. A picture loaded back is the file's pixels, so it
// looks as it did when it was saved, whoever wrote the file.

#include <string>

#include "ui/picture.h"

namespace desktop {

class ImagePictureStore : public ui::PictureStore {
 public:
  // Renders the picture (background, loaded pixels, drawing) and writes it as a BMP file; false when
  // the file cannot be written.
  bool Save(const std::filesystem::path& path, const ui::PictureImage& image) override;
  // The file's pixels, at 15 twips each; nothing when no bitmap of a picture of width × height twips
  // can be read from path.
  std::optional<ui::PictureImage> Load(const std::filesystem::path& path, double width,
                                       double height) override;

 private:
  std::string read_;  // the last file read, its room kept for the next
};

}  // namespace desktop
