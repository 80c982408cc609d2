// Decodes arbitrary bytes as one record of each of the three layouts: every field into text, and
// the horse record's header, record counts and five past runs into the tables, as the
// past-performance read stores them. Input shorter than a record reads as blanks after its end,
// as a short file does.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "intake/past_performance_read.h"
#include "intake/race_card_tables.h"
#include "intake/record_file.h"
#include "intake/record_layouts.h"
#include "model/meeting.h"

namespace {

template <class Layout>
std::vector<unsigned char> RecordOf(const uint8_t* data, size_t size) {
  // Exactly one record on the heap, so that a read past its end is caught.
  std::vector<unsigned char> record(Layout::kLength, ' ');
  std::memcpy(record.data(), data, size < record.size() ? size : record.size());
  return record;
}

// A field's text has one character per byte of the field, whatever the bytes are.
template <class Layout>
void DecodeEveryField(const std::vector<unsigned char>& record) {
  for (int n = 1; n <= Layout::kFieldCount; ++n) {
    const intake::FieldPlace& f = Layout::kFields[static_cast<size_t>(n)];
    const model::Text text = intake::DecodeField(record.data() + f.first - 1, f.width);
    if (text.size() != static_cast<size_t>(f.width)) {
      std::fprintf(stderr, "field %d of a %d-byte record: %zu characters for %d bytes\n", n, Layout::kLength,
                   text.size(), f.width);
      std::abort();
    }
  }
}

// Race 1 has the one runner whose record this is; the other races pass over one record each.
void DecodeHorseRecord(const std::vector<unsigned char>& record) {
  static model::Meeting meeting;
  meeting.Group<intake::RaceCardTables>().RunnerCount(1) = u"01";
  intake::WalkHorseRecords(meeting, {[](long) {},
                                     [&record](int field) {
                                       const intake::FieldPlace& f =
                                           intake::UmaRecord::kFields.at(static_cast<size_t>(field));
                                       return intake::DecodeField(record.data() + f.first - 1, f.width);
                                     }});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DecodeEveryField<intake::Den1Record>(RecordOf<intake::Den1Record>(data, size));
  DecodeEveryField<intake::Den2Record>(RecordOf<intake::Den2Record>(data, size));
  const std::vector<unsigned char> horse = RecordOf<intake::UmaRecord>(data, size);
  DecodeEveryField<intake::UmaRecord>(horse);
  DecodeHorseRecord(horse);
  return 0;
}
