#include "recommend/sheet_predicted_time.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "model/time_text.h"
#include "secondary/secondary_analysis_tables.h"

namespace recommend {

using model::Text;

namespace {

constexpr double kTenthsPerMinute = 600;
constexpr double kTenthsPerSecond = 10;

// Whole tenths of a second as minutes, two-digit seconds and tenths ("2.00.3").
Text TenthsToTimeText(double tenths) {
  const double minutes = model::FloorNumber(tenths / kTenthsPerMinute);
  const double within_minute = tenths - minutes * kTenthsPerMinute;
  const double seconds = model::FloorNumber(within_minute / kTenthsPerSecond);
  const double tenth = within_minute - seconds * kTenthsPerSecond;
  return model::NumberToText(minutes) + u"." + model::NumberToPatternText(seconds, u"00") + u"." +
         model::NumberToText(tenth);
}

}  // namespace

namespace {

// The predicted time from the trimmed base time, once its form is known good.
Text PredictedTimeFrom(std::u16string_view base, const Text& current_ability) {
  if (current_ability == secondary::kNoValue) return secondary::kNoPredictedTime;
  const double seconds = model::TextToNumber(base.substr(2, 4)) + model::TextToNumber(current_ability) / 10;
  if (!std::isfinite(seconds)) return secondary::kNoPredictedTime;
  // The seconds are rounded as the pattern "0.0" shows them, then counted in whole tenths.
  const double rounded = model::TextToNumber(model::NumberToPatternText(seconds, u"0.0"));
  const double tenths =
      std::round(model::TextToNumber(base.substr(0, 1)) * kTenthsPerMinute + rounded * kTenthsPerSecond);
  if (!std::isfinite(tenths) || tenths <= 0) return secondary::kNoPredictedTime;
  return TenthsToTimeText(tenths);
}

}  // namespace

Text SheetPredictedTime(const Text& base_time_caption, const Text& current_ability) {
  const Text base = model::Trim(base_time_caption);
  if (!model::IsTimeText(base)) return secondary::kNoPredictedTime;
  return PredictedTimeFrom(base, current_ability);
}

// The base time is the same for every runner: it is trimmed and checked once.
void RecomputePredictedTimes(model::Meeting& meeting, const Text& base_time_caption, int runners) {
  auto& t = meeting.Group<secondary::SecondaryAnalysisTables>();
  const Text base = model::Trim(base_time_caption);
  const bool base_is_time = model::IsTimeText(base);
  for (int runner = 1; runner <= model::AnalysedRunners(runners); ++runner) {
    t.PredictedTime(runner) =
        base_is_time ? PredictedTimeFrom(base, t.CurrentAbility(runner)) : secondary::kNoPredictedTime;
  }
}

}  // namespace recommend
