#include "intake/past_performance_read.h"

#include <array>

#include "intake/meeting_files.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"

namespace intake {
namespace {

// Source: a record source as RecordReader<UmaRecord> (Read, FieldInto, JoinedFieldsInto).
template <class Source>
void CopyHeader(const Source& record, PastRunTables& t, int r, int j) {
  using U = UmaRecord;
  record.FieldInto(U::kHorseName, t.UmaHorseName(r, j));
  record.FieldInto(U::kSireName, t.SireName(r, j));
  record.FieldInto(U::kDamName, t.DamName(r, j));
  for (int k = 1; k <= t.RecordCounts.Count(); ++k) {
    const int g = U::kRecordCountsGroup[static_cast<size_t>(k)];
    // RecordCountsText, built in the cell itself.
    const std::array<int, 4> counts{U::CountField(g, 1), U::CountField(g, 2), U::CountField(g, 3),
                                    U::CountField(g, 4)};
    record.JoinedFieldsInto(counts, u'-', t.RecordCounts[k](r, j));
  }
}

template <class Source>
void WalkRecords(model::Meeting& meeting, Source& records) {
  const RaceCardTables& card = meeting.Group<RaceCardTables>();
  PastRunTables& past_runs = meeting.Group<PastRunTables>();
  long n = 1;
  for (int r = 1; r <= model::kRaces; ++r) {
    const double count = model::TextToNumber(card.RunnerCount(r));
    const int runners = RunnersWithCells(count);
    for (int j = 1; j <= runners; ++j) {
      records.Read(n + j - 1);
      CopyHeader(records, past_runs, r, j);
      for (int b = 1; b <= model::kPastRuns; ++b) {
        CopyRawPastRun(records, past_runs, r, j, b);
        ShowPastRun(past_runs, r, j, b);
      }
    }
    n += RecordsOfRace(count);
  }
}

// HorseRecords as a record source.
struct FunctionRecords : FieldTextSource {
  const std::function<void(long n)>& read;
  void Read(long n) const { read(n); }
};

}  // namespace

void WalkHorseRecords(model::Meeting& meeting, const HorseRecords& records) {
  FunctionRecords source{{records.field}, records.read};
  WalkRecords(meeting, source);
}

void ReadPastPerformances(model::Meeting& meeting, const std::filesystem::path& folder,
                          std::vector<RecordFileUse>* uses) {
  RecordReader<UmaRecord> file(JoinFolder(folder, kHorseFileName));
  WalkRecords(meeting, file);
  if (uses != nullptr) uses->push_back(file.Use());
}

}  // namespace intake
