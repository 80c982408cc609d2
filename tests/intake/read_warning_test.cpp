#include "intake/read_warning.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "card_fixture.h"
#include "fifo_guard.h"
#include "intake/frm_ag2.h"
#include "intake/meeting_files.h"
#include "intake/past_performance_read.h"
#include "intake/race_card_reader.h"
#include "model/meeting.h"
#include "program/program.h"
#include "shell/app.h"
#include "tests/support/temp_dir.h"
#include "tools/writer/record_writer.h"

namespace intake {
namespace {

namespace fs = std::filesystem;
using model::Text;

TEST(ReadWarning, NamesEachFileThatWasNotWholeAndWhatWasWrong) {
  const std::vector<RecordFileUse> files = {
      {"/m/kol_den1.kd2", true, 9348, 9348},
      {"/m/kol_den2.kd2", false, 0, 743},
      {"/m/kol_uma.kd2", true, 5000, 10332},
  };
  EXPECT_EQ(ReadWarning(kPastPerformanceData, files),
            u"成績デ\uFF0Dタの読込で、読めないファイルがありました。\n"
            u"kol_den2.kd2：開けません（ないか、通常のファイルでないか、読む権限がありません）\n"
            u"kol_uma.kd2：5000 バイトしかありません（必要なのは 10332 バイトです）\n"
            u"読めなかった部分は空白として読込みました。デ\uFF0Dタを確かめて下さい。");
  EXPECT_EQ(ReadWarning(kRaceCardData, {files[0], {"/m/kol_den2.kd2", true, 800, 743}}), u"");
  EXPECT_EQ(ReadWarning(kRaceCardData, {}), u"");
}

// Twelve races of two runners each, every file whole: 12 race records, 24 runner and horse records.
constexpr int kRunnerRecords = 24;

void WriteWholeMeeting(const fs::path& folder) {
  card_fixture::WriteMeeting(folder, std::vector<std::string>(12, "02"));
  std::vector<writer::UmaBuilder> horses(kRunnerRecords);
  for (int i = 0; i < kRunnerRecords; ++i)
    horses[static_cast<size_t>(i)].SetUtf8(UmaRecord::kHorseName, "H" + std::to_string(i));
  writer::WriteRecordFile(folder / kHorseFileName, horses);
}

void CutTo(const fs::path& file, std::uintmax_t size) {
  fs::resize_file(file, size);
}

// Every registered table of two meetings, cell by cell.
void ExpectSameTables(const model::Meeting& got, const model::Meeting& want, const std::string& what) {
  for (const std::string& name : want.Registry().Names()) {
    const model::TextTable& a = *got.Registry().Find(name);
    const model::TextTable& b = *want.Registry().Find(name);
    for (size_t i = 0; i < b.CellCount(); ++i) {
      if (a.CellAt(i) != b.CellAt(i)) {
        ADD_FAILURE() << what << ": " << name << " cell " << i << " differs";
        return;
      }
    }
  }
}

enum class Step { kRaceCard, kPastPerformances };

struct Damage {
  const char* what;
  Step step;  // the read that meets the damage; it is done just before that read
  const char* file;
  std::function<void(const fs::path&)> apply;
  std::string line;  // the warning's line for the file
};

class ReadWarningWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Fresh(); }

  // A whole meeting in a fresh folder, picked in a freshly started data-read window.
  void Fresh() {
    folder_ = temp_.Path() / "meeting";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    WriteWholeMeeting(folder_);
    app_ = std::make_unique<program::Program>();
    w_ = &app_->Show<frmAg2>();
    w_->Dir1.UserPick(folder_);
    ASSERT_TRUE(w_->Command1.Enabled());
  }

  // Runs both reads, damaging before the one the damage is for.
  void ReadBoth(const Damage* damage) {
    if (damage != nullptr && damage->step == Step::kRaceCard) damage->apply(folder_ / damage->file);
    w_->Command1.UserClick();
    if (damage != nullptr && damage->step == Step::kPastPerformances) damage->apply(folder_ / damage->file);
    w_->Command7.UserClick();
  }

  // The same two reads without the window, so without a box.
  std::unique_ptr<model::Meeting> ReadDirectly() {
    auto meeting = std::make_unique<model::Meeting>();
    ReadRaceCard(*meeting, folder_);
    ReadPastPerformances(*meeting, folder_);
    return meeting;
  }

  testsupport::ScopedTempDir temp_;
  fs::path folder_;
  std::unique_ptr<shell::App> app_;
  frmAg2* w_ = nullptr;
};

TEST_F(ReadWarningWindowTest, WholeFilesGiveNoBox) {
  ReadBoth(nullptr);
  EXPECT_TRUE(app_->Messages().empty());
  EXPECT_TRUE(w_->Command8.Enabled());
}

