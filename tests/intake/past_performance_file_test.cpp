#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "intake/past_performance_read.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
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
  RaceCardTables& card = meeting_.Group<RaceCardTables>();
  card.RunnerCount(1) = u"02";
  card.RunnerCount(2) = u"00";
  card.RunnerCount(3) = u"01";

  ReadPastPerformances(meeting_, dir_.string());

  const PastRunTables& t = meeting_.Group<PastRunTables>();
  EXPECT_EQ(t.UmaHorseName(1, 1), u"サクラ" + model::Spaces(27));  // a blank per double-byte character
  EXPECT_EQ(t.SireName(1, 1), u"SIRE" + model::Spaces(30));
  EXPECT_EQ(t.DamName(1, 1), u"DAM" + model::Spaces(31));
  EXPECT_EQ(t.RecordCounts[1](1, 1), u"02-01-00-10");
  EXPECT_EQ(t.RecordCounts[2](1, 1), u"  -  -  -  ");
  EXPECT_EQ(t.RecordCounts[29](1, 1), u"  -  -  -07");
  EXPECT_EQ(model::ToUtf8(t.RunCourseName[1](1, 1)), "中山");
  EXPECT_EQ(t.RunDateText[1](1, 1), u"130512");
  EXPECT_EQ(t.RunClassName[1](1, 1), u"1600万");
  EXPECT_EQ(t.RunSurfaceName[1](1, 1), u"ダ－ト");
  EXPECT_EQ(t.RunWeightText[1](1, 1), u"54.5");
  EXPECT_EQ(t.RunPositionText[1](1, 1), u"03");
  EXPECT_EQ(t.RunPassingText[1](1, 1), u"**050402");
  EXPECT_EQ(t.RunTroubleFlag[1](1, 1), u"あり");
  EXPECT_EQ(t.RunTimeText[1](1, 1), u"なし");
  EXPECT_EQ(t.RunTimeText[5](1, 1), u"1.34.2");
  EXPECT_EQ(t.RunTimeSeconds[5](1, 1), u"94.2");
  EXPECT_EQ(t.RunMarginText[5](1, 1), u"12.3");
  EXPECT_EQ(t.RunTimeSeconds[3](1, 1), u"0");

  EXPECT_EQ(t.UmaHorseName(1, 2), u"SECOND" + model::Spaces(24));
  EXPECT_EQ(t.UmaHorseName(2, 1), u"");
  EXPECT_EQ(t.UmaHorseName(3, 1), u"THIRD RACE" + model::Spaces(20));
  EXPECT_EQ(FileBytes(), before);
}

// Builds the records byte by byte at their documented record positions, without the layout
// tables, so that a shifted field shows; every byte no field below takes is "7".
TEST_F(PastPerformanceFileTest, TakesEveryFieldFromItsDocumentedRecordBytes) {
  std::string second(5166, '7');
  auto put = [&second](int byte, std::string_view s) {
    second.replace(static_cast<size_t>(byte - 1), s.size(), s);
  };
  put(8, "\x83\x45\x83\x7d");  // ウマ
  put(105, "SIRE");
  put(146, "DAM");
  put(665, "01020304");  // group 2
  put(697, "05060708");  // group 6
  put(721, "09101112");  // group 9
  put(777, "13141516");  // group 16
  put(817, "17181920");  // group 21
  put(937, "21222324");  // group 36
  struct Field {
    int byte_in_block;
    std::string text;
    const char* family;
  };
  auto fields = [](int b) {
    const std::string d = std::to_string(b);
    return std::vector<Field>{{1, "0" + d, "RunCourseCode"},     {13, "200" + d + "0612", "RunDateCode"},
                              {101, "0500" + d, "RunClassCode"}, {116, "1", "RunSurfaceCode"},
                              {120, "160" + d, "RunDistance"},   {124, "1" + d, "RunFieldSize"},
                              {128, "2", "RunPaceCode"},         {130, "3", "RunGoingCode"},
                              {155, "0" + d, "RunGate"},         {243, "55" + d, "RunWeight"},
                              {246, "46" + d, "RunBodyWeight"},  {367, "0" + d, "RunPosition"},
                              {375, "13" + d + "5", "RunTime"},  {382, "00" + d, "RunMargin"},
                              {385, "36" + d, "RunFirst3F"},     {388, "34" + d, "RunLast3F"},
                              {391, "1" + d, "RunCorner1_"},     {393, "2" + d, "RunCorner2_"},
                              {395, "3" + d, "RunCorner3_"},     {397, "4" + d, "RunCorner4_"}};
  };
  for (int b = 1; b <= 5; ++b) {
    for (const Field& f : fields(b)) put(1064 + 590 * (b - 1) + f.byte_in_block, f.text);
  }
  writer::WriteBytes(dir_ / writer::kHorseFileName, std::string(5166, ' ') + second);
  RaceCardTables& card = meeting_.Group<RaceCardTables>();
  card.RunnerCount(1) = u"01";
  card.RunnerCount(2) = u"01";

  ReadPastPerformances(meeting_, dir_.string());

  const PastRunTables& t = meeting_.Group<PastRunTables>();
  EXPECT_EQ(model::ToUtf8(t.UmaHorseName(2, 1)), "ウマ" + std::string(26, '7') + "  ");
  EXPECT_EQ(t.SireName(2, 1), u"SIRE" + Text(30, u'7'));
  EXPECT_EQ(t.DamName(2, 1), u"DAM" + Text(31, u'7'));
  const std::vector<std::pair<int, Text>> counts = {{1, u"01-02-03-04"},  {5, u"05-06-07-08"},
                                                    {6, u"09-10-11-12"},  {13, u"13-14-15-16"},
                                                    {14, u"17-18-19-20"}, {29, u"21-22-23-24"}};
  for (const auto& [k, text] : counts) EXPECT_EQ(t.RecordCounts[k](2, 1), text) << k;
  EXPECT_EQ(t.RecordCounts[2](2, 1), u"77-77-77-77");
  for (int b = 1; b <= 5; ++b) {
    for (const Field& f : fields(b)) {
      EXPECT_EQ(model::ToUtf8((*meeting_.Registry().Find(f.family + std::to_string(b)))(2, 1)), f.text)
          << f.family << b;
    }
  }
  EXPECT_EQ(t.RunCourseName[4](2, 1), u"東京");
  EXPECT_EQ(t.RunDateText[5](2, 1), u"170612");
  EXPECT_EQ(t.RunTimeSeconds[3](2, 1), u"93.5");
  EXPECT_EQ(t.RunPassingText[2](2, 1), u"12223242");
  EXPECT_EQ(t.RunTroubleFlag[2](2, 1), u"なし");
  EXPECT_EQ(t.UmaHorseName(1, 1), Text(30, u' '));
}

