#include "tools/writer/record_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "tests/support/temp_dir.h"

namespace {

using intake::Den1Record;
using intake::Den2Record;
using intake::UmaRecord;
using model::Text;

class RecordWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = tmp_.Path(); }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  testsupport::ScopedTempDir tmp_;
  std::filesystem::path dir_;
};

TEST_F(RecordWriterTest, FieldsReadBackAsSetPaddedToTheirWidth) {
  writer::MeetingFiles files;
  files.races.emplace_back().Set(Den1Record::kRaceName, u"有馬記念").SetNumber(Den1Record::kDistance, 1200);
  files.races.emplace_back().Set(Den1Record::kCourseCode, u"05");
  files.runners.emplace_back().Set(Den2Record::kHorseName, u"ｻｸﾗ ローレル");
  files.horses.emplace_back().Set(UmaRecord::RunField(5, UmaRecord::kRunTime), u"1342");
  files.Write(dir_);

  EXPECT_EQ(std::filesystem::file_size(dir_ / writer::kRaceFileName), 2u * Den1Record::kLength);
  EXPECT_EQ(std::filesystem::file_size(dir_ / writer::kRunnerFileName), 1u * Den2Record::kLength);
  EXPECT_EQ(std::filesystem::file_size(dir_ / writer::kHorseFileName), 1u * UmaRecord::kLength);

  intake::RecordReader<Den1Record> races((dir_ / writer::kRaceFileName).string());
  races.Read(1);
  EXPECT_EQ(races.Field(Den1Record::kRaceName), u"有馬記念" + Text(10, u' '));
  EXPECT_EQ(races.Field(Den1Record::kDistance), u"1200");
  EXPECT_EQ(races.Field(Den1Record::kCourseCode), u"  ");
  races.Read(2);
  EXPECT_EQ(races.Field(Den1Record::kCourseCode), u"05");
  intake::RecordReader<Den2Record> runners((dir_ / writer::kRunnerFileName).string());
  runners.Read(1);
  EXPECT_EQ(runners.Field(Den2Record::kHorseName), u"ｻｸﾗ ローレル" + Text(4 + 4 + 14, u' '));
  intake::RecordReader<UmaRecord> horses((dir_ / writer::kHorseFileName).string());
  horses.Read(1);
  EXPECT_EQ(horses.Field(UmaRecord::RunField(5, UmaRecord::kRunTime)), u"1342");
  EXPECT_EQ(horses.Field(UmaRecord::RunField(4, UmaRecord::kRunTime)), u"    ");
}

TEST(RecordBuilderTest, CutsToTheFieldWidthInBytesWithoutSplittingACharacter) {
  writer::Den1Builder race;
  // 15 double-byte characters do not fit 14 bytes: 7 whole ones are kept.
  race.Set(Den1Record::kRaceName, u"アイウエオカキクケコサシスセソ");
  EXPECT_EQ(intake::DecodeField(race.Bytes().data() + 58, 14), u"アイウエオカキ" + Text(7, u' '));
  // "A" and then a double-byte character that would straddle the end: a blank is left.
  race.Set(Den1Record::kClassCode, u"1234あ");
  EXPECT_EQ(std::string(race.Bytes().begin() + 99, race.Bytes().begin() + 104), "1234 ");
  race.SetNumber(Den1Record::kRunnerCount, 8).SetNumber(Den1Record::kRaceDate, 20010106);
  EXPECT_EQ(std::string(race.Bytes().begin() + 336, race.Bytes().begin() + 338), "08");
  EXPECT_EQ(std::string(race.Bytes().begin() + 12, race.Bytes().begin() + 20), "20010106");
  // Neighbouring fields stay blank.
  EXPECT_EQ(race.Bytes()[57], ' ');
  EXPECT_EQ(race.Bytes()[72], ' ');
}

TEST(RecordBuilderTest, EncodesToCp932) {
  EXPECT_EQ(writer::EncodeCp932(u"ダ－ト"), "\x83\x5f\x81\x7c\x83\x67");
  EXPECT_EQ(writer::EncodeCp932(u"ｻ①A"),
            "\xbb\x87\x40"
            "A");
  EXPECT_EQ(writer::EncodeCp932(u"\u00e9"), "?");
}

}  // namespace
