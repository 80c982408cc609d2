#include "intake/past_performance_read.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/text_ops.h"

namespace intake {
namespace {

using model::Text;

Text Utf16(const std::string& ascii) {
  return Text(ascii.begin(), ascii.end());
}

// A horse file of `records` records whose horse name (field 2) names the record; fields
// beyond the file read as blanks, as the record reader gives them. Logs every record read.
struct FakeHorseFile {
  explicit FakeHorseFile(long count) : records(count) {}
  long records;
  long current = 0;
  std::vector<long> reads;

  HorseRecords Reader() {
    return {[this](long n) {
              reads.push_back(n);
              current = n;
            },
            [this](int field) -> Text {
              if (current > records) return model::Spaces(field == 2 ? 30 : 2);
              if (field == 2) return Utf16("H" + std::to_string(current));
              return u"  ";
            }};
  }
};

std::vector<long> Range(long first, long last) {
  std::vector<long> v;
  for (long n = first; n <= last; ++n) v.push_back(n);
  return v;
}

std::vector<long> Join(std::vector<long> a, const std::vector<long>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

void SetCounts(model::Meeting& m, const std::vector<Text>& counts) {
  for (size_t r = 0; r < counts.size(); ++r)
    m.Group<RaceCardTables>().RunnerCount(static_cast<int>(r) + 1) = counts[r];
}

TEST(WalkHorseRecords, ARaceWithoutRunnersPassesOverOneRecord) {
  model::Meeting m;
  SetCounts(m, {u"10", u"00", u"08"});
  FakeHorseFile file{100};
  WalkHorseRecords(m, file.Reader());
  EXPECT_EQ(file.reads, Join(Range(1, 10), Range(12, 19)));  // record 11 is read by nobody
  const PastRunTables& past_runs = m.Group<PastRunTables>();
  EXPECT_EQ(past_runs.UmaHorseName(1, 10), u"H10");
  EXPECT_EQ(past_runs.UmaHorseName(1, 11), u"");
  EXPECT_EQ(past_runs.UmaHorseName(2, 1), u"");
  EXPECT_EQ(past_runs.UmaHorseName(3, 1), u"H12");
  EXPECT_EQ(past_runs.UmaHorseName(3, 8), u"H19");
  EXPECT_EQ(past_runs.UmaHorseName(3, 9), u"");
  EXPECT_EQ(past_runs.RunTimeSeconds[5](3, 8), u"0");
  EXPECT_EQ(past_runs.RunTimeSeconds[1](2, 1), u"");
}

TEST(WalkHorseRecords, CountsThatGiveNoRunnersEachPassOverOneRecord) {
  // Blank, no digits, negative and below one: none reads a record, each takes one number.
  model::Meeting m;
  SetCounts(m, {u"02", u"  ", u"-1", u"ab", u".5", u"01"});
  FakeHorseFile file{100};
  WalkHorseRecords(m, file.Reader());
  EXPECT_EQ(file.reads, (std::vector<long>{1, 2, 7}));
  EXPECT_EQ(m.Group<PastRunTables>().UmaHorseName(6, 1), u"H7");
}

TEST(WalkHorseRecords, ALastRaceOfNineLeavesTheRestUnread) {
  model::Meeting m;
  SetCounts(m, {u"01", u"02", u"03", u"04", u"05", u"06", u"07", u"08", u"09"});
  FakeHorseFile file{45};
  WalkHorseRecords(m, file.Reader());
  EXPECT_EQ(file.reads, Range(1, 45));
  EXPECT_EQ(m.Group<PastRunTables>().UmaHorseName(9, 9), u"H45");
}

TEST(WalkHorseRecords, TheRunnersOfRaceTwelveAreKeptToo) {
  model::Meeting m;
  SetCounts(m, {u"01", u"02", u"03", u"04", u"05", u"06", u"07", u"08", u"09", u"10", u"11", u"12"});
  FakeHorseFile file{78};
  WalkHorseRecords(m, file.Reader());
  EXPECT_EQ(file.reads, Range(1, 78));
  const PastRunTables& past_runs = m.Group<PastRunTables>();
  EXPECT_EQ(past_runs.UmaHorseName(12, 1), u"H67");
  EXPECT_EQ(past_runs.UmaHorseName(12, 12), u"H78");
}

TEST(WalkHorseRecords, RunnersBeyondTwentyEightTakeTheirRecordsButNoCells) {
  model::Meeting m;
  SetCounts(m, {u"30", u"02", u"99", u"01"});
  FakeHorseFile file{200};
  WalkHorseRecords(m, file.Reader());
  EXPECT_EQ(file.reads, Join(Join(Range(1, 28), Range(31, 32)), Join(Range(33, 60), {132})));
  const PastRunTables& past_runs = m.Group<PastRunTables>();
  EXPECT_EQ(past_runs.UmaHorseName(1, 28), u"H28");
  EXPECT_EQ(past_runs.UmaHorseName(2, 1), u"H31");
  EXPECT_EQ(past_runs.UmaHorseName(3, 28), u"H60");
  EXPECT_EQ(past_runs.UmaHorseName(4, 1), u"H132");
}

TEST(WalkHorseRecords, RecordsMissingFromAShortFileGiveBlanksNotAnotherRunnersData) {
  model::Meeting m;
  SetCounts(m, {u"03", u"02"});
  FakeHorseFile file{4};
  WalkHorseRecords(m, file.Reader());
  const PastRunTables& past_runs = m.Group<PastRunTables>();
  EXPECT_EQ(past_runs.UmaHorseName(2, 1), u"H4");
  EXPECT_EQ(past_runs.UmaHorseName(2, 2), model::Spaces(30));
  EXPECT_EQ(model::ToUtf8(past_runs.RunCourseName[1](2, 2)), "なし");
  EXPECT_EQ(model::ToUtf8(past_runs.RunPassingText[5](2, 2)), "なし");
  EXPECT_EQ(past_runs.RecordCounts[29](2, 2), u"  -  -  -  ");
}

TEST(WalkHorseRecords, CopiesTheHeaderAndTheTwentyNineCountGroups) {
  // Count c of group g (field 51 + 4g + c) holds g in its first count and c in the others.
  model::Meeting m;
  SetCounts(m, {u"01"});
  HorseRecords records{[](long) {},
                       [](int field) -> Text {
                         if (field == 2) return u"ABC" + model::Spaces(27);
                         if (field == 13) return u"SIRE" + model::Spaces(30);
                         if (field == 15) return u"DAM" + model::Spaces(31);
                         if (field >= 56 && field <= 199) {
                           const int g = (field - 52) / 4;
                           const int c = field - 51 - 4 * g;
                           const int shown = c == 1 ? g : c;
                           return Utf16((shown < 10 ? "0" : "") + std::to_string(shown));
                         }
                         return u"  ";
                       }};
  WalkHorseRecords(m, records);
  const PastRunTables& past_runs = m.Group<PastRunTables>();
  EXPECT_EQ(past_runs.UmaHorseName(1, 1), u"ABC" + model::Spaces(27));
  EXPECT_EQ(past_runs.SireName(1, 1), u"SIRE" + model::Spaces(30));
  EXPECT_EQ(past_runs.DamName(1, 1), u"DAM" + model::Spaces(31));
  const std::vector<int> groups = {2,  3,  4,  5,  6,  9,  10, 11, 12, 13, 14, 15, 16, 21, 22,
                                   23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36};
  for (int k = 1; k <= 29; ++k) {
    const int g = groups[static_cast<size_t>(k - 1)];
    const std::string name = std::string("RecordCounts") + (k < 10 ? "0" : "") + std::to_string(k);
    EXPECT_EQ(model::ToUtf8((*m.Registry().Find(name))(1, 1)),
              (g < 10 ? "0" : "") + std::to_string(g) + "-02-03-04")
        << name;
  }
}

}  // namespace
}  // namespace intake
