#pragma once
// Drive, folder and file lists over the file system. Paths use "/" and have no trailing "/" except the
// root; the one drive is the root "/". Folder paths and names are kept as the file system gives them,
// bytes that need not be UTF-8, so that every folder shown can be opened; they become text only to be
// shown. The file system sits behind an interface so that tests can make a folder fail to read.

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/capabilities.h"
#include "ui/control.h"

namespace ui {

// A folder that cannot be read; what() is the platform's description, for the message box.
class PathError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The drives the drive list shows.
  virtual std::vector<Text> Drives() = 0;
  // The program's current folder.
  virtual std::filesystem::path CurrentFolder() = 0;
  // Names of the subfolders and of the files of a folder, unsorted; PathError when it cannot be read.
  virtual std::vector<std::filesystem::path> Folders(const std::filesystem::path& folder) = 0;
  virtual std::vector<std::filesystem::path> Files(const std::filesystem::path& folder) = 0;
};

// The real file system (std::filesystem).
class RealFileSystem : public FileSystem {
 public:
  std::vector<Text> Drives() override;
  std::filesystem::path CurrentFolder() override;
  std::vector<std::filesystem::path> Folders(const std::filesystem::path& folder) override;
  std::vector<std::filesystem::path> Files(const std::filesystem::path& folder) override;
};

// A path or name as the lists show it: its bytes as UTF-8, each byte that is not shown as U+FFFD.
Text DisplayPath(const std::filesystem::path& path);
// The path a text names, such as a drive: the text in UTF-8, as file names are written here.
std::filesystem::path PathOfText(const Text& text);
// An absolute path without "." and ".." parts, with "/" separators and no trailing "/" (except "/").
std::filesystem::path NormalizePath(const std::filesystem::path& path);
// The drive a path lies on: "/" for every absolute path.
Text DriveOf(const std::filesystem::path& path);
// Whether name matches a pattern list such as "*.kd2" or "*.txt;*.doc" (* and ?, letter case ignored).
bool MatchesPattern(const Text& name, const Text& patterns);

// Lists the drives, as the file system lists them when the list is created; the chosen entry is the
// drive shown.
class DriveListBox : public ListChoice {
 public:
  DriveListBox(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kDriveListBox; }

  const Text& Drive() const { return drive_; }
  // A different drive runs the change event (unless run_change is false, for putting the list back
  // after a failed change without running the handler again); the present one runs nothing.
  void SetDrive(const Text& drive, bool run_change = true);

  std::function<void()> OnChange;
  // The user picks drive index.
  void UserSelect(int index) override;

  void ListProperties(PropertyList& out) const override;

 private:
  Text drive_;
};

// Lists the subfolders of the open folder, sorted, as full paths (each shown as text, kept as the file
// system names it); the chosen entry is the one the user
// clicked last (-1 while that is the open folder itself or a folder above it).
class DirListBox : public ListChoice, public FolderPicker {
 public:
  DirListBox(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kDirListBox; }
  FolderPicker* AsFolderPicker() override { return this; }

  // Starts at the program's current folder.
  const std::filesystem::path& Path() const { return path_; }
  // Opens a folder: its subfolders are listed and, when the path differs, the change event runs.
  // PathError (nothing changed) when the folder cannot be read.
  void SetPath(const std::filesystem::path& path);
  // The path of subfolder i as the file system names it; List(i) is what it shows.
  const std::filesystem::path& ListPath(int i) const;
  // The entry the user clicked last (Path until the first click).
  const std::filesystem::path& ClickedEntry() const { return clicked_; }

  std::function<void()> OnClick;
  std::function<void()> OnChange;
  // The user clicks the entry for folder path (an existing folder); the click event runs, and the
  // window's handler opens it. Throws PathError when path is not a folder.
  void UserPick(const std::filesystem::path& path) override;
  // The user clicks subfolder index.
  void UserSelect(int index) override;

  void ListProperties(PropertyList& out) const override;

 private:
  struct Subfolder {
    std::filesystem::path path;
    Text shown;
  };
  // folder's subfolders, sorted by what they show; PathError when it cannot be read.
  std::vector<Subfolder> SortedSubfolders(const std::filesystem::path& folder);
  // Lists folder's subfolders; whether the list changed. PathError (nothing changed) when it cannot be
  // read.
  bool ListSubfolders(const std::filesystem::path& folder);
  // Chooses the clicked entry among the subfolders listed now.
  void ChooseClickedEntry();
  std::filesystem::path path_;
  std::filesystem::path clicked_;
  // Beside entries_, which holds what each subfolder shows.
  std::vector<std::filesystem::path> subfolder_paths_;
};

// Lists the open folder's files that match the pattern, sorted by name with letter case ignored;
// hidden (dot) files left out.
class FileListBox : public ListChoice {
 public:
  // Lists the current folder's files that match pattern; a window whose list has a pattern of its
  // own makes it with that pattern, so that the folder is listed once.
  FileListBox(Place place, std::string name, Text pattern = u"*.*");
  ControlKind Kind() const override { return ControlKind::kFileListBox; }

  const std::filesystem::path& Path() const { return path_; }
  // Lists the folder's files that match the pattern; PathError (nothing changed) when it cannot be read.
  void SetPath(const std::filesystem::path& path);
  // "*.*" unless made with or set to another; setting it lists the folder again.
  const Text& Pattern() const { return pattern_; }
  void SetPattern(const Text& pattern);
  // A new index chooses that file and runs the click; -1 clears the choice.
  void SetListIndex(int index);
  // The chosen file's name, empty when none.
  const Text& FileName() const;

  std::function<void()> OnClick;
  void UserSelect(int index) override;

  void ListProperties(PropertyList& out) const override;
  void ApplyDesign(const ControlDesign& row) override;

 private:
  void Refresh();
  std::filesystem::path path_;
  Text pattern_ = u"*.*";
};

}  // namespace ui
