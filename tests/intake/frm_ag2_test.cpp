#include "intake/frm_ag2.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "analysis/frm_ag3.h"
#include "card_fixture.h"
#include "intake/past_performance_read.h"
#include "intake/race_card_reader.h"
#include "intake/race_card_tables.h"
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
    app = std::make_unique<program::Program>();
    w = &app->Show<frmAg2>();
  }

  // A folder holding files of these names; "good" names get a small two-race meeting.
  fs::path Folder(const std::string& name, const std::vector<std::string>& files) {
    const fs::path folder = temp.Path() / name;
    fs::create_directories(folder);
    for (const std::string& f : files) card_fixture::Touch(folder / f);
    return folder;
  }
  fs::path GoodFolder(const std::string& name = "good") {
    const fs::path folder = Folder(name, {kHorseFileName});
    card_fixture::WriteMeeting(folder, {"03", "02"});
    return folder;
  }
  void Pick(const fs::path& folder) { w->Dir1.UserPick(PathText(folder)); }

  testsupport::ScopedTempDir temp;
  std::unique_ptr<shell::App> app;
  frmAg2* w = nullptr;
};

// Captions, places and looks are the design table's; here what loading leaves, and what the
// steps rely on: every lamp white, each lamp as wide as its button, only the hint timer running.
TEST_F(DataReadWindowTest, LoadsUnderTheMainWindowWithEveryStepLocked) {
  EXPECT_EQ(w->Width(), 13000);
  EXPECT_EQ(w->Height(), 8225);
  EXPECT_EQ(w->Left(), (28800 - 13000) / 2);
  EXPECT_EQ(w->Top(), (16200.0 - 9475) / 2 + 1250 - 200);
  for (const ui::Control* c : std::vector<const ui::Control*>{&w->Command1, &w->Command6, &w->Command7,
                                                              &w->Command8, &w->File1, &w->Combo1})
    EXPECT_FALSE(c->Enabled()) << c->Name();
  EXPECT_TRUE(w->Dir1.Enabled());
  EXPECT_TRUE(w->Drive1.Enabled());
  for (const ui::Label* lamp : {&w->Label6, &w->Label7, &w->Label29, &w->Label2, &w->Label3, &w->Label4})
    EXPECT_EQ(lamp->BackColor(), kWhite) << lamp->Name();
  EXPECT_EQ(w->Label6.Width(), w->Command1.Width());
  EXPECT_EQ(w->Label4.Width(), w->Command8.Width());
  EXPECT_FALSE(w->Text1.Visible());
  EXPECT_FALSE(w->Text2.Visible());
  EXPECT_FALSE(w->Label32.Visible());
  EXPECT_EQ(w->Label1.Caption(), u"");
  EXPECT_EQ(w->Text2.Text(), u"0");
  EXPECT_TRUE(w->Timer2.Running());
  EXPECT_EQ(w->Timer2.Interval(), 400);
  EXPECT_FALSE(w->Timer1.Running());
  EXPECT_EQ(w->File1.Pattern(), u"*.kd2");  // what the folder check sees of a folder
}

TEST_F(DataReadWindowTest, LaysOutTheThreeGridsWithRowsMatchingTheClickBands) {
  const ui::FlexGrid& runners = w->MSFlexGrid2;
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
  for (const ui::FlexGrid* races : {&w->MSFlexGrid3, &w->MSFlexGrid4}) {
    EXPECT_EQ(races->Rows(), 8);
    EXPECT_EQ(races->Cols(), 7);
    EXPECT_EQ(races->ColWidth(0), 1400);
    EXPECT_EQ(races->ColWidth(6), 1000);
    for (int r = 0; r < 8; ++r) EXPECT_EQ(races->TextMatrix(r, 0), race_rows[r]);
    EXPECT_EQ(races->CellAlignmentAt(1, 3), 1);
    EXPECT_EQ(races->CellAlignmentAt(2, 3), 4);
  }
  EXPECT_EQ(w->MSFlexGrid3.TextMatrix(0, 1), u"　１Ｒ");
  EXPECT_EQ(w->MSFlexGrid3.TextMatrix(0, 6), u"  ６Ｒ");
  EXPECT_EQ(w->MSFlexGrid4.TextMatrix(0, 4), u"１０Ｒ");
  EXPECT_EQ(w->MSFlexGrid3.CellFontSizeAt(1, 2), 7);
  EXPECT_EQ(w->MSFlexGrid4.CellFontSizeAt(1, 2), 8);
  EXPECT_EQ(w->MSFlexGrid4.CellFontSizeAt(2, 2), 10);
  for (const ui::FlexGrid* g : {&w->MSFlexGrid2, &w->MSFlexGrid3, &w->MSFlexGrid4}) {
    for (int r = 0; r < g->Rows(); ++r) EXPECT_EQ(g->RowHeight(r), 230) << g->Name() << " row " << r;
  }
}

