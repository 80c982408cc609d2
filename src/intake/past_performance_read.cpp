#include "intake/past_performance_read.h"

#include <algorithm>
#include <cmath>

#include "model/numbers.h"

namespace intake {
namespace {

constexpr int kRaces = 12;
constexpr int kRunnerCells = 28;
constexpr int kPastRuns = 5;

// Header fields of a horse record.
constexpr int kHorseNameField = 2;
constexpr int kSireNameField = 13;
constexpr int kDamNameField = 15;
// Count group g's count c (1..4) is field 51 + 4g + c; RecordCounts01..29 take these groups.
constexpr std::array<int, 29> kRecordCountsGroups = {2,  3,  4,  5,  6,  9,  10, 11, 12, 13,
                                                     14, 15, 16, 21, 22, 23, 24, 25, 26, 27,
                                                     28, 29, 30, 31, 32, 33, 34, 35, 36};
constexpr int CountField(int group, int count) {
  return 51 + 4 * group + count;
}

// No runner count of a two-character field comes near this; it keeps record numbers in range.
constexpr double kLargestCount = 1e9;

// Records a race takes in the walk: its runners' records, where the repeat over runners
// stops at the one whose number equals the count; a count of 0 or less (or below 1)
// still passes over one record, and a fractional count one more than its whole runners.
long RecordsTaken(double count) {
  if (!(count >= 1)) return 1;
  const double whole = model::FloorNumber(std::min(count, kLargestCount));
  return static_cast<long>(whole) + (whole == count ? 0 : 1);
}

int RunnersWithCells(double count) {
  if (!(count >= 1)) return 0;
  return static_cast<int>(std::min(model::FloorNumber(count), static_cast<double>(kRunnerCells)));
}

void CopyHeader(const HorseFieldText& field, model::PastRunTables& t, int r, int j) {
  t.UmaHorseName(r, j) = field(kHorseNameField);
  t.SireName(r, j) = field(kSireNameField);
  t.DamName(r, j) = field(kDamNameField);
  for (int k = 1; k <= model::PastRunTables::kRecordCountsTables; ++k) {
    const int g = kRecordCountsGroups[static_cast<size_t>(k - 1)];
    t.RecordCounts(k)(r, j) = model::RecordCountsText(field(CountField(g, 1)), field(CountField(g, 2)),
                                                      field(CountField(g, 3)), field(CountField(g, 4)));
  }
}

}  // namespace

void WalkHorseRecords(model::Meeting& meeting, const HorseRecords& records) {
  long n = 1;
  for (int r = 1; r <= kRaces; ++r) {
    const double count = model::TextToNumber(meeting.card.RunnerCount(r));
    const int runners = RunnersWithCells(count);
    for (int j = 1; j <= runners; ++j) {
      records.read(n + j - 1);
      CopyHeader(records.field, meeting.pastRuns, r, j);
      for (int b = 1; b <= kPastRuns; ++b) DecodePastRun(records.field, meeting.pastRuns, r, j, b);
    }
    n += RecordsTaken(count);
  }
}

std::string HorseFilePath(const std::string& folder) {
  std::string path = folder;
  if (path.empty() || (path.back() != '/' && path.back() != '\\')) path += '/';
  return path + "kol_uma.kd2";
}

std::array<model::Text, 7> RaceGridTexts(const model::Meeting& meeting, int race) {
  const model::RaceCardTables& c = meeting.card;
  return {c.RaceName(race),    c.RaceClassLabel(race),   c.RaceSurfaceLabel(race), c.RaceDistanceLabel(race),
          c.RunnerCount(race), c.RaceEstTimeLabel(race), c.RacePaceLabel(race)};
}

}  // namespace intake
