#include "intake/frm_ag2.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "analysis/frm_ag3.h"
#include "card_fixture.h"
#include "intake/meeting_files.h"
#include "intake/race_card_tables.h"
#include "model/meeting.h"
#include "program/program.h"
#include "shell/app.h"
#include "shell/frm_ag0.h"
#include "tests/support/temp_dir.h"

namespace intake {
namespace {

namespace fs = std::filesystem;
using model::Text;

constexpr ui::Color kWhite = 0x00FFFFFF;
constexpr ui::Color kBlue = 0x00FF0000;
constexpr ui::Color kRed = 0x000000FF;
constexpr ui::Color kGreen = 0x0000FF00;
constexpr ui::Color kLightYellow = 0x00C0FFFF;
constexpr ui::Color kButtonFace = 0x8000000F;

Text PathText(const fs::path& p) {
  return model::FromUtf8(p.generic_string());
}

// The data-read window shown on its own, with folders of record files to pick from.
class DataReadWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<program::Program>();
    w_ = &app_->Show<frmAg2>();
  }

  // A folder holding files of these names; "good" names get a small two-race meeting.
  fs::path Folder(const std::string& name, const std::vector<std::string>& files) {
    const fs::path folder = temp_.Path() / name;
    fs::create_directories(folder);
    for (const std::string& f : files) card_fixture::Touch(folder / f);
    return folder;
  }
  fs::path GoodFolder(const std::string& name = "good") {
    const fs::path folder = Folder(name, {kHorseFileName});
    card_fixture::WriteMeeting(folder, {"03", "02"});
    return folder;
  }
  void Pick(const fs::path& folder) { w_->Dir1.UserPick(folder); }

  testsupport::ScopedTempDir temp_;
  std::unique_ptr<shell::App> app_;
  frmAg2* w_ = nullptr;
};

// Captions, places and looks are the design table's; here what loading leaves, and what the
// steps rely on: every lamp white, each lamp as wide as its button, only the hint timer running.
TEST_F(DataReadWindowTest, LoadsUnderTheMainWindowWithEveryStepLocked) {
  EXPECT_EQ(w_->Width(), 13000);
  EXPECT_EQ(w_->Height(), 8225);
  EXPECT_EQ(w_->Left(), (28800 - 13000) / 2);
  EXPECT_EQ(w_->Top(), (16200.0 - 9475) / 2 + 1250 - 200);
  for (const ui::Control* c : std::vector<const ui::Control*>{&w_->Command1, &w_->Command6, &w_->Command7,
                                                              &w_->Command8, &w_->File1, &w_->Combo1})
    EXPECT_FALSE(c->Enabled()) << c->Name();
  EXPECT_TRUE(w_->Dir1.Enabled());
  EXPECT_TRUE(w_->Drive1.Enabled());
  for (const ui::Label* lamp :
       {&w_->Label6, &w_->Label7, &w_->Label29, &w_->Label2, &w_->Label3, &w_->Label4})
    EXPECT_EQ(lamp->BackColor(), kWhite) << lamp->Name();
  EXPECT_EQ(w_->Label6.Width(), w_->Command1.Width());
  EXPECT_EQ(w_->Label4.Width(), w_->Command8.Width());
  EXPECT_FALSE(w_->Text1.Visible());
  EXPECT_FALSE(w_->Text2.Visible());
  EXPECT_FALSE(w_->Label32.Visible());
  EXPECT_EQ(w_->Label1.Caption(), u"");
  EXPECT_EQ(w_->Text2.Text(), u"0");
  EXPECT_TRUE(w_->Timer2.Running());
  EXPECT_EQ(w_->Timer2.Interval(), 400);
  EXPECT_FALSE(w_->Timer1.Running());
  EXPECT_EQ(w_->File1.Pattern(), u"*.kd2");  // what the folder check sees of a folder
}

