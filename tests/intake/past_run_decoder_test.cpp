#include "intake/past_run_decoder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "intake/past_run_tables.h"
#include "model/meeting.h"
#include "model/text_ops.h"

namespace intake {
namespace {

using model::Text;

// Widths of the past-run fields the decoder reads (block-1 numbers).
const std::map<int, int> kWidths = {{201, 2}, {206, 8}, {222, 5}, {227, 1}, {231, 4}, {232, 2}, {234, 1},
                                    {236, 1}, {241, 2}, {249, 3}, {250, 3}, {270, 2}, {275, 4}, {278, 3},
                                    {279, 3}, {280, 3}, {281, 2}, {282, 2}, {283, 2}, {284, 2}};

// A horse record whose block b holds the given block-1 fields; every other field is blank.
HorseFieldText BlockOf(int b, std::map<int, Text> fields) {
  return [b, fields](int number) -> Text {
    if (number - 105 * (b - 1) >= 201 && number - 105 * (b - 1) <= 305) {
      auto given = fields.find(number - 105 * (b - 1));
      if (given != fields.end()) return given->second;
    }
    auto w = kWidths.find(201 + (number - 201) % 105);
    return model::Spaces(w == kWidths.end() ? 1 : w->second);
  };
}

const Text& Cell(const model::Meeting& m, const std::string& family, int b, int r, int j) {
  return (*m.Registry().Find(family + std::to_string(b)))(r, j);
}

struct FieldCase {
  int field;
  Text raw;
  std::string raw_family;
  std::string display_family;
  Text shown;  // empty: the display cell is left unwritten
};

// Every case is decoded as each of the five runs, run b into cell (b + 6, b + 20), so that a
// wrong block shift, member or cell shows.
void ExpectCases(const std::vector<FieldCase>& cases) {
  for (const FieldCase& c : cases) {
    model::Meeting m;
    for (int b = 1; b <= 5; ++b) {
      const int r = b + 6;
      const int j = b + 20;
      DecodePastRun(BlockOf(b, {{c.field, c.raw}}), m.Group<PastRunTables>(), r, j, b);
      const std::string what =
          c.display_family + " of '" + model::ToUtf8(c.raw) + "', run " + std::to_string(b);
      EXPECT_EQ(Cell(m, c.raw_family, b, r, j), c.raw) << what;
      EXPECT_EQ(Cell(m, c.display_family, b, r, j), c.shown) << what;
      for (int other = 1; other <= 5; ++other) {
        if (other != b) {
          EXPECT_EQ(Cell(m, c.display_family, other, r, j), u"") << what;
        }
      }
    }
  }
}

TEST(DecodePastRun, CourseNames) {
  ExpectCases({
      {201, u"00", "RunCourseCode", "RunCourseName", u"京都"},
      {201, u"04", "RunCourseCode", "RunCourseName", u"東京"},
      {201, u"09", "RunCourseCode", "RunCourseName", u"函館"},
      {201, u"10", "RunCourseCode", "RunCourseName", u"公営"},
      {201, u"46", "RunCourseCode", "RunCourseName", u"公営"},
      {201, u"47", "RunCourseCode", "RunCourseName", u""},
      {201, u"59", "RunCourseCode", "RunCourseName", u""},
      {201, u"60", "RunCourseCode", "RunCourseName", u"外国"},
      {201, u"71", "RunCourseCode", "RunCourseName", u"外国"},
      {201, u"72", "RunCourseCode", "RunCourseName", u""},
      {201, u" 5", "RunCourseCode", "RunCourseName", u""},  // not a listed code, and below 10
      {201, u"  ", "RunCourseCode", "RunCourseName", u"なし"},
  });
}

TEST(DecodePastRun, DatesInTheHeiseiEra) {
  ExpectCases({
      {206, u"20010512", "RunDateCode", "RunDateText", u"130512"},
      {206, u"20000101", "RunDateCode", "RunDateText", u"120101"},
      {206, u"20191231", "RunDateCode", "RunDateText", u"311231"},
      {206, u"19991107", "RunDateCode", "RunDateText", u"111107"},
      {206, u"19980301", "RunDateCode", "RunDateText", u"100301"},
      {206, u"19970301", "RunDateCode", "RunDateText", u"090301"},
      {206, u"19960301", "RunDateCode", "RunDateText", u"080301"},
      {206, u"19950301", "RunDateCode", "RunDateText", u"070301"},
      {206, u"19940101", "RunDateCode", "RunDateText", u"060101"},
      {206, u"19931010", "RunDateCode", "RunDateText", u"051010"},
      {206, u"19900505", "RunDateCode", "RunDateText", u"050505"},
      {206, u"    0505", "RunDateCode", "RunDateText", u"050505"},  // no year digits
      {206, u"2001 5 9", "RunDateCode", "RunDateText", u"13 5 9"},  // month and day as they stand
      {206, u"        ", "RunDateCode", "RunDateText", u"なし"},
  });
}

TEST(DecodePastRun, ClassSurfacePaceAndGoingNames) {
  ExpectCases({
      {222, u"00001", "RunClassCode", "RunClassName", u"新馬"},
      {222, u"00002", "RunClassCode", "RunClassName", u"未出走"},
      {222, u"00003", "RunClassCode", "RunClassName", u"未勝利"},
      {222, u"00004", "RunClassCode", "RunClassName", u"オ－プン"},
      {222, u"05000", "RunClassCode", "RunClassName", u"500万"},
      {222, u"09000", "RunClassCode", "RunClassName", u"900万"},
      {222, u"16000", "RunClassCode", "RunClassName", u"1600万"},
      {222, u"00005", "RunClassCode", "RunClassName", u"その他"},
      {222, u" 5000", "RunClassCode", "RunClassName", u"その他"},
      {222, u"     ", "RunClassCode", "RunClassName", u"なし"},
      {227, u"0", "RunSurfaceCode", "RunSurfaceName", u"ダ－ト"},
      {227, u"1", "RunSurfaceCode", "RunSurfaceName", u"芝"},
      {227, u"2", "RunSurfaceCode", "RunSurfaceName", u""},
      {227, u" ", "RunSurfaceCode", "RunSurfaceName", u"なし"},
      {234, u"0", "RunPaceCode", "RunPaceName", u"ハイ"},
      {234, u"1", "RunPaceCode", "RunPaceName", u"ミドル"},
      {234, u"2", "RunPaceCode", "RunPaceName", u"スロ－"},
      {234, u"3", "RunPaceCode", "RunPaceName", u""},
      {234, u" ", "RunPaceCode", "RunPaceName", u"なし"},
      {236, u"0", "RunGoingCode", "RunGoingName", u"良"},
      {236, u"1", "RunGoingCode", "RunGoingName", u"や"},
      {236, u"2", "RunGoingCode", "RunGoingName", u"重"},
      {236, u"3", "RunGoingCode", "RunGoingName", u"不"},
      {236, u"4", "RunGoingCode", "RunGoingName", u""},
      {236, u" ", "RunGoingCode", "RunGoingName", u"なし"},
  });
}

TEST(DecodePastRun, FieldsShownAsTheyStand) {
  ExpectCases({
      {231, u"1600", "RunDistance", "RunDistanceText", u"1600"},
      {231, u" 100", "RunDistance", "RunDistanceText", u" 100"},
      {231, u"    ", "RunDistance", "RunDistanceText", u"なし"},
      {232, u"16", "RunFieldSize", "RunFieldSizeText", u"16"},
      {232, u" 8", "RunFieldSize", "RunFieldSizeText", u" 8"},
      {232, u"  ", "RunFieldSize", "RunFieldSizeText", u"なし"},
      {241, u"07", "RunGate", "RunGateText", u"07"},
      {241, u"  ", "RunGate", "RunGateText", u"なし"},
      {250, u"482", "RunBodyWeight", "RunBodyWeightText", u"482"},
      {250, u"   ", "RunBodyWeight", "RunBodyWeightText", u"なし"},
  });
}

TEST(DecodePastRun, WeightCarriedAndFinishingPosition) {
  ExpectCases({
      {249, u"550", "RunWeight", "RunWeightText", u"55"},
      {249, u"545", "RunWeight", "RunWeightText", u"54.5"},
      {249, u"   ", "RunWeight", "RunWeightText", u"なし"},
      {270, u"01", "RunPosition", "RunPositionText", u"01"},
      {270, u"30", "RunPosition", "RunPositionText", u"30"},
      {270, u"31", "RunPosition", "RunPositionText", u"なし"},
      {270, u"99", "RunPosition", "RunPositionText", u"なし"},
      {270, u"00", "RunPosition", "RunPositionText", u"なし"},
      {270, u"  ", "RunPosition", "RunPositionText", u"なし"},
  });
}

TEST(DecodePastRun, MarginAndThreeFurlongTimesInTenths) {
  ExpectCases({
      {278, u"005", "RunMargin", "RunMarginText", u"0.5"},
      {278, u"000", "RunMargin", "RunMarginText", u"0.0"},
      {278, u"123", "RunMargin", "RunMarginText", u"12.3"},
      {278, u"05 ", "RunMargin", "RunMarginText", u"5. "},    // the tenth as it stands
      {278, u" 75", "RunMargin", "RunMarginText", u"7.5"},    // the whole part read as a number
      {278, u"１２3", "RunMargin", "RunMarginText", u"0.3"},  // full-width digits read as 0
      {278, u"   ", "RunMargin", "RunMarginText", u"なし"},
      {279, u"355", "RunFirst3F", "RunFirst3FText", u"35.5"},
      {279, u"   ", "RunFirst3F", "RunFirst3FText", u"なし"},
      {280, u"340", "RunLast3F", "RunLast3FText", u"34.0"},
      {280, u"095", "RunLast3F", "RunLast3FText", u"9.5"},
      {280, u"   ", "RunLast3F", "RunLast3FText", u"なし"},
  });
}

TEST(DecodePastRun, TimeTextAndSeconds) {
  struct Case {
    Text raw, text, seconds;
  };
  for (const Case& c : std::vector<Case>{{u"1123", u"1.12.3", u"72.3"},
                                         {u"0583", u"0.58.3", u"58.3"},
                                         {u"1120", u"1.12.0", u"72"},
                                         {u"2015", u"2.01.5", u"121.5"},
                                         {u"    ", u"なし", u"0"}}) {
    for (int b = 1; b <= 5; ++b) {
      model::Meeting m;
      PastRunTables& past_runs = m.Group<PastRunTables>();
      DecodePastRun(BlockOf(b, {{275, c.raw}}), past_runs, 12, 28, b);
      EXPECT_EQ(past_runs.RunTime[b](12, 28), c.raw);
      EXPECT_EQ(model::ToUtf8(past_runs.RunTimeText[b](12, 28)), model::ToUtf8(c.text));
      EXPECT_EQ(model::ToUtf8(past_runs.RunTimeSeconds[b](12, 28)), model::ToUtf8(c.seconds));
    }
  }
}

TEST(DecodePastRun, PassingOrderAndTroubleFlag) {
  struct Case {
    Text c1, c2, c3, c4, passing, trouble;
  };
  const Text none = u"なし";
  const Text trouble = u"あり";
  for (const Case& c : std::vector<Case>{
           {u"03", u"03", u"02", u"01", u"03030201", none},
           {u"  ", u"05", u"04", u"02", u"**050402", none},
           {u"  ", u"45", u"04", u"02", u"**050402", trouble},
           {u"43", u"03", u"02", u"01", u"03030201", trouble},
           {u"  ", u"  ", u"05", u"04", none, none},  // four characters
           {u"35", u"03", u"02", u"01", none, none},  // first position between 29 and 40
           {u"29", u"03", u"02", u"01", none, none},
           {u"28", u"03", u"02", u"01", u"28030201", none},
           {u"40", u"03", u"02", u"01", none, none},
           {u"  ", u"40", u"02", u"01", none, none},  // the same without the first corner
           {u"41", u"03", u"02", u"01", u"01030201", trouble},
           {u"03", u"  ", u"02", u"01", u"03  0201", none},  // inner blanks stay
           {u"03", u"42", u"02", u"01", u"03420201", none},  // only the first position is read
           {u" 3", u"03", u"02", u"01", none, none},         // leading blank trimmed: seven characters
           {u"  ", u"  ", u"  ", u"  ", none, none},
       }) {
    model::Meeting m;
    PastRunTables& past_runs = m.Group<PastRunTables>();
    DecodePastRun(BlockOf(4, {{281, c.c1}, {282, c.c2}, {283, c.c3}, {284, c.c4}}), past_runs, 1, 2, 4);
    const std::string what = model::ToUtf8(c.c1 + u"|" + c.c2 + u"|" + c.c3 + u"|" + c.c4);
    EXPECT_EQ(past_runs.RunCorner1_[4](1, 2), c.c1) << what;
    EXPECT_EQ(past_runs.RunCorner4_[4](1, 2), c.c4) << what;
    EXPECT_EQ(model::ToUtf8(past_runs.RunPassingText[4](1, 2)), model::ToUtf8(c.passing)) << what;
    EXPECT_EQ(model::ToUtf8(past_runs.RunTroubleFlag[4](1, 2)), model::ToUtf8(c.trouble)) << what;
  }
}

const std::vector<std::string> kDisplayFamilies = {
    "RunCourseName",     "RunDateText",     "RunClassName",  "RunSurfaceName", "RunDistanceText",
    "RunFieldSizeText",  "RunPaceName",     "RunGoingName",  "RunGateText",    "RunWeightText",
    "RunBodyWeightText", "RunPositionText", "RunTimeText",   "RunMarginText",  "RunFirst3FText",
    "RunLast3FText",     "RunPassingText",  "RunTroubleFlag"};

TEST(DecodePastRun, BlankBlockGivesNoneEverywhere) {
  model::Meeting m;
  PastRunTables& past_runs = m.Group<PastRunTables>();
  DecodePastRun(BlockOf(5, {}), past_runs, 3, 1, 5);
  for (const std::string& family : kDisplayFamilies) {
    EXPECT_EQ(Cell(m, family, 5, 3, 1), u"なし") << family;
  }
  EXPECT_EQ(past_runs.RunTimeSeconds[5](3, 1), u"0");
  EXPECT_EQ(past_runs.RunDateCode[5](3, 1), model::Spaces(8));
  EXPECT_EQ(past_runs.RunClassCode[5](3, 1), model::Spaces(5));
  EXPECT_EQ(past_runs.RunCorner3_[5](3, 1), model::Spaces(2));
}

TEST(DecodePastRun, FullBlockReadsEveryFieldOfItsOwnRun) {
  // Run 2 filled, runs 1 and 3 with other values: each member takes its own block only.
  const std::map<int, Text> run2 = {{201, u"05"},   {206, u"20020317"}, {222, u"05000"}, {227, u"1"},
                                    {231, u"2000"}, {232, u"16"},       {234, u"2"},     {236, u"1"},
                                    {241, u"11"},   {249, u"570"},      {250, u"468"},   {270, u"02"},
                                    {275, u"2013"}, {278, u"002"},      {279, u"362"},   {280, u"348"},
                                    {281, u"04"},   {282, u"04"},       {283, u"03"},    {284, u"02"}};
  HorseFieldText run2_only = BlockOf(2, run2);
  HorseFieldText record = [run2_only](int number) -> Text {
    if (number >= 201 && number <= 305) return number == 201 ? Text(u"04") : run2_only(number + 105);
    return run2_only(number);
  };
  model::Meeting m;
  PastRunTables& past_runs = m.Group<PastRunTables>();
  for (int b = 1; b <= 5; ++b) DecodePastRun(record, past_runs, 2, 5, b);
  const std::vector<std::pair<std::string, Text>> expected = {
      {"RunCourseName", u"中山"},  {"RunDateText", u"140317"},    {"RunClassName", u"500万"},
      {"RunSurfaceName", u"芝"},   {"RunDistanceText", u"2000"},  {"RunFieldSizeText", u"16"},
      {"RunPaceName", u"スロ－"},  {"RunGoingName", u"や"},       {"RunGateText", u"11"},
      {"RunWeightText", u"57"},    {"RunBodyWeightText", u"468"}, {"RunPositionText", u"02"},
      {"RunTimeText", u"2.01.3"},  {"RunTimeSeconds", u"121.3"},  {"RunMarginText", u"0.2"},
      {"RunFirst3FText", u"36.2"}, {"RunLast3FText", u"34.8"},    {"RunPassingText", u"04040302"},
      {"RunTroubleFlag", u"なし"}};
  for (const auto& [family, text] : expected) {
    EXPECT_EQ(Cell(m, family, 2, 2, 5), text) << family;
  }
  // Run 1 is the same block but for its course; runs 3 to 5 are blank.
  EXPECT_EQ(model::ToUtf8(past_runs.RunCourseName[1](2, 5)), "東京");
  EXPECT_EQ(past_runs.RunTimeSeconds[1](2, 5), u"121.3");
  EXPECT_EQ(model::ToUtf8(past_runs.RunCourseName[3](2, 5)), "なし");
  EXPECT_EQ(past_runs.RunTimeSeconds[5](2, 5), u"0");
}

}  // namespace
}  // namespace intake
