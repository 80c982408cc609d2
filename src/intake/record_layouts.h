#pragma once
// The record layouts of the three KOL files, as data for RecordReader<Layout>, with the
// field numbers that the readers use. The field tables themselves are generated
// (record_field_tables.h); the checks below pin them to the offsets the readers rely on.

#include <array>

#include "intake/record_field_tables.h"
#include "intake/record_file.h"
#include "model/meeting_shape.h"

namespace intake {

// kol_den1.kd2: one record per race, records 1 to 12 = races 1 to 12.
struct Den1Record {
  static constexpr int kLength = 779;
  static constexpr int kFieldCount = 144;
  static constexpr std::array<FieldPlace, kFieldCount + 1> kFields = kDen1Fields;

  static constexpr int kCourseCode = 1;
  static constexpr int kMeetingNo = 3;
  static constexpr int kMeetingDay = 4;
  static constexpr int kRaceNo = 5;
  static constexpr int kRaceDate = 6;
  static constexpr int kRaceFlag = 10;
  static constexpr int kRaceName = 13;
  static constexpr int kClassCode = 21;
  static constexpr int kSurfaceCode = 22;
  static constexpr int kDirectionCode = 23;
  static constexpr int kDistance = 26;
  static constexpr int kRunnerCount = 53;
  static constexpr int kEstimatedTime = 55;
  static constexpr int kPaceCode = 57;
};

// kol_den2.kd2: one record per runner, the runners of race 1 first, in race order.
struct Den2Record {
  static constexpr int kLength = 743;
  static constexpr int kFieldCount = 57;
  static constexpr std::array<FieldPlace, kFieldCount + 1> kFields = kDen2Fields;

  static constexpr int kFrame = 8;
  static constexpr int kHorseNo = 9;
  static constexpr int kHorseCode = 10;
  static constexpr int kHorseName = 11;
  static constexpr int kSexCode = 13;
  static constexpr int kAge = 14;
  static constexpr int kWeight = 19;
  static constexpr int kJockey = 22;
  // Workout 1 comes as separate fields 34 to 50, workouts 2 and 3 as one text each.
  static constexpr int kTrainLeadChar1 = 34;
  static constexpr int kTrainLeadNumber1 = 35;
  static constexpr int kTrainDate1 = 36;
  static constexpr int kTrainCentre1 = 37;
  static constexpr int kTrainCourse1 = 38;
  static constexpr int kTrainGoing1 = 39;
  static constexpr int kTrainTimeA1 = 40;  // slots A to G are fields 40 to 46
  static constexpr int kTrainTimeG1 = 46;
  static constexpr int kTrainLaneChar1 = 47;
  static constexpr int kTrainAction1 = 48;
  static constexpr int kTrainTrendCode1 = 49;
  static constexpr int kTrainRemark1 = 50;
  static constexpr int kTrainText2 = 51;
  static constexpr int kTrainText3 = 52;
  // Slot s = 0 (A) .. 6 (G) of workout 1.
  static constexpr int TrainTimeField(int slot) { return kTrainTimeA1 + slot; }
};

// kol_uma.kd2: one record per runner in runner order: header, five past-run blocks, tail.
struct UmaRecord {
  static constexpr int kLength = 5166;
  static constexpr int kFieldCount = 1126;
  static constexpr std::array<FieldPlace, kFieldCount + 1> kFields = kUmaFields;

  // Header.
  static constexpr int kHorseName = 2;
  static constexpr int kSireName = 13;
  static constexpr int kDamName = 15;

  // Count groups: 36 groups g of four 2-byte counts c = 1..4.
  static constexpr int kCountGroups = 36;
  static constexpr int CountField(int group, int count) { return 51 + 4 * group + count; }
  // The groups that RecordCounts01 .. RecordCounts29 take, in that order (index 0 unused).
  static constexpr std::array<int, 30> kRecordCountsGroup = {0,  2,  3,  4,  5,  6,  9,  10, 11, 12,
                                                             13, 14, 15, 16, 21, 22, 23, 24, 25, 26,
                                                             27, 28, 29, 30, 31, 32, 33, 34, 35, 36};

