#include "intake/past_performance_read.h"

#include "intake/meeting_files.h"
#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/numbers.h"

namespace intake {
namespace {

constexpr int kRaces = 12;
constexpr int kPastRuns = UmaRecord::kPastRuns;

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
    const double count = model::TextToNumber(meeting.card.RunnerCount(r));
    const int runners = RunnersWithCells(count);
    for (int j = 1; j <= runners; ++j) {
      records.read(n + j - 1);
      CopyHeader(records.field, meeting.pastRuns, r, j);
      for (int b = 1; b <= kPastRuns; ++b) DecodePastRun(records.field, meeting.pastRuns, r, j, b);
    }
    n += RecordsOfRace(count);
  }
}

void ReadPastPerformances(model::Meeting& meeting, const std::filesystem::path& folder,
                          std::vector<RecordFileUse>* uses) {
  RecordReader<UmaRecord> file(JoinFolder(folder, kHorseFileName));
  WalkHorseRecords(meeting,
                   {[&file](long n) { file.Read(n); }, [&file](int field) { return file.Field(field); }});
  if (uses != nullptr) uses->push_back(file.Use());
}

}  // namespace intake