TEST_F(DataReadWindowTest, KeepsTheFiveRunSheetBelowTheVisibleArea) {
  const ui::FlexGrid& sheet = w->MSFlexGrid1;
  EXPECT_GE(sheet.Top(), w->Height());
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
  w->Timer2.Tick();
  EXPECT_FALSE(w->Label37.Visible());
  w->Timer2.Tick();
  EXPECT_TRUE(w->Label37.Visible());
  w->Timer2.Tick();
  EXPECT_FALSE(w->Label37.Visible());
  EXPECT_EQ(w->Text2.Text(), u"3");
  Pick(Folder("two", {kRaceFileName, kRunnerFileName}));
  EXPECT_FALSE(w->Timer2.Running());
  EXPECT_FALSE(w->Timer2.Tick());
  EXPECT_FALSE(w->Label37.Visible());
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
    EXPECT_EQ(w->Label1.Caption(), PathText(folder));
    EXPECT_EQ(w->File1.Path(), PathText(folder));
    EXPECT_EQ(w->Command1.Enabled(), c.passes);
    EXPECT_EQ(w->Label6.BackColor(), c.passes ? kBlue : kWhite);
    EXPECT_EQ(w->Drive1.Enabled(), !c.passes);
    EXPECT_EQ(w->Dir1.Enabled(), !c.passes);
    EXPECT_FALSE(w->Timer2.Running());
    EXPECT_TRUE(app->Messages().empty());
  }
}

TEST_F(DataReadWindowTest, CancelReopensTheListsAndAFolderWithoutTheFilesCannotBeRead) {
  const fs::path good = GoodFolder();
  Pick(good);
  ASSERT_TRUE(w->Command1.Enabled());
  w->Option14.UserClick();
  EXPECT_TRUE(w->Command6.Enabled());
  EXPECT_FALSE(w->Option14.Value());
  w->Command6.UserClick();
  EXPECT_FALSE(w->Command6.Enabled());
  EXPECT_TRUE(w->Drive1.Enabled());
  EXPECT_TRUE(w->Dir1.Enabled());
  EXPECT_TRUE(w->File1.Enabled());

  const fs::path two = Folder("two", {kRaceFileName, kRunnerFileName});
  Pick(two);
  EXPECT_EQ(w->Label1.Caption(), PathText(two));
  EXPECT_TRUE(w->Command1.Enabled());
  EXPECT_EQ(w->Label6.BackColor(), kBlue);
  // The folder shown lacks the horse file: the click does nothing at all.
  w->Command1.UserClick();
  EXPECT_TRUE(w->Command1.Enabled());
  EXPECT_FALSE(w->Command7.Enabled());
  EXPECT_EQ(w->Label2.BackColor(), kWhite);
  const RaceCardTables& card = app->meeting.Group<RaceCardTables>();
  EXPECT_EQ(card.RaceCourseCode(1), u"");
  EXPECT_FALSE(app->IsLoaded<shell::frmAg0>());
  EXPECT_FALSE(fs::exists(two / kHorseFileName));

  // Back to the folder with the files: the read runs.
  Pick(good);
  w->Command1.UserClick();
  EXPECT_EQ(card.RaceCourseCode(1), u"05");
}

TEST_F(DataReadWindowTest, RaceCardReadFillsTheTablesAndTheMeetingLineAndOpensTheNextStep) {
  Pick(GoodFolder());
  w->Command1.UserClick();
  const RaceCardTables& card = app->meeting.Group<RaceCardTables>();
  EXPECT_EQ(card.RaceCourseName(1), u"中山");
  EXPECT_EQ(card.HorseCode(1, 3), u"0000003");
  EXPECT_EQ(card.HorseCode(2, 1), u"0000004");
  const shell::frmAg0& main_window = app->Form<shell::frmAg0>();
  EXPECT_EQ(main_window.Label2.Caption(), u"１回 中山 ６日   H13.01.06");
  EXPECT_EQ(main_window.Label2.ForeColor(), kRed);

  EXPECT_TRUE(w->Command7.Enabled());
  EXPECT_EQ(w->Label2.BackColor(), kRed);
  EXPECT_EQ(w->Label7.BackColor(), kBlue);
  for (const ui::Control* c : std::vector<const ui::Control*>{&w->Command1, &w->Command6, &w->Dir1,
                                                              &w->Drive1, &w->Option14, &w->Command8})
    EXPECT_FALSE(c->Enabled()) << c->Name();
  EXPECT_EQ(app->screen.MousePointer(), 0);
  // The cancel path is closed for good.
  w->Option14.UserClick();
  EXPECT_FALSE(w->Command6.Enabled());
}