TEST_F(DataReadWindowTest, LaysOutTheThreeGridsWithRowsMatchingTheClickBands) {
  const ui::FlexGrid& runners = w_->MSFlexGrid2;
  EXPECT_EQ(runners.Rows(), 19);
  EXPECT_EQ(runners.Cols(), 7);
  EXPECT_EQ(runners.FixedRows(), 1);
  EXPECT_EQ(runners.FixedCols(), 3);
  EXPECT_EQ(runners.MergeCells(), 3);
  const double widths[] = {400, 400, 1625, 450, 450, 450, 750};
  const int alignments[] = {4, 4, 1, 4, 4, 4, 1};
  const Text headings[] = {u"枠", u"馬", u"      馬     名", u"性別", u"年齢", u"斤量", u"  騎 手"};
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(runners.ColWidth(c), widths[c]);
    EXPECT_EQ(runners.ColAlignment(c), alignments[c]);
    EXPECT_EQ(runners.TextMatrix(0, c), headings[c]);
  }
  const Text race_rows[] = {u"",           u"レ－ス 名",  u"条　    件", u"タ  －  フ",
                            u"距      離", u"頭      数", u"推定タイム", u"予想ペ－ス"};
  for (const ui::FlexGrid* races : {&w_->MSFlexGrid3, &w_->MSFlexGrid4}) {
    EXPECT_EQ(races->Rows(), 8);
    EXPECT_EQ(races->Cols(), 7);
    EXPECT_EQ(races->ColWidth(0), 1400);
    EXPECT_EQ(races->ColWidth(6), 1000);
    for (int r = 0; r < 8; ++r) EXPECT_EQ(races->TextMatrix(r, 0), race_rows[r]);
    EXPECT_EQ(races->CellAlignmentAt(1, 3), 1);
    EXPECT_EQ(races->CellAlignmentAt(2, 3), 4);
  }
  EXPECT_EQ(w_->MSFlexGrid3.TextMatrix(0, 1), u"　１Ｒ");
  EXPECT_EQ(w_->MSFlexGrid3.TextMatrix(0, 6), u"  ６Ｒ");
  EXPECT_EQ(w_->MSFlexGrid4.TextMatrix(0, 4), u"１０Ｒ");
  EXPECT_EQ(w_->MSFlexGrid3.CellFontSizeAt(1, 2), 7);
  EXPECT_EQ(w_->MSFlexGrid4.CellFontSizeAt(1, 2), 8);
  EXPECT_EQ(w_->MSFlexGrid4.CellFontSizeAt(2, 2), 10);
  for (const ui::FlexGrid* g : {&w_->MSFlexGrid2, &w_->MSFlexGrid3, &w_->MSFlexGrid4}) {
    for (int r = 0; r < g->Rows(); ++r) EXPECT_EQ(g->RowHeight(r), 230) << g->Name() << " row " << r;
  }
}

TEST_F(DataReadWindowTest, KeepsTheFiveRunSheetBelowTheVisibleArea) {
  const ui::FlexGrid& sheet = w_->MSFlexGrid1;
  EXPECT_GE(sheet.Top(), w_->Height());
  EXPECT_EQ(sheet.Rows(), 20);
  EXPECT_EQ(sheet.Cols(), 6);
  EXPECT_EQ(sheet.FixedRows(), 2);
  EXPECT_EQ(sheet.FixedCols(), 1);
  EXPECT_EQ(sheet.TextMatrix(1, 1), u"５走前");
  EXPECT_EQ(sheet.TextMatrix(1, 5), u"前　走");
  EXPECT_EQ(sheet.TextMatrix(2, 0), u"競馬場名");
  EXPECT_EQ(sheet.TextMatrix(19, 0), u"不　　利");
  EXPECT_EQ(sheet.TextMatrix(0, 0), u"");
  EXPECT_EQ(sheet.TextMatrix(1, 0), u"");
}

TEST_F(DataReadWindowTest, HintBlinksUntilAFolderIsChosenAndThenKeepsItsState) {
  w_->Timer2.Tick();
  EXPECT_FALSE(w_->Label37.Visible());
  w_->Timer2.Tick();
  EXPECT_TRUE(w_->Label37.Visible());
  w_->Timer2.Tick();
  EXPECT_FALSE(w_->Label37.Visible());
  EXPECT_EQ(w_->Text2.Text(), u"3");
  Pick(Folder("two", {kRaceFileName, kRunnerFileName}));
  EXPECT_FALSE(w_->Timer2.Running());
  EXPECT_FALSE(w_->Timer2.Tick());
  EXPECT_FALSE(w_->Label37.Visible());
}

