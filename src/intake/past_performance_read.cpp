#include "intake/past_performance_read.h"

#include "intake/past_run_tables.h"
#include "intake/race_card_reader.h"
#include "intake/race_card_tables.h"
#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/numbers.h"

namespace intake {
namespace {

constexpr int kRaces = 12;
constexpr int kPastRuns = UmaRecord::kPastRuns;

void CopyHeader(const HorseFieldText& field, PastRunTables& t, int r, int j) {
  using U = UmaRecord;
  t.UmaHorseName(r, j) = field(U::kHorseName);
  t.SireName(r, j) = field(U::kSireName);
  t.DamName(r, j) = field(U::kDamName);
  for (int k = 1; k <= t.RecordCounts.Count(); ++k) {
    const int g = U::kRecordCountsGroup[static_cast<size_t>(k)];
    t.RecordCounts[k](r, j) = RecordCountsText(field(U::CountField(g, 1)), field(U::CountField(g, 2)),
                                               field(U::CountField(g, 3)), field(U::CountField(g, 4)));
  }
}

}  // namespace

void WalkHorseRecords(model::Meeting& meeting, const HorseRecords& records) {
  const RaceCardTables& card = meeting.Group<RaceCardTables>();
  PastRunTables& past_runs = meeting.Group<PastRunTables>();
  long n = 1;
  for (int r = 1; r <= kRaces; ++r) {
    const double count = model::TextToNumber(card.RunnerCount(r));
    const int runners = RunnersWithCells(count);
    for (int j = 1; j <= runners; ++j) {
      records.read(n + j - 1);
      CopyHeader(records.field, past_runs, r, j);
      for (int b = 1; b <= kPastRuns; ++b) DecodePastRun(records.field, past_runs, r, j, b);
    }
    n += RecordsOfRace(count);
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
  const RaceCardTables& c = meeting.Group<RaceCardTables>();
  return {c.RaceName(race),    c.RaceClassLabel(race),   c.RaceSurfaceLabel(race), c.RaceDistanceLabel(race),
          c.RunnerCount(race), c.RaceEstTimeLabel(race), c.RacePaceLabel(race)};
}

}  // namespace intake
