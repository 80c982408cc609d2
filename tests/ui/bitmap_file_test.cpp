// Bitmap files of the headless program: what is written reads back pixel for pixel, anything that is
// not a plain bitmap reads as nothing, and lines keep their place, width and dots.
#include "ui/bitmap_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/support/temp_dir.h"
#include "ui/frame_file.h"
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

void PutAt(std::string& bytes, size_t at, uint32_t value) {
  for (size_t k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

// Headers that claim more than the file holds, or sizes that would overflow a 32-bit count, read as
// nothing and read nothing beyond the file.
TEST(BitmapFile, HostileHeadersReadAsNothing) {
  const std::string good = EncodeBitmap(Raster{2, 2, {1, 2, 3, 4}});
  struct Case {
    const char* what;
    size_t at;
    uint32_t value;
  };
  const Case cases[] = {
      {"the largest sides held, a few bytes of pixels", 18, 1u << 15},
      {"the largest height held", 22, 1u << 15},
      {"the largest height held, top-down", 22, static_cast<uint32_t>(-(1 << 15))},
      {"the most negative height", 22, 0x80000000u},
      {"a negative width", 18, 0xFFFFFFFEu},
      {"pixels from the last byte on", 10, 69},
      {"pixels from past the end", 10, 71},
      {"pixels from the far end of the offset range", 10, 0xFFFFFFFFu},
      {"pixels inside the headers", 10, 14},
      {"the older 12-byte header", 14, 12},
      {"a header past the end", 14, 0xFFFFFFF0u},
  };
  for (const Case& c : cases) {
    std::string bytes = good;
    PutAt(bytes, c.at, c.value);
    EXPECT_FALSE(DecodeBitmap(bytes)) << c.what;
  }
  // Both sides at their largest with the pixels of a 32-bit one: still only as much as the file holds.
  std::string wide = good;
  PutAt(wide, 18, 1u << 15);
  PutAt(wide, 22, 1u << 15);
  wide[28] = 32;
  EXPECT_FALSE(DecodeBitmap(wide));
}

// A 32-bit bitmap of two pixels in one row, with its compression and, after the 40-byte header, the
// red, green and blue masks.
std::string ThirtyTwoBit(uint32_t compression, uint32_t red, uint32_t green, uint32_t blue) {
  std::string bytes = EncodeBitmap(Raster{2, 1, {0, 0}}).substr(0, 54);
  const bool masks = compression == 3;
  PutAt(bytes, 10, masks ? 66 : 54);
  PutAt(bytes, 18, 2);
  PutAt(bytes, 22, 1);
  bytes[28] = 32;
  PutAt(bytes, 30, compression);
  if (masks) {
    bytes.append(12, '\0');
    PutAt(bytes, 54, red);
    PutAt(bytes, 58, green);
    PutAt(bytes, 62, blue);
  }
  // Blue, green, red, unused: a red pixel, then a blue one.
  bytes += std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);
  PutAt(bytes, 2, static_cast<uint32_t>(bytes.size()));
  return bytes;
}

TEST(BitmapFile, ThirtyTwoBitsReadOnlyWithThePlainByteOrder) {
  const Raster red_blue{2, 1, {palette::kRed, palette::kBlue}};
  EXPECT_EQ(DecodeBitmap(ThirtyTwoBit(0, 0, 0, 0)), red_blue);
  EXPECT_EQ(DecodeBitmap(ThirtyTwoBit(3, 0x00FF0000, 0x0000FF00, 0x000000FF)), red_blue);
  // Masks in another order, or not whole bytes, would give other colours: not read at all.
  EXPECT_FALSE(DecodeBitmap(ThirtyTwoBit(3, 0x000000FF, 0x0000FF00, 0x00FF0000)));
  EXPECT_FALSE(DecodeBitmap(ThirtyTwoBit(3, 0xFF000000, 0x00FF0000, 0x0000FF00)));
  EXPECT_FALSE(DecodeBitmap(ThirtyTwoBit(3, 0x3FF00000, 0x000FFC00, 0x000003FF)));
  // Masks claimed but the pixels start where the masks lie.
  std::string overlapping = ThirtyTwoBit(3, 0x00FF0000, 0x0000FF00, 0x000000FF);
  PutAt(overlapping, 10, 54);
  EXPECT_FALSE(DecodeBitmap(overlapping));
}

TEST(BitmapFile, WritesNothingForARasterNoFileCanHold) {
  const Raster cases[] = {
      {0, 0, {}},
      {2, 2, {1, 2, 3}},  // pixels short of the sides
      {-1, -1, {1}},
      {(1 << 15) + 1, 1, {}},
  };
  for (const Raster& raster : cases)
    EXPECT_EQ(EncodeBitmap(raster), "") << raster.width << "x" << raster.height;
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

using testsupport::FileBytes;

// A save over an older file leaves exactly the new bitmap, whether the old one was longer or shorter,
// and a save over something that is no file fails.
TEST(BitmapFile, SavingOverAFileLeavesExactlyTheNewBitmap) {
  testsupport::ScopedTempDir folder;
  PictureImage image;
  image.back_color = palette::kWhite;
  image.width = 150;
  image.height = 60;
  image.ops = {Line(0, 30, 135, palette::kRed, 1, kDrawSolid)};
  const std::string bitmap = EncodeBitmap(RasterOf(image));
  BitmapFilePictureStore store;
  for (size_t old_size : {size_t{0}, bitmap.size() / 2, bitmap.size() * 3}) {
    SCOPED_TRACE(old_size);
    const std::filesystem::path path = folder.Path() / "FRAME.bmp";
    std::ofstream(path, std::ios::binary) << std::string(old_size, '\xAB');
    EXPECT_TRUE(store.Save(model::FromUtf8(path.string()), image));
    EXPECT_EQ(FileBytes(path), bitmap);
    EXPECT_EQ(store.Load(model::FromUtf8(path.string()), image.width, image.height), image);
  }
  std::filesystem::create_directory(folder.Path() / "folder.bmp");
  EXPECT_FALSE(store.Save(model::FromUtf8((folder.Path() / "folder.bmp").string()), image));
}

// A small frame: a box and a dotted line on a coloured background, clear of the right and bottom edges.
PictureImage Frame(Color back) {
  PictureImage image;
  image.back_color = back;
  image.width = 150;  // 10 x 6 pixels
  image.height = 90;
  image.ops = {Line(0, 30, 105, palette::kRed, 2, kDrawSolid), Line(15, 45, 90, palette::kBlue, 1, kDrawDot)};
  image.ops[0].kind = DrawOpKind::kBox;
  image.ops[0].y1 = 0;
  return image;
}

// What others did to the file between a save and a load decides what loads: the drawing only while
// the file holds exactly what was saved; a save of the same picture again writes the whole file anew.
TEST(BitmapFile, OnlyTheUnchangedFileLoadsAsTheSavedDrawing) {
  testsupport::ScopedTempDir folder;
  const std::filesystem::path path = folder.Path() / "FRAME.bmp";
  const Text name = model::FromUtf8(path.string());
  const PictureImage image = Frame(palette::kLightYellow);
  const Raster pixels = RasterOf(image);
  const std::string bitmap = EncodeBitmap(pixels);
  std::string one_pixel_changed = bitmap;
  one_pixel_changed[54 + 3 * 5] ^= 1;
  const std::string longer = bitmap + "trailing bytes";
  struct Case {
    const char* what;
    std::string bytes;  // what the file holds when it is loaded; nothing written when empty
    bool removed;
    std::optional<Raster> loads_as;  // pixels, or nothing; the drawing when the file is unchanged
  };
  const Case cases[] = {
      {"unchanged", "", false, std::nullopt},
      {"a pixel changed, same length", one_pixel_changed, false, DecodeBitmap(one_pixel_changed)},
      {"cut short by a byte", bitmap.substr(0, bitmap.size() - 1), false, std::nullopt},
      {"bytes appended", longer, false, pixels},
      {"removed", "", true, std::nullopt},
  };
  BitmapFilePictureStore store;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // The first save encodes the picture, every later one reuses what it encoded.
    ASSERT_TRUE(store.Save(name, image));
    EXPECT_EQ(FileBytes(path), bitmap);
    if (c.removed) std::filesystem::remove(path);
    if (!c.bytes.empty()) std::ofstream(path, std::ios::binary | std::ios::trunc) << c.bytes;
    const std::optional<PictureImage> loaded = store.Load(name, image.width, image.height);
    if (std::string(c.what) == "unchanged") {
      EXPECT_EQ(loaded, image);
    } else if (!c.loads_as) {
      EXPECT_FALSE(loaded);
    } else {
      ASSERT_TRUE(loaded);
      EXPECT_EQ(loaded->raster, *c.loads_as);
      EXPECT_TRUE(loaded->ops.empty());
    }
  }
  ASSERT_TRUE(store.Save(name, image));
  EXPECT_EQ(FileBytes(path), bitmap);
  EXPECT_EQ(store.Load(name, image.width, image.height), image);
}

// Another picture saved at the same path writes its own bitmap, and the first one saved again
// writes the first bitmap again: what is reused is only ever the path's last saved picture.
TEST(BitmapFile, AnotherPictureAtThePathWritesItsOwnBitmap) {
  testsupport::ScopedTempDir folder;
  const std::filesystem::path path = folder.Path() / "FRAME.bmp";
  const Text name = model::FromUtf8(path.string());
  const PictureImage first = Frame(palette::kLightYellow);
  PictureImage moved = first;
  moved.ops[1].y1 = moved.ops[1].y2 = 15;
  const PictureImage pictures[] = {first, moved, Frame(palette::kPink), first};
  BitmapFilePictureStore store;
  for (const PictureImage& image : pictures) {
    ASSERT_TRUE(store.Save(name, image));
    EXPECT_EQ(FileBytes(path), EncodeBitmap(RasterOf(image)));
    EXPECT_EQ(store.Load(name, image.width, image.height), image);
  }
}

// Only a regular file is read or written: a folder or a FIFO at the path fails at once, even for a
// picture saved there before, and never waits for someone at the FIFO's other end.
TEST(BitmapFile, NothingButARegularFileIsReadOrWritten) {
  testsupport::ScopedTempDir folder;
  const PictureImage image = Frame(palette::kLightYellow);
  BitmapFilePictureStore store;
  const std::filesystem::path fifo = folder.Path() / "FIFO.bmp";
  ASSERT_TRUE(store.Save(model::FromUtf8(fifo.string()), image));
  std::filesystem::remove(fifo);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  const std::filesystem::path inside = folder.Path() / "FOLDER.bmp";
  ASSERT_TRUE(store.Save(model::FromUtf8(inside.string()), image));
  std::filesystem::remove(inside);
  std::filesystem::create_directory(inside);
  for (const std::filesystem::path& path : {fifo, inside}) {
    SCOPED_TRACE(path.string());
    EXPECT_FALSE(store.Save(model::FromUtf8(path.string()), image));
    EXPECT_FALSE(store.Load(model::FromUtf8(path.string()), image.width, image.height));
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

// A file longer than any bitmap of the picture it is loaded into loads as nothing, unread: even one
// that starts with the saved bitmap and would otherwise load as its pixels.
TEST(BitmapFile, AFileLongerThanAnyBitmapOfThePictureLoadsAsNothing) {
  testsupport::ScopedTempDir folder;
  const std::filesystem::path path = folder.Path() / "HUGE.bmp";
  const PictureImage image = Frame(palette::kLightYellow);
  BitmapFilePictureStore store;
  ASSERT_TRUE(store.Save(model::FromUtf8(path.string()), image));
  const uint64_t largest = LargestBitmapFileOf(image.width, image.height);
  std::filesystem::resize_file(path, largest);
  ASSERT_TRUE(store.Load(model::FromUtf8(path.string()), image.width, image.height));
  std::filesystem::resize_file(path, largest + 1);
  EXPECT_FALSE(store.Load(model::FromUtf8(path.string()), image.width, image.height));
}

// What a save writes is the bitmap of the picture's pixels, whatever the picture holds: odd widths
// (row padding), loaded pixels larger or smaller than the picture or fewer than their sides hold, boxes and
// wide lines that leave it, colours with bits above the 24 a bitmap keeps.
TEST(BitmapFile, ASavedFileHoldsTheBitmapOfThePicturesPixels) {
  testsupport::ScopedTempDir folder;
  const std::filesystem::path path = folder.Path() / "PICTURE.bmp";
  auto with = [](PictureImage image, auto change) {
    change(image);
    return image;
  };
  const PictureImage frame = Frame(palette::kLightYellow);
  struct Case {
    const char* what;
    PictureImage image;
  };
  const Case cases[] = {
      {"a frame", frame},
      {"an odd width", with(frame, [](PictureImage& i) { i.width = 7 * 15; })},
      {"a single pixel", with(frame, [](PictureImage& i) { i.width = i.height = 1; })},
      {"no size at all", with(frame, [](PictureImage& i) { i.width = i.height = -40; })},
      {"a system colour behind", with(frame, [](PictureImage& i) { i.back_color = 0x80000005; })},
      {"loaded pixels wider than the picture",
       with(frame,
            [](PictureImage& i) {
              i.raster = Raster{12, 2, std::vector<Color>(24, palette::kPink)};
            })},
      {"loaded pixels that do not fill their sides", with(frame,
                                                          [](PictureImage& i) {
                                                            i.raster = Raster{4, 4, {1, 2, 3}};
                                                          })},
      {"loaded pixels in a corner", with(frame,
                                         [](PictureImage& i) {
                                           i.raster = Raster{2, 3, {1, 2, 3, 4, 5, 0xFF123456}};
                                         })},
      {"a filled box over the edges", with(frame,
                                           [](PictureImage& i) {
                                             i.ops[0].filled = true;
                                             i.ops[0].x1 = -300;
                                             i.ops[0].y2 = 9000;
                                           })},
      {"a wide dotted box across the corner", with(frame,
                                                   [](PictureImage& i) {
                                                     i.ops[0].width = 7;
                                                     i.ops[0].style = kDrawDashDot;
                                                     i.ops[0].x1 = -45;
                                                   })},
      {"a slanted wide line leaving the picture", with(frame,
                                                       [](PictureImage& i) {
                                                         i.ops[1].x1 = -200;
                                                         i.ops[1].y2 = 400;
                                                         i.ops[1].width = 4;
                                                       })},
  };
  BitmapFilePictureStore store;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(store.Save(model::FromUtf8(path.string()), c.image));
    EXPECT_EQ(FileBytes(path), EncodeBitmap(RasterOf(c.image)));
  }
}
}  // namespace
}  // namespace ui