TEST_F(PastPerformanceFileTest, AShortFileLeavesTheLastRunnersBlankNotRepeated) {
  writer::MeetingFiles files;
  files.horses.push_back(Horse(u"ONE"));
  files.horses.push_back(Horse(u"TWO"));
  files.Write(dir_);
  meeting_.Group<RaceCardTables>().RunnerCount(1) = u"03";

  ReadPastPerformances(meeting_, dir_.string() + "/");

  const PastRunTables& past_runs = meeting_.Group<PastRunTables>();
  EXPECT_EQ(past_runs.UmaHorseName(1, 2), u"TWO" + model::Spaces(27));
  EXPECT_EQ(past_runs.UmaHorseName(1, 3), model::Spaces(30));
  EXPECT_EQ(model::ToUtf8(past_runs.RunCourseName[1](1, 3)), "なし");
  EXPECT_EQ(past_runs.RunTimeSeconds[1](1, 3), u"0");
}

TEST_F(PastPerformanceFileTest, AMissingFileReadsAsBlanks) {
  meeting_.Group<RaceCardTables>().RunnerCount(1) = u"01";
  ReadPastPerformances(meeting_, (dir_ / "nowhere").string());
  const PastRunTables& past_runs = meeting_.Group<PastRunTables>();
  EXPECT_EQ(past_runs.UmaHorseName(1, 1), model::Spaces(30));
  EXPECT_EQ(model::ToUtf8(past_runs.RunPassingText[2](1, 1)), "なし");
  EXPECT_FALSE(std::filesystem::exists(dir_ / "nowhere"));
}

// The file read writes the decoded fields straight into the cells; it must give every cell exactly
// what the field-by-field walk gives from the same bytes, whatever they are: digits, blanks,
// Shift-JIS pairs, stray lead bytes, and a file that ends inside a record.
TEST_F(PastPerformanceFileTest, TheFileReadGivesWhatTheFieldByFieldWalkGives) {
  const std::string alphabet = std::string("0123456789 0123456789     -.e") + "\x82\xa0\x8e\xc5\xb1\xff\x81";
  std::string bytes;
  unsigned state = 12345;
  for (long n = 0; n < 9L * U::kLength + 1000; ++n) {
    state = state * 1103515245U + 12345U;
    bytes += alphabet[(state >> 16) % alphabet.size()];
  }
  std::ofstream(dir_ / writer::kHorseFileName, std::ios::binary) << bytes;
  model::Meeting walked;
  for (model::Meeting* m : {&meeting_, &walked}) {
    RaceCardTables& card = m->Group<RaceCardTables>();
    card.RunnerCount(1) = u"03";
    card.RunnerCount(2) = u"00";
    card.RunnerCount(3) = u"07";
  }

  ReadPastPerformances(meeting_, dir_.string());
  RecordReader<UmaRecord> file(dir_ / writer::kHorseFileName);
  WalkHorseRecords(walked,
                   {[&file](long n) { file.Read(n); }, [&file](int field) { return file.Field(field); }});

  int compared = 0;
  for (const std::string& name : walked.Registry().Names()) {
    const model::TextTable& expected = *walked.Registry().Find(name);
    const model::TextTable& read = *meeting_.Registry().Find(name);
    for (size_t k = 0; k < expected.CellCount(); ++k) {
      ASSERT_EQ(read.CellAt(k), expected.CellAt(k)) << name << " cell " << k;
      compared += expected.CellAt(k).empty() ? 0 : 1;
    }
  }
  EXPECT_GT(compared, 10 * 200);  // ten runners with cells, the last one cut short
}

}  // namespace
}  // namespace intake
