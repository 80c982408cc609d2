// The generated sample meeting, read back field by field through the record readers: every
// field that the system reads holds a value of the right form.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/meeting_shape.h"
#include "model/text.h"
#include "tests/support/temp_dir.h"
#include "tools/writer/meeting_generator.h"

namespace {

using intake::Den1Record;
using intake::Den2Record;
using intake::RecordReader;
using intake::UmaRecord;
using model::Text;

std::string U8(const Text& t) {
  return model::ToUtf8(t);
}

bool Digits(const Text& t) {
  return !t.empty() && std::all_of(t.begin(), t.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}
bool Blank(const Text& t) {
  return std::all_of(t.begin(), t.end(), [](char16_t c) { return c == u' '; });
}
int Number(const Text& t) {
  return std::atoi(U8(t).c_str());
}
bool OneOf(const Text& t, std::initializer_list<const char16_t*> codes) {
  return std::any_of(codes.begin(), codes.end(), [&](const char16_t* c) { return t == c; });
}

// A date of 8 digits that names a real day.
bool ValidDate(const Text& t) {
  if (!Digits(t) || t.size() != 8) return false;
  const int month = Number(t.substr(4, 2));
  const int day = Number(t.substr(6, 2));
  return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

bool StandardDistance(int d) {
  const std::set<int> distances = {1000, 1200, 1400, 1500, 1600, 1700, 1800, 2000, 2100, 2200, 2300, 2400};
  return distances.count(d) > 0;
}

// Seconds of a 4-digit race time: minutes, two digits of seconds, tenths.
double TimeSeconds(const Text& t) {
  return Number(t.substr(0, 1)) * 60 + Number(t.substr(1, 2)) + Number(t.substr(3, 1)) / 10.0;
}

// A split time as the training window shows it: two digits, a point, one digit.
bool SplitTime(const Text& t) {
  return t.size() == 4 && Digits(t.substr(0, 2)) && t[2] == u'.' && Digits(t.substr(3, 1));
}

Text Trim(const Text& t) {
  const size_t a = t.find_first_not_of(u' ');
  if (a == Text::npos) return Text();
  return t.substr(a, t.find_last_not_of(u' ') - a + 1);
}

// Cuts a workout text the way the basic analysis does and checks what lands in each slice.
void ExpectParseableWorkout(const Text& text, const Text& race_date, const std::string& where) {
  SCOPED_TRACE(where + ": " + U8(text));
  const size_t two = text.find(u'2');
  if (two == Text::npos) return;  // no workout on record
  const Text date = text.substr(two, 8);
  EXPECT_TRUE(ValidDate(date));
  EXPECT_LT(date, race_date);
  EXPECT_EQ(two, 9u) << "the date's first 2 comes first";
  const size_t slope = text.find(u'坂');
  size_t going = Text::npos;
  for (char16_t g : {u'良', u'重', u'不', u'稍'}) {
    if (going == Text::npos) going = text.find(g);
  }
  ASSERT_TRUE(slope != Text::npos || going != Text::npos) << "a workout with a date is timed";
  struct Slice {
    size_t offset, length;
  };
  std::vector<Slice> times;  // E, F, G, then running manner and trend code
  size_t anchor;
  if (slope == Text::npos) {
    anchor = going;
    times = {{27, 6}, {33, 6}, {39, 4}, {44, 3}, {47, 1}};
  } else if (text.find(u'回') == Text::npos) {
    anchor = slope;
    times = {{29, 6}, {35, 6}, {41, 4}, {46, 3}, {49, 1}};
  } else {
    anchor = slope;
    times = {{28, 6}, {34, 6}, {40, 4}, {45, 3}, {48, 1}};
  }
  auto slice = [&](Slice s) { return text.substr(anchor + s.offset, s.length); };
  for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(SplitTime(Trim(slice(times[i])))) << U8(slice(times[i]));
  EXPECT_TRUE(OneOf(slice(times[3]), {u"馬なり", u"末強め", u"直強め", u"一杯追"})) << U8(slice(times[3]));
  EXPECT_TRUE(OneOf(slice(times[4]), {u"1", u"2", u"3", u"4", u"5", u" "}));
}

class GeneratedMeetingTest : public ::testing::TestWithParam<std::uint64_t> {
 protected:
  // Each test of a seed has a folder of its own: ctest runs them as parallel processes.
  void SetUp() override { writer::GenerateMeeting(GetParam()).Write(dir_.Path()); }
  std::string File(const char* name) const { return (dir_.Path() / name).string(); }
  testsupport::ScopedTempDir dir_;
};

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedMeetingTest, ::testing::Values(1, 2, 3, 4, 5, 6, 7, 8, 20240601),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

TEST_P(GeneratedMeetingTest, EveryReadFieldHasTheRightForm) {
  RecordReader<Den1Record> races(File("kol_den1.kd2"));
  RecordReader<Den2Record> runners(File("kol_den2.kd2"));
  RecordReader<UmaRecord> horses(File("kol_uma.kd2"));
  races.Read(1);
  const Text course = races.Field(Den1Record::kCourseCode);
  const Text race_date = races.Field(Den1Record::kRaceDate);
  ASSERT_TRUE(ValidDate(race_date));
  EXPECT_GE(Number(race_date.substr(0, 4)), 1999);
  EXPECT_LE(Number(race_date.substr(0, 4)), 2008);

  long record = 0;
  for (int r = 1; r <= 12; ++r) {
    SCOPED_TRACE("race " + std::to_string(r));
    races.Read(r);
    EXPECT_EQ(races.Field(Den1Record::kCourseCode), course);
    EXPECT_TRUE(OneOf(course, {u"00", u"01", u"02", u"03", u"04", u"05", u"06", u"07", u"08", u"09"}));
    EXPECT_TRUE(Digits(races.Field(Den1Record::kMeetingNo)));
    EXPECT_TRUE(Digits(races.Field(Den1Record::kMeetingDay)));
    EXPECT_EQ(Number(races.Field(Den1Record::kRaceNo)), r);
    EXPECT_TRUE(Digits(races.Field(Den1Record::kRaceNo)));
    EXPECT_EQ(races.Field(Den1Record::kRaceDate), race_date);
    EXPECT_FALSE(Blank(races.Field(Den1Record::kRaceName)));
    EXPECT_TRUE(
        OneOf(races.Field(Den1Record::kClassCode), {u"00003", u"05000", u"09000", u"16000", u"00004"}));
    EXPECT_TRUE(OneOf(races.Field(Den1Record::kSurfaceCode), {u"0", u"1"}));
    EXPECT_TRUE(OneOf(races.Field(Den1Record::kDirectionCode), {u"0", u"1", u"2"}));
    EXPECT_TRUE(Digits(races.Field(Den1Record::kDistance)));
    EXPECT_TRUE(StandardDistance(Number(races.Field(Den1Record::kDistance))));
    const Text estimated = races.Field(Den1Record::kEstimatedTime);
    EXPECT_TRUE(Digits(estimated));
    EXPECT_NEAR(TimeSeconds(estimated), Number(races.Field(Den1Record::kDistance)) * 0.06, 12.0);
    EXPECT_TRUE(OneOf(races.Field(Den1Record::kPaceCode), {u"0", u"1", u"2"}));
    const Text count = races.Field(Den1Record::kRunnerCount);
    ASSERT_TRUE(Digits(count));
    const int n = Number(count);
    ASSERT_GE(n, 8);
    ASSERT_LE(n, 18);

    int last_frame = 0;
    for (int j = 1; j <= n; ++j) {
      SCOPED_TRACE("runner " + std::to_string(j));
      ++record;
      runners.Read(record);
      horses.Read(record);
      const int frame = Number(runners.Field(Den2Record::kFrame));
      EXPECT_GE(frame, std::max(last_frame, 1));
      EXPECT_LE(frame, 8);
      last_frame = frame;
      EXPECT_EQ(runners.Field(Den2Record::kHorseNo),
                Text(j < 10 ? u"0" : u"") + model::FromUtf8(std::to_string(j)));
      EXPECT_TRUE(Digits(runners.Field(Den2Record::kHorseCode)));
      const Text name = runners.Field(Den2Record::kHorseName);
      EXPECT_NE(name.substr(0, 2), u"  ");
      EXPECT_EQ(horses.Field(UmaRecord::kHorseName), name) << "the horse record belongs to the runner";
      EXPECT_TRUE(OneOf(runners.Field(Den2Record::kSexCode), {u"0", u"1", u"2"}));
      EXPECT_TRUE(Digits(runners.Field(Den2Record::kAge)));
      EXPECT_TRUE(Digits(runners.Field(Den2Record::kWeight)));
      EXPECT_FALSE(Blank(runners.Field(Den2Record::kJockey)));

      const Text train_date = runners.Field(Den2Record::kTrainDate1);
      if (Blank(train_date)) {
        EXPECT_FALSE(Blank(runners.Field(Den2Record::kTrainRemark1)));
      } else {
        EXPECT_TRUE(ValidDate(train_date));
        EXPECT_LT(train_date, race_date);
        EXPECT_TRUE(
            OneOf(Trim(runners.Field(Den2Record::kTrainCentre1)), {u"栗東", u"美南", u"美北", u"函館"}));
        EXPECT_TRUE(SplitTime(Trim(runners.Field(Den2Record::kTrainTimeG1))));
        EXPECT_TRUE(OneOf(runners.Field(Den2Record::kTrainTrendCode1), {u"1", u"2", u"3", u"4", u"5", u" "}));
      }
      ExpectParseableWorkout(runners.Field(Den2Record::kTrainText2), race_date, "workout 2");
      ExpectParseableWorkout(runners.Field(Den2Record::kTrainText3), race_date, "workout 3");

      EXPECT_FALSE(Blank(horses.Field(UmaRecord::kSireName)));
      EXPECT_FALSE(Blank(horses.Field(UmaRecord::kDamName)));
      int group_one = 0;
      for (int g = 1; g <= UmaRecord::kCountGroups; ++g) {
        int sum = 0;
        for (int c = 1; c <= 4; ++c) {
          const Text count4 = horses.Field(UmaRecord::CountField(g, c));
          EXPECT_TRUE(Digits(count4) && count4.size() == 2u);
          sum += Number(count4);
        }
        if (g == 1) group_one = sum;
        if (g == 2) {
          EXPECT_EQ(sum, group_one) << "every run has a running style";
        }
      }
      EXPECT_GE(group_one, 5);

      Text later = race_date;
      for (int b = 1; b <= model::kPastRuns; ++b) {
        SCOPED_TRACE("past run " + std::to_string(b));
        auto field = [&](int block1_field) { return horses.Field(UmaRecord::RunField(b, block1_field)); };
        EXPECT_TRUE(OneOf(field(UmaRecord::kRunCourseCode),
                          {u"00", u"01", u"02", u"03", u"04", u"05", u"06", u"07", u"08", u"09"}));
        const Text date = field(UmaRecord::kRunDateCode);
        EXPECT_TRUE(ValidDate(date));
        EXPECT_LT(date, later);
        later = date;
        EXPECT_TRUE(OneOf(field(UmaRecord::kRunClassCode),
                          {u"00001", u"00003", u"05000", u"09000", u"16000", u"00004"}));
        const Text surface = field(UmaRecord::kRunSurfaceCode);
        EXPECT_TRUE(OneOf(surface, {u"0", u"1"}));
        const int distance = Number(field(UmaRecord::kRunDistance));
        EXPECT_TRUE(StandardDistance(distance));
        const int field_size = Number(field(UmaRecord::kRunFieldSize));
        EXPECT_TRUE(field_size >= 8 && field_size <= 18);
        EXPECT_TRUE(OneOf(field(UmaRecord::kRunPaceCode), {u"0", u"1", u"2"}));
        const Text going = field(UmaRecord::kRunGoingCode);
        EXPECT_TRUE(OneOf(going, {u"0", u"1", u"2", u"3"}));
        const int gate = Number(field(UmaRecord::kRunGate));
        EXPECT_TRUE(gate >= 1 && gate <= field_size);
        EXPECT_TRUE(Digits(field(UmaRecord::kRunWeight)));
        EXPECT_TRUE(Digits(field(UmaRecord::kRunBodyWeight)));
        const int position = Number(field(UmaRecord::kRunPosition));
        EXPECT_TRUE(position >= 1 && position <= field_size);
        const Text time = field(UmaRecord::kRunTime);
        const Text margin = field(UmaRecord::kRunMargin);
        ASSERT_TRUE(Digits(time) && Digits(margin));
        if (position == 1) {
          EXPECT_EQ(Number(margin), 0);
        }
        const double winner = TimeSeconds(time) - Number(margin) / 10.0;
        // Winners' times on good going as real races show them.
        if (going == u"0" && distance == 1600 && surface == u"1") {
          EXPECT_TRUE(winner >= 93.0 && winner <= 98.0);
        }
        if (going == u"0" && distance == 1200 && surface == u"0") {
          EXPECT_TRUE(winner >= 70.5 && winner <= 74.5);
        }
        // Any distance: between 54 and 68 seconds per kilometre.
        EXPECT_TRUE(winner >= distance * 0.054 && winner <= distance * 0.068) << winner;
        const Text first3_f = field(UmaRecord::kRunFirst3F);
        const Text last3_f = field(UmaRecord::kRunLast3F);
        EXPECT_TRUE(Digits(first3_f) && Number(first3_f) >= 320 && Number(first3_f) <= 420) << U8(first3_f);
        EXPECT_TRUE(Digits(last3_f) && Number(last3_f) >= 320 && Number(last3_f) <= 450) << U8(last3_f);
        // Corners: the listed ones last, two digits each, blanks before them.
        Text passing;
        for (int c = 1; c <= 4; ++c) {
          const Text corner = horses.Field(UmaRecord::RunCornerField(b, c));
          EXPECT_TRUE(Blank(corner) ? passing.empty() : Digits(corner)) << U8(corner);
          if (!Blank(corner)) passing += corner;
        }
        EXPECT_TRUE(passing.size() == 4 || passing.size() == 6 || passing.size() == 8);
        const int first_listed = Number(passing.substr(0, 2));
        EXPECT_TRUE(first_listed <= field_size || (first_listed > 40 && first_listed - 40 <= field_size));
      }
    }
  }
  EXPECT_EQ(std::filesystem::file_size(File("kol_den2.kd2")),
            static_cast<uintmax_t>(record) * Den2Record::kLength);
  EXPECT_EQ(std::filesystem::file_size(File("kol_uma.kd2")),
            static_cast<uintmax_t>(record) * UmaRecord::kLength);
  EXPECT_EQ(std::filesystem::file_size(File("kol_den1.kd2")), 12u * Den1Record::kLength);
}

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(MeetingGeneratorTest, TheSameSeedGivesTheSameFiles) {
  const testsupport::ScopedTempDir temp;
  const std::filesystem::path& dir = temp.Path();
  writer::GenerateMeeting(5).Write(dir / "a");
  writer::GenerateMeeting(5).Write(dir / "b");
  writer::GenerateMeeting(6).Write(dir / "c");
  for (const char* name : {"kol_den1.kd2", "kol_den2.kd2", "kol_uma.kd2"}) {
    EXPECT_EQ(Slurp(dir / "a" / name), Slurp(dir / "b" / name)) << name;
    EXPECT_NE(Slurp(dir / "a" / name), Slurp(dir / "c" / name)) << name;
  }
}

// The committed sample is what `make-meeting sample --seed 1` writes.
TEST(MeetingGeneratorTest, TheCommittedSampleIsSeedOne) {
  const std::filesystem::path sample = std::filesystem::path(TARVELO_SOURCE_DIR) / "sample";
  const std::filesystem::path tool = std::filesystem::path(TARVELO_BINARY_DIR) / "make-meeting";
  const testsupport::ScopedTempDir temp;
  const std::filesystem::path dir = temp.Path() / "meeting";
  if (std::filesystem::exists(tool)) {
    ASSERT_EQ(std::system((tool.string() + " " + dir.string() + " --seed 1").c_str()), 0);
  } else {
    writer::GenerateMeeting(1).Write(dir);
  }
  for (const char* name : {"kol_den1.kd2", "kol_den2.kd2", "kol_uma.kd2"}) {
    EXPECT_EQ(Slurp(dir / name), Slurp(sample / name)) << name;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
