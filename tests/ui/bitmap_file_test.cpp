// Bitmap files of the headless program: what is written reads back pixel for pixel, anything that is
// not a plain bitmap reads as nothing, and lines keep their place, width and dots.
#include "ui/bitmap_file.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/palette.h"

namespace ui {
namespace {

TEST(BitmapFile, ReadsBackWhatItWrites) {
  // Three pixels a row: each row padded to four bytes.
  const Raster raster{3, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF, 0x000000, 0x123456}};
  const std::string bytes = EncodeBitmap(raster);
  EXPECT_EQ(bytes.size(), 54u + 2 * 12);
  EXPECT_EQ(DecodeBitmap(bytes), raster);
  // The same pixels stored top-down.
  std::string top_down = bytes;
  top_down[25] = top_down[24] = top_down[23] = static_cast<char>(0xFF);
  top_down[22] = static_cast<char>(0xFE);
  top_down.replace(54, 24, bytes.substr(66, 12) + bytes.substr(54, 12));
  EXPECT_EQ(DecodeBitmap(top_down), raster);
}

TEST(BitmapFile, AnythingElseReadsAsNothing) {
  const std::string good = EncodeBitmap(Raster{2, 2, {1, 2, 3, 4}});
  std::string wrong_bits = good;
  wrong_bits[28] = 8;
  std::string compressed = good;
  compressed[30] = 1;
  std::string huge = good;
  huge[21] = 0x7F;  // width far beyond any picture
  std::string offset_beyond = good;
  offset_beyond[13] = 0x10;
  const std::string cases[] = {"",
                               "BM",
                               "not a bitmap at all, but long enough to hold both headers of one......",
                               good.substr(0, good.size() - 1),
                               wrong_bits,
                               compressed,
                               huge,
                               offset_beyond};
  for (const std::string& bytes : cases) EXPECT_FALSE(DecodeBitmap(bytes)) << bytes.size();
}

// A level line at y from x1 to x2.
DrawOp Line(double x1, double y, double x2, Color color, int width, int style) {
  DrawOp op;
  op.x1 = x1;
  op.y1 = op.y2 = y;
  op.x2 = x2;
  op.color = color;
  op.width = width;
  op.style = style;
  return op;
}

TEST(BitmapFile, RastersLinesWithTheirWidthAndStyle) {
  PictureImage image;
  image.back_color = palette::kWhite;
  image.width = 150;  // 10 x 4 pixels
  image.height = 60;
  image.ops = {Line(0, 0, 135, palette::kRed, 1, kDrawSolid), Line(0, 30, 135, palette::kBlue, 1, kDrawDot)};
  DrawOp text;
  text.kind = DrawOpKind::kText;
  text.y1 = 45;
  text.text = u"x";
  image.ops.push_back(text);
  const Raster r = RasterOf(image);
  ASSERT_EQ(r.width, 10);
  ASSERT_EQ(r.height, 4);
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(r.pixels[x], palette::kRed) << x;
    EXPECT_EQ(r.pixels[2 * 10 + x], x % 2 == 0 ? palette::kBlue : palette::kWhite) << x;
    EXPECT_EQ(r.pixels[3 * 10 + x], palette::kWhite) << x;  // texts need a font: left out
  }
  // Width 2 widens the line by a pixel; what leaves the picture is clipped.
  image.ops = {Line(0, 15, 500, colors::kBlack, 2, kDrawSolid)};
  const Raster wide = RasterOf(image);
  EXPECT_EQ(wide.pixels[10], colors::kBlack);
  EXPECT_EQ(wide.pixels[20], colors::kBlack);
  EXPECT_EQ(wide.pixels[0], palette::kWhite);
}

}  // namespace
}  // namespace ui
