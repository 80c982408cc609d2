// Run summaries of past runs that went through the horse-record decoding, so that the texts the
// summaries read are the ones the past-performance read really writes.
#include <gtest/gtest.h>

#include "basetime/base_time_tables.h"
#include "basetime/run_summary.h"
#include "intake/past_run_decoder.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "intake/record_file.h"
#include "model/meeting.h"
#include "tools/writer/record_writer.h"

namespace basetime {
namespace {

using model::Text;
namespace field = intake::past_run_field;

struct RawRun {
  Text course, class_code, surface, distance, going, position, time, margin;
};

void SetBlock(writer::UmaBuilder& record, int b, const RawRun& run) {
  const int step = field::kBlockStep * (b - 1);
  record.Set(field::kCourseCode + step, run.course)
      .Set(field::kClassCode + step, run.class_code)
      .Set(field::kSurfaceCode + step, run.surface)
      .Set(field::kDistance + step, run.distance)
      .Set(field::kGoingCode + step, run.going)
      .Set(field::kPosition + step, run.position)
      .Set(field::kTime + step, run.time)
      .Set(field::kMargin + step, run.margin);
}

TEST(DecodedRunSummary, RecordsOfDecodedRuns) {
  struct Case {
    RawRun run;
    Text expected;
  };
  const Case cases[] = {
      {{u"04", u"05000", u"1", u"1600", u"0", u"01", u"1353", u"000"}, u"東五16芝良 095.3 0.0  0.0 095.3"},
      {{u"05", u"00003", u"0", u"1200", u"1", u"03", u"1131", u"004"}, u"中未12ダや 073.1 0.4 +0.4 073.1"},
      {{u"02", u"16000", u"1", u"2000", u"3", u"02", u"2015", u"002"}, u"名ジ20芝不 121.5 0.2 -1.0 120.3"},
      {{u"65", u"00004", u"1", u"2400", u"2", u"01", u"2294", u"000"}, u"外オ24芝重 149.4 0.0 -1.3 148.1"},
      {{u"30", u"05000", u"1", u"1600", u"0", u"01", u"1353", u"000"}, kUnusableRunMark},
      {{u"  ", u"     ", u" ", u"    ", u" ", u"  ", u"    ", u"   "}, kUnusableRunMark},
  };
  writer::UmaBuilder record;
  for (int b = 1; b <= 5; ++b) SetBlock(record, b, cases[b - 1].run);
  writer::UmaBuilder second;
  SetBlock(second, 1, cases[5].run);

  model::Meeting m;
  // Assigned as a Text: GCC 12 wrongly reports a literal assigned here as an overlapping copy
  // (-Wrestrict).
  m.Group<intake::RaceCardTables>().RunnerCount(1) = Text(u"2");
  intake::PastRunTables& past_runs = m.Group<intake::PastRunTables>();
  for (auto [j, builder] : {std::pair{1, &record}, {2, &second}}) {
    const auto field_text = [builder = builder](int number) {
      const intake::FieldPlace& f = intake::UmaRecord::kFields.at(static_cast<size_t>(number));
      return intake::DecodeField(builder->Bytes().data() + f.first - 1, f.width);
    };
    for (int b = 1; b <= 5; ++b) intake::DecodePastRun(field_text, past_runs, 1, j, b);
  }
  BuildRunSummaries(m);
  const BaseTimeTables& base_times = m.Group<BaseTimeTables>();
  for (int b = 1; b <= 5; ++b) {
    EXPECT_EQ(model::ToUtf8(base_times.RunSummary[b](1, 1)), model::ToUtf8(cases[b - 1].expected)) << b;
  }
  EXPECT_EQ(base_times.RunSummary[1](1, 2), kUnusableRunMark);
}

}  // namespace
}  // namespace basetime
