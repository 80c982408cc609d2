#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/support/temp_dir.h"
#include "tests/support/test_windows.h"

namespace ui {
namespace {

namespace fs = std::filesystem;
using testwin::Events;
using Log = std::vector<std::string>;

class FileListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    temp_ = std::make_unique<testsupport::ScopedTempDir>();
    root_ = temp_->Path();
    fs::create_directories(root_ / "meet" / "sub");
    fs::create_directories(root_ / "other");
    for (const char* name :
         {"kol_uma.kd2", "KOL_DEN1.KD2", "kol_den2.kd2", "notes.txt", ".hidden.kd2", "b.kd2"})
      std::ofstream(root_ / "meet" / name) << "x";
    app_ = testwin::MakeApp();
    testwin::Start(*app_);
    w_ = &app_->Form<testwin::frmTestMain>();
    Events().clear();
  }
  Text Shown(const fs::path& p) { return model::FromUtf8(p.generic_string()); }

  std::unique_ptr<testsupport::ScopedTempDir> temp_;
  fs::path root_;
  std::unique_ptr<shell::App> app_;
  testwin::frmTestMain* w_ = nullptr;
};

TEST_F(FileListsTest, ListsStartAtTheCurrentFolderOnTheRootDrive) {
  EXPECT_EQ(w_->Dir1.Path(), NormalizePath(fs::current_path()));
  EXPECT_EQ(w_->Drive1.Drive(), u"/");
  EXPECT_EQ(w_->Drive1.ListCount(), 1);
  EXPECT_EQ(w_->Drive1.List(0), u"/");
}

TEST_F(FileListsTest, FileListMatchesItsPatternIgnoringCaseSortedWithoutHiddenFiles) {
  w_->File1.SetPath(root_ / "meet");
  std::vector<Text> names;
  for (int i = 0; i < w_->File1.ListCount(); ++i) names.push_back(w_->File1.List(i));
  EXPECT_EQ(names, (std::vector<Text>{u"b.kd2", u"KOL_DEN1.KD2", u"kol_den2.kd2", u"kol_uma.kd2"}));
  w_->File1.SetPattern(u"*.txt;*.KD2");
  EXPECT_EQ(w_->File1.ListCount(), 5);
  EXPECT_THROW(w_->File1.SetPath(root_ / "none"), PathError);
  EXPECT_EQ(w_->File1.Path(), root_ / "meet");  // unchanged after the failure
}

TEST_F(FileListsTest, APickedFolderOpensThroughTheWindowsHandlersAndChangesOnce) {
  w_->Dir1.UserPick(root_ / "meet" / "sub" / "..");
  EXPECT_EQ(w_->Dir1.Path(), root_ / "meet");
  EXPECT_EQ(w_->Label1.Caption(), Shown(root_ / "meet"));
  EXPECT_EQ(w_->File1.ListCount(), 4);
  ASSERT_EQ(w_->Dir1.ListCount(), 1);
  EXPECT_EQ(w_->Dir1.List(0), Shown(root_ / "meet" / "sub"));
  EXPECT_EQ(w_->Dir1.ListPath(0), root_ / "meet" / "sub");
  w_->Dir1.UserPick(root_ / "meet");  // the same folder: clicked, but no change
  EXPECT_EQ(Events(), (Log{"Dir1_Click", "Dir1_Change", "Dir1_Click"}));
  EXPECT_THROW(w_->Dir1.UserPick(root_ / "meet" / "b.kd2"), PathError);
  w_->Dir1.SetEnabled(false);
  w_->Dir1.UserPick(root_ / "other");
  EXPECT_EQ(w_->Dir1.Path(), root_ / "meet");
}

