#include "views/graph_frame_files.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "ui/file_lists.h"

namespace views {

using model::Text;

namespace {

// An environment variable's value when it names an absolute folder.
std::optional<std::filesystem::path> AbsoluteFolderOf(const char* variable) {
  const char* value = std::getenv(variable);  // NOLINT(concurrency-mt-unsafe): one thread
  if (value == nullptr || *value == '\0') return std::nullopt;
  std::filesystem::path folder(value);
  if (!folder.is_absolute()) return std::nullopt;
  return folder;
}

}  // namespace

Text FramePath(const Text& folder, const Text& name) {
  if (folder.empty() || folder.back() == u'/') return folder + name;
  return folder + u'/' + name;
}

std::optional<Text> UserDataFolder() {
  std::optional<std::filesystem::path> base = AbsoluteFolderOf("XDG_DATA_HOME");
  if (!base) {
    std::optional<std::filesystem::path> home = AbsoluteFolderOf("HOME");
    if (!home) return std::nullopt;
    base = *home / ".local" / "share";
  }
  return ui::DisplayPath(*base / "tarvelo");
}

void FrameFile::Save(ui::PictureBox& picture, const Text& program_folder, const Text& name) {
  empty_ = picture.Content();
  path_.clear();
  const Text first = FramePath(program_folder, name);
  if (picture.SavePicture(first)) {
    path_ = first;
    return;
  }
  const std::optional<Text> data_folder = UserDataFolder();
  if (!data_folder) return;
  std::error_code ignored;
  std::filesystem::create_directories(ui::PathOfText(*data_folder), ignored);
  const Text second = FramePath(*data_folder, name);
  if (picture.SavePicture(second)) path_ = second;
}

void FrameFile::Restore(ui::PictureBox& picture) const {
  picture.Cls();
  if (path_.empty() || !picture.LoadPicture(path_)) picture.ShowPicture(empty_, path_);
}

}  // namespace views
