// The graph window's frames on the desktop: written as bitmap files with QImage and read back as
// pixels that paint exactly as the frame did when it was saved.
#include "desktop/picture_store.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "desktop/painting.h"
#include "program/program.h"
#include "tests/desktop/qt_fixture.h"
#include "ui/bitmap_file.h"
#include "views/frm_ag14.h"

namespace desktop::testing {
namespace {

// The picture as the desktop paints it: background, loaded pixels, drawing.
QImage Painted(const ui::PictureBox& picture) {
  QImage image(TwipsToPixels(picture.Width()), TwipsToPixels(picture.Height()), QImage::Format_RGB32);
  image.fill(ToQColor(picture.BackColor()));
  QPainter painter(&image);
  PaintPictureImage(painter, picture.BackgroundRaster(), picture.BackgroundOps(), picture.ScaleMode(),
                    picture.Font());
  PaintDrawOps(painter, picture.Drawing().Ops(), picture.ScaleMode(), picture.Font());
  return image;
}

TEST(GraphFramesOnTheDesktop, LoadBackAsTheyLookedWhenSaved) {
  Application();
  QTemporaryDir dir;
  program::Program app;
  app.SetPictureStore(std::make_unique<ImagePictureStore>());
  app.SetProgramFolder(FromQString(dir.path()));
  views::frmAg14& graph = app.Form<views::frmAg14>();
  const QImage drawn1 = Painted(graph.Picture1);
  const QImage drawn2 = Painted(graph.Picture2);
  EXPECT_EQ(QImage(dir.filePath(QStringLiteral("GRAPTH1.bmp"))).convertToFormat(QImage::Format_RGB32),
            drawn1);

  graph.RestoreFrames();
  EXPECT_TRUE(graph.Picture1.BackgroundOps().empty());
  EXPECT_FALSE(graph.Picture1.BackgroundRaster().Empty());
  EXPECT_TRUE(graph.Picture1.Drawing().Ops().empty());
  EXPECT_EQ(Painted(graph.Picture1), drawn1);
  EXPECT_EQ(Painted(graph.Picture2), drawn2);
  // The labels are in the pixels: the frame is not its background colour left of the box.
  EXPECT_LT(CountColor(Painted(graph.Picture1), QRect(30, 5, 30, 190), QColor(255, 224, 192)), 30 * 190);
}

TEST(GraphFramesOnTheDesktop, ReadsTheHeadlessProgramsBitmaps) {
  Application();
  QTemporaryDir dir;
  ui::Raster raster{3, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x000000, 0x123456}};
  const ui::Text path = FromQString(dir.filePath(QStringLiteral("GRAPTH2.bmp")));
  ui::BitmapFilePictureStore headless;
  ui::PictureImage image;
  image.width = 45;
  image.height = 30;
  image.raster = raster;
  ASSERT_TRUE(headless.Save(path, image));
  ImagePictureStore desktop;
  const std::optional<ui::PictureImage> loaded = desktop.Load(path, image.width, image.height);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->raster, raster);
}

}  // namespace
}  // namespace desktop::testing
