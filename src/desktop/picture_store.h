#pragma once
// Saved pictures on the desktop: written as bitmap files through QImage, and kept as drawings too, so
// that a picture loaded back in the same run is the same drawing, not its pixels.

#include "ui/picture.h"

namespace qtui {

// Loads what this run saved (the drawings the memory store keeps); nothing for any other path.
class ImagePictureStore : public ui::MemoryPictureStore {
 public:
  // False when the file cannot be written; only a written picture is kept.
  bool Save(const ui::Text& path, const ui::PictureImage& image) override;
};

}  // namespace qtui
