#include "desktop/picture_store.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "desktop/painting.h"
#include "ui/printer.h"

namespace desktop {

bool ImagePictureStore::Save(const ui::Text& path, const ui::PictureImage& image) {
  QImage bitmap(std::max(1, TwipsToPixels(image.width)), std::max(1, TwipsToPixels(image.height)),
                QImage::Format_RGB32);
  bitmap.fill(ToQColor(image.back_color));
  {
    QPainter painter(&bitmap);
    PaintPictureImage(painter, image.raster, image.ops, ui::kScaleTwips, ui::Font{});
  }
  return bitmap.save(ToQString(path), "BMP");
}

std::optional<ui::PictureImage> ImagePictureStore::Load(const ui::Text& path) {
  QImage bitmap;
  if (!bitmap.load(ToQString(path))) return std::nullopt;
  ui::PictureImage image;
  image.raster = FromQImage(bitmap.convertToFormat(QImage::Format_RGB32));
  image.width = image.raster.width * kTwipsPerPixel;
  image.height = image.raster.height * kTwipsPerPixel;
  return image;
}

}  // namespace desktop