TEST_F(DataReadWindowTest, PastRunsFillTheRaceGridsAndTheBuildHandsOverOnTheSecondTick) {
  Pick(GoodFolder());
  w->Command1.UserClick();
  w->Command7.UserClick();
  EXPECT_FALSE(w->Command7.Enabled());
  EXPECT_TRUE(w->Command8.Enabled());
  EXPECT_EQ(w->Label3.BackColor(), kRed);
  EXPECT_EQ(w->Label29.BackColor(), kBlue);
  EXPECT_TRUE(w->Label32.Visible());
  EXPECT_EQ(app->screen.MousePointer(), 0);
  const auto race2 = RaceGridTexts(app->meeting, 2);
  for (int r = 1; r <= 7; ++r) EXPECT_EQ(w->MSFlexGrid3.TextMatrix(r, 2), race2[static_cast<size_t>(r - 1)]);
  EXPECT_EQ(w->MSFlexGrid3.TextMatrix(5, 2), u"02");
  // Races without a record still get their column.
  EXPECT_EQ(w->MSFlexGrid4.TextMatrix(1, 6), u"       ***");

  w->Command8.UserClick();
  EXPECT_FALSE(w->Command8.Enabled());
  EXPECT_EQ(w->Label4.BackColor(), kRed);
  EXPECT_EQ(app->screen.MousePointer(), 0);
  EXPECT_EQ(w->Timer1.Interval(), 400);
  EXPECT_TRUE(w->Timer1.Tick());
  EXPECT_TRUE(app->IsLoaded<frmAg2>());
  EXPECT_FALSE(app->IsLoaded<analysis::frmAg3>());
  EXPECT_TRUE(w->Timer1.Tick());
  EXPECT_FALSE(app->IsLoaded<frmAg2>());
  const analysis::frmAg3* analysis_window = app->FindLoaded<analysis::frmAg3>();
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
  std::vector<Text> Folders(const Text& path) override {
    if (path.starts_with(u"/nodrive")) throw ui::PathError("The drive is not ready.");
    return ui::RealFileSystem::Folders(path);
  }
};

TEST(DataReadWindowDrive, AnUnreadableDriveAsksRetryOrCancelAndCancelRestoresTheList) {
  program::Program app;
  app.SetFileSystem(std::make_unique<UnreadableDriveFiles>());
  frmAg2& w = app.Show<frmAg2>();
  const Text start = w.Dir1.Path();
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
  explicit UnlistableFiles(Text start) : start_(std::move(start)) {}
  Text CurrentFolder() override { return start_; }
  std::vector<Text> Files(const Text& path) override {
    if (path.ends_with(u"locked")) throw ui::PathError("Permission denied.");
    return ui::RealFileSystem::Files(path);
  }

 private:
  Text start_;
};

TEST(DataReadWindowFolderCheck, AFolderWhoseFilesCannotBeListedDoesNotPassOnThePreviousFolder) {
  testsupport::ScopedTempDir temp;
  const fs::path start = temp.Path() / "start";
  const fs::path locked = temp.Path() / "locked";
  fs::create_directories(start);
  fs::create_directories(locked);
  for (const char* name : {kRaceFileName, kRunnerFileName, kHorseFileName}) card_fixture::Touch(start / name);
  program::Program app;
  app.SetFileSystem(std::make_unique<UnlistableFiles>(PathText(start)));
  frmAg2& w = app.Show<frmAg2>();
  ASSERT_EQ(w.File1.ListCount(), 3);  // the start folder's files are listed

  w.Dir1.UserPick(PathText(locked));
  EXPECT_EQ(w.Label1.Caption(), PathText(locked));
  EXPECT_FALSE(w.Timer2.Running());
  EXPECT_FALSE(w.Command1.Enabled());
  EXPECT_EQ(w.Label6.BackColor(), kWhite);
  EXPECT_TRUE(w.Dir1.Enabled());
  EXPECT_TRUE(w.Drive1.Enabled());
}

}  // namespace
}  // namespace intake