TEST_F(DataReadWindowTest, FolderCheckWantsTheThreeExactNames) {
  struct Case {
    std::string folder;
    std::vector<std::string> files;
    bool passes;
  };
  const std::vector<Case> cases = {
      {"exact", {"kol_den1.kd2", "kol_den2.kd2", "kol_uma.kd2"}, true},
      {"among_others", {"a.kd2", "kol_den1.kd2", "kol_den2.kd2", "kol_uma.kd2", "notes.txt", "z.kd2"}, true},
      {"capitals", {"KOL_DEN1.KD2", "kol_den2.kd2", "kol_uma.kd2"}, false},
      {"two", {"kol_den1.kd2", "kol_den2.kd2"}, false},
      {"near_names", {"kol_den1.kd2.kd2", "kol_den2.kd2", "kol_uma.kd2", "kol_den1.txt"}, false},
      {"empty", {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    SetUp();
    const fs::path folder = Folder(c.folder, c.files);
    Pick(folder);
    EXPECT_EQ(w_->Label1.Caption(), PathText(folder));
    EXPECT_EQ(w_->File1.Path(), folder);
    EXPECT_EQ(w_->Command1.Enabled(), c.passes);
    EXPECT_EQ(w_->Label6.BackColor(), c.passes ? kBlue : kWhite);
    EXPECT_EQ(w_->Drive1.Enabled(), !c.passes);
    EXPECT_EQ(w_->Dir1.Enabled(), !c.passes);
    EXPECT_FALSE(w_->Timer2.Running());
    EXPECT_TRUE(app_->Messages().empty());
  }
}

TEST_F(DataReadWindowTest, CancelReopensTheListsAndAFolderWithoutTheFilesCannotBeRead) {
  const fs::path good = GoodFolder();
  Pick(good);
  ASSERT_TRUE(w_->Command1.Enabled());
  w_->Option14.UserClick();
  EXPECT_TRUE(w_->Command6.Enabled());
  EXPECT_FALSE(w_->Option14.Value());
  w_->Command6.UserClick();
  EXPECT_FALSE(w_->Command6.Enabled());
  EXPECT_TRUE(w_->Drive1.Enabled());
  EXPECT_TRUE(w_->Dir1.Enabled());
  EXPECT_TRUE(w_->File1.Enabled());

  const fs::path two = Folder("two", {kRaceFileName, kRunnerFileName});
  Pick(two);
  EXPECT_EQ(w_->Label1.Caption(), PathText(two));
  EXPECT_TRUE(w_->Command1.Enabled());
  EXPECT_EQ(w_->Label6.BackColor(), kBlue);
  // The folder shown lacks the horse file: the click does nothing at all.
  w_->Command1.UserClick();
  EXPECT_TRUE(w_->Command1.Enabled());
  EXPECT_FALSE(w_->Command7.Enabled());
  EXPECT_EQ(w_->Label2.BackColor(), kWhite);
  const RaceCardTables& card = app_->meeting.Group<RaceCardTables>();
  EXPECT_EQ(card.RaceCourseCode(1), u"");
  EXPECT_FALSE(app_->IsLoaded<shell::frmAg0>());
  EXPECT_FALSE(fs::exists(two / kHorseFileName));

  // Back to the folder with the files: the read runs.
  Pick(good);
  w_->Command1.UserClick();
  EXPECT_EQ(card.RaceCourseCode(1), u"05");
}

TEST_F(DataReadWindowTest, RaceCardReadFillsTheTablesAndTheMeetingLineAndOpensTheNextStep) {
  Pick(GoodFolder());
  w_->Command1.UserClick();
  const RaceCardTables& card = app_->meeting.Group<RaceCardTables>();
  EXPECT_EQ(card.RaceCourseName(1), u"中山");
  EXPECT_EQ(card.HorseCode(1, 3), u"0000003");
  EXPECT_EQ(card.HorseCode(2, 1), u"0000004");
  const shell::frmAg0& main_window = app_->Form<shell::frmAg0>();
  EXPECT_EQ(main_window.Label2.Caption(), u"１回 中山 ６日   H13.01.06");
  EXPECT_EQ(main_window.Label2.ForeColor(), kRed);

  EXPECT_TRUE(w_->Command7.Enabled());
  EXPECT_EQ(w_->Label2.BackColor(), kRed);
  EXPECT_EQ(w_->Label7.BackColor(), kBlue);
  for (const ui::Control* c : std::vector<const ui::Control*>{&w_->Command1, &w_->Command6, &w_->Dir1,
                                                              &w_->Drive1, &w_->Option14, &w_->Command8})
    EXPECT_FALSE(c->Enabled()) << c->Name();
  EXPECT_EQ(app_->screen.MousePointer(), 0);
  // The cancel path is closed for good.
  w_->Option14.UserClick();
  EXPECT_FALSE(w_->Command6.Enabled());
}

TEST_F(DataReadWindowTest, PastRunsFillTheRaceGridsAndTheBuildHandsOverOnTheSecondTick) {
  Pick(GoodFolder());
  w_->Command1.UserClick();
  w_->Command7.UserClick();
  EXPECT_FALSE(w_->Command7.Enabled());
  EXPECT_TRUE(w_->Command8.Enabled());
  EXPECT_EQ(w_->Label3.BackColor(), kRed);
  EXPECT_EQ(w_->Label29.BackColor(), kBlue);
  EXPECT_TRUE(w_->Label32.Visible());
  EXPECT_EQ(app_->screen.MousePointer(), 0);
  const auto race2 = RaceGridTexts(app_->meeting, 2);
  for (int r = 1; r <= 7; ++r) EXPECT_EQ(w_->MSFlexGrid3.TextMatrix(r, 2), race2[static_cast<size_t>(r - 1)]);
  EXPECT_EQ(w_->MSFlexGrid3.TextMatrix(5, 2), u"02");
  // Races without a record still get their column.
  EXPECT_EQ(w_->MSFlexGrid4.TextMatrix(1, 6), u"       ***");

  w_->Command8.UserClick();
  EXPECT_FALSE(w_->Command8.Enabled());
  EXPECT_EQ(w_->Label4.BackColor(), kRed);
  EXPECT_EQ(app_->screen.MousePointer(), 0);
  EXPECT_EQ(w_->Timer1.Interval(), 400);
  EXPECT_TRUE(w_->Timer1.Tick());
  EXPECT_TRUE(app_->IsLoaded<frmAg2>());
  EXPECT_FALSE(app_->IsLoaded<analysis::frmAg3>());
  EXPECT_TRUE(w_->Timer1.Tick());
  EXPECT_FALSE(app_->IsLoaded<frmAg2>());
  const analysis::frmAg3* analysis_window = app_->FindLoaded<analysis::frmAg3>();
  ASSERT_NE(analysis_window, nullptr);
  EXPECT_TRUE(analysis_window->Visible());
  EXPECT_EQ(analysis_window->Owner(), nullptr);
  EXPECT_EQ(analysis_window->Left(), (28800 - 13000) / 2);
  EXPECT_EQ(analysis_window->Top(), (16200.0 - 9475) / 2 + 1250 - 200);
  EXPECT_EQ(analysis_window->Width(), 13000);
  EXPECT_EQ(analysis_window->Height(), 8225);
}

// A second drive that cannot be read, beside the real file system.
class UnreadableDriveFiles : public ui::RealFileSystem {
 public:
  std::vector<Text> Drives() override { return {u"/", u"/nodrive"}; }
  std::vector<fs::path> Folders(const fs::path& folder) override {
    if (folder.native().starts_with("/nodrive")) throw ui::PathError("The drive is not ready.");
    return ui::RealFileSystem::Folders(folder);
  }
};

TEST(DataReadWindowDrive, AnUnreadableDriveAsksRetryOrCancelAndCancelRestoresTheList) {
  program::Program app;
  app.SetFileSystem(std::make_unique<UnreadableDriveFiles>());
  frmAg2& w = app.Show<frmAg2>();
  const fs::path start = w.Dir1.Path();
  w.Label1.SetCaption(u"shown before");
  app.ScriptedAnswers()->Queue(ui::kRetry);
  app.ScriptedAnswers()->Queue(ui::kCancel);
  w.Drive1.UserSelect(1);
  ASSERT_EQ(app.Messages().size(), 2u);  // the retry asked again; the restore asked nothing
  for (const ui::MessageRecord& m : app.Messages()) {
    EXPECT_EQ(m.text, u"The drive is not ready.");
    EXPECT_EQ(m.style, 69);
    EXPECT_EQ(m.title, u"");
  }
  EXPECT_EQ(w.Drive1.Drive(), u"/");
  EXPECT_EQ(w.Dir1.Path(), start);
  EXPECT_EQ(w.Label1.Caption(), u"");
  EXPECT_TRUE(w.Timer2.Running());  // no folder was chosen
}

// A folder whose subfolders can be listed but whose files cannot, beside a start folder that
// holds the three files.
class UnlistableFiles : public ui::RealFileSystem {
 public:
  explicit UnlistableFiles(fs::path start) : start_(std::move(start)) {}
  fs::path CurrentFolder() override { return start_; }
  std::vector<fs::path> Files(const fs::path& folder) override {
    if (folder.native().ends_with("locked")) throw ui::PathError("Permission denied.");
    return ui::RealFileSystem::Files(folder);
  }

 private:
  fs::path start_;
};

TEST(DataReadWindowFolderCheck, AFolderWhoseFilesCannotBeListedDoesNotPassOnThePreviousFolder) {
  testsupport::ScopedTempDir temp;
  const fs::path start = temp.Path() / "start";
  const fs::path locked = temp.Path() / "locked";
  fs::create_directories(start);
  fs::create_directories(locked);
  for (const char* name : {kRaceFileName, kRunnerFileName, kHorseFileName}) card_fixture::Touch(start / name);
  program::Program app;
  app.SetFileSystem(std::make_unique<UnlistableFiles>(start));
  frmAg2& w = app.Show<frmAg2>();
  ASSERT_EQ(w.File1.ListCount(), 3);  // the start folder's files are listed

  w.Dir1.UserPick(locked);
  EXPECT_EQ(w.Label1.Caption(), PathText(locked));
  EXPECT_FALSE(w.Timer2.Running());
  EXPECT_FALSE(w.Command1.Enabled());
  EXPECT_EQ(w.Label6.BackColor(), kWhite);
  EXPECT_TRUE(w.Dir1.Enabled());
  EXPECT_TRUE(w.Drive1.Enabled());
}

// A meeting folder named in CP932 (日本), as a Windows archive unpacked here leaves it: the user
// sees U+FFFD in its name, picks it in the folder list, and both reads find its files.
TEST_F(DataReadWindowTest, AFolderWhoseNameIsNotUtf8OpensThroughTheFolderListAndReads) {
  const fs::path parent = temp_.Path() / "archive";
  const fs::path meeting = parent / "\x93\xfa\x96\x7b";
  fs::create_directories(meeting);
  card_fixture::WriteMeeting(meeting, {"03", "02"});
  card_fixture::Touch(meeting / kHorseFileName);
  Pick(parent);
  ASSERT_EQ(w_->Dir1.ListCount(), 1);
  const Text shown = PathText(parent) + u"/\uFFFD\uFFFD\uFFFD{";
  EXPECT_EQ(w_->Dir1.List(0), shown);
  w_->Dir1.UserPick(w_->Dir1.ListPath(0));
  EXPECT_EQ(w_->Label1.Caption(), shown);
  ASSERT_TRUE(w_->Command1.Enabled());
  w_->Command1.UserClick();
  EXPECT_EQ(app_->Form<shell::frmAg0>().Label2.Caption(), u"１回 中山 ６日   H13.01.06");
  EXPECT_EQ(app_->meeting.Group<RaceCardTables>().HorseCode(2, 2), u"0000005");
  w_->Command7.UserClick();
  EXPECT_TRUE(w_->Command8.Enabled());
}

TEST(RaceGridTexts, AreTheRaceCardTextsInRowOrder) {
  model::Meeting m;
  RaceCardTables& c = m.Group<RaceCardTables>();
  c.RaceName(12) = u"NAME";
  c.RaceClassLabel(12) = u"CLASS";
  c.RaceSurfaceLabel(12) = u"SURF";
  c.RaceDistanceLabel(12) = u"1600m";
  c.RunnerCount(12) = u"16";
  c.RaceEstTimeLabel(12) = u"1.34.5";
  c.RacePaceLabel(12) = u"PACE";
  EXPECT_EQ(RaceGridTexts(m, 12),
            (std::array<Text, 7>{u"NAME", u"CLASS", u"SURF", u"1600m", u"16", u"1.34.5", u"PACE"}));
  EXPECT_EQ(RaceGridTexts(m, 11), (std::array<Text, 7>{}));
}

}  // namespace
}  // namespace intake