  // Past-run blocks: run 1 is the last run, run 5 the fifth most recent; every block has
  // the layout of block 1, shifted by kRunFieldStep fields and kRunBlockLength bytes.
  static constexpr int kRunFieldStep = 105;
  static constexpr int kRunBlockLength = 590;
  static constexpr int kRunBlockFirstByte = 1065;
  // Field numbers within block 1.
  static constexpr int kRunCourseCode = 201;
  static constexpr int kRunDateCode = 206;
  static constexpr int kRunClassCode = 222;
  static constexpr int kRunSurfaceCode = 227;
  static constexpr int kRunDistance = 231;
  static constexpr int kRunFieldSize = 232;
  static constexpr int kRunPaceCode = 234;
  static constexpr int kRunGoingCode = 236;
  static constexpr int kRunGate = 241;
  static constexpr int kRunWeight = 249;
  static constexpr int kRunBodyWeight = 250;
  static constexpr int kRunPosition = 270;
  static constexpr int kRunTime = 275;
  static constexpr int kRunMargin = 278;
  static constexpr int kRunFirst3F = 279;
  static constexpr int kRunLast3F = 280;
  static constexpr int kRunCorner1 = 281;  // corners 1 to 4 are fields 281 to 284
  static constexpr int kRunLastField = 305;

  // Field number of a block-1 field (kRun...) in the block of past run `run` (1..5).
  static constexpr int RunField(int run, int block1_field) {
    return block1_field + kRunFieldStep * (run - 1);
  }
  // Field number of corner c (1..4) of past run `run`.
  static constexpr int RunCornerField(int run, int corner) { return RunField(run, kRunCorner1 + corner - 1); }

