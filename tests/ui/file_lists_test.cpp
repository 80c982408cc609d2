#include <gtest/gtest.h>

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
    temp = std::make_unique<testsupport::ScopedTempDir>();
    root = temp->Path();
    fs::create_directories(root / "meet" / "sub");
    fs::create_directories(root / "other");
    for (const char* name :
         {"kol_uma.kd2", "KOL_DEN1.KD2", "kol_den2.kd2", "notes.txt", ".hidden.kd2", "b.kd2"})
      std::ofstream(root / "meet" / name) << "x";
    app = testwin::MakeApp();
    testwin::Start(*app);
    w = &app->Form<testwin::frmTestMain>();
    Events().clear();
  }
  Text Path(const fs::path& p) { return model::FromUtf8(p.generic_string()); }

  std::unique_ptr<testsupport::ScopedTempDir> temp;
  fs::path root;
  std::unique_ptr<shell::App> app;
  testwin::frmTestMain* w = nullptr;
};

TEST_F(FileListsTest, ListsStartAtTheCurrentFolderOnTheRootDrive) {
  EXPECT_EQ(w->Dir1.Path(), NormalizePath(model::FromUtf8(fs::current_path().generic_string())));
  EXPECT_EQ(w->Drive1.Drive(), u"/");
  EXPECT_EQ(w->Drive1.ListCount(), 1);
  EXPECT_EQ(w->Drive1.List(0), u"/");
}

TEST_F(FileListsTest, FileListMatchesItsPatternIgnoringCaseSortedWithoutHiddenFiles) {
  w->File1.SetPath(Path(root / "meet"));
  std::vector<Text> names;
  for (int i = 0; i < w->File1.ListCount(); ++i) names.push_back(w->File1.List(i));
  EXPECT_EQ(names, (std::vector<Text>{u"b.kd2", u"KOL_DEN1.KD2", u"kol_den2.kd2", u"kol_uma.kd2"}));
  w->File1.SetPattern(u"*.txt;*.KD2");
  EXPECT_EQ(w->File1.ListCount(), 5);
  EXPECT_THROW(w->File1.SetPath(Path(root / "none")), PathError);
  EXPECT_EQ(w->File1.Path(), Path(root / "meet"));  // unchanged after the failure
}

TEST_F(FileListsTest, APickedFolderOpensThroughTheWindowsHandlersAndChangesOnce) {
  w->Dir1.UserPick(Path(root / "meet" / "sub" / ".."));
  EXPECT_EQ(w->Dir1.Path(), Path(root / "meet"));
  EXPECT_EQ(w->Label1.Caption(), Path(root / "meet"));
  EXPECT_EQ(w->File1.ListCount(), 4);
  ASSERT_EQ(w->Dir1.ListCount(), 1);
  EXPECT_EQ(w->Dir1.List(0), Path(root / "meet" / "sub"));
  w->Dir1.UserPick(Path(root / "meet"));  // the same folder: clicked, but no change
  EXPECT_EQ(Events(), (Log{"Dir1_Click", "Dir1_Change", "Dir1_Click"}));
  EXPECT_THROW(w->Dir1.UserPick(Path(root / "meet" / "b.kd2")), PathError);
  w->Dir1.SetEnabled(false);
  w->Dir1.UserPick(Path(root / "other"));
  EXPECT_EQ(w->Dir1.Path(), Path(root / "meet"));
}

TEST_F(FileListsTest, FolderFileAndDriveListsAreChosenFromAsOneKindOfList) {
  w->Dir1.SetPath(Path(root));
  ListChoice& folders = *w->Dir1.AsListChoice();
  ASSERT_EQ(folders.ListCount(), 2);
  EXPECT_EQ(folders.List(0), Path(root / "meet"));
  EXPECT_EQ(folders.ListIndex(), -1);  // the open folder itself
  folders.UserSelect(0);               // the window's click handler opens it
  EXPECT_EQ(w->Dir1.Path(), Path(root / "meet"));

  ListChoice& files = *w->File1.AsListChoice();
  ASSERT_EQ(files.ListCount(), 4);
  files.UserSelect(2);
  EXPECT_EQ(files.ListIndex(), 2);
  EXPECT_EQ(w->File1.FileName(), u"kol_den2.kd2");

  ListChoice& drives = *w->Drive1.AsListChoice();
  EXPECT_EQ(drives.ListIndex(), 0);
  drives.UserSelect(0);  // the drive shown: no change
  for (ListChoice* list : {&folders, &files, &drives})
    EXPECT_THROW(list->UserSelect(list->ListCount()), std::out_of_range) << list->Name();
  EXPECT_EQ(Events(), (Log{"Dir1_Change", "Dir1_Click", "Dir1_Change"}));
}

TEST_F(FileListsTest, AFolderThatCannotBeReadAnyMoreListsNoFileAndKeepsNoneChosen) {
  w->File1.SetPath(Path(root / "meet"));
  w->File1.UserSelect(1);
  fs::remove_all(root / "meet");
  w->File1.SetPattern(u"*.txt");
  EXPECT_EQ(w->File1.ListCount(), 0);
  EXPECT_EQ(w->File1.ListIndex(), -1);
  EXPECT_EQ(w->File1.FileName(), u"");
}

// A drive that cannot be read, for the drive-change failure path.
class BrokenDriveFiles : public RealFileSystem {
 public:
  std::vector<Text> Drives() override { return {u"/", u"/broken"}; }
  std::vector<Text> Folders(const Text& path) override {
    if (path == u"/broken") throw PathError("Device unavailable");
    return RealFileSystem::Folders(path);
  }
};

TEST_F(FileListsTest, DriveChangeRunsOnlyOnADifferentDriveAndUnreadableFoldersThrow) {
  app->SetFileSystem(std::make_unique<BrokenDriveFiles>());
  DriveListBox drives(*w, "Drive2");
  DirListBox dir(*w, "Dir2");
  drives.Move(100, 100, 1000, 300);
  int changes = 0;
  drives.OnChange = [&] { ++changes; };
  drives.UserSelect(0);
  EXPECT_EQ(changes, 0);
  drives.UserSelect(1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(drives.Drive(), u"/broken");
  try {
    dir.SetPath(drives.Drive());
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

TEST(Paths, NormalizedWithSlashesAndTrailingSlashOnlyWhenMissing) {
  EXPECT_EQ(NormalizePath(u"/a/b/../c/"), u"/a/c");
  EXPECT_EQ(NormalizePath(u"/"), u"/");
  EXPECT_EQ(WithTrailingSlash(u"/a"), u"/a/");
  EXPECT_EQ(WithTrailingSlash(u"/"), u"/");
  EXPECT_TRUE(MatchesPattern(u"kol_den1.kd2", u"*.kd2"));
  EXPECT_TRUE(MatchesPattern(u"KOL_DEN1.KD2", u"*.kd2"));
  EXPECT_FALSE(MatchesPattern(u"kol_den1.kd20", u"*.kd2"));
  EXPECT_TRUE(MatchesPattern(u"README", u"*.*"));
  EXPECT_TRUE(MatchesPattern(u"a1.kd2", u"a?.kd2"));
  EXPECT_FALSE(MatchesPattern(u"a12.kd2", u"a?.kd2"));
}

}  // namespace
}  // namespace ui
