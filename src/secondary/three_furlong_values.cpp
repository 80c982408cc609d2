#include "secondary/three_furlong_values.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/runner_grid.h"
#include "basic/basic_analysis_tables.h"
#include "intake/past_run_tables.h"
#include "intake/race_card_tables.h"
#include "model/meeting_shape.h"
#include "model/numbers.h"
#include "model/text_ops.h"
#include "secondary/secondary_analysis_tables.h"

namespace secondary {

using model::Text;

namespace {

const Text kValid = u"5";
const Text kNoStyle = u"－";
const Text kTimePattern = u"00.0";

// Whether the text reads as a number rather than as 0 for want of one ("なし", "", "**.*"): blanks
// skipped, an optional sign, then a digit or a point and a digit.
bool HoldsNumber(const Text& text) {
  // Only the first three characters other than blanks decide.
  std::array<char16_t, 3> lead{};
  size_t count = 0;
  for (const char16_t c : text) {
    if (c == u' ') continue;
    lead[count++] = c;
    if (count == lead.size()) break;
  }
  size_t pos = 0;
  if (pos < count && (lead[pos] == u'+' || lead[pos] == u'-')) ++pos;
  auto digit_at = [&](size_t at) { return at < count && lead[at] >= u'0' && lead[at] <= u'9'; };
  if (digit_at(pos)) return true;
  return pos < count && lead[pos] == u'.' && digit_at(pos + 1);
}

// How far a run's 3-furlong times move toward today's pace, in units of the run's distance / 2000:
// the front time moves by the shift and the back time against it. The rows are the run's pace, the
// columns today's: high "0", middle "1", slow "2". A slow run on a middle-pace day moves like a high
// one.
constexpr double kPaceShift[3][3] = {
    {0, 1, 1.5},
    {-1, 0, 1},
    {-1.5, 1, 0},
};

// 0 to 2 for a pace code, -1 for any other text.
int PaceIndex(const Text& code) {
  if (code == u"0") return 0;
  if (code == u"1") return 1;
  if (code == u"2") return 2;
  return -1;
}

struct RunTimes {
  double front;
  double back;
};

// The run's times at today's pace (F + 1.5x, L - 1.5x and so on). Agreeing paces, or a pace that is
// not known on either side, leave the times as they were read.
RunTimes AtTodaysPace(RunTimes read, const Text& run_pace, const Text& todays_pace, double x) {
  const int run = PaceIndex(run_pace);
  const int today = PaceIndex(todays_pace);
  if (run < 0 || today < 0) return read;
  const double shift = kPaceShift[run][today];
  if (shift == 0) return read;
  // 1 × x and -1 × x are x and -x exactly: the sums are the table's F + x, L - x and so on.
  return {read.front + shift * x, read.back - shift * x};
}

// A time scaled to today's distance, cut to tenths and read back from its "00.0" text; the time enters
// as the number its own text reads.
double ScaledTime(double time, double factor) {
  const double as_text = model::NumberThroughText(time);
  const double tenths = model::FloorNumber(as_text * factor * 10) / 10;
  return model::PatternNumberThroughText(tenths, kTimePattern);
}

// " 35.6", or " 36.0" for the whole value whose text is "36".
Text ShownValue(const Text& mean) {
  const double value = model::TextToNumber(mean);
  if (value == model::FloorNumber(value)) return u" " + mean + u".0";
  return u" " + mean;
}

// The first runner with the smallest value keeps the place; a runner without a value is skipped.
Text RaceBest(const model::AnalysedRunnerTable& texts, int runners) {
  Text best = kNoRaceBest3F;
  double best_value = model::TextToNumber(best);
  for (int runner = 1; runner <= runners; ++runner) {
    const Text& text = texts(runner);
    if (model::Trim(text) == kNoFurlongTime) continue;
    const double value = model::TextToNumber(text);
    if (value < best_value) {
      best = text;
      best_value = value;
    }
  }
  return best;
}

// Whole tenths from the value's text to the best's text; both carry one decimal, so a difference of
// exactly 0.6 counts as 6 tenths and not as a hair more.
double TenthsAboveBest(const Text& text, const Text& best) {
  return std::nearbyint(model::TextToNumber(text) * 10) - std::nearbyint(model::TextToNumber(best) * 10);
}

Text EarlyPosition(const Text& front_text, const Text& best) {
  if (front_text == kNoFurlongTimeText) return kNoStyle;
  const double above = TenthsAboveBest(front_text, best);
  if (above <= 6) return u"逃";
  if (above <= 16) return u"先";
  if (above <= 26) return u"中";
  return u"後";
}

Text Finish(const Text& back_text, const Text& best) {
  if (back_text == kNoFurlongTimeText) return kNoStyle;
  const double above = TenthsAboveBest(back_text, best);
  if (above <= 6) return u"差";
  if (above <= 16) return u"追";
  return u"中";
}

}  // namespace

void ComputeThreeFurlongValues(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race,
                               int runner) {
  if (!model::IsRace(race) || !model::IsAnalysedRunner(runner)) return;
  const intake::RaceCardTables& card = meeting.Group<intake::RaceCardTables>();
  const intake::PastRunTables& runs = meeting.Group<intake::PastRunTables>();
  const basic::BasicAnalysisTables& basic = meeting.Group<basic::BasicAnalysisTables>();
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();

  const double todays_distance = model::TextToNumber(card.RaceDistance(race));
  double front_sum = 0;
  double back_sum = 0;
  int count = 0;
  for (int run = model::kPastRuns; run >= 1; --run) {
    if (basic.RunValid[run](runner) != kValid) continue;
    const Text& front_text = runs.RunFirst3FText[run](race, runner);
    const Text& back_text = runs.RunLast3FText[run](race, runner);
    const double distance = model::TextToNumber(runs.RunDistance[run](race, runner));
    const double x = distance / 2000;
    // A missing time would read 0 and make the runner the race's best.
    if (!HoldsNumber(front_text) || !HoldsNumber(back_text)) continue;
    const RunTimes paced = AtTodaysPace({model::TextToNumber(front_text), model::TextToNumber(back_text)},
                                        runs.RunPaceCode[run](race, runner), card.RacePaceCode(race), x);
    ++count;
    const double factor = (todays_distance - distance) * 0.00005 + 1;
    front_sum += ScaledTime(paced.front, factor);
    back_sum += ScaledTime(paced.back, factor);
  }

  if (count > 0) {
    // Later runners' fronts sit a twentieth higher per place, so ties fall to the earlier runner.
    const double front = model::FloorNumber((front_sum / count + runner / 20.0) * 10) / 10;
    const double back = model::FloorNumber((back_sum / count) * 10) / 10;
    t.Front3FMean(runner) = model::NumberToText(front);
    t.Back3FMean(runner) = model::NumberToText(back);
    t.Front3FText(runner) = ShownValue(t.Front3FMean(runner));
    t.Back3FText(runner) = ShownValue(t.Back3FMean(runner));
    t.Total6FText(runner) = model::NumberToPatternText(
        model::TextToNumber(t.Back3FMean(runner)) + model::TextToNumber(t.Front3FMean(runner)), u"00.0");
  } else {
    t.Front3FText(runner) = kNoFurlongTimeText;
    t.Back3FText(runner) = kNoFurlongTimeText;
    t.Total6FText(runner) = kNoFurlongTime;
    t.Front3FMean(runner) = kNoFurlongTime;
    t.Back3FMean(runner) = kNoFurlongTime;
  }

  grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kFront3F, t.Front3FText(runner));
  grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kBack3F, t.Back3FText(runner));
  grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kTotal6F, t.Total6FText(runner));
}

void FindRaceBestThreeFurlongs(model::Meeting& meeting, int race, int runners) {
  if (!model::IsRace(race)) return;
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const int held = model::AnalysedRunners(runners);
  t.RaceBestFront3F(race) = RaceBest(t.Front3FText, held);
  t.RaceBestBack3F(race) = RaceBest(t.Back3FText, held);
}

void AssignRunningStyles(analysis::RunnerGridWriter& grid, model::Meeting& meeting, int race, int runners) {
  if (!model::IsRace(race)) return;
  SecondaryAnalysisTables& t = meeting.Group<SecondaryAnalysisTables>();
  const int held = model::AnalysedRunners(runners);
  for (int runner = 1; runner <= held; ++runner) {
    t.RunningStyle(runner) = EarlyPosition(t.Front3FText(runner), t.RaceBestFront3F(race)) +
                             Finish(t.Back3FText(runner), t.RaceBestBack3F(race));
    grid.SetCellText(analysis::RunnerRow(runner), analysis::RunnerColumn::kRunningStyle,
                     t.RunningStyle(runner));
  }
}

}  // namespace secondary
