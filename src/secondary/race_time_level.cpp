#include "secondary/race_time_level.h"

#include <cmath>

#include "basic/basic_analysis_tables.h"
#include "intake/race_card_tables.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "model/time_text.h"
#include "secondary/secondary_analysis_tables.h"

namespace secondary {

using model::Text;

namespace {

constexpr int kRaces = 12;

const Text kNoLevel = u"---";

// Today's standard time on the race's surface; empty for a surface code that is neither.
Text BaseText(const model::Meeting& meeting, int race) {
  const Text& surface = meeting.Group<intake::RaceCardTables>().RaceSurfaceCode(race);
  const basic::BasicAnalysisTables& basic = meeting.Group<basic::BasicAnalysisTables>();
  if (surface == u"1") return basic.TodayTurfStdTime();
  if (surface == u"0") return basic.TodayDirtStdTime();
  return u"";
}

// Seconds of an expected time shown as minutes digit, point, two seconds digits, point, tenths digit
// ("1.35.5"); a missing place reads 0.
double ExpectedSeconds(const Text& caption) {
  const double minutes = model::TextToNumber(model::Mid(caption, 1, 1));
  const double seconds = model::TextToNumber(model::Mid(caption, 3, 2));
  const double tenths = model::TextToNumber(model::Mid(caption, 6, 1));
  return minutes * 60 + seconds + tenths / 10;
}

// Tenths from the base time to the expected time, plus 1 even when the difference is whole.
Text LevelText(double expected, double base) {
  return model::NumberToText(model::FloorNumber((expected - base) * 10) + 1);
}

}  // namespace

Text RaceTimeLevelDisplay(const Text& level) {
  const double v = model::TextToNumber(level);
  if (v >= 100) return u"+99";
  if (v >= 10) return u"+" + level;
  if (v >= 0) return u"+ " + level;
  if (v > -10) return u"- " + model::NumberToText(std::fabs(v));
  if (v > -100) return u"-" + model::NumberToText(std::fabs(v));
  return u"-99";
}

void ComputeRaceTimeLevel(const RaceTimeLevelLabels& labels, model::Meeting& meeting, int race) {
  if (race < 1 || race > kRaces) return;
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const Text base_text = BaseText(meeting, race);
  const Text time_arg = model::Trim(base_text);
  labels.base_time.SetCaption(u"  " + model::SecondsToTimeText(time_arg));

  const double base = model::TextToNumber(base_text);
  // A level against no standard time would only measure the expected time itself.
  if (base == 0) {
    t.RaceTimeLevel(race) = kNoLevel;
    t.RaceTimeLevelText(race) = kNoLevel;
  } else {
    t.RaceTimeLevel(race) = LevelText(ExpectedSeconds(labels.expected_time.Caption()), base);
    t.RaceTimeLevelText(race) = RaceTimeLevelDisplay(t.RaceTimeLevel(race));
  }
  labels.level.SetCaption(t.RaceTimeLevelText(race));
}

}  // namespace secondary
