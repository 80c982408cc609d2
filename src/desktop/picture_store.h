#pragma once
// Saved pictures on the desktop: bitmap files written and read through QImage. A picture loaded back
// is the file's pixels, so it looks as it did when it was saved, whoever wrote the file.

#include "ui/picture.h"

namespace desktop {

class ImagePictureStore : public ui::PictureStore {
 public:
  // Renders the picture (background, loaded pixels, drawing) and writes it as a BMP file; false when
  // the file cannot be written.
  bool Save(const ui::Text& path, const ui::PictureImage& image) override;
  // The file's pixels, at 15 twips each; nothing when no image can be read from path.
  std::optional<ui::PictureImage> Load(const ui::Text& path) override;
};

}  // namespace desktop
