#include "intake/past_performance_read.h"

#include <algorithm>
#include <cmath>

#include "intake/race_card_reader.h"
#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/numbers.h"

namespace intake {
namespace {

constexpr int kRaces = 12;
constexpr int kPastRuns = UmaRecord::kPastRuns;

// No runner count of a two-character field comes near this; it keeps record numbers in range.
constexpr double kLargestCount = 1e9;

// Records a race takes in the walk: its runners' records, where the repeat over runners
// stops at the one whose number equals the count; a count of 0 or less (or below 1)
// still passes over one record, and a fractional count one more than its whole runners.
long RecordsTaken(double count) {
  if (!(count >= 1)) return 1;
  const double whole = model::FloorNumber(count);
  return static_cast<long>(whole) + (whole == count ? 0 : 1);
}

int RunnersWithCells(double count) {
  if (!(count >= 1)) return 0;
  return static_cast<int>(std::min(model::FloorNumber(count), static_cast<double>(kMaxRunnersPerRace)));
}

void CopyHeader(const HorseFieldText& field, model::PastRunTables& t, int r, int j) {
  using U = UmaRecord;
  t.UmaHorseName(r, j) = field(U::kHorseName);
  t.SireName(r, j) = field(U::kSireName);
  t.DamName(r, j) = field(U::kDamName);
  for (int k = 1; k <= model::PastRunTables::kRecordCountsTables; ++k) {
    const int g = U::kRecordCountsGroup[static_cast<size_t>(k)];
    t.RecordCounts(k)(r, j) = model::RecordCountsText(field(U::CountField(g, 1)), field(U::CountField(g, 2)),
                                                      field(U::CountField(g, 3)), field(U::CountField(g, 4)));
  }
}

}  // namespace

void WalkHorseRecords(model::Meeting& meeting, const HorseRecords& records) {
  long n = 1;
  for (int r = 1; r <= kRaces; ++r) {
    const double count = std::min(model::TextToNumber(meeting.card.RunnerCount(r)), kLargestCount);
    const int runners = RunnersWithCells(count);
    for (int j = 1; j <= runners; ++j) {
      records.read(n + j - 1);
      CopyHeader(records.field, meeting.pastRuns, r, j);
      for (int b = 1; b <= kPastRuns; ++b) DecodePastRun(records.field, meeting.pastRuns, r, j, b);
    }
    n += RecordsTaken(count);
  }
}

void ReadPastPerformances(model::Meeting& meeting, const std::string& folder) {
  RecordReader<UmaRecord> file(HorseFilePath(folder));
  WalkHorseRecords(meeting,
                   {[&file](long n) { file.Read(n); }, [&file](int field) { return file.Field(field); }});
}

std::string HorseFilePath(const std::string& folder) {
  return JoinFolder(folder, kHorseFileName);
}

std::array<model::Text, 7> RaceGridTexts(const model::Meeting& meeting, int race) {
  const model::RaceCardTables& c = meeting.card;
  return {c.RaceName(race),    c.RaceClassLabel(race),   c.RaceSurfaceLabel(race), c.RaceDistanceLabel(race),
          c.RunnerCount(race), c.RaceEstTimeLabel(race), c.RacePaceLabel(race)};
}

}  // namespace intake