// A folder named in CP932 (日本), as a Windows archive unpacked here leaves it: shown with U+FFFD,
// kept and opened by its bytes.
TEST_F(FileListsTest, AFolderWhoseNameIsNotUtf8IsShownReplacedAndOpenedByItsBytes) {
  const fs::path japan = root_ / "other" / "\x93\xfa\x96\x7b";
  fs::create_directories(japan / "\x8b\xa3");
  std::ofstream(japan / "kol_uma.kd2") << "x";
  w_->Dir1.UserPick(root_ / "other");
  ASSERT_EQ(w_->Dir1.ListCount(), 1);
  EXPECT_EQ(w_->Dir1.List(0), Shown(root_ / "other") + u"/\uFFFD\uFFFD\uFFFD{");
  EXPECT_EQ(w_->Dir1.ListPath(0), japan);
  w_->Dir1.UserPick(w_->Dir1.ListPath(0));
  EXPECT_EQ(w_->Dir1.Path().native(), japan.native());
  EXPECT_EQ(w_->Label1.Caption(), Shown(root_ / "other") + u"/\uFFFD\uFFFD\uFFFD{");
  ASSERT_EQ(w_->File1.ListCount(), 1);
  EXPECT_EQ(w_->File1.List(0), u"kol_uma.kd2");
  ASSERT_EQ(w_->Dir1.ListCount(), 1);
  EXPECT_EQ(w_->Dir1.ListPath(0), japan / "\x8b\xa3");
  PropertyList props;
  w_->Dir1.ListProperties(props);
  EXPECT_EQ(std::get<Text>(props.front().value), Shown(root_ / "other") + u"/\uFFFD\uFFFD\uFFFD{");
}

// Links count as what they lead to; a broken link and anything neither a folder nor a file (a pipe)
// is in neither list.
TEST_F(FileListsTest, LinksListAsWhatTheyLeadToAndOtherEntriesNowhere) {
  const fs::path meet = root_ / "meet";
  fs::create_directory_symlink(root_ / "other", meet / "to_other");
  fs::create_symlink(meet / "b.kd2", meet / "link.kd2");
  fs::create_symlink(meet / "gone.kd2", meet / "broken.kd2");
  ASSERT_EQ(::mkfifo((meet / "pipe.kd2").c_str(), 0600), 0);
  RealFileSystem files;
  std::vector<fs::path> folders = files.Folders(meet);
  std::vector<fs::path> names = files.Files(meet);
  std::sort(folders.begin(), folders.end());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(folders, (std::vector<fs::path>{"sub", "to_other"}));
  EXPECT_EQ(names, (std::vector<fs::path>{".hidden.kd2", "KOL_DEN1.KD2", "b.kd2", "kol_den2.kd2",
                                          "kol_uma.kd2", "link.kd2", "notes.txt"}));
  EXPECT_THROW(files.Files(meet / "notes.txt"), PathError);
  try {
    files.Folders(root_ / "none");
    ADD_FAILURE() << "a missing folder listed";
  } catch (const PathError& e) {
    EXPECT_EQ(e.what(), std::make_error_code(std::errc::no_such_file_or_directory).message());
  }
}

// Two names that show alike both stay in the list, each opening its own folder.
TEST_F(FileListsTest, FoldersThatShowAlikeKeepTheirOwnPaths) {
  fs::create_directories(root_ / "other" / "\x93\xfa");
  fs::create_directories(root_ / "other" / "\x96\x97");
  w_->Dir1.UserPick(root_ / "other");
  ASSERT_EQ(w_->Dir1.ListCount(), 2);
  EXPECT_EQ(w_->Dir1.List(0), w_->Dir1.List(1));
  EXPECT_NE(w_->Dir1.ListPath(0), w_->Dir1.ListPath(1));
  w_->Dir1.UserPick(w_->Dir1.ListPath(1));
  EXPECT_EQ(w_->Dir1.Path(), root_ / "other" / "\x96\x97");
  // Chosen by index, as the driver and the frontend's lists choose, the entry opens by its bytes too.
  w_->Dir1.UserPick(root_ / "other");
  const fs::path first = w_->Dir1.ListPath(0);
  w_->Dir1.UserSelect(0);
  EXPECT_EQ(w_->Dir1.Path(), first);
}

