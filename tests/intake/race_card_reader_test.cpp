#include "intake/race_card_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "card_fixture.h"
#include "intake/meeting_files.h"
#include "model/meeting.h"
#include "tests/support/temp_dir.h"

namespace {

using card_fixture::Fields;
using model::Text;
using testsupport::ScopedTempDir;

Text Blanks(int n) {
  return Text(static_cast<size_t>(n), u' ');
}

const model::TextTable& Table(const model::Meeting& meeting, const std::string& name) {
  const model::TextTable* table = meeting.Registry().Find(name);
  if (table == nullptr) throw std::logic_error("no table " + name);
  return *table;
}

// Twelve races that differ only in one field; gives that read's meeting.
struct TwelveRaces {
  ScopedTempDir folder;
  model::Meeting meeting;
  Text line;
  TwelveRaces(int field, const std::vector<std::string>& codes) {
    std::vector<Fields> races;
    for (size_t i = 0; i < codes.size(); ++i) {
      Fields race = card_fixture::Race(static_cast<int>(i) + 1, 0);
      race[field] = codes[i];
      races.push_back(race);
    }
    card_fixture::WriteRaceFile(folder.Path() / intake::kRaceFileName, races);
    card_fixture::WriteRunnerFile(folder.Path() / intake::kRunnerFileName, {});
    line = intake::ReadRaceCard(meeting, folder.Path().string());
  }
};

struct LabelCase {
  std::string code;
  Text label;
};

// Every race gets one code of the field; the label table must hold the decoded text.
void ExpectLabels(int field, const std::string& table, const std::vector<LabelCase>& cases) {
  std::vector<std::string> codes;
  for (const LabelCase& c : cases) codes.push_back(c.code);
  TwelveRaces read(field, codes);
  for (size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(Table(read.meeting, table)(static_cast<int>(i) + 1), cases[i].label)
        << table << " of code \"" << cases[i].code << "\"";
  }
}

TEST(RaceCardReadTest, DecodesTheCourseName) {
  ExpectLabels(1, "RaceCourseName",
               {{"00", u"京都"},
                {"09", u"函館"},
                {"05", u"中山"},
                {"10", u"公営"},
                {"45", u"公営"},
                {"46", u"公営"},
                {"47", u""},
                {"60", u"外国"},
                {"71", u"外国"},
                {"72", u""},
                {"  ", u""},
                {" 5", u""}});
}

TEST(RaceCardReadTest, DecodesTheClassLabel) {
  ExpectLabels(21, "RaceClassLabel",
               {{"00001", u"新    馬"},
                {"00002", u"未 出 走"},
                {"00003", u"未 勝 利"},
                {"00004", u"オ－プン"},
                {"05000", u"  500万 "},
                {"09000", u"  900万 "},
                {"16000", u" 1600万 "},
                {"00000", u""},
                {"5000 ", u""},
                {"     ", u""},
                {"1600 ", u""},
                {"00001", u"新    馬"}});
}

TEST(RaceCardReadTest, DecodesTheRaceNumberLabel) {
  ExpectLabels(5, "RaceNoLabel",
               {{"01", u"  １Ｒ"},
                {"09", u"  ９Ｒ"},
                {"10", u"１０Ｒ"},
                {"11", u"１１Ｒ"},
                {"12", u"１２Ｒ"},
                {"13", u""},
                {" 1", u""},
                {"  ", u""}});
}

TEST(RaceCardReadTest, DecodesSurfaceDirectionAndPace) {
  ExpectLabels(22, "RaceSurfaceLabel", {{"0", u"ダ－ト"}, {"1", u"  芝  "}, {"2", u""}, {" ", u""}});
  ExpectLabels(23, "RaceDirLabel", {{"0", u"右"}, {"1", u"左"}, {"2", u"直"}, {"3", u""}, {" ", u""}});
  ExpectLabels(57, "RacePaceLabel",
               {{"0", u"ハ  イ"}, {"1", u"ミドル"}, {"2", u"スロ－"}, {"3", u""}, {" ", u""}});
}

TEST(RaceCardReadTest, DecodesTheEstimatedTimeAndABlankRaceName) {
  ExpectLabels(55, "RaceEstTimeLabel", {{"1123", u"1.12.3"}, {"2015", u"2.01.5"}, {"    ", u" .  . "}});
  ExpectLabels(
      13, "RaceName",
      {{"", u"       ***"}, {"ABC", u"ABC" + Blanks(11)}, {"サクラホレイズ", u"サクラホレイズ" + Blanks(7)}});
}

// The era of a year in 1989..2087 is its own; any other year repeats the era last found in
// this read, which starts empty.
TEST(RaceCardReadTest, DatesCarryTheHeiseiEra) {
  const std::vector<LabelCase> cases = {
      {"19880106", u".01.06"},    {"19890107", u"H01.01.07"}, {"19971231", u"H09.12.31"},
      {"19880101", u"H09.01.01"}, {"20000105", u"H12.01.05"}, {"20250105", u"H37.01.05"},
      {"20300105", u"H42.01.05"}, {"20870105", u"H99.01.05"}, {"20880105", u"H99.01.05"},
      {"        ", u"H99.  .  "}, {"19990203", u"H11.02.03"}, {"0000    ", u"H11.  .  "}};
  ExpectLabels(6, "RaceDate", cases);
}

TEST(RaceCardReadTest, EraIsEmptyUntilAYearOfTheEraIsFound) {
  ExpectLabels(6, "RaceDate", {{"19880106", u".01.06"}, {"20880106", u".01.06"}, {"19990106", u"H11.01.06"}});
}

TEST(RaceCardReadTest, CopiesTheRaceFieldsAndComposesTheSummary) {
  ScopedTempDir folder;
  card_fixture::WriteMeeting(folder.Path(), {"02"});
  model::Meeting meeting;
  intake::ReadRaceCard(meeting, folder.Path().string());
  const std::vector<std::pair<std::string, Text>> expected = {
      {"RaceCourseCode", u"05"},
      {"RaceCourseName", u"中山"},
      {"RaceMeetingNo", u"01"},
      {"RaceMeetingDay", u"06"},
      {"RaceNoCode", u"01"},
      {"RaceNoLabel", u"  １Ｒ"},
      {"RaceDateCode", u"20010106"},
      {"RaceDate", u"H13.01.06"},
      {"RaceFlag", u"1"},
      {"RaceName", u"レース" + Blanks(11)},
      {"RaceClassCode", u"05000"},
      {"RaceClassLabel", u"  500万 "},
      {"RaceSurfaceCode", u"1"},
      {"RaceSurfaceLabel", u"  芝  "},
      {"RaceDirCode", u"0"},
      {"RaceDirLabel", u"右"},
      {"RaceDistance", u"1200"},
      {"RaceDistanceLabel", u"1200"},
      {"RunnerCountCode", u"02"},
      {"RunnerCount", u"02"},
      {"RaceEstTimeCode", u"1123"},
      {"RaceEstTimeLabel", u"1.12.3"},
      {"RacePaceCode", u"1"},
      {"RacePaceLabel", u"ミドル"},
      {"RaceSummary", u"  １Ｒ     500万      芝  （ 右 ）  1200 m"},
  };
  for (const auto& [name, text] : expected) EXPECT_EQ(Table(meeting, name)(1), text) << name;
  // Races without a record read as blank fields: their code cells hold blanks, labels stay empty.
  EXPECT_EQ(Table(meeting, "RaceCourseCode")(2), u"  ");
  EXPECT_EQ(Table(meeting, "RaceClassLabel")(2), u"");
}

TEST(RaceCardReadTest, SummaryOfUnknownCodesKeepsItsBlanks) {
  ScopedTempDir folder;
  Fields race = card_fixture::Race(13, 0);
  race[21] = "00000";
  race[22] = "9";
  race[23] = "9";
  race[26] = "";
  card_fixture::WriteRaceFile(folder.Path() / intake::kRaceFileName, {race});
  model::Meeting meeting;
  intake::ReadRaceCard(meeting, folder.Path().string());
  EXPECT_EQ(Table(meeting, "RaceSummary")(1), u"      （  ）       m");
}

TEST(RaceCardReadTest, ComposesTheMeetingLineFromRaceOne) {
  struct Case {
    std::string meeting_no, course, day, date;
    Text line;
  };
  const std::vector<Case> cases = {
      {"01", "05", "06", "20010106", u"１回 中山 ６日   H13.01.06"},
      {"09", "00", "12", "20010106", u"９回 京都 １２日   H13.01.06"},
      {"12", "09", "10", "20010106", u"１２回 函館 １０日   H13.01.06"},
      {"  ", "  ", "00", "19880106", u"回  日   .01.06"},
      {"00", "45", " 1", "20010106", u"回 公営 日   H13.01.06"},
  };
  for (const Case& c : cases) {
    ScopedTempDir folder;
    Fields race = card_fixture::Race(1, 0);
    race[3] = c.meeting_no;
    race[1] = c.course;
    race[4] = c.day;
    race[6] = c.date;
    card_fixture::WriteRaceFile(folder.Path() / intake::kRaceFileName, {race, card_fixture::Race(2, 0)});
    model::Meeting meeting;
    EXPECT_EQ(intake::ReadRaceCard(meeting, folder.Path().string()), c.line);
  }
}

TEST(RaceCardReadTest, FullWidthDigitTakesEveryTwoDigitCode) {
  const std::vector<LabelCase> cases = {{"01", u"１"},   {"08", u"８"},   {"09", u"９"}, {"10", u"１０"},
                                        {"12", u"１２"}, {"99", u"９９"}, {"00", u""},   {" 1", u""},
                                        {"1", u""},      {"001", u""},    {"  ", u""},   {"1a", u""}};
  for (const LabelCase& c : cases)
    EXPECT_EQ(intake::FullWidthDigit(model::FromUtf8(c.code)), c.label) << c.code;
}

TEST(RaceCardReadTest, RunnersFollowInRaceOrderAndAnEmptyRaceTakesOneRecord) {
  ScopedTempDir folder;
  // Records: race 1 = 1..18, race 2 = 19..34, race 3 (00) passes over 35, race 4 (blank)
  // passes over 36, race 5 = 37..38, races 6 to 11 = 39..44, race 12 = 45..47.
  card_fixture::WriteMeeting(folder.Path(),
                             {"18", "16", "00", "  ", "02", "01", "01", "01", "01", "01", "01", "03"});
  model::Meeting meeting;
  intake::ReadRaceCard(meeting, folder.Path().string());
  const auto& code = Table(meeting, "HorseCode");
  EXPECT_EQ(code(1, 1), u"0000001");
  EXPECT_EQ(code(1, 18), u"0000018");
  EXPECT_EQ(code(1, 19), u"");
  EXPECT_EQ(code(2, 1), u"0000019");
  EXPECT_EQ(code(2, 16), u"0000034");
  EXPECT_EQ(code(2, 17), u"");
  EXPECT_EQ(code(3, 1), u"");
  EXPECT_EQ(code(4, 1), u"");
  EXPECT_EQ(code(5, 1), u"0000037");
  EXPECT_EQ(code(5, 2), u"0000038");
  EXPECT_EQ(code(11, 1), u"0000044");
  EXPECT_EQ(code(12, 1), u"0000045");
  EXPECT_EQ(code(12, 3), u"0000047");
  EXPECT_EQ(code(12, 4), u"");
  EXPECT_EQ(Table(meeting, "RunnerCount")(3), u"00");
  EXPECT_EQ(Table(meeting, "RunnerCount")(4), u"  ");
}

TEST(RaceCardReadTest, RunnersBeyondTwentyEightArePassedOverKeepingLaterRacesAligned) {
  ScopedTempDir folder;
  card_fixture::WriteMeeting(folder.Path(), {"30", "02"});
  model::Meeting meeting;
  intake::ReadRaceCard(meeting, folder.Path().string());
  const auto& code = Table(meeting, "HorseCode");
  EXPECT_EQ(code(1, 28), u"0000028");
  EXPECT_EQ(code(2, 1), u"0000031");
  EXPECT_EQ(code(2, 2), u"0000032");
  EXPECT_EQ(Table(meeting, "RunnerCount")(1), u"30");
}

TEST(RaceCardReadTest, DecodesTheRunnerLabels) {
  struct Case {
    std::string name, sex, age, weight;
    Text horse_name, sex_label, age_label, weight_label;
  };
  const std::vector<Case> cases = {
      {"ABC  DEF", "0", "03", "550", u"ABC", u"牡", u"3才", u"55"},
      {"  ABC", "1", "  ", "545", u"", u"牝", u"0才", u"54.5"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", "2", "10", "600", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", u"せん",
       u"10才", u"60"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ123 ", "3", "3 ", "   ", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ123", u"", u"3才",
       u"  . "},
      {"サクラ ホ", " ", "02", "505", u"サクラ ホ", u"", u"2才", u"50.5"},
      {"アイウエオカキクケコサシスセソ", "0", "04", "48 ", u"アイウエオカキクケコサシスセソ", u"牡", u"4才",
       u"48. "},
  };
  ScopedTempDir folder;
  Fields race = card_fixture::Race(1, static_cast<int>(cases.size()));
  std::vector<Fields> runners;
  for (const Case& c : cases) runners.push_back({{11, c.name}, {13, c.sex}, {14, c.age}, {19, c.weight}});
  card_fixture::WriteRaceFile(folder.Path() / intake::kRaceFileName, {race});
  card_fixture::WriteRunnerFile(folder.Path() / intake::kRunnerFileName, runners);
  model::Meeting meeting;
  intake::ReadRaceCard(meeting, folder.Path().string());
  for (size_t i = 0; i < cases.size(); ++i) {
    const int j = static_cast<int>(i) + 1;
    SCOPED_TRACE(cases[i].name);
    EXPECT_EQ(Table(meeting, "HorseName")(1, j), cases[i].horse_name);
    EXPECT_EQ(Table(meeting, "SexLabel")(1, j), cases[i].sex_label);
    EXPECT_EQ(Table(meeting, "AgeLabel")(1, j), cases[i].age_label);
    EXPECT_EQ(Table(meeting, "WeightLabel")(1, j), cases[i].weight_label);
  }
}

// Each copied field lands in its own table with its full width, trailing blanks kept.
TEST(RaceCardReadTest, CopiesEveryRunnerField) {
  struct Copy {
    int field;
    std::string text;
    std::string table;
    int width;
  };
  const std::vector<Copy> copies = {
      {8, "3", "Frame", 1},
      {9, "05", "HorseNo", 2},
      {10, "1234567", "HorseCode", 7},
      {13, "1", "SexCode", 1},
      {14, "04", "AgeCode", 2},
      {19, "560", "WeightCode", 3},
      {22, "騎手名", "Jockey", 8},
      {34, "a", "TrainLeadChar1", 1},
      {35, "b1", "TrainLeadNumber1", 8},
      {36, "", "TrainDate1", 8},
      {37, "美浦", "TrainCentre1", 6},
      {38, "W", "TrainCourse1", 2},
      {39, "良", "TrainGoing1", 2},
      {40, "A1", "TrainTimeA1", 6},
      {41, "B1", "TrainTimeB1", 6},
      {42, "C1", "TrainTimeC1", 6},
      {43, "D1", "TrainTimeD1", 6},
      {44, "E1", "TrainTimeE1", 6},
      {45, "F1", "TrainTimeF1", 6},
      {46, "G1", "TrainTimeG1", 6},
      {47, "L", "TrainLaneChar1", 1},
      {48, "馬なり", "TrainAction1", 6},
      {49, "7", "TrainTrendCode1", 1},
      {50, "remark", "TrainRemark1", 40},
      {51, "second workout", "TrainText2", 117},
      {52, "third workout", "TrainText3", 117},
  };
  Fields runner;
  for (const Copy& c : copies) runner[c.field] = c.text;
  ScopedTempDir folder;
  card_fixture::WriteRaceFile(folder.Path() / intake::kRaceFileName, {card_fixture::Race(1, 1)});
  card_fixture::WriteRunnerFile(folder.Path() / intake::kRunnerFileName, {runner});
  model::Meeting meeting;
  intake::ReadRaceCard(meeting, folder.Path().string());
  for (const Copy& c : copies) {
    // A field's text is as long as the field: a double-byte character brings one blank along.
    const Text text = model::FromUtf8(c.text);
    EXPECT_EQ(Table(meeting, c.table)(1, 1), text + Blanks(c.width - static_cast<int>(text.size())))
        << c.table;
  }
}

TEST(RaceCardReadTest, MissingFilesReadAsBlanksAndCreateNothing) {
  ScopedTempDir folder;
  model::Meeting meeting;
  const Text line = intake::ReadRaceCard(meeting, folder.Path().string() + "/");
  EXPECT_EQ(line, u"回  日   .  .  ");
  EXPECT_EQ(Table(meeting, "RaceName")(12), u"       ***");
  EXPECT_EQ(Table(meeting, "RaceCourseName")(1), u"");
  EXPECT_EQ(Table(meeting, "RunnerCount")(1), u"  ");
  EXPECT_EQ(Table(meeting, "Frame")(1, 1), u"");
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

TEST(RaceCardReadTest, AShortRunnerFileGivesBlankRunners) {
  ScopedTempDir folder;
  card_fixture::WriteRaceFile(folder.Path() / intake::kRaceFileName, {card_fixture::Race(1, 3)});
  card_fixture::WriteRunnerFile(folder.Path() / intake::kRunnerFileName, {card_fixture::Runner(1)});
  model::Meeting meeting;
  intake::ReadRaceCard(meeting, folder.Path().string());
  EXPECT_EQ(Table(meeting, "HorseCode")(1, 1), u"0000001");
  EXPECT_EQ(Table(meeting, "HorseCode")(1, 3), Blanks(7));
  EXPECT_EQ(Table(meeting, "HorseName")(1, 3), u"");
  EXPECT_EQ(Table(meeting, "AgeLabel")(1, 3), u"0才");
}

}  // namespace
