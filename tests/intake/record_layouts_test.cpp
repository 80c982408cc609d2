// The layouts place each field the readers take at its byte in the record: a marker written
// at a raw byte position comes back as that field's text through RecordReader.

#include "intake/record_layouts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "intake/record_file.h"
#include "tests/support/temp_dir.h"
#include "tools/writer/record_writer.h"

namespace {

using intake::Den1Record;
using intake::Den2Record;
using intake::UmaRecord;

struct Placement {
  int field;
  int first;  // 1-based byte in the record
  int width;
};

// Writes two records whose second one holds a marker of the field's width at the given byte,
// then reads the field of record 2.
template <class Layout>
void ExpectPlacements(const std::vector<Placement>& placements) {
  const testsupport::ScopedTempDir temp;
  const auto path = temp.Path() / ("layout_" + std::to_string(Layout::kLength) + ".kd2");
  for (const Placement& p : placements) {
    std::string bytes(2 * Layout::kLength, ' ');
    std::string marker;
    for (int i = 0; i < p.width; ++i) marker += static_cast<char>('A' + i % 26);
    bytes.replace(static_cast<size_t>(Layout::kLength + p.first - 1), marker.size(), marker);
    writer::WriteBytes(path, bytes);
    intake::RecordReader<Layout> reader(path.string());
    reader.Read(2);
    EXPECT_EQ(model::ToUtf8(reader.Field(p.field)), marker) << "field " << p.field;
  }
  std::filesystem::remove(path);
}

TEST(RecordLayoutsTest, RaceRecordFields) {
  ExpectPlacements<Den1Record>({{Den1Record::kCourseCode, 1, 2},
                                {Den1Record::kMeetingNo, 7, 2},
                                {Den1Record::kMeetingDay, 9, 2},
                                {Den1Record::kRaceNo, 11, 2},
                                {Den1Record::kRaceDate, 13, 8},
                                {Den1Record::kRaceFlag, 25, 1},
                                {Den1Record::kRaceName, 59, 14},
                                {Den1Record::kClassCode, 100, 5},
                                {Den1Record::kSurfaceCode, 105, 1},
                                {Den1Record::kDirectionCode, 106, 1},
                                {Den1Record::kDistance, 109, 4},
                                {Den1Record::kRunnerCount, 337, 2},
                                {Den1Record::kEstimatedTime, 341, 4},
                                {Den1Record::kPaceCode, 349, 1},
                                {60, 498, 1},
                                {143, 771, 7},
                                {144, 778, 2}});
}

TEST(RecordLayoutsTest, RunnerRecordFields) {
  ExpectPlacements<Den2Record>({{Den2Record::kFrame, 23, 1},
                                {Den2Record::kHorseNo, 24, 2},
                                {Den2Record::kHorseCode, 26, 7},
                                {Den2Record::kHorseName, 33, 30},
                                {Den2Record::kSexCode, 65, 1},
                                {Den2Record::kAge, 66, 2},
                                {Den2Record::kWeight, 149, 3},
                                {Den2Record::kJockey, 189, 8},
                                {Den2Record::kTrainDate1, 265, 8},
                                {Den2Record::TrainTimeField(2), 295, 6},
                                {Den2Record::kTrainTimeG1, 319, 6},
                                {Den2Record::kTrainTrendCode1, 332, 1},
                                {Den2Record::kTrainRemark1, 333, 40},
                                {Den2Record::kTrainText2, 373, 117},
                                {Den2Record::kTrainText3, 490, 117},
                                {57, 742, 2}});
}

TEST(RecordLayoutsTest, HorseRecordFields) {
  ExpectPlacements<UmaRecord>({{UmaRecord::kHorseName, 8, 30},
                               {UmaRecord::kSireName, 105, 34},
                               {UmaRecord::kDamName, 146, 34},
                               {UmaRecord::CountField(1, 1), 657, 2},
                               {UmaRecord::CountField(2, 1), 665, 2},
                               {UmaRecord::CountField(36, 4), 943, 2},
                               {UmaRecord::RunField(1, UmaRecord::kRunCourseCode), 1065, 2},
                               {UmaRecord::RunField(2, UmaRecord::kRunCourseCode), 1655, 2},
                               {UmaRecord::RunField(5, UmaRecord::kRunCourseCode), 3425, 2},
                               {UmaRecord::RunField(3, UmaRecord::kRunDateCode), 2245 + 12, 8},
                               {UmaRecord::RunField(1, UmaRecord::kRunTime), 1064 + 375, 4},
                               {UmaRecord::RunField(5, UmaRecord::kRunLast3F), 3424 + 388, 3},
                               {UmaRecord::RunCornerField(4, 4), 2834 + 397, 2},
                               {UmaRecord::kTailFirstField, 4015, 2},
                               {1126, 5165, 2}});
}

// The counts that RecordCounts01 .. 29 take: groups 2-6, 9-16 and 21-36.
TEST(RecordLayoutsTest, RecordCountsGroups) {
  std::vector<int> expected;
  for (int g = 2; g <= 6; ++g) expected.push_back(g);
  for (int g = 9; g <= 16; ++g) expected.push_back(g);
  for (int g = 21; g <= 36; ++g) expected.push_back(g);
  EXPECT_EQ(std::vector<int>(UmaRecord::kRecordCountsGroup.begin() + 1, UmaRecord::kRecordCountsGroup.end()),
            expected);
}

}  // namespace