TEST_F(ReadWarningWindowTest, ADamagedFileGetsOneBoxAfterItsReadAndTheTablesOfTheSameRead) {
  const auto uma_size = static_cast<std::uintmax_t>(kRunnerRecords) * UmaRecord::kLength;
  const auto den2_size = static_cast<std::uintmax_t>(kRunnerRecords) * Den2Record::kLength;
  const std::string cannot_open = "：開けません（ないか、通常のファイルでないか、読む権限がありません）";
  auto short_line = [](std::uintmax_t size, std::uintmax_t needed) {
    return "：" + std::to_string(size) + " バイトしかありません（必要なのは " + std::to_string(needed) +
           " バイトです）";
  };
  const std::vector<Damage> damages = {
      {"empty horse file", Step::kPastPerformances, kHorseFileName, [](const fs::path& f) { CutTo(f, 0); },
       short_line(0, uma_size)},
      {"horse file cut inside its last record", Step::kPastPerformances, kHorseFileName,
       [&](const fs::path& f) { CutTo(f, uma_size - 100); }, short_line(uma_size - 100, uma_size)},
      {"folder in place of the horse file", Step::kPastPerformances, kHorseFileName,
       [](const fs::path& f) {
         fs::remove(f);
         fs::create_directory(f);
       },
       cannot_open},
      {"horse file gone", Step::kPastPerformances, kHorseFileName, [](const fs::path& f) { fs::remove(f); },
       cannot_open},
      {"runner file one record short", Step::kRaceCard, kRunnerFileName,
       [&](const fs::path& f) { CutTo(f, den2_size - Den2Record::kLength); },
       short_line(den2_size - Den2Record::kLength, den2_size)},
      {"race file of eleven races", Step::kRaceCard, kRaceFileName,
       [](const fs::path& f) { CutTo(f, 11 * Den1Record::kLength); },
       short_line(11 * Den1Record::kLength, 12 * Den1Record::kLength)},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    Fresh();
    ReadBoth(&damage);
    ASSERT_EQ(app_->Messages().size(), 1u);
    const ui::MessageRecord& box = app_->Messages()[0];
    EXPECT_EQ(box.style, ui::kOkOnly + ui::kExclamation);
    EXPECT_EQ(box.answer, ui::kOk);
    const Text data = damage.step == Step::kRaceCard ? kRaceCardData : kPastPerformanceData;
    EXPECT_EQ(box.text.rfind(data + u"の読込で", 0), 0u) << model::ToUtf8(box.text);
    EXPECT_NE(box.text.find(model::FromUtf8(std::string(damage.file) + damage.line)), Text::npos)
        << model::ToUtf8(box.text);
    // The steps went on as they always have.
    EXPECT_TRUE(w_->Command8.Enabled());
    EXPECT_TRUE(w_->Label32.Visible());
    ExpectSameTables(app_->meeting, *ReadDirectly(), damage.what);
  }
}

// The folder check before the race-card read passes over anything but regular files, so there
// only a file without read permission is one the read cannot open. Root opens any file whatever
// its permissions, so this case needs an ordinary user.
TEST_F(ReadWarningWindowTest, AFileWithoutReadPermissionIsNamedAsOneThatCannotBeOpened) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads files without read permission";
  fs::permissions(folder_ / kRunnerFileName, fs::perms::none);
  w_->Command1.UserClick();
  fs::permissions(folder_ / kHorseFileName, fs::perms::none);
  w_->Command7.UserClick();
  ASSERT_EQ(app_->Messages().size(), 2u);
  EXPECT_NE(app_->Messages()[0].text.find(u"kol_den2.kd2：開けません"), Text::npos);
  EXPECT_NE(app_->Messages()[1].text.find(u"kol_uma.kd2：開けません"), Text::npos);
}

// " 出走馬  読込", then a FIFO in place of kol_uma.kd2, then " 成   績   読込": the read returns at
// once and reads the horse file as missing.
TEST_F(ReadWarningWindowTest, AFifoInPlaceOfTheHorseFileReadsAsMissingAtOnce) {
  w_->Command1.UserClick();
  fifo_guard::FifoGuard fifo(folder_ / kHorseFileName);
  w_->Command7.UserClick();
  EXPECT_FALSE(fifo.HadToRelease());
  ASSERT_EQ(app_->Messages().size(), 1u);
  EXPECT_NE(app_->Messages()[0].text.find(u"kol_uma.kd2：開けません"), Text::npos);
  EXPECT_TRUE(w_->Command8.Enabled());
  EXPECT_EQ(app_->screen.MousePointer(), ui::pointer::kDefault);
  auto without_horses = std::make_unique<model::Meeting>();
  ReadRaceCard(*without_horses, folder_);
  ReadPastPerformances(*without_horses, temp_.Path() / "nowhere");
  ExpectSameTables(app_->meeting, *without_horses, "FIFO read as missing");
}

}  // namespace
}  // namespace intake
