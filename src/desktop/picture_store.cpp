#include "desktop/picture_store.h"

#include <QBuffer>
#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <string>
#include <string_view>

#include "desktop/painting.h"
#include "ui/frame_file.h"
#include "ui/printer.h"

namespace desktop {

bool ImagePictureStore::Save(const std::filesystem::path& path, const ui::PictureImage& image) {
  QImage bitmap(std::max(1, TwipsToPixels(image.width)), std::max(1, TwipsToPixels(image.height)),
                QImage::Format_RGB32);
  bitmap.fill(ToQColor(image.back_color));
  {
    QPainter painter(&bitmap);
    PaintPictureImage(painter, image.raster, image.ops, ui::kScaleTwips, ui::Font{});
  }
  // Encoded in memory: Qt's image I/O never opens the path, which may hold a FIFO or a link.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !bitmap.save(&buffer, "BMP")) return false;
  return ui::WriteFrameFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

std::optional<ui::PictureImage> ImagePictureStore::Load(const std::filesystem::path& path, double width,
                                                        double height) {
  if (!ui::ReadFrameFile(path, ui::LargestBitmapFileOf(width, height), read_)) return std::nullopt;
  QImage bitmap;
  if (!bitmap.loadFromData(QByteArrayView(read_.data(), static_cast<qsizetype>(read_.size())), "BMP"))
    return std::nullopt;
  ui::PictureImage image;
  image.raster = FromQImage(bitmap.convertToFormat(QImage::Format_RGB32));
  image.width = image.raster.width * kTwipsPerPixel;
  image.height = image.raster.height * kTwipsPerPixel;
  return image;
}

}  // namespace desktop
