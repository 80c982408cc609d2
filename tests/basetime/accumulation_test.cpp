#include "basetime/accumulation.h"

#include <gtest/gtest.h>

#include "basetime/base_time_indices.h"
#include "basetime/base_time_tables.h"
#include "basetime/class_average.h"
#include "basetime/run_summary.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "recording_grid.h"

namespace basetime {
namespace {

using model::Text;
using testing::RecordingGrid;

// A piece longer or shorter than its letters matches none of them, whatever it starts with.
TEST(BaseTimeIndices, LettersAndDigitsOfTheRecord) {
  const std::pair<Text, int> classes[] = {{u"-", 0},  {u"新", 1}, {u"未", 1}, {u"五", 2},
                                          {u"九", 3}, {u"ジ", 4}, {u"オ", 5}, {u"そ", 6},
                                          {u"な", 6}, {u"", 6},   {u"--", 6}, {u"新馬", 6}};
  for (const auto& [text, index] : classes) EXPECT_EQ(BaseClassIndexOf(text), index) << model::ToUtf8(text);
  const std::pair<Text, int> distances[] = {{u"--", 0},  {u"10", 1},   {u"12", 2},    {u"15", 4},
                                            {u"18", 7},  {u"20", 8},   {u"24", 12},   {u"19", 13},
                                            {u"25", 13}, {u"11", 13},  {u"なし", 13}, {u"-", 13},
                                            {u"", 13},   {u"100", 13}, {u"---", 13},  {u"1", 13}};
  for (const auto& [text, index] : distances)
    EXPECT_EQ(StdDistanceIndexOf(text), index) << model::ToUtf8(text);
  const std::pair<Text, int> courses[] = {{u"-", 0},   {u"東", 1},  {u"中", 2}, {u"阪", 3},  {u"京", 4},
                                          {u"名", 5},  {u"小", 6},  {u"札", 7}, {u"新", 8},  {u"福", 9},
                                          {u"函", 10}, {u"外", 11}, {u"", 11},  {u"--", 11}, {u"東京", 11}};
  for (const auto& [text, index] : courses) EXPECT_EQ(StdCourseIndexOf(text), index) << model::ToUtf8(text);
  const std::pair<Text, int> surfaces[] = {{u"-", 0},  {u"芝", 1},   {u"ダ", 2},
                                           {u"良", 3}, {u"芝ダ", 3}, {u"", 3}};
  for (const auto& [text, index] : surfaces) EXPECT_EQ(StdSurfaceIndexOf(text), index) << model::ToUtf8(text);
}

// A meeting whose race 1 has one runner per record, each record as its last run.
class Accumulation : public ::testing::Test {
 protected:
  void AddRecords(std::initializer_list<Text> records) {
    int runner = 0;
    for (const Text& record : records) b_.RunSummary[1](1, ++runner) = record;
    card_.RunnerCount(1) = model::NumberToText(runner);
  }
  void Accumulate() { AccumulateRunTimes(m_, grid_); }

