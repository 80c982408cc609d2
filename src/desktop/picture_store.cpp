#include "desktop/picture_store.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "desktop/painting.h"
#include "ui/printer.h"

namespace qtui {

bool ImagePictureStore::Save(const ui::Text& path, const ui::PictureImage& image) {
  QImage bitmap(std::max(1, TwipsToPixels(image.width)), std::max(1, TwipsToPixels(image.height)),
                QImage::Format_RGB32);
  bitmap.fill(ToQColor(image.back_color));
  {
    QPainter painter(&bitmap);
    PaintDrawOps(painter, image.ops, ui::kScaleTwips, ui::Font{});
  }
  if (!bitmap.save(ToQString(path), "BMP")) return false;
  return MemoryPictureStore::Save(path, image);
}

}  // namespace qtui