  // Tail: field 726, then 50 sub-records of fields 727 + 8(s-1) .. 734 + 8(s-1).
  static constexpr int kTailFirstField = 726;
};

// ---- Checks of the tables ----

namespace layout_check {

// Fields follow each other without gaps from byte 1, and the last ends at the record's end.
template <class Layout>
constexpr bool Contiguous() {
  int next = 1;
  for (int n = 1; n <= Layout::kFieldCount; ++n) {
    const FieldPlace& f = Layout::kFields[static_cast<size_t>(n)];
    if (f.first != next || f.width < 1) return false;
    next = f.first + f.width;
  }
  return next == Layout::kLength + 1;
}

template <class Layout>
constexpr int WidthSum() {
  int sum = 0;
  for (int n = 1; n <= Layout::kFieldCount; ++n) sum += Layout::kFields[static_cast<size_t>(n)].width;
  return sum;
}

template <class Layout>
constexpr bool At(int number, int first, int width) {
  const FieldPlace& f = Layout::kFields[static_cast<size_t>(number)];
  return f.first == first && f.width == width;
}

// The 28 groups of fields 60 to 143 of the race record: 1, 2 and 7 bytes, 10 bytes a group.
constexpr bool Den1GroupsHold() {
  for (int k = 1; k <= 28; ++k) {
    if (!At<Den1Record>(57 + 3 * k, 498 + 10 * (k - 1), 1) ||
        !At<Den1Record>(58 + 3 * k, 499 + 10 * (k - 1), 2) ||
        !At<Den1Record>(59 + 3 * k, 501 + 10 * (k - 1), 7))
      return false;
  }
  return true;
}

// Count c of group g sits at byte 647 + 8g + 2c; group g starts at byte 649 + 8g.
constexpr bool UmaCountsHold() {
  for (int g = 1; g <= UmaRecord::kCountGroups; ++g) {
    if (UmaRecord::kFields[static_cast<size_t>(UmaRecord::CountField(g, 1))].first != 649 + 8 * g)
      return false;
    for (int c = 1; c <= 4; ++c) {
      if (!At<UmaRecord>(UmaRecord::CountField(g, c), 647 + 8 * g + 2 * c, 2)) return false;
    }
  }
  return true;
}

// Every block repeats block 1 field for field, 590 bytes further on.
constexpr bool UmaBlocksRepeat() {
  for (int b = 1; b <= model::kPastRuns; ++b) {
    const int shift = UmaRecord::kRunBlockLength * (b - 1);
    for (int f = UmaRecord::kRunCourseCode; f <= UmaRecord::kRunLastField; ++f) {
      const FieldPlace& one = UmaRecord::kFields[static_cast<size_t>(f)];
      if (!At<UmaRecord>(UmaRecord::RunField(b, f), one.first + shift, one.width)) return false;
    }
    const FieldPlace& last =
        UmaRecord::kFields[static_cast<size_t>(UmaRecord::RunField(b, UmaRecord::kRunLastField))];
    if (last.first + last.width - 1 != 1654 + shift) return false;
  }
  return true;
}

// The tail's 50 sub-records of 23 bytes with widths 4, 2, 2, 2, 8, 1, 2, 2.
constexpr bool UmaTailHolds() {
  constexpr std::array<int, 8> kWidths = {4, 2, 2, 2, 8, 1, 2, 2};
  if (!At<UmaRecord>(726, 4015, 2)) return false;
  for (int s = 1; s <= 50; ++s) {
    int byte = 4017 + 23 * (s - 1);
    for (int i = 0; i < 8; ++i) {
      if (!At<UmaRecord>(727 + 8 * (s - 1) + i, byte, kWidths[static_cast<size_t>(i)])) return false;
      byte += kWidths[static_cast<size_t>(i)];
    }
  }
  return true;
}

static_assert(Contiguous<Den1Record>() && WidthSum<Den1Record>() == 779);
static_assert(Contiguous<Den2Record>() && WidthSum<Den2Record>() == 743);
static_assert(Contiguous<UmaRecord>() && WidthSum<UmaRecord>() == 5166);

// Race record: the fields the race-card read takes.
static_assert(
    At<Den1Record>(Den1Record::kCourseCode, 1, 2) && At<Den1Record>(Den1Record::kMeetingNo, 7, 2) &&
    At<Den1Record>(Den1Record::kMeetingDay, 9, 2) && At<Den1Record>(Den1Record::kRaceNo, 11, 2) &&
    At<Den1Record>(Den1Record::kRaceDate, 13, 8) && At<Den1Record>(Den1Record::kRaceFlag, 25, 1) &&
    At<Den1Record>(Den1Record::kRaceName, 59, 14) && At<Den1Record>(Den1Record::kClassCode, 100, 5) &&
    At<Den1Record>(Den1Record::kSurfaceCode, 105, 1) && At<Den1Record>(Den1Record::kDirectionCode, 106, 1) &&
    At<Den1Record>(Den1Record::kDistance, 109, 4) && At<Den1Record>(Den1Record::kRunnerCount, 337, 2) &&
    At<Den1Record>(Den1Record::kEstimatedTime, 341, 4) && At<Den1Record>(Den1Record::kPaceCode, 349, 1) &&
    At<Den1Record>(59, 358, 140) && At<Den1Record>(144, 778, 2));
static_assert(Den1GroupsHold());

// Runner record: fields 1 to 7 as in the race record, and the fields the race-card read takes.
constexpr bool Den2StartsLikeDen1() {
  for (int n = 1; n <= 7; ++n) {
    if (!At<Den2Record>(n, Den1Record::kFields[static_cast<size_t>(n)].first,
                        Den1Record::kFields[static_cast<size_t>(n)].width))
      return false;
  }
  return true;
}
static_assert(Den2StartsLikeDen1());
static_assert(
    At<Den2Record>(Den2Record::kFrame, 23, 1) && At<Den2Record>(Den2Record::kHorseNo, 24, 2) &&
    At<Den2Record>(Den2Record::kHorseCode, 26, 7) && At<Den2Record>(Den2Record::kHorseName, 33, 30) &&
    At<Den2Record>(Den2Record::kSexCode, 65, 1) && At<Den2Record>(Den2Record::kAge, 66, 2) &&
    At<Den2Record>(Den2Record::kWeight, 149, 3) && At<Den2Record>(Den2Record::kJockey, 189, 8) &&
    At<Den2Record>(Den2Record::kTrainLeadChar1, 256, 1) &&
    At<Den2Record>(Den2Record::kTrainLeadNumber1, 257, 8) &&
    At<Den2Record>(Den2Record::kTrainDate1, 265, 8) && At<Den2Record>(Den2Record::kTrainCentre1, 273, 6) &&
    At<Den2Record>(Den2Record::kTrainCourse1, 279, 2) && At<Den2Record>(Den2Record::kTrainGoing1, 281, 2) &&
    At<Den2Record>(Den2Record::kTrainTimeA1, 283, 6) && At<Den2Record>(Den2Record::kTrainTimeG1, 319, 6) &&
    At<Den2Record>(Den2Record::kTrainLaneChar1, 325, 1) &&
    At<Den2Record>(Den2Record::kTrainAction1, 326, 6) &&
    At<Den2Record>(Den2Record::kTrainTrendCode1, 332, 1) &&
    At<Den2Record>(Den2Record::kTrainRemark1, 333, 40) && At<Den2Record>(Den2Record::kTrainText2, 373, 117) &&
    At<Den2Record>(Den2Record::kTrainText3, 490, 117) && At<Den2Record>(57, 742, 2));

// Horse record: header, counts, blocks and tail.
static_assert(At<UmaRecord>(UmaRecord::kHorseName, 8, 30) && At<UmaRecord>(UmaRecord::kSireName, 105, 34) &&
              At<UmaRecord>(UmaRecord::kDamName, 146, 34) && At<UmaRecord>(200, 945, 120));
static_assert(UmaCountsHold());
static_assert(UmaRecord::CountField(1, 1) == 56 && UmaRecord::CountField(36, 4) == 199);
static_assert(UmaBlocksRepeat());
static_assert(UmaRecord::RunField(5, UmaRecord::kRunLastField) == 725 && UmaRecord::kTailFirstField == 726);
static_assert(At<UmaRecord>(UmaRecord::RunField(1, UmaRecord::kRunCourseCode), 1065, 2) &&
              At<UmaRecord>(UmaRecord::RunField(2, UmaRecord::kRunCourseCode), 1655, 2) &&
              At<UmaRecord>(UmaRecord::RunField(5, UmaRecord::kRunCourseCode), 3425, 2));
// Block 1 offsets (record byte = byte in block + 1064) of the fields the past-run decoding reads.
static_assert(At<UmaRecord>(UmaRecord::kRunDateCode, 1064 + 13, 8) &&
              At<UmaRecord>(UmaRecord::kRunClassCode, 1064 + 101, 5) &&
              At<UmaRecord>(UmaRecord::kRunSurfaceCode, 1064 + 116, 1) &&
              At<UmaRecord>(UmaRecord::kRunDistance, 1064 + 120, 4) &&
              At<UmaRecord>(UmaRecord::kRunFieldSize, 1064 + 124, 2) &&
              At<UmaRecord>(UmaRecord::kRunPaceCode, 1064 + 128, 1) &&
              At<UmaRecord>(UmaRecord::kRunGoingCode, 1064 + 130, 1) &&
              At<UmaRecord>(UmaRecord::kRunGate, 1064 + 155, 2) &&
              At<UmaRecord>(UmaRecord::kRunWeight, 1064 + 243, 3) &&
              At<UmaRecord>(UmaRecord::kRunBodyWeight, 1064 + 246, 3) &&
              At<UmaRecord>(UmaRecord::kRunPosition, 1064 + 367, 2) &&
              At<UmaRecord>(UmaRecord::kRunTime, 1064 + 375, 4) &&
              At<UmaRecord>(UmaRecord::kRunMargin, 1064 + 382, 3) &&
              At<UmaRecord>(UmaRecord::kRunFirst3F, 1064 + 385, 3) &&
              At<UmaRecord>(UmaRecord::kRunLast3F, 1064 + 388, 3) &&
              At<UmaRecord>(UmaRecord::RunCornerField(1, 1), 1064 + 391, 2) &&
              At<UmaRecord>(UmaRecord::RunCornerField(1, 4), 1064 + 397, 2) &&
              At<UmaRecord>(UmaRecord::kRunLastField, 1064 + 551, 40));
static_assert(UmaTailHolds());
static_assert(UmaRecord::kFields[1126].first + UmaRecord::kFields[1126].width - 1 == 5166);

}  // namespace layout_check

}  // namespace intake
