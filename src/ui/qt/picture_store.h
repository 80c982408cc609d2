#pragma once
// Saved pictures on the desktop: written as bitmap files through QImage, and kept as drawings too, so
// that a picture loaded back in the same run is the same drawing, not its pixels.

#include <map>

#include "ui/picture.h"

namespace qtui {

class ImagePictureStore : public ui::PictureStore {
 public:
  // False when the file cannot be written.
  bool Save(const ui::Text& path, const ui::PictureImage& image) override;
  // The drawing saved at path in this run; nothing for any other path.
  std::optional<ui::PictureImage> Load(const ui::Text& path) override;

 private:
  std::map<ui::Text, ui::PictureImage> saved_;
};

}  // namespace qtui
