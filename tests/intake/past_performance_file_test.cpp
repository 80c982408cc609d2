#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "intake/past_performance_read.h"
#include "intake/record_layouts.h"
#include "model/text_ops.h"
#include "tests/support/temp_dir.h"
#include "tools/writer/record_writer.h"

namespace intake {
namespace {

using model::Text;
using U = UmaRecord;

class PastPerformanceFileTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = tmp_.Path(); }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  static writer::UmaBuilder Horse(const Text& name) {
    writer::UmaBuilder h;
    h.Set(U::kHorseName, name);
    return h;
  }
  std::string FileBytes() const {
    std::ifstream in(dir_ / writer::kHorseFileName, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  testsupport::ScopedTempDir tmp_;
  std::filesystem::path dir_;
  model::Meeting meeting_;
};

TEST_F(PastPerformanceFileTest, ReadsEachRunnersRecordAndDecodesItsRuns) {
  writer::MeetingFiles files;
  writer::UmaBuilder& first = files.horses.emplace_back(Horse(u"サクラ"));
  first.Set(U::kSireName, u"SIRE").Set(U::kDamName, u"DAM");
  first.Set(U::CountField(2, 1), u"02").Set(U::CountField(2, 2), u"01");
  first.Set(U::CountField(2, 3), u"00").Set(U::CountField(2, 4), u"10");
  first.Set(U::CountField(36, 4), u"07");
  first.Set(U::RunField(1, U::kRunCourseCode), u"05").Set(U::RunField(1, U::kRunDateCode), u"20010512");
  first.Set(U::RunField(1, U::kRunClassCode), u"16000").Set(U::RunField(1, U::kRunSurfaceCode), u"0");
  first.Set(U::RunField(1, U::kRunWeight), u"545").Set(U::RunField(1, U::kRunPosition), u"03");
  first.Set(U::RunCornerField(1, 2), u"45").Set(U::RunCornerField(1, 3), u"04");
  first.Set(U::RunCornerField(1, 4), u"02");
  first.Set(U::RunField(5, U::kRunTime), u"1342").Set(U::RunField(5, U::kRunMargin), u"123");
  files.horses.push_back(Horse(u"SECOND"));
  files.horses.push_back(Horse(u"PASSED OVER"));
  files.horses.push_back(Horse(u"THIRD RACE"));
  files.Write(dir_);
  const std::string before = FileBytes();
  meeting_.card.RunnerCount(1) = u"02";
  meeting_.card.RunnerCount(2) = u"00";
  meeting_.card.RunnerCount(3) = u"01";

  ReadPastPerformances(meeting_, dir_.string());

  const model::PastRunTables& t = meeting_.pastRuns;
  EXPECT_EQ(t.UmaHorseName(1, 1), u"サクラ" + model::Spaces(27));  // a blank per double-byte character
  EXPECT_EQ(t.SireName(1, 1), u"SIRE" + model::Spaces(30));
  EXPECT_EQ(t.DamName(1, 1), u"DAM" + model::Spaces(31));
  EXPECT_EQ(t.RecordCounts01(1, 1), u"02-01-00-10");
  EXPECT_EQ(t.RecordCounts02(1, 1), u"  -  -  -  ");
  EXPECT_EQ(t.RecordCounts29(1, 1), u"  -  -  -07");
  EXPECT_EQ(model::ToUtf8(t.RunCourseName[1](1, 1)), "中山");
  EXPECT_EQ(t.RunDateText[1](1, 1), u"130512");
  EXPECT_EQ(model::ToUtf8(t.RunClassName[1](1, 1)), "1600万");
  EXPECT_EQ(model::ToUtf8(t.RunSurfaceName[1](1, 1)), "ダ－ト");
  EXPECT_EQ(t.RunWeightText[1](1, 1), u"54.5");
  EXPECT_EQ(t.RunPositionText[1](1, 1), u"03");
  EXPECT_EQ(t.RunPassingText[1](1, 1), u"**050402");
  EXPECT_EQ(model::ToUtf8(t.RunTroubleFlag[1](1, 1)), "あり");
  EXPECT_EQ(model::ToUtf8(t.RunTimeText[1](1, 1)), "なし");
  EXPECT_EQ(t.RunTimeText[5](1, 1), u"1.34.2");
  EXPECT_EQ(t.RunTimeSeconds[5](1, 1), u"94.2");
  EXPECT_EQ(t.RunMarginText[5](1, 1), u"12.3");
  EXPECT_EQ(t.RunTimeSeconds[3](1, 1), u"0");

  EXPECT_EQ(t.UmaHorseName(1, 2), u"SECOND" + model::Spaces(24));
  EXPECT_EQ(t.UmaHorseName(2, 1), u"");
  EXPECT_EQ(t.UmaHorseName(3, 1), u"THIRD RACE" + model::Spaces(20));
  EXPECT_EQ(FileBytes(), before);
}

TEST_F(PastPerformanceFileTest, AShortFileLeavesTheLastRunnersBlankNotRepeated) {
  writer::MeetingFiles files;
  files.horses.push_back(Horse(u"ONE"));
  files.horses.push_back(Horse(u"TWO"));
  files.Write(dir_);
  meeting_.card.RunnerCount(1) = u"03";

  ReadPastPerformances(meeting_, dir_.string() + "/");

  EXPECT_EQ(meeting_.pastRuns.UmaHorseName(1, 2), u"TWO" + model::Spaces(27));
  EXPECT_EQ(meeting_.pastRuns.UmaHorseName(1, 3), model::Spaces(30));
  EXPECT_EQ(model::ToUtf8(meeting_.pastRuns.RunCourseName[1](1, 3)), "なし");
  EXPECT_EQ(meeting_.pastRuns.RunTimeSeconds[1](1, 3), u"0");
}

TEST_F(PastPerformanceFileTest, AMissingFileReadsAsBlanks) {
  meeting_.card.RunnerCount(1) = u"01";
  ReadPastPerformances(meeting_, (dir_ / "nowhere").string());
  EXPECT_EQ(meeting_.pastRuns.UmaHorseName(1, 1), model::Spaces(30));
  EXPECT_EQ(model::ToUtf8(meeting_.pastRuns.RunPassingText[2](1, 1)), "なし");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "nowhere"));
}

}  // namespace
}  // namespace intake
