#pragma once
// Drive, folder and file lists over the file system. Paths use "/" and have no trailing "/" except the
// root; the one drive is the root "/". The file system sits behind an interface so that tests can
// make a folder fail to read.

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
  virtual Text CurrentFolder() = 0;
  // Names of the subfolders and of the files of a folder, unsorted; PathError when it cannot be read.
  virtual std::vector<Text> Folders(const Text& path) = 0;
  virtual std::vector<Text> Files(const Text& path) = 0;
};

// The real file system (std::filesystem); names and paths are UTF-8 on disk.
class RealFileSystem : public FileSystem {
 public:
  std::vector<Text> Drives() override;
  Text CurrentFolder() override;
  std::vector<Text> Folders(const Text& path) override;
  std::vector<Text> Files(const Text& path) override;
};

// An absolute path without "." and ".." parts, with "/" separators and no trailing "/" (except "/").
Text NormalizePath(const Text& path);
// The folder path with "/" appended unless it already ends in "/".
Text WithTrailingSlash(const Text& folder);
// The drive a path lies on: "/" for every absolute path.
Text DriveOf(const Text& path);
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

// Lists the subfolders of the open folder, sorted, as full paths; the chosen entry is the one the user
// clicked last (-1 while that is the open folder itself or a folder above it).
class DirListBox : public ListChoice, public FolderPicker {
 public:
  DirListBox(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kDirListBox; }
  FolderPicker* AsFolderPicker() override { return this; }

  // Starts at the program's current folder.
  const Text& Path() const { return path_; }
  // Opens a folder: its subfolders are listed and, when the path differs, the change event runs.
  // PathError (nothing changed) when the folder cannot be read.
  void SetPath(const Text& path);
  // The entry the user clicked last (Path until the first click).
  const Text& ClickedEntry() const { return clicked_; }

  std::function<void()> OnClick;
  std::function<void()> OnChange;
  // The user clicks the entry for folder path (an existing folder); the click event runs, and the
  // window's handler opens it. Throws PathError when path is not a folder.
  void UserPick(const Text& path) override;
  // The user clicks subfolder index.
  void UserSelect(int index) override;

  void ListProperties(PropertyList& out) const override;

 private:
  // The full paths of folder's subfolders, sorted; PathError when it cannot be read.
  std::vector<Text> SortedSubfolders(const Text& folder);
  // Chooses the clicked entry among the subfolders listed now.
  void ChooseClickedEntry();
  Text path_;
  Text clicked_;
};

// Lists the open folder's files that match the pattern, sorted by name with letter case ignored;
// hidden (dot) files left out.
class FileListBox : public ListChoice {
 public:
  FileListBox(Place place, std::string name);
  ControlKind Kind() const override { return ControlKind::kFileListBox; }

  const Text& Path() const { return path_; }
  // Lists the folder's files that match the pattern; PathError (nothing changed) when it cannot be read.
  void SetPath(const Text& path);
  // "*.*" unless set; setting it lists the folder again.
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
  Text path_;
  Text pattern_ = u"*.*";
};

}  // namespace ui
