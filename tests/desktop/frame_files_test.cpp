// The graph window's frame files through the desktop's store and the headless one: whatever sits at
// a frame's path (a FIFO, a folder, a symbolic link, a huge file), saving and restoring the frames
// return at once, follow no link and read no file whole.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "desktop/picture_store.h"
#include "program/program.h"
#include "tests/desktop/qt_fixture.h"
#include "tests/support/hang_guard.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"
#include "ui/bitmap_file.h"
#include "ui/file_lists.h"
#include "ui/palette.h"
#include "views/frm_ag14.h"

namespace desktop::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

using testsupport::FileBytes;

// A bitmap of its own, so that a link followed to it would show.
const std::string& VictimBitmap() {
  static const std::string bytes = ui::EncodeBitmap({2, 1, {ui::palette::kRed, ui::palette::kBlue}});
  return bytes;
}

struct Plant {
  const char* name;
  // Puts the thing at path; victim is a file a link may point to.
  std::function<void(const fs::path& path, const fs::path& victim)> make;
  bool replaceable;  // a regular file or a link: a save writes a regular file in its place
};

const std::vector<Plant>& Plants() {
  static const std::vector<Plant> plants = {
      {"FIFO", [](const fs::path& path, const fs::path&) { ASSERT_EQ(::mkfifo(path.c_str(), 0666), 0); },
       false},
      {"folder", [](const fs::path& path, const fs::path&) { fs::create_directory(path); }, false},
      {"symbolic link",
       [](const fs::path& path, const fs::path& victim) { fs::create_symlink(victim, path); }, true},
      // The frame's own bytes (when there are any), then zeros to a gibibyte, sparse.
      {"oversized file",
       [](const fs::path& path, const fs::path&) {
         std::ofstream(path, std::ios::binary | std::ios::app).flush();
         fs::resize_file(path, std::uintmax_t{1} << 30);
       },
       true},
  };
  return plants;
}

enum class StoreKind { kHeadless, kDesktop };

std::unique_ptr<ui::PictureStore> MakeStore(StoreKind kind) {
  if (kind == StoreKind::kDesktop) return std::make_unique<ImagePictureStore>();
  return std::make_unique<ui::BitmapFilePictureStore>();
}

class FrameFilesAt : public ::testing::TestWithParam<StoreKind> {
 protected:
  FrameFilesAt() { Application(); }

  // A fresh program whose folder and data folder lie in the test's folder.
  std::unique_ptr<program::Program> Program(const fs::path& folder) {
    fs::create_directories(folder);
    auto app = std::make_unique<program::Program>();
    app->SetPictureStore(MakeStore(GetParam()));
    app->SetProgramFolder(ui::DisplayPath(folder));
    return app;
  }
  // Each frame shows the drawing kept at its save: no file was read into it.
  static void ExpectKeptFrames(const views::frmAg14& graph, const std::vector<ui::DrawOp>& frame1,
                               const std::vector<ui::DrawOp>& frame2) {
    EXPECT_TRUE(graph.Picture1.BackgroundRaster().Empty());
    EXPECT_EQ(graph.Picture1.BackgroundOps(), frame1);
    EXPECT_TRUE(graph.Picture2.BackgroundRaster().Empty());
    EXPECT_EQ(graph.Picture2.BackgroundOps(), frame2);
  }

  testsupport::ScopedTempDir folder_;
  testsupport::ScopedEnv xdg_{"XDG_DATA_HOME", (folder_.Path() / "data").string()};
  testsupport::HangGuard guard_{60};
  const char* names_[2] = {"GRAPTH1.bmp", "GRAPTH2.bmp"};
};

// Saving over each: a FIFO or a folder is left alone and the frame goes to the data folder; a link is
// replaced by the frame's file, its target untouched; a huge file is written over and cut.
TEST_P(FrameFilesAt, SaveReturnsAtOnceAndFollowsNothing) {
  for (const Plant& plant : Plants()) {
    SCOPED_TRACE(plant.name);
    const fs::path program_folder = folder_.Path() / (std::string("save ") + plant.name);
    const fs::path victim = folder_.Path() / (std::string("victim ") + plant.name);
    std::ofstream(victim, std::ios::binary) << VictimBitmap();
    fs::create_directories(program_folder);
    for (const char* name : names_) plant.make(program_folder / name, victim);
    auto app = Program(program_folder);
    const Clock::time_point start = Clock::now();
    views::frmAg14& graph = app->Form<views::frmAg14>();
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(FileBytes(victim), VictimBitmap());
    for (const char* name : names_) {
      const fs::path at = program_folder / name;
      EXPECT_EQ(fs::is_regular_file(fs::symlink_status(at)), plant.replaceable) << name;
      if (plant.replaceable) {
        EXPECT_LT(fs::file_size(at), 1u << 20) << name;
      }
    }
    const fs::path saved_in = plant.replaceable ? program_folder : folder_.Path() / "data" / "tarvelo";
    EXPECT_EQ(graph.Frame1().Path(), ui::DisplayPath(saved_in / names_[0]));
    EXPECT_EQ(graph.Frame2().Path(), ui::DisplayPath(saved_in / names_[1]));
    fs::remove_all(folder_.Path() / "data");
  }
}

// Restoring from each, put where the frames were saved: the frame kept at the save is shown, a link
// is not followed to the bitmap it points at, and a huge file is not read.
TEST_P(FrameFilesAt, RestoreReturnsAtOnceAndReadsNothing) {
  for (const Plant& plant : Plants()) {
    SCOPED_TRACE(plant.name);
    const fs::path program_folder = folder_.Path() / (std::string("restore ") + plant.name);
    const fs::path victim = folder_.Path() / (std::string("victim ") + plant.name);
    std::ofstream(victim, std::ios::binary) << VictimBitmap();
    auto app = Program(program_folder);
    views::frmAg14& graph = app->Form<views::frmAg14>();
    const std::vector<ui::DrawOp> frame1 = graph.Picture1.Drawing().Ops();
    const std::vector<ui::DrawOp> frame2 = graph.Picture2.Drawing().Ops();
    for (const char* name : names_) {
      const fs::path at = program_folder / name;
      ASSERT_TRUE(fs::is_regular_file(at)) << name;
      if (std::string(plant.name) != "oversized file") fs::remove(at);
      plant.make(at, victim);
    }
    for (int press = 0; press < 2; ++press) {
      const Clock::time_point start = Clock::now();
      graph.RestoreFrames();
      EXPECT_LT(Clock::now() - start, std::chrono::seconds(1));
      ExpectKeptFrames(graph, frame1, frame2);
    }
    EXPECT_EQ(FileBytes(victim), VictimBitmap());
  }
}

INSTANTIATE_TEST_SUITE_P(BothStores, FrameFilesAt,
                         ::testing::Values(StoreKind::kHeadless, StoreKind::kDesktop),
                         [](const ::testing::TestParamInfo<StoreKind>& info) {
                           return info.param == StoreKind::kDesktop ? "Desktop" : "Headless";
                         });

}  // namespace
}  // namespace desktop::testing