TEST_F(FileListsTest, FolderFileAndDriveListsAreChosenFromAsOneKindOfList) {
  w_->Dir1.SetPath(root_);
  ListChoice& folders = *w_->Dir1.AsListChoice();
  ASSERT_EQ(folders.ListCount(), 2);
  EXPECT_EQ(folders.List(0), Shown(root_ / "meet"));
  EXPECT_EQ(folders.ListIndex(), -1);  // the open folder itself
  folders.UserSelect(0);               // the window's click handler opens it
  EXPECT_EQ(w_->Dir1.Path(), root_ / "meet");

  ListChoice& files = *w_->File1.AsListChoice();
  ASSERT_EQ(files.ListCount(), 4);
  files.UserSelect(2);
  EXPECT_EQ(files.ListIndex(), 2);
  EXPECT_EQ(w_->File1.FileName(), u"kol_den2.kd2");

  ListChoice& drives = *w_->Drive1.AsListChoice();
  EXPECT_EQ(drives.ListIndex(), 0);
  drives.UserSelect(0);  // the drive shown: no change
  for (ListChoice* list : {&folders, &files, &drives})
    EXPECT_THROW(list->UserSelect(list->ListCount()), std::out_of_range) << list->Name();
  EXPECT_EQ(Events(), (Log{"Dir1_Change", "Dir1_Click", "Dir1_Change"}));
}

TEST_F(FileListsTest, AFolderThatCannotBeReadAnyMoreListsNoFileAndKeepsNoneChosen) {
  w_->File1.SetPath(root_ / "meet");
  w_->File1.UserSelect(1);
  fs::remove_all(root_ / "meet");
  w_->File1.SetPattern(u"*.txt");
  EXPECT_EQ(w_->File1.ListCount(), 0);
  EXPECT_EQ(w_->File1.ListIndex(), -1);
  EXPECT_EQ(w_->File1.FileName(), u"");
}

// A drive that cannot be read, for the drive-change failure path.
class BrokenDriveFiles : public RealFileSystem {
 public:
  std::vector<Text> Drives() override { return {u"/", u"/broken"}; }
  std::vector<fs::path> Folders(const fs::path& folder) override {
    if (folder == "/broken") throw PathError("Device unavailable");
    return RealFileSystem::Folders(folder);
  }
};

TEST_F(FileListsTest, DriveChangeRunsOnlyOnADifferentDriveAndUnreadableFoldersThrow) {
  app_->SetFileSystem(std::make_unique<BrokenDriveFiles>());
  DriveListBox drives(*w_, "Drive2");
  DirListBox dir(*w_, "Dir2");
  drives.Move(100, 100, 1000, 300);
  int changes = 0;
  drives.OnChange = [&] { ++changes; };
  drives.UserSelect(0);
  EXPECT_EQ(changes, 0);
  drives.UserSelect(1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(drives.Drive(), u"/broken");
  try {
    dir.SetPath(PathOfText(drives.Drive()));
    FAIL() << "no error";
  } catch (const PathError& e) {
    EXPECT_STREQ(e.what(), "Device unavailable");
  }
  drives.SetDrive(DriveOf(dir.Path()), /*run_change=*/false);  // put back without running the handler
  EXPECT_EQ(drives.Drive(), u"/");
  EXPECT_EQ(changes, 1);
  drives.SetDrive(u"/broken");  // from code: a change, as on the platform
  EXPECT_EQ(changes, 2);
  drives.SetDrive(u"/broken");
  EXPECT_EQ(changes, 2);
}

TEST(Paths, NormalizedWithSlashesAndNoTrailingSlash) {
  EXPECT_EQ(NormalizePath("/a/b/../c/").native(), "/a/c");
  EXPECT_EQ(NormalizePath("/").native(), "/");
  EXPECT_EQ(NormalizePath("/a//b/").native(), "/a/b");
  EXPECT_TRUE(MatchesPattern(u"kol_den1.kd2", u"*.kd2"));
  EXPECT_TRUE(MatchesPattern(u"KOL_DEN1.KD2", u"*.kd2"));
  EXPECT_FALSE(MatchesPattern(u"kol_den1.kd20", u"*.kd2"));
  EXPECT_TRUE(MatchesPattern(u"README", u"*.*"));
  EXPECT_TRUE(MatchesPattern(u"a1.kd2", u"a?.kd2"));
  EXPECT_FALSE(MatchesPattern(u"a12.kd2", u"a?.kd2"));
}

}  // namespace
}  // namespace ui