  model::Meeting m_;
  intake::RaceCardTables& card_ = m_.Group<intake::RaceCardTables>();
  BaseTimeTables& b_ = m_.Group<BaseTimeTables>();
  RecordingGrid grid_;
};

TEST_F(Accumulation, SumsCountsAndShowsRunningSums) {
  AddRecords({u"東五16芝良 095.3 0.0  0.0 095.3", u"東五16芝良 095.8 0.3  0.0 095.5",
              u"中未12ダや 073.1 0.4 +0.4 073.1", u"東新16芝良 096.0 0.0  0.0 096.0"});
  Accumulate();
  EXPECT_EQ(b_.TurfTimeSum(2, 5, 1), u"190.8");
  EXPECT_EQ(b_.TurfTimeCount(2, 5, 1), u"2");
  EXPECT_EQ(b_.DirtTimeSum(1, 2, 2), u"73.1");
  EXPECT_EQ(b_.DirtTimeCount(1, 2, 2), u"1");
  EXPECT_EQ(b_.TurfTimeSum(1, 5, 1), u"96");
  // The running sums, in the order the runs were added: 東京 500万 1600 m is row 2, column 6.
  ASSERT_EQ(grid_.writes.size(), 4u);
  EXPECT_EQ(grid_.writes[0].text, u"95.3");
  EXPECT_EQ(std::tie(grid_.writes[1].surface, grid_.writes[1].row, grid_.writes[1].col), std::tuple(1, 2, 6));
  EXPECT_EQ(grid_.writes[1].text, u"190.8");
  EXPECT_EQ(std::tie(grid_.writes[2].surface, grid_.writes[2].row, grid_.writes[2].col),
            std::tuple(2, 10, 3));
}

TEST_F(Accumulation, OldestRunFirstAndRunnerCountBounds) {
  card_.RunnerCount(1) = u"1";
  card_.RunnerCount(2) = u" ";
  b_.RunSummary[1](1, 1) = u"東五16芝良 095.3 0.0  0.0 095.3";
  b_.RunSummary[5](1, 1) = u"東五16芝良 095.9 0.0  0.0 095.9";
  b_.RunSummary[1](1, 2) = u"東五16芝良 099.9 0.0  0.0 099.9";  // beyond the count
  b_.RunSummary[1](2, 1) = u"東五16芝良 099.9 0.0  0.0 099.9";  // race without runners
  Accumulate();
  ASSERT_EQ(grid_.writes.size(), 2u);
  EXPECT_EQ(grid_.writes[0].text, u"95.9");
  EXPECT_EQ(grid_.writes[1].text, u"191.2");
  EXPECT_EQ(b_.TurfTimeCount(2, 5, 1), u"2");
}

TEST_F(Accumulation, UnusableMarkChangesNothing) {
  AddRecords({kUnusableRunMark});
  Accumulate();
  EXPECT_TRUE(grid_.writes.empty());
  for (const ClassCellTable* t : {&b_.TurfTimeSum, &b_.TurfTimeCount, &b_.DirtTimeSum, &b_.DirtTimeCount}) {
    for (size_t i = 0; i < t->CellCount(); ++i) EXPECT_EQ(t->CellAt(i), u"");
  }
}

TEST_F(Accumulation, ZeroTailIsSummedAsZeroButNotCounted) {
  AddRecords({u"東五12ダや 000.0 0.0 +0.4 000.0"});
  Accumulate();
  EXPECT_EQ(b_.DirtTimeSum(2, 2, 1), u"0");
  EXPECT_EQ(b_.DirtTimeCount(2, 2, 1), u"");
  ASSERT_EQ(grid_.writes.size(), 1u);
  EXPECT_EQ(grid_.writes[0].text, u"0");
}

// A corrected winner time of 1000 s or more gives six characters; only the last five are read.
TEST_F(Accumulation, SixCharacterTimeContributesItsLastFive) {
  AddRecords({u"東五16芝良 999.9 0.0  0.0 1000.0", u"東五15芝良 999.9 0.0  0.0 1234.5"});
  Accumulate();
  EXPECT_EQ(b_.TurfTimeSum(2, 5, 1), u"0");
  EXPECT_EQ(b_.TurfTimeCount(2, 5, 1), u"");
  EXPECT_EQ(b_.TurfTimeSum(2, 4, 1), u"234.5");
  EXPECT_EQ(b_.TurfTimeCount(2, 4, 1), u"1");
}

TEST_F(Accumulation, OtherCourseClassOrDistanceIsSummedAndCountedButNotShown) {
  AddRecords({u"外五16芝良 095.3 0.0  0.0 095.3", u"東そ16芝良 095.3 0.0  0.0 095.3",
              u"東五25芝や 152.0 0.0  152.0",
              // No course letter: the going letter stands at the surface's place.
              u"五16芝良 095.3 0.0  0.0 095.3"});
  Accumulate();
  EXPECT_TRUE(grid_.writes.empty());
  EXPECT_EQ(b_.TurfTimeSum(2, 5, 11), u"95.3");
  EXPECT_EQ(b_.TurfTimeCount(2, 5, 11), u"1");
  EXPECT_EQ(b_.TurfTimeSum(6, 5, 1), u"95.3");
  EXPECT_EQ(b_.TurfTimeCount(6, 5, 1), u"1");
  EXPECT_EQ(b_.TurfTimeSum(2, 13, 1), u"152");
  EXPECT_EQ(b_.TurfTimeCount(2, 13, 1), u"1");
  EXPECT_EQ(b_.TurfTimeSum(2, 5, 1), u"");
}

TEST_F(Accumulation, AveragesAndTheirGridTexts) {
  AddRecords({
      u"東五16芝良 095.3 0.0  0.0 095.3", u"東五16芝良 095.8 0.0  0.0 095.6",  // 95.45 -> 95.5
      u"東未24芝良 148.0 0.0  0.0 148.0", u"東新24芝良 149.0 0.0  0.0 149.0",  // 148.5
      u"阪オ20ダ良 099.9 0.0  0.0 099.9", u"阪オ20ダ良 100.1 0.0  0.0 100.1",  // exactly 100
      u"阪九10ダ良 058.0 0.0  0.0 058.0",                                      // below 100 s: "00.0"
      u"函ジ12芝良 000.0 0.0  0.0 000.0",                                      // only a zero tail
  });
  Accumulate();
  ComputeClassAverages(m_, grid_);
  EXPECT_EQ(b_.TurfClassAvg(2, 5, 1), u"95.5");
  EXPECT_EQ(b_.TurfClassAvg(1, 12, 1), u"148.5");
  EXPECT_EQ(b_.DirtClassAvg(5, 8, 3), u"100.0");
  EXPECT_EQ(b_.DirtClassAvg(3, 1, 3), u"58.0");
  EXPECT_EQ(b_.TurfClassAvg(4, 2, 10), u"0");
  EXPECT_EQ(b_.TurfClassAvg(3, 3, 7), u"0");
  EXPECT_EQ(b_.DirtClassAvg(1, 1, 1), u"0");
  // Classes 0 and 6, distances 0 and 13 and courses 0 and 11 are never averaged.
  EXPECT_EQ(b_.TurfClassAvg(6, 5, 1), u"");
  EXPECT_EQ(b_.TurfClassAvg(2, 13, 1), u"");
  EXPECT_EQ(b_.TurfClassAvg(2, 5, 11), u"");

  EXPECT_EQ(grid_.Cell(1, 2, 6), u"95.5");
  EXPECT_EQ(grid_.Cell(1, 1, 13), u"148.5");
  EXPECT_EQ(grid_.Cell(2, 23, 9), u"100.0");
  EXPECT_EQ(grid_.Cell(1, 85, 3), kNoClassTimeMark);
  EXPECT_EQ(kNoClassTimeMark, u"         -");
  // Every class cell of both grids now holds an average or the mark, and nothing else was written.
  EXPECT_EQ(grid_.cells.size(), 2u * 10 * 5 * 12);
  for (const auto& [key, text] : grid_.cells) {
    const auto [surface, row, col] = key;
    EXPECT_TRUE((row - 1) % 9 < 5 && col >= 2 && col <= 13) << row << "," << col;
  }
}

TEST_F(Accumulation, AveragingOrderIsDistanceThenCourseThenClassTurfFirst) {
  ComputeClassAverages(m_, grid_);
  ASSERT_EQ(grid_.writes.size(), 1200u);
  // Without any run the averaging makes the first write: class 1 of 東京 at 1000 m.
  EXPECT_EQ(std::tie(grid_.writes[0].surface, grid_.writes[0].row, grid_.writes[0].col), std::tuple(1, 1, 2));
  EXPECT_EQ(std::tie(grid_.writes[1].row, grid_.writes[1].col), std::tuple(2, 2));
  EXPECT_EQ(std::tie(grid_.writes[5].row, grid_.writes[5].col), std::tuple(10, 2));
  EXPECT_EQ(std::tie(grid_.writes[50].row, grid_.writes[50].col), std::tuple(1, 3));
  EXPECT_EQ(grid_.writes[600].surface, 2);
}

TEST_F(Accumulation, AveragesAreRecomputedFromTheSumsEachTime) {
  AddRecords({u"東五16芝良 095.3 0.0  0.0 095.3"});
  Accumulate();
  ComputeClassAverages(m_, grid_);
  Accumulate();  // the same runs again: sums and counts double
  EXPECT_EQ(b_.TurfTimeSum(2, 5, 1), u"190.6");
  EXPECT_EQ(grid_.Cell(1, 2, 6), u"190.6");
  ComputeClassAverages(m_, grid_);
  EXPECT_EQ(b_.TurfClassAvg(2, 5, 1), u"95.3");
}

}  // namespace
}  // namespace basetime
