// The one place that opens frame files: a regular file is read and written whole; anything else at
// the path is refused at once without being opened or followed, and a file longer than the picture's
// largest bitmap is refused unread.
#include "ui/frame_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "tests/support/hang_guard.h"
#include "tests/support/temp_dir.h"
#include "ui/bitmap_file.h"

namespace ui {
namespace {

namespace fs = std::filesystem;

using testsupport::FileBytes;

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class FrameFileTest : public ::testing::Test {
 protected:
  testsupport::ScopedTempDir folder_;
  testsupport::HangGuard guard_{20};
  fs::path path_ = folder_.Path() / "GRAPTH1.bmp";
  fs::path target_ = folder_.Path() / "target";
};

TEST_F(FrameFileTest, ARegularFileIsReadAndWrittenWhole) {
  std::string read;
  EXPECT_FALSE(ReadFrameFile(path_, 100, read));  // nothing there yet
  ASSERT_TRUE(WriteFrameFile(path_, "a longer first content"));
  ASSERT_TRUE(WriteFrameFile(path_, "second"));  // written over and cut to length
  EXPECT_EQ(FileBytes(path_), "second");
  ASSERT_TRUE(ReadFrameFile(path_, 100, read));
  EXPECT_EQ(read, "second");
  EXPECT_FALSE(WriteFrameFile(folder_.Path() / "missing" / "GRAPTH1.bmp", "x"));
}

// A symbolic link is never followed: reading refuses it, writing puts a new file in its place and
// leaves its target (a file, a FIFO, nothing at all) as it was; no file is left beside it.
TEST_F(FrameFileTest, ASymbolicLinkIsReplacedNeverFollowed) {
  const std::function<void()> targets[] = {
      [&] { WriteBytes(target_, "someone's file"); }, [&] { ASSERT_EQ(::mkfifo(target_.c_str(), 0666), 0); },
      [] {},  // a link to nothing
  };
  for (const auto& make_target : targets) {
    fs::remove(target_);
    fs::remove(path_);
    make_target();
    fs::create_symlink(target_, path_);
    const bool file_target = fs::is_regular_file(fs::symlink_status(target_));
    SCOPED_TRACE(fs::exists(fs::symlink_status(target_)) ? (file_target ? "file" : "FIFO") : "nothing");
    std::string read;
    EXPECT_FALSE(ReadFrameFile(path_, 1000, read));
    ASSERT_TRUE(WriteFrameFile(path_, "frame"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path_)));
    EXPECT_EQ(FileBytes(path_), "frame");
    if (file_target) {
      EXPECT_EQ(FileBytes(target_), "someone's file");
    } else {
      EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(target_)));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()),
              fs::exists(fs::symlink_status(target_)) ? 2 : 1);
  }
}

// A FIFO (with nobody at its other end), a folder or a device is neither read nor written, and
// nothing waits on it.
TEST_F(FrameFileTest, AFifoAFolderOrADeviceIsRefusedAtOnce) {
  const fs::path fifo = folder_.Path() / "FIFO.bmp", inside = folder_.Path() / "FOLDER.bmp";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
  fs::create_directory(inside);
  for (const fs::path& path : {fifo, inside, fs::path("/dev/zero"), fs::path("/dev/null")}) {
    SCOPED_TRACE(path.string());
    std::string read;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(ReadFrameFile(path, 1000, read));
    EXPECT_FALSE(WriteFrameFile(path, "frame"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(read.empty());
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_empty(inside));
}

// The limit is the file's length: a file of exactly the limit is read, a byte more is refused, and a
// sparse file of a gibibyte is refused at once.
TEST_F(FrameFileTest, AFileLongerThanTheLimitIsRefusedUnread) {
  WriteBytes(path_, std::string(100, 'x'));
  std::string read;
  EXPECT_TRUE(ReadFrameFile(path_, 100, read));
  EXPECT_EQ(read.size(), 100u);
  EXPECT_FALSE(ReadFrameFile(path_, 99, read));
  std::error_code error;
  fs::resize_file(path_, std::uintmax_t{1} << 30, error);
  ASSERT_FALSE(error) << error.message();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(ReadFrameFile(path_, LargestBitmapFileOf(7100, 3000), read));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  EXPECT_LT(read.capacity(), 1000u);
}

// Every bitmap a picture's sides allow is within its limit: 24 bits a pixel as the stores write them,
// 32 bits with a long header and colour masks, rounded sides; one pixel more each way is not.
TEST(LargestBitmapFile, HoldsEveryBitmapOfThePicture) {
  struct Case {
    double width, height;
    int pixels_wide, pixels_high;
  };
  for (const Case& c : {Case{7100, 3000, 473, 200}, Case{7100, 2900, 473, 193}, Case{1, 1, 1, 1},
                        Case{45, 30, 3, 2}, Case{22, 8, 1, 1}}) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
    const uint64_t limit = LargestBitmapFileOf(c.width, c.height);
    const Raster raster{c.pixels_wide, c.pixels_high,
                        std::vector<Color>(static_cast<size_t>(c.pixels_wide) * c.pixels_high)};
    EXPECT_LE(EncodeBitmap(raster).size(), limit);
    EXPECT_LE(14u + 124u + 16u + 4u * c.pixels_wide * c.pixels_high, limit);
    EXPECT_LT(limit, 14u + 124u + 16u + 1024u + 4u * (c.pixels_wide + 1) * (c.pixels_high + 1));
  }
}

}  // namespace
}  // namespace ui
